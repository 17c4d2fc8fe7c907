// Per-application profile switching: every tick of timer 500 the program of
// the foreground window is compared, by file name and extension, with each
// profile's `GameFile`; the first matching slot becomes the current one.
// Leaving the program switches nothing back.
#pragma once

#include "monitor/actions/DisplayNotices.h"
#include "monitor/actions/EngineHost.h"
#include "monitor/actions/SystemServices.h"
#include "monitor/actions/WindowSystem.h"

#include <string>

namespace actions {

// The file name and extension of a `GameFile`, blanks trimmed; empty for none.
std::string GameFileName(const char* gameFile, size_t size);
// The lowest slot whose `GameFile` names this executable, compared as the
// process list compares file names; -1 for none.
int MatchingSlot(const SettingsBlock& block, const std::string& executable, ProcessList& names);

class ProfileSwitcher {
public:
    ProfileSwitcher(EngineHost& host, WindowSystem& windows, ProcessList& processes, DisplayNotices& notices)
        : m_host(host), m_windows(windows), m_processes(processes), m_notices(notices) {}

    void ForegroundCheck();
    void SwitchTo(int slot);

private:
    EngineHost& m_host;
    WindowSystem& m_windows;
    ProcessList& m_processes;
    DisplayNotices& m_notices;
};

}  // namespace actions
