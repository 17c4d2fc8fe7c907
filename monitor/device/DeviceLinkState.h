// The words the agent window's thread shares with the device-writer thread:
// the device state and the busy and abort flags of a running write.
#pragma once

#include <atomic>
#include <cstdint>

namespace device {

// Device state values.
constexpr int32_t kDeviceNotOpened = 0;
constexpr int32_t kDevicePresent = 1;
constexpr int32_t kDeviceRemoved = 2;

struct DeviceLinkState {
    std::atomic<int32_t> State{kDeviceNotOpened};
    std::atomic<bool> Busy{false};
    std::atomic<bool> Abort{false};
    // Raised once at shutdown, before the abort: a write that becomes busy
    // after the abort was tried still sees it and sends nothing.
    std::atomic<bool> Stopping{false};
};

// Raises the abort flag only while a write is running, so that an abort
// meant for one write never cancels the next.
void RequestAbort(DeviceLinkState& link);

// The state changes of arrival and removal, each true when the state
// actually changed (presence messages may repeat). Removal also aborts a
// running write.
bool MarkPresent(DeviceLinkState& link);
bool MarkRemoved(DeviceLinkState& link);

// An arrival acts only when the mouse is not already present, a removal only
// when it is not already removed.
bool ArrivalApplies(int32_t state);
bool RemovalApplies(int32_t state);

}  // namespace device
