// mousectl: the running agent's profiles from the command line (see
// UsageText). It works from its own folder, the program folder.
#include "MouseCommand.h"
#include "MouseControl.h"
#include "option/core/OptionConstants.h"
#include "option/core/win32/AgentLink.h"
#include "option/core/win32/SharedBlockClient.h"
#include "option/core/win32/WindowsFileOperations.h"
#include "option/macros/win32/WindowsIniFileStore.h"
#include "profile/WallClock.h"
#include "profile/win32/WindowsRegistry.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string ModuleFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    const size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

// The private-profile functions look for a bare file name in the Windows
// folder, so a file named on the command line is made absolute first.
std::string AbsolutePath(const std::string& path) {
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? std::string(full) : path;
}

// An open configuration window re-reads the block, as after a slot change
// made by the agent, so that its next Apply does not undo this one.
void TellOption() {
    HWND option = FindWindowA(nullptr, option::kMainWindowTitle);
    if (option) PostMessageA(option, option::kMsgSlotChangedByAgent, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
    const mousectl::ParseResult parsed = mousectl::ParseCommand(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.ok) {
        fprintf(stderr, "mousectl: %s\n%s", parsed.error.c_str(), mousectl::UsageText().c_str());
        return mousectl::kExitUsage;
    }
    mousectl::Command command = parsed.command;
    if (!command.path.empty()) command.path = AbsolutePath(command.path);
    // Option keeps the macro list it loaded and saves it at its next Apply,
    // over the restored macro file.
    if (command.kind == mousectl::CommandKind::Restore && FindWindowA(nullptr, option::kMainWindowTitle)) {
        fputs("mousectl: the settings window (Option) is open; close it before a restore. Nothing changed.\n", stderr);
        return mousectl::kExitFailed;
    }

    SharedBlockClient sharedBlock;
    AgentLink agent;
    WindowsIniFileStore iniFiles;
    WindowsFileOperations files;
    WindowsRegistry registry;
    SystemWallClock clock;
    mousectl::MouseControl control(
        OptionServices{sharedBlock, agent, iniFiles, files, registry, clock, ModuleFolder()});
    const mousectl::Outcome outcome = control.Run(command);
    if (outcome.blockChanged) TellOption();
    fputs(outcome.output.c_str(), stdout);
    if (!outcome.error.empty()) fprintf(stderr, "mousectl: %s", outcome.error.c_str());
    return outcome.exitCode;
}
