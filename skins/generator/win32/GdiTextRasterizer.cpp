#include "skins/generator/win32/GdiTextRasterizer.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

// Owns a memory DC with a 32-bit top-down DIB section selected into it.
class DrawingSurface {
public:
    DrawingSurface(int width, int height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        if (m_dc && m_bitmap) {
            m_oldBitmap = SelectObject(m_dc, m_bitmap);
            std::memset(m_bits, 0, static_cast<size_t>(width) * height * 4);
        }
    }
    ~DrawingSurface() {
        if (m_oldBitmap) SelectObject(m_dc, m_oldBitmap);
        if (m_bitmap) DeleteObject(m_bitmap);
        if (m_dc) DeleteDC(m_dc);
    }
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;

    bool Ready() const { return m_oldBitmap != nullptr; }
    HDC Dc() const { return m_dc; }
    const uint8_t* Bits() const { return m_bits; }

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    uint8_t* m_bits = nullptr;
};

class FontOwner {
public:
    explicit FontOwner(const style::FontStyle& font)
        : m_font(CreateFontA(font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, font.face)) {}
    ~FontOwner() {
        if (m_font) DeleteObject(m_font);
    }
    FontOwner(const FontOwner&) = delete;
    FontOwner& operator=(const FontOwner&) = delete;
    HFONT Get() const { return m_font; }

private:
    HFONT m_font;
};

UINT AlignFlag(TextAlign align) {
    switch (align) {
    case TextAlign::Left: return DT_LEFT;
    case TextAlign::Right: return DT_RIGHT;
    case TextAlign::Centre: break;
    }
    return DT_CENTER;
}

}  // namespace

Coverage GdiTextRasterizer::Render(const TextRequest& request) {
    Coverage coverage;
    coverage.width = request.width;
    coverage.height = request.height;
    coverage.values.assign(static_cast<size_t>(request.width) * request.height, 0);
    DrawingSurface surface(request.width, request.height);
    FontOwner font(request.font);
    if (!surface.Ready() || !font.Get()) return coverage;

    HGDIOBJ oldFont = SelectObject(surface.Dc(), font.Get());
    SetTextColor(surface.Dc(), RGB(255, 255, 255));
    SetBkMode(surface.Dc(), TRANSPARENT);
    UINT flags = DT_NOPREFIX | AlignFlag(request.align);
    RECT area{0, 0, request.width, request.height};
    if (request.wrap) {
        // DrawText centres only single lines; measure wrapped text first.
        RECT measured{0, 0, request.width, 0};
        DrawTextA(surface.Dc(), request.text.c_str(), -1, &measured, flags | DT_WORDBREAK | DT_CALCRECT);
        int top = std::max(0, (request.height - static_cast<int>(measured.bottom)) / 2);
        area = RECT{0, top, request.width, top + measured.bottom};
        flags |= DT_WORDBREAK;
    } else {
        flags |= DT_SINGLELINE | DT_VCENTER;
    }
    DrawTextA(surface.Dc(), request.text.c_str(), -1, &area, flags);
    GdiFlush();
    SelectObject(surface.Dc(), oldFont);

    const uint8_t* bits = surface.Bits();
    for (size_t i = 0; i < coverage.values.size(); ++i)
        coverage.values[i] = std::max({bits[4 * i], bits[4 * i + 1], bits[4 * i + 2]});
    return coverage;
}
