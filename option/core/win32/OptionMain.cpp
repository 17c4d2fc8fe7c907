// Option.exe: one instance, the main window run modally, then the end.
#include <windows.h>

#include <string>

#include "option/core/OptionConstants.h"
#include "option/core/win32/OptionMainWindow.h"

namespace {

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : 0);
    const size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    HANDLE instance = CreateMutexA(nullptr, FALSE, option::kInstanceMutexName);
    if (!instance) return 0;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(instance);
        return 0;
    }
    const std::string programFolder = ProgramFolder();
    {
        OptionMainWindow window(programFolder);
        window.Run();
    }
    CloseHandle(instance);
    return 0;
}
