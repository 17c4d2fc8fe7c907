// Registry access for the pointer settings: keys named by full path strings
// (see RegistryPath.h), values read and written as text. The Windows adapter
// sits in profile/win32; MemoryRegistry serves portable code and tests.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

// An open key; closed when destroyed.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    // The value's text, cut to size - 1 characters and terminated. False (and
    // empty text) when the value is missing or is not text.
    virtual bool ReadText(const char* valueName, char* buffer, size_t size) = 0;
    // Stored as REG_SZ with its terminating NUL.
    virtual bool WriteText(const char* valueName, const char* text) = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Opens the key with full access, or creates it when that fails. Null
    // when both fail or the path is refused (no backslash).
    virtual std::unique_ptr<RegistryKey> OpenKey(const std::string& fullPath) = 0;
};
