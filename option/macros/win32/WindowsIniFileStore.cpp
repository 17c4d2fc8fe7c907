#include "option/macros/win32/WindowsIniFileStore.h"

#include <windows.h>

#include "frame/UniqueHandle.h"

namespace {

bool Missing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// A file another program has open (a virus scanner, an indexer, the agent
// reading a profile) cannot be replaced; such readers let go within moments,
// so the move is tried again for up to a second before the save fails.
constexpr int kBusyTargetRetries = 40;
constexpr DWORD kBusyTargetRetryMs = 25;

bool HeldByAReader(DWORD error, DWORD targetAttributes) {
    const bool readOnly = targetAttributes != INVALID_FILE_ATTRIBUTES && (targetAttributes & FILE_ATTRIBUTE_READONLY);
    return !readOnly && (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION);
}

}  // namespace

bool WindowsIniFileStore::RemoveFile(const std::string& path) {
    if (DeleteFileA(path.c_str())) return true;
    return Missing(GetLastError());
}

bool WindowsIniFileStore::MoveOver(const std::string& source, const std::string& target) {
    const DWORD attributes = GetFileAttributesA(target.c_str());
    for (int retry = 0;; ++retry) {
        if (MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) break;
        if (retry == kBusyTargetRetries || !HeldByAReader(GetLastError(), attributes)) return false;
        Sleep(kBusyTargetRetryMs);
    }
    // The moved file brings its own attributes; the file it replaces keeps
    // its own (an imported slot file stays hidden).
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(target.c_str(), attributes);
    // The INI functions read the new file from the disk, not from a cache.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, target.c_str());
    return true;
}

bool WindowsIniFileStore::ReadWhole(const std::string& path, std::string& bytes) {
    bytes.clear();
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return Missing(GetLastError());
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x7FFFFFFF) return false;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(file.Get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                           read != bytes.size()))
        return false;
    return true;
}

bool WindowsIniFileStore::WriteWhole(const std::string& path, const std::string& bytes) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    // A full disk takes part of the bytes and says so only in the count.
    if (!bytes.empty() && (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
                           written != bytes.size()))
        return false;
    return FlushFileBuffers(file.Get()) != FALSE;
}
