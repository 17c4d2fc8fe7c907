// Plain geometry and colour types of the skin toolkit, free of any window
// system header so that the arithmetic around them is portable.
#pragma once

#include <cstdint>

struct SkinPoint {
    int32_t x = 0;
    int32_t y = 0;
};

struct SkinSize {
    int32_t width = 0;
    int32_t height = 0;
};

// Right and bottom are exclusive, as in a Win32 RECT.
struct SkinRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

inline bool operator==(const SkinPoint& a, const SkinPoint& b) { return a.x == b.x && a.y == b.y; }
inline bool operator==(const SkinSize& a, const SkinSize& b) {
    return a.width == b.width && a.height == b.height;
}
inline bool operator==(const SkinRect& a, const SkinRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const SkinRect& a, const SkinRect& b) { return !(a == b); }

inline int32_t RectWidth(const SkinRect& r) { return r.right - r.left; }
inline int32_t RectHeight(const SkinRect& r) { return r.bottom - r.top; }
inline bool RectIsEmpty(const SkinRect& r) { return r.right <= r.left || r.bottom <= r.top; }
inline bool RectContains(const SkinRect& r, SkinPoint p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// 0x00BBGGRR, the layout of a Win32 COLORREF.
using SkinColour = uint32_t;

constexpr SkinColour MakeColour(uint8_t red, uint8_t green, uint8_t blue) {
    return static_cast<SkinColour>(red) | (static_cast<SkinColour>(green) << 8) |
           (static_cast<SkinColour>(blue) << 16);
}
constexpr uint8_t ColourRed(SkinColour c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t ColourGreen(SkinColour c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
constexpr uint8_t ColourBlue(SkinColour c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }

constexpr SkinColour kWhite = MakeColour(255, 255, 255);
constexpr SkinColour kBlack = MakeColour(0, 0, 0);
