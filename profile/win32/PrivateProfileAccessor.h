// The profile-file accessor on the Win32 private-profile functions.
#pragma once

#include "profile/IniAccessor.h"

class PrivateProfileAccessor : public IniAccessor {
public:
    explicit PrivateProfileAccessor(std::string path) : m_path(std::move(path)) {}

    std::string GetString(const char* section, const char* key, const char* defaultText) override;
    bool PutString(const char* section, const char* key, const char* text) override;
    int32_t GetInt(const char* section, const char* key, int32_t defaultValue) override;
    bool GetStruct(const char* section, const char* key, void* buffer, size_t size) override;
    bool PutStruct(const char* section, const char* key, const void* buffer, size_t size) override;
    bool GetSection(const char* section, IniSection& entries) override;

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// INI files on the Windows file system.
class PrivateProfileFiles : public IniFileSystem {
public:
    std::unique_ptr<IniAccessor> Open(const std::string& path) override;
    bool FileExists(const std::string& path) override;
};
