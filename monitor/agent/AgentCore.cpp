#include "AgentCore.h"

intptr_t DisplaySettingsParameter(const DisplayMessageValues& values) {
    const uint32_t high = static_cast<uint32_t>(values.first) & 0xFFFFu;
    const uint32_t low = static_cast<uint32_t>(values.second) & 0xFFFFu;
    return static_cast<intptr_t>((high << 16) | low);
}

AgentCore::AgentCore(AgentServices& services, device::DeviceLinkState& link)
    : m_services(services), m_link(link), m_copy(std::make_unique<SettingsBlock>()) {
    ClearBlock(*m_copy);
}

void AgentCore::LoadProfileSet() {
    ClearBlock(*m_copy);
    m_services.LoadProfileSet(*m_copy);
    if (EffectiveSlot(m_copy->CurrentSlot) != m_copy->CurrentSlot) {
        m_copy->CurrentSlot = EffectiveSlot(m_copy->CurrentSlot);
        m_services.ReadPointerSettings(CurrentProfile(*m_copy));
    }
}

void AgentCore::OnOpenedAtStart(bool present) {
    m_link.State = present ? device::kDevicePresent : device::kDeviceNotOpened;
}

void AgentCore::OnFirstWriteTimer() {
    m_services.RequestDeviceWrite(agent::kWriteEverything, 0, *m_copy);
}

void AgentCore::OnArrival() {
    if (!device::ArrivalApplies(State())) return;
    // A mouse already unplugged again never becomes present: the removal
    // that follows then finds nothing to undo, and the window thread neither
    // pauses nor starts a full write that would only be aborted.
    if (m_services.RemovalQueued()) {
        m_services.Debug(agent::kDebugArrivalSuperseded);
        return;
    }
    m_services.Debug(agent::kDebugArrivalStart);
    m_services.Pause(agent::kArrivalPauseMilliseconds);
    if (m_services.RemovalQueued()) {
        m_services.Debug(agent::kDebugArrivalSuperseded);
        return;
    }
    device::MarkPresent(m_link);
    m_services.OpenChannels();
    m_services.Debug(agent::kDebugArrivalOpened);
    MarkAllChanged(*m_copy);
    m_services.RequestDeviceWrite(agent::kWriteEverything, 0, *m_copy);
    m_services.Debug(agent::kDebugArrivalWriteRequested);
    m_services.ShowTrayIcon();
    m_services.Debug(agent::kDebugArrivalTrayShown);
    m_services.WriteDevicePresence(1);
    m_services.StartForegroundTimer();
    m_services.Debug(agent::kDebugArrivalDone);
}

void AgentCore::OnRemoval() {
    // The state and the abort of a running write go before the channels
    // close: the writer checks both before every transfer, so it sends
    // nothing more on channels being closed.
    if (!device::MarkRemoved(m_link)) return;
    m_services.Debug(agent::kDebugRemovalStart);
    // No release event comes from an unplugged mouse: keys held for its
    // buttons go up now rather than repeat until it returns.
    m_services.ReleaseHeldInput();
    m_services.CloseChannels();
    m_services.Debug(agent::kDebugRemovalClosed);
    m_services.HideTrayIcon();
    m_services.Debug(agent::kDebugRemovalTrayHidden);
    m_services.StopForegroundTimer();
    m_services.WriteDevicePresence(0);
    m_services.PostToWindow(agent::kOptionWindowTitle, agent::kMsgClose, 0, 0);
    m_services.Debug(agent::kDebugRemovalDone);
}

void AgentCore::ReadBlockIntoCopy() {
    if (m_services.ReadSharedBlock(*m_copy)) m_copy->CurrentSlot = EffectiveSlot(m_copy->CurrentSlot);
}

void AgentCore::OnApply(uintptr_t applyMode) {
    ReadBlockIntoCopy();
    m_services.ApplyPointerSettings(CurrentProfile(*m_copy));
    const DisplayMessageValues display = m_services.ReloadDisplaySettings();
    m_services.PostToWindow(agent::kDisplayWindowTitle, agent::kMsgDisplaySettings, 0,
                            DisplaySettingsParameter(display));
    if (IsPresent() &&
        m_services.RequestDeviceWrite(agent::kWriteChanged, static_cast<intptr_t>(applyMode), *m_copy)) {
        return;  // the writer tells Option when it is done
    }
    m_services.Debug(agent::kDebugApplyEnableButtons);
    if (!m_services.PostToWindow(agent::kOptionWindowTitle, agent::kMsgApplyFinished, 0, 0)) {
        m_services.Debug(agent::kDebugApplyNoOption);
    }
}

void AgentCore::OnReadBlock() { ReadBlockIntoCopy(); }

void AgentCore::OnReadBlockAndApplyPointer() {
    ReadBlockIntoCopy();
    m_services.ApplyPointerSettings(CurrentProfile(*m_copy));
}

bool AgentCore::SelectSlot(int slot) {
    if (slot < 0 || slot >= kSlotCount) return false;
    m_copy->CurrentSlot = slot;
    m_services.WriteSharedBlock(*m_copy);
    return true;
}
