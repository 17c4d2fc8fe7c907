#include "skin/win32/BitmapPixels.h"

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

namespace {

// The part of a 24- or 32-bit DIB section copied row by row into a DIB
// section of its own: no device context, no conversion. Null when the source
// is no such section or the part reaches past its edges (GDI handles those).
// Wine reports every section as bottom-up, so the pictures and crops made
// here are all bottom-up; only Windows tells of a top-down one.
HBITMAP CropDibSection(HBITMAP source, const RECT& part) {
    DIBSECTION dib{};
    if (GetObjectA(source, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits) return nullptr;
    const WORD bitCount = dib.dsBmih.biBitCount;
    if ((bitCount != 24 && bitCount != 32) || dib.dsBmih.biCompression != BI_RGB) return nullptr;
    const int sourceHeight = dib.dsBm.bmHeight;
    if (part.left < 0 || part.top < 0 || part.right > dib.dsBm.bmWidth || part.bottom > sourceHeight) return nullptr;
    const int width = part.right - part.left, height = part.bottom - part.top;
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = width;
    header.bmiHeader.biHeight = height;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = bitCount;
    header.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP crop = CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!crop || !bits) {
        if (crop) DeleteObject(crop);
        return nullptr;
    }
    GdiFlush();  // what GDI drew into the source is in its bits
    const size_t pixelBytes = bitCount / 8;
    const size_t cropStride = (static_cast<size_t>(width) * bitCount + 31) / 32 * 4;
    const bool bottomUp = dib.dsBmih.biHeight > 0;
    const auto* from = static_cast<const uint8_t*>(dib.dsBm.bmBits);
    for (int row = 0; row < height; ++row) {
        const int sourceRow = bottomUp ? sourceHeight - 1 - (part.top + row) : part.top + row;
        memcpy(static_cast<uint8_t*>(bits) + (height - 1 - row) * cropStride,
               from + static_cast<size_t>(sourceRow) * dib.dsBm.bmWidthBytes + part.left * pixelBytes,
               width * pixelBytes);
    }
    return crop;
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
