#include "testing/UnixShell.h"

#include <windows.h>

#include <cstdlib>

namespace testsupport {

namespace {

constexpr char kShell[] = "Z:\\bin\\sh";
constexpr DWORD kShellDeadlineMs = 30000;
constexpr DWORD kShellPollMs = 50;

using UnixFileName = char*(CDECL*)(const WCHAR*);

}  // namespace

std::string UnixPath(const std::string& windowsPath) {
    const auto convert = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert) return "";
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unix = convert(wide.c_str());
    if (!unix) return "";
    std::string path = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

bool RunUnixShell(const std::string& command) {
    // Wine gives no waitable handle of a host process: the command leaves a
    // mark when it is done, and that is waited for.
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string mark =
        std::string(folder) + "unixshell-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64());
    const std::string unixMark = UnixPath(mark);
    if (unixMark.empty()) return false;
    const std::string marked = "(" + command + "); touch " + ShellQuoted(unixMark);
    std::string commandLine = std::string(kShell) + " -c \"";
    for (char c : marked) {
        if (c == '"' || c == '\\') commandLine += '\\';
        commandLine += c;
    }
    commandLine += "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const ULONGLONG deadline = GetTickCount64() + kShellDeadlineMs;
    while (GetFileAttributesA(mark.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount64() > deadline) return false;
        Sleep(kShellPollMs);
    }
    DeleteFileA(mark.c_str());
    return true;
}

}  // namespace testsupport
