// Runs one mousectl command against the running agent the way the
// configuration program works: the shared block read whole under the
// settings mutex into a private copy, the edit made there, then Apply: the
// change flags from the comparison with the copy as read, the block written
// whole, the slot profile files saved and the apply message sent to the
// agent, which writes the mouse. So a command never races Option or the agent.
#pragma once

#include "MouseCommand.h"
#include "option/core/OptionSession.h"

#include <string>

namespace mousectl {

struct Outcome {
    int exitCode = kExitOk;
    std::string output;        // for standard output
    std::string error;         // for standard error
    bool blockChanged = false; // the shared block holds new settings
};

class MouseControl {
public:
    explicit MouseControl(const OptionServices& services);

    Outcome Run(const Command& command);

private:
    bool MousePresent();
    std::string StatusText();
    Outcome ApplyFile(int slot, const std::string& path);
    Outcome ExportSlot(int slot, const std::string& path);
    Outcome Select(int slot);
    Outcome Defaults(int slot);
    Outcome Backup(const std::string& path);
    Outcome Restore(const std::string& path);
    std::string RestoredSettings(const std::string& current, IniFileSystem& restored, const SettingsBlock& block);
    // Apply with the mode; the outcome says whether the agent took it.
    Outcome Finish(int mode, const std::string& done);
    Outcome Reported(bool agentTold, const std::string& done);

    OptionServices m_services;
    OptionSession m_session;
};

}  // namespace mousectl
