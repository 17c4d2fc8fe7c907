// The button map report: one 4-byte map entry per button, built from the
// function code of each button assignment entry.
#pragma once

#include <cstdint>

#include "monitor/device/DeviceCommand.h"
#include "profile/ProfileRecord.h"

namespace device {

// Entry type of the macros the mouse plays itself (user and built-in).
constexpr uint8_t kMacroEntryType = 0x09;

struct MapEntry {
    uint8_t Type;
    uint8_t First;
    uint8_t Second;
    uint8_t Third;
};

bool operator==(const MapEntry& left, const MapEntry& right);

// The table entry of a function code before adjustment; 00 00 00 00 for a
// code the table does not hold.
MapEntry TableMapEntry(uint8_t functionCode);

// The map entry of button `button` (0..15) of slot `slot` (0..4), adjusted
// with the button's data, OTGSpeed and the macro number.
MapEntry BuildMapEntry(const ProfileRecord& record, int slot, int button);

// Bytes 4i..4i+3 hold button i; bytes 64..127 are zero.
ReportData BuildButtonMap(const ProfileRecord& record, int slot);

}  // namespace device
