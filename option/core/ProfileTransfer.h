// Import and export of whole profiles between profile files and a slot.
#pragma once

#include <string>

#include "option/core/OptionPorts.h"
#include "option/macros/IniFileStore.h"
#include "profile/SettingsBlock.h"

enum class ImportResult {
    Unreadable,   // the chosen file cannot be opened: nothing happened
    NotAProfile,  // it holds none of the profile keys: nothing happened
    Imported,     // the slot's file and record hold the profile now
    CopyFailed,   // the slot's file stays as it was; nothing changed
};

// Copies the chosen profile file over the current slot's file (unless it is
// that file, compared without regard to case and surrounding blanks), through
// a temporary file so that a failed copy keeps the old file; marks the copy
// archive and hidden; reads it into the current slot's record of `edit` and
// sets the button change flags of entries 0..5.
ImportResult ImportProfile(SettingsBlock& edit, const std::string& chosenPath, const std::string& programFolder,
                           IniFileStore& iniFiles, FileOperations& files);

// Writes the current slot's record to the path, replacing any file there
// whole. False when the file could not be written.
bool ExportProfile(const SettingsBlock& edit, const std::string& path, IniFileStore& iniFiles);

// True when the file holds at least one key of the profile file.
bool HoldsProfileKeys(IniFileSystem& iniFiles, const std::string& path);
