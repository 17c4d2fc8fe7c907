#include "skin/win32/BitmapPixels.h"

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

Bitmap CropBitmap(const Bitmap& source, const RECT& rectangle, HDC compatibleWith) {
    int width = rectangle.right - rectangle.left;
    int height = rectangle.bottom - rectangle.top;
    if (!source || width <= 0 || height <= 0) return Bitmap();
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
