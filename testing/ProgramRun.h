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
// process handle, which the caller closes, or null when it did not start.
HANDLE StartProgram(const std::string& commandLine, const std::string& workingFolder = "");

}  // namespace testsupport
