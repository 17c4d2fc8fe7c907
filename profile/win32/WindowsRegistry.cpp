#include "WindowsRegistry.h"

#include <cstring>
#include <vector>

namespace {

class WindowsRegistryKey : public RegistryKey {
public:
    explicit WindowsRegistryKey(HKEY key) : m_key(key) {}

    bool ReadText(const char* valueName, char* buffer, size_t size) override {
        if (size == 0) return false;
        buffer[0] = '\0';
        DWORD type = 0;
        DWORD length = 0;
        if (RegQueryValueExA(m_key.Get(), valueName, nullptr, &type, nullptr, &length) != ERROR_SUCCESS) return false;
        if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
        // The stored data need not end in a NUL, and may be longer than the
        // caller's buffer: read it whole, then cut and terminate.
        std::vector<char> data(length + 1, '\0');
        DWORD read = length;
        if (RegQueryValueExA(m_key.Get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &read) !=
            ERROR_SUCCESS)
            return false;
        size_t textLength = strnlen(data.data(), read);
        if (textLength > size - 1) textLength = size - 1;
        memcpy(buffer, data.data(), textLength);
        buffer[textLength] = '\0';
        return true;
    }

    bool WriteText(const char* valueName, const char* text) override {
        return RegSetValueExA(m_key.Get(), valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                              static_cast<DWORD>(strlen(text) + 1)) == ERROR_SUCCESS;
    }

private:
    RegistryKeyHandle m_key;
};

}  // namespace

HKEY RootKeyOf(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::CurrentConfig: return HKEY_CURRENT_CONFIG;
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::LocalMachine: break;
    }
    return HKEY_LOCAL_MACHINE;
}

std::unique_ptr<RegistryKey> WindowsRegistry::OpenKey(const std::string& fullPath) {
    RegistryPath path;
    if (!ParseRegistryPath(fullPath, path)) return nullptr;
    HKEY root = RootKeyOf(path.Root);
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.Subkey.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS &&
        RegCreateKeyA(root, path.Subkey.c_str(), &key) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<WindowsRegistryKey>(key);
}
