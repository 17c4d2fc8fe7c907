#include "monitor/device/DeviceCodes.h"

namespace device {

namespace {

// Indexed by PollingRate.
constexpr uint8_t kRateCodes[] = {8, 4, 2, 1};
constexpr uint8_t kDefaultRateCode = 2;

// Indexed by the step number 1..12; 0 and 2 have no code of their own.
constexpr uint8_t kLevelCodes[] = {2, 1, 2, 3, 4, 5, 6, 7, 8, 21, 22, 23, 24};
constexpr uint8_t kDefaultLevelCode = 2;

// Colours 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00,
// 0xFFFFFF, 0xFFFFFF, low byte first.
constexpr ColorTriplet kPalette[kPaletteSize] = {
    {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00}, {0x00, 0x00, 0xFF},
    {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
};
constexpr int kFallbackColorIndex = 0;

}  // namespace

uint8_t RateCode(int32_t pollingRate) {
    constexpr int32_t count = sizeof kRateCodes / sizeof kRateCodes[0];
    return pollingRate >= 0 && pollingRate < count ? kRateCodes[pollingRate] : kDefaultRateCode;
}

uint8_t LevelCode(int32_t levelValue) {
    constexpr int32_t count = sizeof kLevelCodes / sizeof kLevelCodes[0];
    return levelValue >= 0 && levelValue < count ? kLevelCodes[levelValue] : kDefaultLevelCode;
}

ColorTriplet PaletteColor(int32_t colorIndex) {
    const bool inRange = colorIndex >= 0 && colorIndex < kPaletteSize;
    return kPalette[inRange ? colorIndex : kFallbackColorIndex];
}

}  // namespace device
