// The profile file (.gmp): one profile record as INI text in section
// "Setting", one key per field, the button entries as structured values.
#pragma once

#include "IniAccessor.h"
#include "ProfileRecord.h"

#include <string>
#include <vector>

enum class FieldKind { Text, Integer, Byte, Entry };

// One key of the profile file and the record bytes it stores.
struct ProfileField {
    std::string key;
    size_t offset;
    size_t size;  // text capacity, 4, 1 or 460
    FieldKind kind;
};

// Every key in the order a new file is written.
const std::vector<ProfileField>& ProfileFieldsInWriteOrder();

// The same keys in the order they are read (XYCpiFlag after TimeCloseFlag).
const std::vector<ProfileField>& ProfileFieldsInReadOrder();

// Puts every field in write order; the file is not emptied first. Always true.
bool WriteProfileFile(const ProfileRecord& record, IniFileSystem& files, const std::string& path);
// The same into a file already open.
bool WriteProfileFields(const ProfileRecord& record, IniAccessor& file);

// Reads every field: missing integers read as -1 (bytes as 255), texts as
// empty (cut to their field), an entry whose value is missing or damaged
// (length, digit or checksum) takes that position's default entry. Always true.
bool ReadProfileFile(ProfileRecord& record, IniFileSystem& files, const std::string& path);

// True when the file holds at least one key of the profile file in section
// "Setting": an empty, binary or foreign file holds none.
bool HoldsAnyProfileKey(IniFileSystem& files, const std::string& path);

// program folder (with trailing backslash) + "config\Default<slot>.gmp".
std::string SlotProfilePath(const std::string& programFolder, int slot);

extern const char kProfileSection[];  // "Setting"
