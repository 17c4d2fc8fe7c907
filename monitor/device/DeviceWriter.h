// The device write: runs the planned sequence against the transport,
// pausing in 100 ms rounds and stopping when the abort flag is raised.
#pragma once

#include <optional>

#include "monitor/device/DeviceLinkState.h"
#include "monitor/device/DeviceTransport.h"
#include "monitor/device/DeviceWritePlan.h"
#include "monitor/device/MacroStore.h"
#include "profile/SettingsBlock.h"

namespace device {

class DeviceWriter {
public:
    DeviceWriter(DeviceTransport& transport, Sleeper& sleeper, DeviceLinkState& link);

    // One request of the device-writer thread. `snapshot` is the caller's own
    // copy of the block for this request, so the agent may replace its copy
    // meanwhile. Sets the busy flag and clears the abort flag first, clears
    // busy at the end. Returns nothing when the mouse is not present or the
    // agent is stopping (the request is dropped); otherwise the result of the profile select
    // command, or 0 when the write was aborted.
    std::optional<int> Write(const SettingsBlock& snapshot, DeviceWriteMode mode);

    const MacroStore& Macros() const { return m_macros; }

private:
    int Run(const std::vector<DeviceWriteStep>& steps);
    // False when the abort flag stopped the pause.
    bool Pause(unsigned milliseconds);
    bool Aborted() const;

    DeviceTransport& m_transport;
    Sleeper& m_sleeper;
    DeviceLinkState& m_link;
    MacroStore m_macros;
};

}  // namespace device
