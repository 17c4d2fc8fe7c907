// The shell, the players' registry values (read only, under
// HKEY_LOCAL_MACHINE) and the process snapshot on Win32.
#pragma once

#include "monitor/actions/SystemServices.h"

namespace actions {

class Win32Shell : public Shell {
public:
    void Open(const std::string& path) override;
    void Execute(const std::string& commandLine) override;
    std::string ExpandEnvironment(const std::string& text) override;
};

class Win32PlayerRegistry : public PlayerRegistry {
public:
    bool ReadText(const char* subkey, const char* valueName, std::string& text) override;
};

class Win32ProcessList : public ProcessList {
public:
    bool ExecutableName(uint32_t processId, std::string& name) override;
    // lstrcmpiA: folds the letters of the ANSI code page, not only ASCII.
    bool SameFileName(const std::string& a, const std::string& b) override;
};

}  // namespace actions
