#include "testing/DamagedFiles.h"

#include <windows.h>

#include <cctype>
#include <fstream>
#include <iterator>
#include <random>

namespace testsupport {

namespace {

constexpr size_t kRandomLength = 4096;
constexpr size_t kZerosLength = 10 * 1024 * 1024;
constexpr size_t kLongLineLength = 1024 * 1024;
constexpr size_t kBinaryStride = 7;
constexpr size_t kLongHexValue = 20;
constexpr unsigned kRandomSeed = 20261209;

std::string RandomBytes() {
    std::mt19937 generator(kRandomSeed);
    std::string bytes(kRandomLength, '\0');
    for (char& byte : bytes) byte = static_cast<char>(generator() & 0xFF);
    return bytes;
}

// The first hexadecimal digit of the first value of at least 20 digits,
// replaced by another digit (its checksum then no longer matches).
std::string OneDigitChanged(std::string text) {
    for (size_t at = text.find('='); at != std::string::npos; at = text.find('=', at + 1)) {
        size_t end = at + 1;
        while (end < text.size() && std::isxdigit(static_cast<unsigned char>(text[end]))) ++end;
        if (end - at - 1 < kLongHexValue) continue;
        text[at + 1] = text[at + 1] == '0' ? '1' : '0';
        return text;
    }
    return text;
}

std::string WideText(const std::string& text) {
    std::string wide = "\xFF\xFE";
    for (char c : text) {
        wide += c;
        wide += '\0';
    }
    return wide;
}

}  // namespace

const char* DamageName(Damage damage) {
    switch (damage) {
    case Damage::Missing: return "missing";
    case Damage::Empty: return "empty";
    case Damage::Truncated: return "truncated";
    case Damage::RandomBytes: return "random bytes";
    case Damage::Zeros: return "10 MB of zeros";
    case Damage::Binary: return "binary bytes inside";
    case Damage::OneDigitChanged: return "one hex digit changed";
    case Damage::LongLine: return "a 1 MB line";
    case Damage::WideText: return "UTF-16 text";
    case Damage::Directory: return "a folder instead";
    }
    return "?";
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

std::string IniValue(const std::string& path, const char* section, const char* key, const char* missing) {
    char value[4096] = "";
    GetPrivateProfileStringA(section, key, missing, value, sizeof value, path.c_str());
    return value;
}

bool WriteDamagedFile(const std::string& path, const std::string& good, Damage damage) {
    DeleteFileA(path.c_str());
    RemoveDirectoryA(path.c_str());
    switch (damage) {
    case Damage::Missing: return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
    case Damage::Directory: return CreateDirectoryA(path.c_str(), nullptr) != 0;
    case Damage::Empty: return WriteWholeFile(path, "");
    case Damage::Truncated: return WriteWholeFile(path, good.substr(0, good.size() / 2));
    case Damage::RandomBytes: return WriteWholeFile(path, RandomBytes());
    case Damage::Zeros: return WriteWholeFile(path, std::string(kZerosLength, '\0'));
    case Damage::Binary: {
        std::string bytes = good;
        for (size_t at = 0; at < bytes.size(); at += kBinaryStride) bytes[at] = (at / kBinaryStride) % 2 ? '\xFF' : '\0';
        return WriteWholeFile(path, bytes);
    }
    case Damage::OneDigitChanged: return WriteWholeFile(path, OneDigitChanged(good));
    case Damage::LongLine: return WriteWholeFile(path, "[Setting]\r\nProFileName=" + std::string(kLongLineLength, 'A'));
    case Damage::WideText: return WriteWholeFile(path, WideText(good));
    }
    return false;
}

}  // namespace testsupport
