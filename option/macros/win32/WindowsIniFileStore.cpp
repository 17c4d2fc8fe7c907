#include "option/macros/win32/WindowsIniFileStore.h"

#include <windows.h>

bool WindowsIniFileStore::RemoveFile(const std::string& path) {
    if (DeleteFileA(path.c_str())) return true;
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool WindowsIniFileStore::FlushFile(const std::string& path) {
    // All-null arguments make the system write out the file it caches.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    return true;
}

bool WindowsIniFileStore::MoveOver(const std::string& source, const std::string& target) {
    return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
