// The language library strtab.dll as the configuration program loads it:
// texts by string number, empty when the library or the number is missing.
#pragma once

#include <windows.h>

#include <string>

class LanguageTexts {
public:
    LanguageTexts() = default;
    LanguageTexts(const LanguageTexts&) = delete;
    LanguageTexts& operator=(const LanguageTexts&) = delete;
    ~LanguageTexts() { Unload(); }

    bool Load(const std::string& programFolder);
    void Unload();
    std::string Text(unsigned id) const;

private:
    HMODULE m_module = nullptr;
};
