#include "MemoryRegistry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

}  // namespace

class MemoryRegistryKey : public RegistryKey {
public:
    MemoryRegistryKey(MemoryRegistry& registry, MemoryRegistry::KeyName name)
        : m_registry(registry), m_name(std::move(name)) {}

    bool ReadText(const char* valueName, char* buffer, size_t size) override {
        m_registry.m_log.push_back(std::string("read ") + valueName);
        if (size > 0) buffer[0] = '\0';
        const MemoryRegistry::Values& values = m_registry.m_keys[m_name];
        auto found = values.find(UpperCase(valueName));
        if (found == values.end() || size == 0) return false;
        size_t length = std::min(found->second.size(), size - 1);
        memcpy(buffer, found->second.data(), length);
        buffer[length] = '\0';
        return true;
    }

    bool WriteText(const char* valueName, const char* text) override {
        m_registry.m_log.push_back(std::string("write ") + valueName + "=" + text);
        m_registry.m_keys[m_name][UpperCase(valueName)] = text;
        return true;
    }

private:
    MemoryRegistry& m_registry;
    MemoryRegistry::KeyName m_name;
};

bool MemoryRegistry::NameOf(const std::string& fullPath, KeyName& name) {
    RegistryPath path;
    if (!ParseRegistryPath(fullPath, path)) return false;
    name = KeyName(path.Root, UpperCase(path.Subkey));
    return true;
}

std::unique_ptr<RegistryKey> MemoryRegistry::OpenKey(const std::string& fullPath) {
    m_log.push_back("open " + fullPath);
    KeyName name;
    if (!NameOf(fullPath, name) || m_refused.count(name)) return nullptr;
    m_keys[name];
    return std::make_unique<MemoryRegistryKey>(*this, name);
}

void MemoryRegistry::SetText(const std::string& fullPath, const std::string& valueName, const std::string& text) {
    KeyName name;
    if (NameOf(fullPath, name)) m_keys[name][UpperCase(valueName)] = text;
}

bool MemoryRegistry::GetText(const std::string& fullPath, const std::string& valueName, std::string& text) const {
    KeyName name;
    if (!NameOf(fullPath, name)) return false;
    auto key = m_keys.find(name);
    if (key == m_keys.end()) return false;
    auto value = key->second.find(UpperCase(valueName));
    if (value == key->second.end()) return false;
    text = value->second;
    return true;
}

void MemoryRegistry::RemoveValue(const std::string& fullPath, const std::string& valueName) {
    KeyName name;
    if (!NameOf(fullPath, name)) return;
    auto key = m_keys.find(name);
    if (key != m_keys.end()) key->second.erase(UpperCase(valueName));
}

void MemoryRegistry::RefuseKey(const std::string& fullPath) {
    KeyName name;
    if (NameOf(fullPath, name)) m_refused.insert(name);
}
