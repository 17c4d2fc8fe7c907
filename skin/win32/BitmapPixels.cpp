#include "skin/win32/BitmapPixels.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

BitmapPixels::BitmapPixels(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight == 0) return;
    int32_t width = info.bmWidth;
    int32_t height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof request.bmiHeader;
    request.bmiHeader.biWidth = width;
    request.bmiHeader.biHeight = -height;  // top row first
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    std::vector<uint8_t> bits(static_cast<size_t>(DibStride(width)) * height);
    MemoryDc dc;
    if (!dc) return;
    if (GetDIBits(dc.Get(), bitmap, 0, height, bits.data(), &request, DIB_RGB_COLORS) != height) return;
    m_width = width;
    m_height = height;
    m_bits = std::move(bits);
}

PixelView BitmapPixels::View() const {
    PixelView view;
    if (m_bits.empty()) return view;
    view.bits = m_bits.data();
    view.width = m_width;
    view.height = m_height;
    view.stride = DibStride(m_width);
    return view;
}

HBITMAP CropRows(const PixelRows& rows, const RECT& part) {
    const int width = part.right - part.left, height = part.bottom - part.top;
    if (!rows.bits || width <= 0 || height <= 0) return nullptr;
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = width;
    header.bmiHeader.biHeight = height;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = static_cast<WORD>(rows.bitCount);
    header.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP crop = CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!crop || !bits) {
        if (crop) DeleteObject(crop);
        return nullptr;
    }
    // The columns and rows inside the source; the section starts black.
    const int left = std::max<int>(part.left, 0), right = std::min<int>(part.right, rows.width);
    const int top = std::max<int>(part.top, 0), bottom = std::min<int>(part.bottom, rows.height);
    const size_t pixelBytes = rows.bitCount / 8;
    const size_t cropStride = (static_cast<size_t>(width) * rows.bitCount + 31) / 32 * 4;
    for (int y = top; y < bottom && left < right; ++y) {
        const int sourceRow = rows.bottomUp ? rows.height - 1 - y : y;
        uint8_t* target = static_cast<uint8_t*>(bits) + (height - 1 - (y - part.top)) * cropStride;
        const uint8_t* source = rows.bits + static_cast<size_t>(sourceRow) * rows.stride;
        memcpy(target + (left - part.left) * pixelBytes, source + left * pixelBytes, (right - left) * pixelBytes);
    }
    return crop;
}

void DrawRows(HDC target, const PixelRows& rows) {
    if (!rows.bits || rows.width <= 0 || rows.height <= 0) return;
    // In bands of rows: GDI converts what it draws through a buffer of the
    // drawn part's size, and a band's buffer is reused for the next one where
    // the whole picture's would be new memory each time.
    constexpr int kBandRows = 64;
    RECT shown{0, 0, rows.width, rows.height};
    if (GetClipBox(target, &shown) == ERROR) shown = RECT{0, 0, rows.width, rows.height};
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = rows.width;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = static_cast<WORD>(rows.bitCount);
    header.bmiHeader.biCompression = BI_RGB;
    const int left = std::max<int>(shown.left, 0), right = std::min<int>(shown.right, rows.width);
    const int first = std::max<int>(shown.top, 0), last = std::min<int>(shown.bottom, rows.height);
    for (int top = first - first % kBandRows; top < last && left < right; top += kBandRows) {
        const int count = std::min(kBandRows, rows.height - top);
        const int firstStored = rows.bottomUp ? rows.height - top - count : top;
        header.bmiHeader.biHeight = rows.bottomUp ? count : -count;
        SetDIBitsToDevice(target, left, top, right - left, count, left, 0, 0, count,
                          rows.bits + static_cast<size_t>(firstStored) * rows.stride, &header, DIB_RGB_COLORS);
    }
}

namespace {

// The part of a 24- or 32-bit DIB section; null when the source is no
// such section. Wine reports every section as bottom-up, so the pictures and
// crops made here are all bottom-up; only Windows tells of a top-down one.
HBITMAP CropDibSection(HBITMAP source, const RECT& part) {
    DIBSECTION dib{};
    if (GetObjectA(source, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits) return nullptr;
    const WORD bitCount = dib.dsBmih.biBitCount;
    if ((bitCount != 24 && bitCount != 32) || dib.dsBmih.biCompression != BI_RGB) return nullptr;
    GdiFlush();  // what GDI drew into the source is in its bits
    const PixelRows rows{static_cast<const uint8_t*>(dib.dsBm.bmBits), static_cast<size_t>(dib.dsBm.bmWidthBytes),
                         dib.dsBm.bmWidth, dib.dsBm.bmHeight, bitCount, dib.dsBmih.biHeight > 0};
    return CropRows(rows, part);
}

}  // namespace

Bitmap CropBitmap(const Bitmap& source, const RECT& rectangle, HDC compatibleWith) {
    int width = rectangle.right - rectangle.left;
    int height = rectangle.bottom - rectangle.top;
    if (!source || width <= 0 || height <= 0) return Bitmap();
    if (HBITMAP crop = CropDibSection(source.Get(), rectangle)) return Bitmap(crop);
    HDC screen = compatibleWith ? nullptr : GetDC(nullptr);
    HDC reference = compatibleWith ? compatibleWith : screen;
    Bitmap result(CreateCompatibleBitmap(reference, width, height));
    {
        MemoryDc from(reference);
        MemoryDc to(reference);
        if (result && from && to) {
            SelectedObject fromSelected(from.Get(), source.Get());
            SelectedObject toSelected(to.Get(), result.Get());
            BitBlt(to.Get(), 0, 0, width, height, from.Get(), rectangle.left, rectangle.top, SRCCOPY);
        }
    }
    if (screen) ReleaseDC(nullptr, screen);
    return result;
}
