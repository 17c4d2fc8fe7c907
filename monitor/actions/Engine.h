// The action engine: dispatches the host-handled button functions and the
// device state notices to key emulation, the macro player, the media
// players, the tilt-wheel finder, the launcher and the display notices, and
// runs the per-application switching.
#pragma once

#include "monitor/actions/ActionEngine.h"
#include "monitor/actions/DisplayNotices.h"
#include "monitor/actions/KeyEmulation.h"
#include "monitor/actions/MacroPlayer.h"
#include "monitor/actions/MediaControl.h"
#include "monitor/actions/ProfileSwitcher.h"
#include "monitor/actions/TiltScroller.h"

#include <map>

namespace actions {

// The platform as the engine reaches it.
struct EnginePlatform {
    InputSynthesis& Input;
    KeyboardLayout& Layout;
    Clock& Pacing;
    WindowSystem& Windows;
    Shell& SystemShell;
    PlayerRegistry& Registry;
    ProcessList& Processes;
    SettingsFileWriter& SettingsFile;
};

// PollingRate for a report interval of 1, 2, 4 or 8 ms; -1 for others,
// which keep the stored value.
int32_t PollingRateForInterval(int milliseconds);

class Engine : public ActionEngine {
public:
    Engine(EngineHost& host, const EnginePlatform& platform);

    void ScrollStep(int step) override;
    void DeviceStateNotice(uint16_t type, uint16_t data) override;
    void ButtonAction(uint16_t data) override;
    void ProgramLaunch(int button) override;
    void MediaCommand(int command, int release) override;
    void ForegroundCheck() override;
    void RepeatTimer(unsigned timerId) override;
    void TextNotice(const std::string& text) override;
    void ProfileSelectWritten(int slot) override;
    void PlayMacro() override;
    void DeviceRemoved() override;
    void BeginShutdown() override;
    void FinishShutdown() override;

    bool MacroPlaying() const { return m_macros.Playing(); }

private:
    void PressCombination(int button, uint32_t word);
    void ReleaseCombination(int button, uint32_t word);
    void LetGoHeldInput();
    void PostToOption(unsigned message);

    EngineHost& m_host;
    EnginePlatform m_platform;
    KeyEmulation m_keys;
    MacroPlayer m_macros;
    MediaControl m_media;
    TiltScroller m_tilt;
    DisplayNotices m_notices;
    ProfileSwitcher m_switcher;

    // Key repeat: the combination word of the last code-5 press.
    uint32_t m_combination = 0;
    bool m_firstRepeat = false;
    // Combinations pressed and not yet released, by button number.
    std::map<int, uint32_t> m_heldCombinations;
    // Set when shutdown begins: an event still dispatched after that (or
    // while the held keys go up) puts no key down that nobody would release.
    bool m_shuttingDown = false;
};

}  // namespace actions
