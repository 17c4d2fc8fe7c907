#include "testing/TempFolder.h"

#include <windows.h>

namespace testsupport {

namespace {

// Bounds the search for a free name; a clash means a leftover of an earlier
// run with the same process id.
constexpr int kNameAttempts = 1000;

}  // namespace

TempFolder::TempFolder(const std::string& prefix) {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    std::string folder = base;
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    static int counter = 0;
    const std::string stem = folder + prefix + "_" + std::to_string(GetCurrentProcessId()) + "_";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string candidate = stem + std::to_string(++counter);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            m_path = candidate + "\\";
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    // Tests then fail on their first file access, which names the path.
    m_path = stem + std::to_string(counter) + "\\";
}

TempFolder::~TempFolder() { RemoveTree(m_path); }

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(folder + name + "\\");
            } else {
                const std::string path = folder + name;
                // A read-only file would otherwise keep the folder.
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace testsupport
