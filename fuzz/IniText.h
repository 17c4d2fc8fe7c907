// INI file text as the private-profile functions read it: "[Section]" lines
// open a section, "key=value" lines (blanks around both trimmed) belong to
// the last one, anything else is skipped. The fuzz targets feed their input
// through this into the in-memory files the readers under test open.
#pragma once

#include <functional>
#include <string>

#include "profile/MemoryIniFiles.h"

using IniValueSink = std::function<void(const std::string& section, const std::string& key, const std::string& value)>;

inline std::string TrimBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

inline void ReadIniText(const std::string& text, const IniValueSink& sink) {
    std::string section;
    bool inSection = false;
    for (const std::string& whole : IniLines(text)) {
        const std::string line = TrimBlanks(whole);
        if (!line.empty() && line[0] == '[') {
            const size_t close = line.find(']');
            section = line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
            inSection = true;
            continue;
        }
        const size_t equals = line.find('=');
        if (!inSection || equals == std::string::npos) continue;
        sink(section, TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1)));
    }
}
