// The macro record and its events: the unit of the macro list, of the macro
// file and of export files, and the rules for the copy of a macro that a
// button assignment entry carries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "profile/ProfileRecord.h"

constexpr uint8_t kMacroActionPress = 1;
constexpr uint8_t kMacroActionRelease = 2;

constexpr size_t kMacroNameSize = 52;
// Names typed in the editor and names of imported macros are cut to this.
constexpr size_t kMacroNameLimit = 15;

#pragma pack(push, 1)

struct MacroEvent {
    uint8_t KeyCode;
    uint8_t Action;  // kMacroActionPress or kMacroActionRelease
    uint16_t Delay;  // pause after the event, milliseconds
};

struct MacroRecord {
    char Name[kMacroNameSize];  // NUL-terminated, the rest zero
    int32_t RepeatCount;        // 0 in a record made from a button copy: played as 1
    int32_t EventCount;         // 0..40
    MacroEvent Events[kMacroEventCapacity];
};

#pragma pack(pop)

static_assert(sizeof(MacroEvent) == 4, "macro event is 4 bytes");
static_assert(sizeof(MacroRecord) == 220, "macro record is 220 bytes");
static_assert(offsetof(MacroRecord, RepeatCount) == 52);
static_assert(offsetof(MacroRecord, EventCount) == 56);
static_assert(offsetof(MacroRecord, Events) == 60);
static_assert(sizeof(MacroRecord::Events) == sizeof(ButtonAssignmentEntry::Data), "events fill the data area");

// The name as text (never reads past the field).
std::string MacroName(const MacroRecord& record);
// Sets the name, cut to the field, with the rest of the field zero.
void SetMacroName(MacroRecord& record, const std::string& name);
// The name a button copy holds (never reads past its 26 bytes).
std::string EntryMacroName(const ButtonAssignmentEntry& entry);

// Names are compared case-insensitively after trimming surrounding blanks.
bool SameMacroName(const std::string& a, const std::string& b);

// Event counts as stored may be damaged; these are the counts that are safe
// to use as indexes (0..40).
size_t UsableEventCount(const MacroRecord& record);
size_t UsableEventCount(const ButtonAssignmentEntry& entry);

// The repeat count as the editor shows it and the player plays it.
int32_t EffectiveRepeatCount(int32_t repeatCount);

// A button copy equals a record when names, event counts and repeat counts
// match and every counted event matches byte for byte.
bool EntryEqualsRecord(const ButtonAssignmentEntry& entry, const MacroRecord& record);

// Copies name (name area cleared first), event count, all 160 event bytes
// and repeat count into the entry; function code and macro option stay.
void CopyMacroToEntry(const MacroRecord& record, ButtonAssignmentEntry& entry);

// A new record from a button copy: name, counted events, repeat count 0.
MacroRecord MacroFromEntry(const ButtonAssignmentEntry& entry);
