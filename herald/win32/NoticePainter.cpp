#include "NoticePainter.h"

#include "herald/NoticePanel.h"
#include "skins/generator/VisualStyle.h"

#include <cstring>

namespace herald {

namespace {

constexpr UINT kTextFormat = DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_CENTER;

Rectangle PrimaryWorkArea() {
    RECT area{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) {
        area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

}  // namespace

NoticePainter::NoticePainter() {
    m_memoryDc = CreateCompatibleDC(nullptr);
    m_font = CreateFontA(kTextHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
    if (m_memoryDc && m_font) m_previousFont = SelectObject(m_memoryDc, m_font);
}

NoticePainter::~NoticePainter() {
    ReleaseSurface();
    if (m_memoryDc && m_previousFont) SelectObject(m_memoryDc, m_previousFont);
    if (m_font) DeleteObject(m_font);
    if (m_memoryDc) DeleteDC(m_memoryDc);
}

void NoticePainter::ReleaseSurface() {
    if (!m_bitmap) return;
    SelectObject(m_memoryDc, m_previousBitmap);
    DeleteObject(m_bitmap);
    m_bitmap = nullptr;
}

bool NoticePainter::Paint(const std::string& text) {
    if (!m_memoryDc || !m_font) return false;
    const Rectangle workArea = PrimaryWorkArea();

    RECT measured{0, 0, MaximumTextWidth(workArea), 0};
    DrawTextA(m_memoryDc, text.c_str(), static_cast<int>(text.size()), &measured, kTextFormat | DT_CALCRECT);
    const int textWidth = measured.right - measured.left;
    const int textHeight = measured.bottom - measured.top;
    m_placement = PlacePanel(workArea, textWidth, textHeight);
    const int width = m_placement.width;
    const int height = m_placement.height;

    ReleaseSurface();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(m_memoryDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!m_bitmap || !bits) return false;
    m_previousBitmap = SelectObject(m_memoryDc, m_bitmap);

    PanelPixels pixels;
    PaintPanelBackground(pixels, width, height);
    memcpy(bits, pixels.data(), pixels.size() * sizeof(uint32_t));

    // GDI draws the text onto the panel's colours; the shape's alpha comes after.
    GdiFlush();
    const Rectangle box = TextBox(width, height, textWidth, textHeight);
    RECT textRect{box.x, box.y, box.x + box.width, box.y + box.height};
    SetBkMode(m_memoryDc, TRANSPARENT);
    SetTextColor(m_memoryDc, RGB(style::kText.red, style::kText.green, style::kText.blue));
    DrawTextA(m_memoryDc, text.c_str(), static_cast<int>(text.size()), &textRect, kTextFormat);
    GdiFlush();

    memcpy(pixels.data(), bits, pixels.size() * sizeof(uint32_t));
    ApplyPanelShape(pixels, width, height);
    memcpy(bits, pixels.data(), pixels.size() * sizeof(uint32_t));
    return true;
}

bool NoticePainter::Present(HWND window, BYTE opacity) const {
    if (!m_bitmap) return false;
    POINT position{m_placement.x, m_placement.y};
    SIZE size{m_placement.width, m_placement.height};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, opacity, AC_SRC_ALPHA};
    HDC screen = GetDC(nullptr);
    const BOOL done = UpdateLayeredWindow(window, screen, &position, &size, m_memoryDc, &source, 0, &blend, ULW_ALPHA);
    ReleaseDC(nullptr, screen);
    return done != FALSE;
}

}  // namespace herald
