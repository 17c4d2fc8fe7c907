#include "option/macros/win32/WindowsIniFileStore.h"

#include <windows.h>

bool WindowsIniFileStore::RemoveFile(const std::string& path) {
    if (DeleteFileA(path.c_str())) return true;
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool WindowsIniFileStore::FlushFile(const std::string& path) {
    // All-null arguments make the system write out the file it caches. The
    // writes before it may report success while only the cache holds them
    // (Wine): a full disk shows only here, and a cut file must never replace
    // the target.
    return WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str()) != 0;
}

bool WindowsIniFileStore::MoveOver(const std::string& source, const std::string& target) {
    return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
