// A temporary folder for one test, removed with everything in it.
#pragma once

#include <windows.h>

#include <string>

class TempFolder {
public:
    TempFolder() {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        char name[MAX_PATH];
        static int counter = 0;
        snprintf(name, sizeof name, "%sprofiletest_%lu_%d\\", base, GetCurrentProcessId(), ++counter);
        m_path = name;
        CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~TempFolder() { Remove(m_path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing backslash.
    const std::string& Path() const { return m_path; }

private:
    static void Remove(const std::string& folder) {
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                std::string name = data.cFileName;
                if (name == "." || name == "..") continue;
                std::string path = folder + name;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) Remove(path + "\\");
                else DeleteFileA(path.c_str());
            } while (FindNextFileA(find, &data));
            FindClose(find);
        }
        RemoveDirectoryA(folder.c_str());
    }

    std::string m_path;
};
