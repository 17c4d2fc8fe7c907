// The 128-byte macro blocks the mouse plays itself: built-in key chords and
// the user macros copied into button assignment entries.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "monitor/device/DeviceCommand.h"
#include "profile/ProfileRecord.h"

namespace device {

// Event bytes of the device macro format.
constexpr uint8_t kMacroPress = 0x01;
constexpr uint8_t kMacroRelease = 0x81;
constexpr uint8_t kMacroLongDelayMark = 0x02;

// Delays of more than 127 tens of milliseconds take the four-byte form.
constexpr int kShortDelayLimit = 127;

// The keys a built-in shortcut presses, in order (released in reverse);
// nothing for a code that is no built-in chord.
std::optional<std::vector<uint8_t>> ChordKeys(uint8_t functionCode);

// Repeat count 1, presses in order, releases in reverse, zeros after.
ReportData BuildChordMacro(const std::vector<uint8_t>& keys);

struct UserMacro {
    ReportData Data;
    int EventsWritten;  // events that fitted into the block (at most 40)
};

// Repeat count (high byte first), then the entry's events; never more than
// 40 events and never past the end of the block: an event that does not
// fit whole ends the macro.
UserMacro BuildUserMacro(const ButtonAssignmentEntry& entry);

// The block a type-9 map entry refers to: the chord of a built-in code, the
// user macro of code 16, an all-zero block otherwise.
ReportData BuildMacroBlock(const ButtonAssignmentEntry& entry);

}  // namespace device
