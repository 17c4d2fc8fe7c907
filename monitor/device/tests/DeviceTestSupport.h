// Helpers of the device-link tests: hex byte strings and fresh profile sets,
// beside the record helpers of the profile tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "profile/SettingsBlock.h"
#include "profile/tests/ProfileTestSupport.h"

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

// A cleared block holding the default profile set, every flag 0.
inline SettingsBlock DefaultBlock() {
    SettingsBlock block;
    ClearBlock(block);
    ResetProfileSet(block);
    return block;
}

}  // namespace device_test
