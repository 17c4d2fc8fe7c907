// The shell, the registry values of the media players and the process list,
// as the engine needs them.
#pragma once

#include <cstdint>
#include <string>

namespace actions {

class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecuteA(no owner, "open", path, no parameters, no folder, SW_SHOW).
    virtual void Open(const std::string& path) = 0;
    // WinExec(commandLine, SW_SHOWNORMAL).
    virtual void Execute(const std::string& commandLine) = 0;
    // ExpandEnvironmentStringsA into 260 bytes.
    virtual std::string ExpandEnvironment(const std::string& text) = 0;
};

// String values under HKEY_LOCAL_MACHINE, opened for reading only: a normal
// user may not open those keys with full access, and nothing is created.
class PlayerRegistry {
public:
    virtual ~PlayerRegistry() = default;
    // valueName null or empty: the default value. False when the key or the
    // value is missing or not text.
    virtual bool ReadText(const char* subkey, const char* valueName, std::string& text) = 0;
};

class ProcessList {
public:
    virtual ~ProcessList() = default;
    // The executable file name of a running process from a process snapshot;
    // false when the snapshot fails or the process is not in it.
    virtual bool ExecutableName(uint32_t processId, std::string& name) = 0;
    // Whether two file names are the same ignoring case, as the system
    // compares them; this portable fold knows only the ASCII letters.
    virtual bool SameFileName(const std::string& a, const std::string& b);
};

}  // namespace actions
