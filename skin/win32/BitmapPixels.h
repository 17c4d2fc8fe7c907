// Pixel access and cropping of bitmaps.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "skin/core/PixelImage.h"
#include "skin/win32/GdiOwners.h"

// A 32-bit top-down device-independent copy of a bitmap's pixels, the form
// the core's scans read.
class BitmapPixels {
public:
    BitmapPixels() = default;
    // Empty when the bitmap is absent or no drawing surface can be made.
    explicit BitmapPixels(HBITMAP bitmap);

    PixelView View() const;
    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }
    // 0x00BBGGRR, a COLORREF.
    COLORREF At(int32_t x, int32_t y) const { return View().At(x, y); }

private:
    int32_t m_width = 0;
    int32_t m_height = 0;
    std::vector<uint8_t> m_bits;
};

// Rows of 24- or 32-bit pixels in memory: a section's bits or a mapped file.
struct PixelRows {
    const uint8_t* bits = nullptr;
    size_t stride = 0;
    int width = 0;
    int height = 0;
    int bitCount = 0;
    bool bottomUp = true;
};

// The part as a bottom-up section of its own with the rows' bit count, copied
// row by row (no device context, no conversion); what reaches past the rows'
// edges is black, as GDI leaves it. Null when no section can be made.
HBITMAP CropRows(const PixelRows& rows, const RECT& part);
// Draws the rows 1:1 at (0, 0) of the target; the drawing converts only what
// the target's surface and clipping let through.
void DrawRows(HDC target, const PixelRows& rows);

// A new bitmap of the rectangle's size holding a 1:1 copy of that part of the
// source, compatible with the given context (the screen when null). Empty for
// an empty rectangle or source.
Bitmap CropBitmap(const Bitmap& source, const RECT& rectangle, HDC compatibleWith = nullptr);
