// A registry held in memory: keys by root and subkey (names without regard
// to case, like the system's), text values, and a log of every open, read and
// write so that tests can check what was touched and in which order.
#pragma once

#include "Registry.h"
#include "RegistryPath.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

class MemoryRegistry : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenKey(const std::string& fullPath) override;

    // Plants or inspects a value directly, without logging.
    void SetText(const std::string& fullPath, const std::string& valueName, const std::string& text);
    bool GetText(const std::string& fullPath, const std::string& valueName, std::string& text) const;
    void RemoveValue(const std::string& fullPath, const std::string& valueName);

    // Makes every later open of this key fail (access denied).
    void RefuseKey(const std::string& fullPath);

    // "open <path>", "read <value>", "write <value>=<text>", in call order.
    const std::vector<std::string>& Log() const { return m_log; }
    void ClearLog() { m_log.clear(); }

private:
    friend class MemoryRegistryKey;
    using KeyName = std::pair<RegistryRoot, std::string>;  // subkey in upper case
    using Values = std::map<std::string, std::string>;     // upper-case name -> text

    static bool NameOf(const std::string& fullPath, KeyName& name);

    std::map<KeyName, Values> m_keys;
    std::set<KeyName> m_refused;
    std::vector<std::string> m_log;
};
