// Draws a notice into a 32-bit DIB section and puts it on the screen as a
// layered window with per-pixel alpha and an overall opacity for the fade.
#pragma once

#include "herald/NoticeLayout.h"

#include <windows.h>

#include <string>

namespace herald {

class NoticePainter {
public:
    NoticePainter();
    ~NoticePainter();
    NoticePainter(const NoticePainter&) = delete;
    NoticePainter& operator=(const NoticePainter&) = delete;

    // Lays out and draws the text on a panel in the primary monitor's work
    // area; the panel's screen rectangle afterwards in Placement().
    bool Paint(const std::string& text);
    const Rectangle& Placement() const { return m_placement; }

    // Shows the painted panel on the layered window at this opacity.
    bool Present(HWND window, BYTE opacity) const;

private:
    void ReleaseSurface();

    HDC m_memoryDc = nullptr;
    HFONT m_font = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previousBitmap = nullptr;
    HGDIOBJ m_previousFont = nullptr;
    Rectangle m_placement;
};

}  // namespace herald
