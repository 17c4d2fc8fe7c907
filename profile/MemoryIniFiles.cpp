#include "MemoryIniFiles.h"

#include "StructuredValue.h"

#include <cstring>
#include <strings.h>

namespace {

bool SameName(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

MemoryIniFiles::Section* FindSection(MemoryIniFiles::File& file, const char* name) {
    for (auto& section : file)
        if (SameName(section.name, name)) return &section;
    return nullptr;
}

char LowerCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

size_t MemoryIniFiles::Section::NoCaseHash::operator()(const std::string& key) const {
    size_t hash = 14695981039346656037ull;  // FNV-1a
    for (char c : key) hash = (hash ^ static_cast<uint8_t>(LowerCase(c))) * 1099511628211ull;
    return hash;
}

bool MemoryIniFiles::Section::NoCaseEqual::operator()(const std::string& a, const std::string& b) const {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerCase(a[i]) != LowerCase(b[i])) return false;
    return true;
}

std::string* MemoryIniFiles::Section::Find(const std::string& key) {
    auto found = index.find(key);
    return found == index.end() ? nullptr : &keys[found->second].second;
}

// A repeated key is kept in the text but only its first entry is read, as
// the private-profile functions do.
void MemoryIniFiles::Section::Append(const std::string& key, const std::string& value) {
    index.emplace(key, keys.size());
    keys.emplace_back(key, value);
}

std::vector<std::string> IniLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

int32_t ParseProfileInt(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    unsigned base = 10;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    uint32_t value = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        unsigned digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else break;
        if (digit >= base) break;
        value = value * base + digit;
    }
    return static_cast<int32_t>(negative ? 0u - value : value);
}

class MemoryIniAccessor : public IniAccessor {
public:
    MemoryIniAccessor(MemoryIniFiles& files, std::string path) : m_files(files), m_path(std::move(path)) {}

    std::string GetString(const char* section, const char* key, const char* defaultText) override {
        std::string value;
        if (!Lookup(section, key, value)) return defaultText ? defaultText : "";
        if (value.size() > 2047) value.resize(2047);
        return value;
    }

    bool PutString(const char* section, const char* key, const char* text) override {
        m_files.SetValue(m_path, section, key, text ? text : "");
        return true;
    }

    int32_t GetInt(const char* section, const char* key, int32_t defaultValue) override {
        std::string value;
        if (!Lookup(section, key, value) || value.empty()) return defaultValue;
        return ParseProfileInt(value);
    }

    bool GetStruct(const char* section, const char* key, void* buffer, size_t size) override {
        std::string value;
        return Lookup(section, key, value) && DecodeStructuredValue(value, buffer, size);
    }

    bool PutStruct(const char* section, const char* key, const void* buffer, size_t size) override {
        m_files.SetValue(m_path, section, key, EncodeStructuredValue(buffer, size));
        return true;
    }

private:
    bool Lookup(const char* section, const char* key, std::string& value) {
        return m_files.GetValue(m_path, section, key, value);
    }

    MemoryIniFiles& m_files;
    std::string m_path;
};

std::unique_ptr<IniAccessor> MemoryIniFiles::Open(const std::string& path) {
    return std::make_unique<MemoryIniAccessor>(*this, path);
}

bool MemoryIniFiles::FileExists(const std::string& path) { return m_files.count(path) != 0; }

void MemoryIniFiles::SetValue(const std::string& path, const std::string& section, const std::string& key,
                              const std::string& value) {
    File& file = m_files[path];
    Section* found = FindSection(file, section.c_str());
    if (!found) {
        file.push_back(Section{section, {}, {}});
        found = &file.back();
    }
    if (std::string* existing = found->Find(key)) *existing = value;
    else found->Append(key, value);
}

bool MemoryIniFiles::GetValue(const std::string& path, const std::string& section, const std::string& key,
                              std::string& value) const {
    auto file = m_files.find(path);
    if (file == m_files.end()) return false;
    auto& mutableFile = const_cast<File&>(file->second);
    Section* found = FindSection(mutableFile, section.c_str());
    if (!found) return false;
    std::string* existing = found->Find(key);
    if (!existing) return false;
    value = *existing;
    return true;
}

void MemoryIniFiles::SetText(const std::string& path, const std::string& bytes) {
    File& file = m_files[path];
    file.clear();
    auto trim = [](const std::string& text) {
        size_t first = text.find_first_not_of(" \t");
        if (first == std::string::npos) return std::string();
        return text.substr(first, text.find_last_not_of(" \t") - first + 1);
    };
    for (std::string line : IniLines(bytes)) {
        // A NUL ends what the platform's string functions see of a line.
        line = trim(line.substr(0, strnlen(line.c_str(), line.size())));
        size_t close = line.find(']');
        if (!line.empty() && line[0] == '[' && close != std::string::npos) {
            file.push_back(Section{line.substr(1, close - 1), {}, {}});
            continue;
        }
        size_t equals = line.find('=');
        if (equals == std::string::npos || file.empty()) continue;
        std::string key = trim(line.substr(0, equals));
        if (!key.empty()) file.back().Append(key, trim(line.substr(equals + 1)));
    }
}

std::string MemoryIniFiles::Text(const std::string& path) const {
    auto file = m_files.find(path);
    if (file == m_files.end()) return "";
    std::string text;
    for (const auto& section : file->second) {
        text += "[" + section.name + "]\n";
        for (const auto& entry : section.keys) text += entry.first + "=" + entry.second + "\n";
    }
    return text;
}

std::vector<std::string> MemoryIniFiles::KeyOrder(const std::string& path, const std::string& section) const {
    std::vector<std::string> keys;
    auto file = m_files.find(path);
    if (file == m_files.end()) return keys;
    for (const auto& candidate : file->second)
        if (strcasecmp(candidate.name.c_str(), section.c_str()) == 0)
            for (const auto& entry : candidate.keys) keys.push_back(entry.first);
    return keys;
}
