#include "IniText.h"

#include "MemoryIniFiles.h"
#include "StructuredValue.h"

#include <cstring>
#include <strings.h>

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The name of a "[name]" line; false for any other line.
bool SectionName(const std::string& line, std::string& name) {
    const std::string trimmed = Trimmed(line);
    const size_t close = trimmed.find(']');
    if (trimmed.empty() || trimmed[0] != '[' || close == std::string::npos) return false;
    name = Trimmed(trimmed.substr(1, close - 1));
    return true;
}

// The key and value of a "key=value" line; false for any other line.
bool KeyAndValue(const std::string& line, std::string& key, std::string& value) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) return false;
    key = Trimmed(line.substr(0, equals));
    value = Trimmed(line.substr(equals + 1));
    return !key.empty();
}

}  // namespace

IniText::IniText(const std::string& bytes) : m_lines(IniLines(bytes)) {}

std::string IniText::Bytes() const {
    std::string bytes;
    for (const std::string& line : m_lines) bytes += line + "\r\n";
    return bytes;
}

bool IniText::FindSection(const char* name, Span& span) const {
    std::string found;
    for (size_t line = 0; line < m_lines.size(); ++line) {
        if (!SectionName(m_lines[line], found) || strcasecmp(found.c_str(), name) != 0) continue;
        span.first = line;
        span.end = line + 1;
        while (span.end < m_lines.size() && !SectionName(m_lines[span.end], found)) ++span.end;
        return true;
    }
    return false;
}

bool IniText::FindKey(const Span& span, const char* key, size_t& line) const {
    std::string name, value;
    for (line = span.first + 1; line < span.end; ++line)
        if (KeyAndValue(m_lines[line], name, value) && strcasecmp(name.c_str(), key) == 0) return true;
    return false;
}

bool IniText::Lookup(const char* section, const char* key, std::string& value) const {
    Span span{};
    size_t line = 0;
    std::string name;
    if (!section || !key || !FindSection(section, span) || !FindKey(span, key, line)) return false;
    KeyAndValue(m_lines[line], name, value);
    // A NUL ends what the string functions see of a value.
    value.resize(strnlen(value.c_str(), value.size()));
    return true;
}

std::string IniText::GetString(const char* section, const char* key, const char* defaultText) {
    std::string value;
    if (!Lookup(section, key, value)) return defaultText ? defaultText : "";
    if (value.size() > 2047) value.resize(2047);
    return value;
}

bool IniText::PutString(const char* section, const char* key, const char* text) {
    if (!section) return false;
    // The value's leading blanks are not written (they would not be read).
    while (text && (*text == ' ' || *text == '\t')) ++text;
    Span span{};
    const bool sectionFound = FindSection(section, span);
    if (!key) {
        if (sectionFound) m_lines.erase(m_lines.begin() + span.first, m_lines.begin() + span.end);
        return true;
    }
    size_t line = 0;
    if (sectionFound && FindKey(span, key, line)) {
        std::string name, value;
        KeyAndValue(m_lines[line], name, value);
        if (text) m_lines[line] = name + "=" + text;
        else m_lines.erase(m_lines.begin() + line);
        return true;
    }
    if (!text) return true;
    if (!sectionFound) {
        m_lines.push_back(std::string("[") + section + "]");
        m_lines.push_back(std::string(key) + "=" + text);
        return true;
    }
    // After the section's last line that holds anything.
    size_t after = span.end;
    while (after > span.first + 1 && Trimmed(m_lines[after - 1]).empty()) --after;
    m_lines.insert(m_lines.begin() + after, std::string(key) + "=" + text);
    return true;
}

int32_t IniText::GetInt(const char* section, const char* key, int32_t defaultValue) {
    std::string value;
    if (!Lookup(section, key, value) || value.empty()) return defaultValue;
    return ParseProfileInt(value);
}

bool IniText::GetStruct(const char* section, const char* key, void* buffer, size_t size) {
    std::string value;
    return Lookup(section, key, value) && DecodeStructuredValue(value, buffer, size);
}

bool IniText::PutStruct(const char* section, const char* key, const void* buffer, size_t size) {
    return PutString(section, key, EncodeStructuredValue(buffer, size).c_str());
}
