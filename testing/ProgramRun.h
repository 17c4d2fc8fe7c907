// Runs a console program to its end and keeps what it printed.
#pragma once

#include <windows.h>

#include <string>

namespace testsupport {

// Generous: Wine starts a process in about a second.
constexpr DWORD kProgramDeadlineMs = 60000;

struct ProgramResult {
    // 0xFFFFFFFF when the program could not start or outlived the deadline.
    DWORD exitCode = 0xFFFFFFFF;
    // Standard output and error together, line ends without CR.
    std::string output;
    bool timedOut = false;
};

// Starts the command line (quote the program path) in the working folder,
// or in the current folder when that is empty; a program still running at
// the deadline is ended.
ProgramResult RunProgram(const std::string& commandLine, const std::string& workingFolder = "",
                         DWORD deadlineMs = kProgramDeadlineMs);

// Starts the command line as RunProgram does but does not wait for it; the
// process handle, which the caller closes, or null when it did not start. A
// start that fails (a loaded Wine refuses one now and then) is reported with
// its error and tried again.
HANDLE StartProgram(const std::string& commandLine, const std::string& workingFolder = "");

// Plugs the virtual mouse of a running portio.dll in or out through its
// control window, as portioctl does; false when no such window answered.
bool PlugVirtualMouse(bool attach);

// Waits for a process to end; its exit code, or -1 on time-out.
long WaitForExit(HANDLE process, DWORD deadlineMs = kProgramDeadlineMs);

}  // namespace testsupport
