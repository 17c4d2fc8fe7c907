// The language library strtab.dll: texts by string number, empty when the
// library or the number is missing.
#pragma once

#include <windows.h>

#include <string>

class LanguageLibrary {
public:
    LanguageLibrary() = default;
    LanguageLibrary(const LanguageLibrary&) = delete;
    LanguageLibrary& operator=(const LanguageLibrary&) = delete;
    ~LanguageLibrary();

    bool Load(const std::string& programFolder);
    void Unload();
    std::string Text(unsigned id) const;

private:
    HMODULE m_module = nullptr;
};
