// The agent's own logic, free of Win32: the agent copy of the shared
// settings block, the device state, arrival and removal, the apply of
// settings sent by Option, the first full write.
#pragma once

#include "AgentServices.h"
#include "monitor/device/DeviceLinkState.h"

#include <memory>

// lParam of message 1326 to the display window: the low 16 bits of the first
// value in the high half, the low 16 bits of the second in the low half.
intptr_t DisplaySettingsParameter(const DisplayMessageValues& values);

class AgentCore {
public:
    // The link state is shared with the device-writer thread.
    AgentCore(AgentServices& services, device::DeviceLinkState& link);

    // Start-up: a cleared block filled from the settings files. A missing or
    // damaged current slot becomes slot 0 so that every reader indexes a
    // real record and the select command names profile 1; slot 0 then takes
    // the system's own pointer settings, so that the first start does not
    // replace the user's double-click time and pointer speed with defaults.
    void LoadProfileSet();

    // Start-up after the mouse was opened: result of Open_ReportDevice.
    void OnOpenedAtStart(bool present);

    // Timer 502: the first full write.
    void OnFirstWriteTimer();

    // Presence from the HID transport library; each acts only on a change.
    void OnArrival();
    void OnRemoval();

    // Message 1224 from Option, with its apply mode.
    void OnApply(uintptr_t applyMode);
    // Messages 1226 and 1227.
    void OnReadBlock();
    void OnReadBlockAndApplyPointer();

    // Makes slot the current slot of the agent copy and writes the block.
    // False when the slot is not 0..4.
    bool SelectSlot(int slot);

    int32_t State() const { return m_link.State.load(); }
    bool IsPresent() const { return State() == device::kDevicePresent; }

    SettingsBlock& Copy() { return *m_copy; }
    const SettingsBlock& Copy() const { return *m_copy; }

private:
    void ReadBlockIntoCopy();

    AgentServices& m_services;
    device::DeviceLinkState& m_link;
    std::unique_ptr<SettingsBlock> m_copy;
};
