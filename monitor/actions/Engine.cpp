#include "monitor/actions/Engine.h"

#include "monitor/actions/ActionConstants.h"
#include "profile/FunctionCodes.h"

#include <cstring>

namespace actions {

namespace {

constexpr int kFirstButton = 1;
constexpr int kLastButton = 16;
constexpr int kLastMacroNoticeButton = 15;
constexpr int kLastLevel = 8;
constexpr int kLastSensitivity = 20;
constexpr int kLastReportInterval = 8;

bool InRange(int value, int first, int last) { return value >= first && value <= last; }

struct IntervalRow {
    int Milliseconds;
    int32_t PollingRate;
};
constexpr IntervalRow kIntervals[] = {{1, 3}, {2, 2}, {4, 1}, {8, 0}};

uint32_t CombinationWord(const ButtonAssignmentEntry& entry) {
    uint32_t word = 0;
    memcpy(&word, entry.Data, sizeof word);
    return word;
}

}  // namespace

int32_t PollingRateForInterval(int milliseconds) {
    for (const IntervalRow& row : kIntervals) {
        if (row.Milliseconds == milliseconds) return row.PollingRate;
    }
    return -1;
}

Engine::Engine(EngineHost& host, const EnginePlatform& platform)
    : m_host(host),
      m_platform(platform),
      m_keys(platform.Input, platform.Layout, platform.Pacing),
      m_macros(host, platform.Input, platform.Layout, platform.Pacing),
      m_media(host, platform.Windows, platform.SystemShell, platform.Registry, m_keys, platform.Pacing),
      m_tilt(host, platform.Windows, platform.Input),
      m_notices(host, platform.Windows, platform.SettingsFile),
      m_switcher(host, platform.Windows, platform.Processes, m_notices) {}

void Engine::ScrollStep(int step) { m_tilt.Step(step); }

void Engine::ButtonAction(uint16_t data) {
    const int button = data & 0xFF;
    const bool press = (data >> 8) == 0;
    if (m_shuttingDown || !InRange(button, kFirstButton, kLastButton)) return;
    // A release lets up the keys its press put down, even when a profile
    // switch gave the button another function meanwhile.
    const auto held = m_heldCombinations.find(button);
    if (!press && held != m_heldCombinations.end()) {
        ReleaseCombination(button, held->second);
        return;
    }
    const ButtonAssignmentEntry& entry = CurrentProfile(m_host.Settings()).MacroKeyInfo[button - 1];
    if (entry.FunctionCode == kFunctionKeyCombination) {
        if (press) PressCombination(button, CombinationWord(entry));
        else ReleaseCombination(button, CombinationWord(entry));
    } else if (entry.FunctionCode == kFunctionMacro && press) {
        m_macros.Start(button - 1);
    }
}

void Engine::PressCombination(int button, uint32_t word) {
    m_combination = word;
    m_keys.PressCombination(word);
    m_heldCombinations[button] = word;
    m_firstRepeat = true;
    m_host.StartTimer(kTimerKeyRepeat, kKeyFirstRepeatMilliseconds);
}

void Engine::ReleaseCombination(int button, uint32_t word) {
    m_host.StopTimer(kTimerKeyRepeat);
    // The button's own keys go up, even when another combination replaced
    // it for the repeat meanwhile.
    m_keys.ReleaseCombination(word);
    m_heldCombinations.erase(button);
}

void Engine::RepeatTimer(unsigned timerId) {
    if (timerId == kTimerMediaRepeat) {
        m_media.RepeatVolume();
        return;
    }
    if (timerId != kTimerKeyRepeat) return;
    // A tick already due when the last combination went up types nothing.
    if (m_heldCombinations.empty()) {
        m_host.StopTimer(kTimerKeyRepeat);
        return;
    }
    if (m_firstRepeat) {
        m_host.StopTimer(kTimerKeyRepeat);
        m_firstRepeat = false;
        m_host.StartTimer(kTimerKeyRepeat, kKeyRepeatMilliseconds);
    }
    m_keys.RepeatKey(m_combination);
}

void Engine::PostToOption(unsigned message) {
    if (WindowId option = m_platform.Windows.Find(nullptr, kOptionWindowTitle))
        m_platform.Windows.Post(option, message, 0, 0);
}

void Engine::DeviceStateNotice(uint16_t type, uint16_t data) {
    SettingsBlock& block = m_host.Settings();
    const int low = data & 0xFF;
    const int high = data >> 8;
    const bool profile = (type & kEventClassMask) == kEventProfileClass;
    const bool level = (type & kEventClassMask) == kEventLevelClass;
    bool marked = false;
    if (profile && InRange(data, 1, kSlotCount)) {
        block.CurrentSlot = data - 1;
        m_platform.SettingsFile.WriteCurrentSlot(data - 1);
        marked = true;
    } else if (type == kEventButton && InRange(data, kFirstButton, kLastMacroNoticeButton)) {
        m_notices.Macro(data - 1);
        return;
    } else if (level && InRange(data, 1, kLastLevel)) {
        CurrentProfile(block).CpiStep = data - 1;
        marked = true;
    } else if (type == kEventSensitivity) {
        if (InRange(low, 1, kLastSensitivity)) CurrentProfile(block).Sensitivity_X = low;
        if (InRange(high, 1, kLastSensitivity)) CurrentProfile(block).Sensitivity_Y = high;
        marked = true;
    } else if (type == kEventReportInterval && InRange(data, 1, kLastReportInterval)) {
        const int32_t rate = PollingRateForInterval(data);
        if (rate >= 0) CurrentProfile(block).PollingRate = rate;
        marked = true;
    }
    if (!marked) return;
    m_host.WriteBackSettings();
    if (profile) {
        PostToOption(kMsgSlotChanged);
        m_notices.Profile(data - 1, false);
    }
    PostToOption(kMsgSettingsChangedByMouse);
    if (level) m_notices.Dpi(data);
}

void Engine::ProgramLaunch(int button) {
    if (!InRange(button, kFirstButton, kLastButton)) return;
    const ButtonAssignmentEntry& entry = CurrentProfile(m_host.Settings()).MacroKeyInfo[button - 1];
    if (entry.FunctionCode != kFunctionLaunchProgram) return;
    m_platform.SystemShell.Open(std::string(entry.ProgramPath, strnlen(entry.ProgramPath, sizeof entry.ProgramPath)));
}

void Engine::MediaCommand(int command, int release) {
    if (!m_shuttingDown) m_media.Command(command, release);
}

void Engine::ForegroundCheck() { m_switcher.ForegroundCheck(); }

void Engine::TextNotice(const std::string& text) { m_notices.Text(text); }

void Engine::ProfileSelectWritten(int slot) { m_notices.Profile(slot, true); }

void Engine::PlayMacro() { m_macros.Play(); }

void Engine::LetGoHeldInput() {
    m_host.StopTimer(kTimerKeyRepeat);
    m_media.Stop();
    for (const auto& held : m_heldCombinations) m_keys.ReleaseCombination(held.second);
    m_heldCombinations.clear();
}

void Engine::DeviceRemoved() {
    LetGoHeldInput();
    m_macros.RequestStop();
}

void Engine::BeginShutdown() {
    m_shuttingDown = true;
    LetGoHeldInput();
    m_macros.Shutdown();
}

void Engine::FinishShutdown() { m_macros.ReleaseHeldKeys(); }

}  // namespace actions
