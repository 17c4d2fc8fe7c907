// A 24-bit picture in memory, top row first, and the few drawing operations
// the skin images are made of. Coverage values are 0..255 (0 = untouched).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Colour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    bool operator==(const Colour& other) const {
        return red == other.red && green == other.green && blue == other.blue;
    }
    bool operator!=(const Colour& other) const { return !(*this == other); }
};

constexpr Colour Rgb(int red, int green, int blue) {
    return Colour{static_cast<uint8_t>(red), static_cast<uint8_t>(green), static_cast<uint8_t>(blue)};
}

// Mixes `over` onto `under`; amount 255 gives `over`.
Colour Mix(Colour under, Colour over, int amount);

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
    Box Inset(int by) const { return Box{x + by, y + by, width - 2 * by, height - 2 * by}; }
};

// Alpha coverage of a rectangle, e.g. rasterised text.
struct Coverage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> values;

    uint8_t At(int x, int y) const { return values[static_cast<size_t>(y) * width + x]; }
};

class Raster {
public:
    Raster() = default;
    Raster(int width, int height, Colour fill);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Colour At(int x, int y) const { return m_pixels[Index(x, y)]; }
    void Set(int x, int y, Colour colour);
    // Pixels outside the picture are ignored.
    void Blend(int x, int y, Colour colour, int amount);

    void FillBox(const Box& box, Colour colour);
    // Top colour at the first row, bottom colour at the last.
    void FillVerticalGradient(const Box& box, Colour top, Colour bottom);
    // Anti-aliased rounded rectangle; radius 0 gives sharp corners.
    void FillRoundBox(const Box& box, int radius, Colour colour);
    // A 1-pixel outline along the inside of the rounded rectangle.
    void FrameRoundBox(const Box& box, int radius, Colour colour);
    // Anti-aliased convex or concave polygon (even-odd), points in pixels.
    void FillPolygon(const std::vector<double>& xy, Colour colour);
    void DrawCoverage(int x, int y, const Coverage& coverage, Colour colour);
    // Copies another picture in at (x, y), clipped.
    void Paste(int x, int y, const Raster& source);

private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * m_width + x; }

    int m_width = 0;
    int m_height = 0;
    std::vector<Colour> m_pixels;
};

// Coverage (0..255) of a pixel by a rounded rectangle, sampled 4 x 4.
int RoundBoxCoverage(const Box& box, int radius, int x, int y);
