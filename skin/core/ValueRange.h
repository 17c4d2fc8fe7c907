// The integer range shared by the value controls (defaults 0..10).
#pragma once

#include <cstdint>

constexpr int32_t kDefaultMinimum = 0;
constexpr int32_t kDefaultMaximum = 10;

struct ValueRange {
    int32_t minimum = kDefaultMinimum;
    int32_t maximum = kDefaultMaximum;

    // Refuses an empty or reversed range (min >= max), which every position
    // and fill formula would divide by; the range is then left unchanged.
    bool Set(int32_t newMinimum, int32_t newMaximum);
    int32_t Clamp(int32_t value) const;
    // max - min as a 64-bit number, so that extreme ranges cannot overflow.
    int64_t Extent() const { return static_cast<int64_t>(maximum) - minimum; }
};
