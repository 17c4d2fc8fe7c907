// The profile-file accessor: one INI file path and the six operations every
// INI file of the system is read and written with. The Windows adapter
// (PrivateProfileAccessor) passes them to the private-profile functions; the
// in-memory one (MemoryIniFiles) behaves the same way for portable code and
// native tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

// Key (in lower case) to value.
using IniSection = std::map<std::string, std::string>;

class IniAccessor {
public:
    virtual ~IniAccessor() = default;

    // At most 2047 characters are returned; the default when the key is missing.
    virtual std::string GetString(const char* section, const char* key, const char* defaultText) = 0;
    virtual bool PutString(const char* section, const char* key, const char* text) = 0;
    // The key's decimal value, or the default when the key is missing or empty.
    virtual int32_t GetInt(const char* section, const char* key, int32_t defaultValue) = 0;
    // Written as signed decimal text.
    bool PutInt(const char* section, const char* key, int32_t value);
    // Fails when the key is missing or its length or checksum do not match.
    virtual bool GetStruct(const char* section, const char* key, void* buffer, size_t size) = 0;
    virtual bool PutStruct(const char* section, const char* key, const void* buffer, size_t size) = 0;
    // Every key of the section with the value GetString gives for it, in one
    // read; false when this accessor cannot list a section, and the caller
    // reads key by key.
    virtual bool GetSection(const char*, IniSection&) { return false; }
};

// The section from the private-profile functions' listing of it: "key=value"
// lines each ended by a NUL. Values are what a read of their key gives: the
// first of repeated keys, the quotes around a value removed, at most 2047
// characters; a line without "=" is no key.
IniSection ParseSectionListing(const std::string& listing);

// Where INI files are opened: the Windows file system, or memory in tests.
class IniFileSystem {
public:
    virtual ~IniFileSystem() = default;
    virtual std::unique_ptr<IniAccessor> Open(const std::string& path) = 0;
    // True when the file can be opened for reading.
    virtual bool FileExists(const std::string& path) = 0;
};
