#include "option/macros/win32/WindowsIniFileStore.h"

#include "profile/StructuredValue.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

namespace {

// Section and key names compare without regard to case, as the INI
// functions compare them.
using Keys = WindowsIniFileStore::Keys;
using Sections = WindowsIniFileStore::Sections;


std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The "[section]" and "key=value" lines of the file as it is on the disk.
Sections ReadFromDisk(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    Sections sections;
    Keys* current = nullptr;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = Trimmed(bytes.substr(start, end - start));
        start = end + 1;
        if (!line.empty() && line.front() == '[' && line.back() == ']') {
            current = &sections[Lower(Trimmed(line.substr(1, line.size() - 2)))];
        } else if (current && line.find('=') != std::string::npos) {
            const size_t equals = line.find('=');
            (*current)[Lower(Trimmed(line.substr(0, equals)))] = Trimmed(line.substr(equals + 1));
        }
    }
    return sections;
}

// Passes everything on and notes each value put into the file, as the INI
// functions write it.
class RecordingAccessor : public IniAccessor {
public:
    RecordingAccessor(std::unique_ptr<IniAccessor> inner, Sections& written)
        : m_inner(std::move(inner)), m_written(written) {}

    std::string GetString(const char* section, const char* key, const char* defaultText) override {
        return m_inner->GetString(section, key, defaultText);
    }
    bool PutString(const char* section, const char* key, const char* text) override {
        if (section && !key) m_written.erase(Lower(Trimmed(section)));
        else if (section && !text) m_written[Lower(Trimmed(section))].erase(Lower(Trimmed(key)));
        else if (section) m_written[Lower(Trimmed(section))][Lower(Trimmed(key))] = Trimmed(text);
        return m_inner->PutString(section, key, text);
    }
    int32_t GetInt(const char* section, const char* key, int32_t defaultValue) override {
        return m_inner->GetInt(section, key, defaultValue);
    }
    bool GetStruct(const char* section, const char* key, void* buffer, size_t size) override {
        return m_inner->GetStruct(section, key, buffer, size);
    }
    bool PutStruct(const char* section, const char* key, const void* buffer, size_t size) override {
        m_written[Lower(Trimmed(section))][Lower(Trimmed(key))] = EncodeStructuredValue(buffer, size);
        return m_inner->PutStruct(section, key, buffer, size);
    }

private:
    std::unique_ptr<IniAccessor> m_inner;
    Sections& m_written;
};

// Every key written reached the disk with its value.
bool Contains(const Sections& onDisk, const Sections& written) {
    for (const auto& [name, keys] : written) {
        const auto section = onDisk.find(name);
        if (section == onDisk.end()) return false;
        for (const auto& [key, value] : keys) {
            const auto found = section->second.find(key);
            if (found == section->second.end() || found->second != value) return false;
        }
    }
    return true;
}

}  // namespace

std::unique_ptr<IniAccessor> WindowsIniFileStore::Open(const std::string& path) {
    return std::make_unique<RecordingAccessor>(m_files.Open(path), m_written[path]);
}

bool WindowsIniFileStore::RemoveFile(const std::string& path) {
    m_written.erase(path);
    if (DeleteFileA(path.c_str())) return true;
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool WindowsIniFileStore::FlushFile(const std::string& path) {
    // The INI functions may report success while the disk took only part of
    // the file (a full disk under Wine), and the flush's own result says
    // nothing (Wine always answers FALSE): what was written is compared with
    // what reached the disk, so that a cut file never replaces another.
    // All-null arguments make the system write out the file it caches.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    return Contains(ReadFromDisk(path), m_written[path]);
}

bool WindowsIniFileStore::MoveOver(const std::string& source, const std::string& target) {
    const DWORD attributes = GetFileAttributesA(target.c_str());
    if (!MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return false;
    // The moved file brings its own attributes; the file it replaces keeps
    // its own (an imported slot file stays hidden).
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(target.c_str(), attributes);
    return true;
}

bool WindowsIniFileStore::CopyWhole(const std::string& source, const std::string& target) {
    m_written.erase(target);
    // All-null arguments write out what the system caches for a file and
    // forget it: the copy then holds every key written so far, and the INI
    // functions read the copy from the disk.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, source.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, target.c_str());
    if (CopyFileA(source.c_str(), target.c_str(), FALSE)) return true;
    const DWORD error = GetLastError();
    return (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) && RemoveFile(target);
}
