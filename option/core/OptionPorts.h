// What the session needs from the platform: the shared block, the agent and
// applet windows, byte copies of files, and the macro storage. The Win32
// side implements them; tests use fakes.
#pragma once

#include <string>

#include "profile/SettingsBlock.h"

class SharedBlockPort {
public:
    virtual ~SharedBlockPort() = default;
    // Opens the block by name; false without an agent (or when the view
    // cannot be mapped, which the port reports to the user itself).
    virtual bool Attach() = 0;
    virtual bool Attached() const = 0;
    // Whole-block copies under the settings mutex; false when not attached
    // or the mutex cannot be had.
    virtual bool Read(SettingsBlock& block) = 0;
    virtual bool Write(const SettingsBlock& block) = 0;
};

class AgentPort {
public:
    virtual ~AgentPort() = default;
    // Sends the apply message with the mode and returns at once; false when
    // there is no agent window to send it to.
    virtual bool SendApply(int mode) = 0;
    // Posts the apply message to the applet windows that exist.
    virtual void NotifyApplets() = 0;
};

// Byte copies and attributes of whole files; writing and replacing go
// through the INI file store.
class FileOperations {
public:
    virtual ~FileOperations() = default;
    virtual bool Copy(const std::string& from, const std::string& to) = 0;
    virtual void SetAttributes(const std::string& path, unsigned attributes) = 0;
};

// The macro list as the core uses it at start-up and Apply.
class MacroStoragePort {
public:
    virtual ~MacroStoragePort() = default;
    virtual void Load() = 0;
    // Merges the list with the button entries of the block.
    virtual void MergeWith(const SettingsBlock& block) = 0;
    // False when the macro file could not be written (it stays as it was).
    virtual bool Save() = 0;
};
