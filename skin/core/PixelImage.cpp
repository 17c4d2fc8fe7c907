#include "skin/core/PixelImage.h"

namespace {

// Byte order of a 32-bit DIB pixel.
constexpr int kBlueByte = 0;
constexpr int kGreenByte = 1;
constexpr int kRedByte = 2;
constexpr int kBytesPerPixel = 4;

}  // namespace

SkinColour PixelView::At(int32_t x, int32_t y) const {
    const uint8_t* pixel = bits + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * kBytesPerPixel;
    return MakeColour(pixel[kRedByte], pixel[kGreenByte], pixel[kBlueByte]);
}

PixelImage::PixelImage(int32_t width, int32_t height, SkinColour fill)
    : m_width(width > 0 ? width : 0), m_height(height > 0 ? height : 0) {
    m_bits.resize(static_cast<size_t>(DibStride(m_width)) * m_height);
    for (int32_t y = 0; y < m_height; ++y)
        for (int32_t x = 0; x < m_width; ++x) Set(x, y, fill);
}

void PixelImage::Set(int32_t x, int32_t y, SkinColour colour) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    uint8_t* pixel = m_bits.data() + static_cast<size_t>(y) * DibStride(m_width) +
                     static_cast<size_t>(x) * kBytesPerPixel;
    pixel[kBlueByte] = ColourBlue(colour);
    pixel[kGreenByte] = ColourGreen(colour);
    pixel[kRedByte] = ColourRed(colour);
    pixel[3] = 0;
}

SkinColour PixelImage::At(int32_t x, int32_t y) const { return View().At(x, y); }

PixelView PixelImage::View() const {
    PixelView view;
    view.bits = m_bits.empty() ? nullptr : m_bits.data();
    view.width = m_width;
    view.height = m_height;
    view.stride = DibStride(m_width);
    return view;
}
