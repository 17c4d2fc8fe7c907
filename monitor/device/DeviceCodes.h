// Raw-to-device mappings of single profile values: report rate, resolution
// level and lighting colour.
#pragma once

#include <array>
#include <cstdint>

namespace device {

// PollingRate 0..3 -> 8, 4, 2, 1 (report interval in ms); anything else -> 2.
uint8_t RateCode(int32_t pollingRate);

// A resolution step number 1..12 -> the mouse's level code; anything else -> 2.
uint8_t LevelCode(int32_t levelValue);

constexpr int kPaletteSize = 8;

// Three bytes in the order sent.
using ColorTriplet = std::array<uint8_t, 3>;

// The palette colour of a ColorOptions index. An index outside 0..7 (a
// damaged profile file) falls back to colour 0 rather than reading past the
// palette.
ColorTriplet PaletteColor(int32_t colorIndex);

}  // namespace device
