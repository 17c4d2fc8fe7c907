#include "testing/UnixShell.h"

#include <windows.h>

#include <cstdlib>

namespace testsupport {

namespace {

constexpr char kShell[] = "Z:\\bin\\sh";
constexpr DWORD kShellDeadlineMs = 30000;

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
    if (UnixPath("C:\\").empty()) return false;
    std::string commandLine = std::string(kShell) + " -c \"";
    for (char c : command) {
        if (c == '"' || c == '\\') commandLine += '\\';
        commandLine += c;
    }
    commandLine += "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    WaitForSingleObject(process.hProcess, kShellDeadlineMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace testsupport
