// A read-only view of 32-bit pixels as a device-independent bitmap holds
// them: top-down rows, bytes blue, green, red, unused per pixel.
#pragma once

#include "skin/core/SkinGeometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct PixelView {
    const uint8_t* bits = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;  // bytes per row, a multiple of 4

    bool IsEmpty() const { return bits == nullptr || width <= 0 || height <= 0; }
    // The pixel at (x, y) as 0x00BBGGRR.
    SkinColour At(int32_t x, int32_t y) const;
};

// An owned 32-bit pixel array, mainly for tests and for images composed in
// memory; View() hands it to the scans.
class PixelImage {
public:
    PixelImage() = default;
    PixelImage(int32_t width, int32_t height, SkinColour fill);

    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }
    void Set(int32_t x, int32_t y, SkinColour colour);
    SkinColour At(int32_t x, int32_t y) const;
    PixelView View() const;

private:
    int32_t m_width = 0;
    int32_t m_height = 0;
    std::vector<uint8_t> m_bits;
};

// Row stride of a 32-bit device-independent bitmap of this width.
constexpr int32_t DibStride(int32_t width) { return ((width * 32 + 31) / 32) * 4; }
