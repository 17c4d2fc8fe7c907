// Helpers of the device-link tests: hex byte strings and fresh profiles.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "profile/SettingsBlock.h"

namespace device_test {

// "02 01 00 FC" -> {0x02, 0x01, 0x00, 0xFC}; blanks are ignored.
inline std::vector<uint8_t> Hex(const std::string& text) {
    std::vector<uint8_t> bytes;
    std::string digits;
    for (char c : text)
        if (c != ' ') digits += c;
    for (size_t i = 0; i + 1 < digits.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
    return bytes;
}

template <typename Container>
std::vector<uint8_t> Bytes(const Container& container) {
    return std::vector<uint8_t>(std::begin(container), std::end(container));
}

// A cleared record with the defaults of the given slot.
inline ProfileRecord DefaultRecord(int slot = 0) {
    ProfileRecord record;
    memset(&record, 0, sizeof record);
    FillDefaults(record, slot);
    return record;
}

// A cleared block holding the default profile set, every flag 0.
inline SettingsBlock DefaultBlock() {
    SettingsBlock block;
    ClearBlock(block);
    ResetProfileSet(block);
    return block;
}

// Appends one macro event (key code, action, delay) to a button entry.
inline void AddMacroEvent(ButtonAssignmentEntry& entry, uint8_t key, uint8_t action, uint16_t delay) {
    uint8_t* event = entry.Data + 4 * entry.ItemCount;
    event[0] = key;
    event[1] = action;
    event[2] = static_cast<uint8_t>(delay & 0xFF);
    event[3] = static_cast<uint8_t>(delay >> 8);
    ++entry.ItemCount;
}

}  // namespace device_test
