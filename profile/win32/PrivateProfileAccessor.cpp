#include "PrivateProfileAccessor.h"

#include <windows.h>

#include <cstdio>

std::string PrivateProfileAccessor::GetString(const char* section, const char* key, const char* defaultText) {
    char buffer[2048];
    GetPrivateProfileStringA(section, key, defaultText ? defaultText : "", buffer, sizeof buffer, m_path.c_str());
    return buffer;
}

bool PrivateProfileAccessor::PutString(const char* section, const char* key, const char* text) {
    return WritePrivateProfileStringA(section, key, text, m_path.c_str()) != 0;
}

int32_t PrivateProfileAccessor::GetInt(const char* section, const char* key, int32_t defaultValue) {
    return static_cast<int32_t>(GetPrivateProfileIntA(section, key, defaultValue, m_path.c_str()));
}

bool PrivateProfileAccessor::GetStruct(const char* section, const char* key, void* buffer, size_t size) {
    return GetPrivateProfileStructA(section, key, buffer, static_cast<UINT>(size), m_path.c_str()) != 0;
}

bool PrivateProfileAccessor::PutStruct(const char* section, const char* key, const void* buffer, size_t size) {
    return WritePrivateProfileStructA(section, key, const_cast<void*>(buffer), static_cast<UINT>(size),
                                      m_path.c_str()) != 0;
}

bool PrivateProfileAccessor::GetSection(const char* section, IniSection& entries) {
    // The listing ends with two NULs; one that did not fit is cut short and
    // its length is the buffer's less two.
    std::string listing(16384, '\0');
    for (;;) {
        const DWORD length = GetPrivateProfileSectionA(section, &listing[0], static_cast<DWORD>(listing.size()),
                                                       m_path.c_str());
        if (length + 2 < listing.size()) {
            listing.resize(length);
            break;
        }
        if (listing.size() >= (1u << 24)) return false;
        listing.assign(listing.size() * 4, '\0');
    }
    entries = ParseSectionListing(listing);
    return true;
}

std::unique_ptr<IniAccessor> PrivateProfileFiles::Open(const std::string& path) {
    return std::make_unique<PrivateProfileAccessor>(path);
}

bool PrivateProfileFiles::FileExists(const std::string& path) {
    FILE* file = fopen(path.c_str(), "rb");
    if (!file) return false;
    fclose(file);
    return true;
}
