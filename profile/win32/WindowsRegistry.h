// The registry interface on the Win32 registry functions: keys opened with
// full access or created, values read and written as REG_SZ text.
#pragma once

#include "profile/Registry.h"
#include "profile/RegistryPath.h"

#include <windows.h>

// Owns an open registry key.
class RegistryKeyHandle {
public:
    explicit RegistryKeyHandle(HKEY key = nullptr) : m_key(key) {}
    ~RegistryKeyHandle() {
        if (m_key) RegCloseKey(m_key);
    }
    RegistryKeyHandle(const RegistryKeyHandle&) = delete;
    RegistryKeyHandle& operator=(const RegistryKeyHandle&) = delete;

    HKEY Get() const { return m_key; }

private:
    HKEY m_key;
};

HKEY RootKeyOf(RegistryRoot root);

class WindowsRegistry : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenKey(const std::string& fullPath) override;
};
