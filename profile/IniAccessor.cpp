#include "IniAccessor.h"

#include <cctype>
#include <cstdio>

bool IniAccessor::PutInt(const char* section, const char* key, int32_t value) {
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    return PutString(section, key, text);
}

IniSection ParseSectionListing(const std::string& listing) {
    constexpr size_t kLongestValue = 2047;
    IniSection section;
    size_t start = 0;
    while (start < listing.size()) {
        size_t end = listing.find('\0', start);
        if (end == std::string::npos) end = listing.size();
        const std::string line = listing.substr(start, end - start);
        start = end + 1;
        // A name without "=" has no value: reading it gives the default.
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        std::string key = line.substr(0, equals);
        std::string value = line.substr(equals + 1);
        for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
            value = value.substr(1, value.size() - 2);
        if (value.size() > kLongestValue) value.resize(kLongestValue);
        section.emplace(key, value);  // a repeated key keeps its first value
    }
    return section;
}
