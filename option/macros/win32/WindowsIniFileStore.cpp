#include "option/macros/win32/WindowsIniFileStore.h"

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
using Keys = std::map<std::string, std::string>;
using Sections = std::map<std::string, Keys>;

constexpr DWORD kFirstListSize = 64 * 1024;
constexpr DWORD kLargestListSize = 64 * 1024 * 1024;

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

// A double-NUL-terminated list the INI functions fill; grows until it fits.
template <typename Fill>
std::vector<char> ReadList(Fill fill) {
    for (DWORD size = kFirstListSize; size <= kLargestListSize; size *= 2) {
        std::vector<char> list(size);
        const DWORD length = fill(list.data(), size);
        if (length < size - 2) return std::vector<char>(list.begin(), list.begin() + length + 1);
    }
    return {};
}

std::vector<std::string> Entries(const std::vector<char>& list) {
    std::vector<std::string> entries;
    for (size_t at = 0; at < list.size() && list[at];) {
        entries.emplace_back(&list[at]);
        at += entries.back().size() + 1;
    }
    return entries;
}

// Every key the INI functions hold for the file reached the disk with its
// value. Their writes may report success while the disk took only part of
// the file (a full disk under Wine); such a file must never replace another.
bool WrittenWhole(const std::string& path) {
    const Sections onDisk = ReadFromDisk(path);
    const std::vector<std::string> names =
        Entries(ReadList([&](char* list, DWORD size) { return GetPrivateProfileSectionNamesA(list, size, path.c_str()); }));
    for (const std::string& name : names) {
        const auto section = onDisk.find(Lower(Trimmed(name)));
        if (section == onDisk.end()) return false;
        const std::vector<std::string> entries = Entries(ReadList(
            [&](char* list, DWORD size) { return GetPrivateProfileSectionA(name.c_str(), list, size, path.c_str()); }));
        for (const std::string& entry : entries) {
            const size_t equals = entry.find('=');
            if (equals == std::string::npos) continue;
            const auto key = section->second.find(Lower(Trimmed(entry.substr(0, equals))));
            if (key == section->second.end() || key->second != Trimmed(entry.substr(equals + 1))) return false;
        }
    }
    return true;
}

}  // namespace

bool WindowsIniFileStore::RemoveFile(const std::string& path) {
    if (DeleteFileA(path.c_str())) return true;
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool WindowsIniFileStore::FlushFile(const std::string& path) {
    // All-null arguments make the system write out the file it caches; its
    // result says nothing (Wine always answers FALSE), the file on the disk
    // does.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    return WrittenWhole(path);
}

bool WindowsIniFileStore::MoveOver(const std::string& source, const std::string& target) {
    return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
