#include "testing/ProgramRun.h"

#include "portio/ControlProtocol.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace testsupport {

namespace {

constexpr DWORD kPollMs = 20;
constexpr DWORD kForcedExitCode = 0xFFFFFFFF;
constexpr int kStartAttempts = 3;
constexpr DWORD kStartRetryMs = 500;

// Reads what is in the pipe now without blocking; false once it is broken
// or empty.
bool ReadAvailable(HANDLE pipe, std::string& output) {
    DWORD available = 0;
    if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) || available == 0) return false;
    std::vector<char> buffer(available);
    DWORD got = 0;
    if (!ReadFile(pipe, buffer.data(), available, &got, nullptr) || got == 0) return false;
    output.append(buffer.data(), got);
    return true;
}

}  // namespace

ProgramResult RunProgram(const std::string& commandLine, const std::string& workingFolder, DWORD deadlineMs) {
    ProgramResult result;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return result;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                       workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &process);
    CloseHandle(writeEnd);
    if (started) {
        // Reading only what is there keeps a program that never closes its
        // output (or hands it to a child) from holding the test forever.
        const ULONGLONG deadline = GetTickCount64() + deadlineMs;
        bool ended = false;
        while (!ended) {
            while (ReadAvailable(readEnd, result.output)) {
            }
            ended = WaitForSingleObject(process.hProcess, kPollMs) == WAIT_OBJECT_0;
            if (!ended && GetTickCount64() > deadline) break;
        }
        while (ReadAvailable(readEnd, result.output)) {
        }
        if (ended) {
            GetExitCodeProcess(process.hProcess, &result.exitCode);
        } else {
            result.timedOut = true;
            TerminateProcess(process.hProcess, kForcedExitCode);
            WaitForSingleObject(process.hProcess, kProgramDeadlineMs);
        }
        // A console program's text output ends its lines with CR LF.
        result.output.erase(std::remove(result.output.begin(), result.output.end(), '\r'), result.output.end());
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(readEnd);
    return result;
}

HANDLE StartProgram(const std::string& commandLine, const std::string& workingFolder) {
    std::string command = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    for (int attempt = 1; !CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                          workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &process);
         ++attempt) {
        fprintf(stderr, "start of %s, attempt %d: error %lu\n", commandLine.c_str(), attempt, GetLastError());
        if (attempt == kStartAttempts) return nullptr;
        Sleep(kStartRetryMs);
    }
    CloseHandle(process.hThread);
    return process.hProcess;
}

bool PlugVirtualMouse(bool attach) {
    HWND control = FindWindowA(portio::kControlWindowClass, portio::kControlWindowTitle);
    return control && SendMessageA(control, attach ? portio::kAttachMessage : portio::kDetachMessage, 0, 0) == 1;
}

long WaitForExit(HANDLE process, DWORD deadlineMs) {
    if (WaitForSingleObject(process, deadlineMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return static_cast<long>(code);
}

}  // namespace testsupport
