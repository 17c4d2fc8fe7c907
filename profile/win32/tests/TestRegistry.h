// Registry helpers for tests: a key of their own under HKEY_CURRENT_USER,
// removed afterwards, and a registry that moves the pointer settings' keys
// below it so that tests neither depend on nor change the prefix's values.
#pragma once

#include "profile/win32/WindowsRegistry.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

class TestRegistryKey {
public:
    TestRegistryKey() {
        static int counter = 0;
        char name[96];
        snprintf(name, sizeof name, "Software\\ProfileStoreTests\\%lu_%d", GetCurrentProcessId(), ++counter);
        m_subkey = name;
    }
    ~TestRegistryKey() { RegDeleteTreeA(HKEY_CURRENT_USER, m_subkey.c_str()); }
    TestRegistryKey(const TestRegistryKey&) = delete;
    TestRegistryKey& operator=(const TestRegistryKey&) = delete;

    // Subkey under HKEY_CURRENT_USER, and the same as a full path.
    const std::string& Subkey() const { return m_subkey; }
    std::string FullPath() const { return "HKEY_CURRENT_USER\\" + m_subkey; }

private:
    std::string m_subkey;
};

// "HKEY_CURRENT_USER\X" becomes "HKEY_CURRENT_USER\<test key>\X"; every open
// is counted and can be watched.
class RedirectedRegistry : public Registry {
public:
    explicit RedirectedRegistry(const TestRegistryKey& base) : m_base(base) {}

    std::unique_ptr<RegistryKey> OpenKey(const std::string& fullPath) override {
        m_opened.push_back(fullPath);
        if (m_beforeOpen) m_beforeOpen();
        const std::string root = "HKEY_CURRENT_USER\\";
        std::string target = fullPath.compare(0, root.size(), root) == 0
                                 ? m_base.FullPath() + "\\" + fullPath.substr(root.size())
                                 : fullPath;
        return m_real.OpenKey(target);
    }

    // The full paths as the caller named them.
    const std::vector<std::string>& Opened() const { return m_opened; }
    void OnOpen(std::function<void()> beforeOpen) { m_beforeOpen = std::move(beforeOpen); }

    std::string SubkeyOf(const std::string& fullPath) const {
        return m_base.Subkey() + "\\" + fullPath.substr(strlen("HKEY_CURRENT_USER\\"));
    }

private:
    const TestRegistryKey& m_base;
    WindowsRegistry m_real;
    std::vector<std::string> m_opened;
    std::function<void()> m_beforeOpen;
};

// The value as stored, or "<missing>".
inline std::string StoredRegistryText(HKEY root, const std::string& subkey, const char* valueName) {
    char buffer[512] = "";
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    if (RegGetValueA(root, subkey.c_str(), valueName, RRF_RT_ANY, &type, buffer, &size) != ERROR_SUCCESS)
        return "<missing>";
    return buffer;
}
