#include "option/core/win32/WindowsFileOperations.h"

#include <windows.h>

bool WindowsFileOperations::Copy(const std::string& from, const std::string& to) {
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

void WindowsFileOperations::SetAttributes(const std::string& path, unsigned attributes) {
    SetFileAttributesA(path.c_str(), attributes);
}
