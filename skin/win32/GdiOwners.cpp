#include "skin/win32/GdiOwners.h"

Bitmap::Bitmap(HBITMAP handle) : m_handle(handle) {
    BITMAP info{};
    if (handle && GetObjectA(handle, sizeof info, &info)) {
        m_width = info.bmWidth;
        m_height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    }
}

void Bitmap::Reset() {
    m_handle.Reset();
    m_width = 0;
    m_height = 0;
}

OffscreenSurface::OffscreenSurface(HDC target, int width, int height)
    : m_dc(target), m_width(width), m_height(height) {
    if (m_dc && width > 0 && height > 0) {
        m_bitmap.Reset(CreateCompatibleBitmap(target, width, height));
        if (m_bitmap) m_previous = SelectObject(m_dc.Get(), m_bitmap.Get());
    }
}

OffscreenSurface::~OffscreenSurface() {
    if (m_previous) SelectObject(m_dc.Get(), m_previous);
}

void OffscreenSurface::CopyTo(HDC target, int x, int y) const {
    if (*this) BitBlt(target, x, y, m_width, m_height, m_dc.Get(), 0, 0, SRCCOPY);
}

void DrawBitmap(HDC target, HBITMAP bitmap, int x, int y, int width, int height) {
    if (!bitmap || width <= 0 || height <= 0) return;
    MemoryDc source(target);
    if (!source) return;
    SelectedObject selected(source.Get(), bitmap);
    BitBlt(target, x, y, width, height, source.Get(), 0, 0, SRCCOPY);
}

void DrawBitmap(HDC target, const Bitmap& bitmap, int x, int y) {
    DrawBitmap(target, bitmap.Get(), x, y, bitmap.Width(), bitmap.Height());
}

Font CreateSkinFont(const SkinFont& font) {
    BYTE charset = font.defaultCharset ? DEFAULT_CHARSET : ANSI_CHARSET;
    BYTE family = font.swissFamily ? FF_SWISS : FF_DONTCARE;
    return Font(CreateFontA(font.height, font.width, 0, 0, font.weight, FALSE, FALSE, FALSE, charset,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, family, font.face));
}
