#include "option/pages/settings/win32/ColourDialog.h"

#include <windowsx.h>

#include <cstdio>
#include <vector>

#include "option/pages/settings/core/ColourRules.h"
#include "option/pages/settings/win32/SkinnedPage.h"
#include "skin/core/SkinMessages.h"

using namespace colour;

namespace {

constexpr COLORREF kSwatchFrame = RGB(255, 255, 255);
constexpr int kDebugTextSize = 32;

}  // namespace

INT_PTR ColourDialog::Run(HWND owner) {
    m_owner = owner;
    return RunModal(owner, "");
}

void ColourDialog::CreateControls(WindowSkin& skin) {
    m_field = ToRect(skin.Entry(kField).rect);
    m_swatch = ToRect(skin.Entry(kSwatch).rect);
    for (int i = 0; i < 3; ++i)
        m_boxes[i] = AddSkinValueBox(skin, Handle(), kFirstBox + i, kRedBoxId + i, 0, kChannelMaximum);
    m_ok = skin.AddButton(kOk);
    m_cancel = skin.AddButton(kCancel);
    m_close = skin.AddButton(kClose);
    BuildField();
    ShowColour();
    // Centred over the owner rather than at the screen's corner.
    RECT owner{};
    if (m_owner && GetWindowRect(m_owner, &owner)) {
        SIZE size = skin.Size();
        SetWindowPos(Handle(), nullptr, (owner.left + owner.right - size.cx) / 2,
                     (owner.top + owner.bottom - size.cy) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void ColourDialog::BuildField() {
    const int width = m_field.right - m_field.left, height = m_field.bottom - m_field.top;
    if (width <= 0 || height <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!picture) return;
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint32_t colour = ColourFieldAt(x, y, width, height);
            // DIB pixels are 0x00RRGGBB, colours 0x00BBGGRR.
            pixels[y * width + x] = (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
        }
    m_fieldPicture = Bitmap(picture);
}

void ColourDialog::PaintOverlay(HDC dc) {
    DrawBitmap(dc, m_fieldPicture, m_field.left, m_field.top);
    Brush frame(CreateSolidBrush(kSwatchFrame));
    FrameRect(dc, &m_swatch, frame.Get());
    RECT inside = m_swatch;
    InflateRect(&inside, -2, -2);
    Brush fill(CreateSolidBrush(m_colour));
    FillRect(dc, &inside, fill.Get());
}

void ColourDialog::ShowColour() {
    for (int i = 0; i < 3; ++i)
        if (m_boxes[i]) m_boxes[i]->SetValue(ChannelOf(m_colour, kRedBoxId + i));
    InvalidateRect(Handle(), &m_swatch, FALSE);
}

bool ColourDialog::InField(POINT client) const { return PtInRect(&m_field, client) != FALSE; }

LRESULT ColourDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: return OnLeftButtonDown(lParam);
    case WM_SETCURSOR: return OnSetCursor(wParam, lParam);
    case MSG_VALUEBOX_POS: return OnValueBox(static_cast<UINT>(lParam), static_cast<int>(wParam));
    case WM_COMMAND:
        if (lParam) return OnCommand(reinterpret_cast<HWND>(lParam));
        return SkinnedDialog::HandleMessage(message, wParam, lParam);
    default: return SkinnedDialog::HandleMessage(message, wParam, lParam);
    }
}

LRESULT ColourDialog::OnLeftButtonDown(LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (InField(point)) {
        SetCursor(LoadCursor(nullptr, IDC_CROSS));
        m_colour = ColourFieldAt(point.x - m_field.left, point.y - m_field.top, m_field.right - m_field.left,
                                 m_field.bottom - m_field.top);
        ShowColour();
    } else {
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
    }
    // Every press also moves the dialog, as a caption press would.
    PostMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, lParam);
    return 0;
}

LRESULT ColourDialog::OnSetCursor(WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) != Handle() || LOWORD(lParam) != HTCLIENT)
        return SkinnedDialog::HandleMessage(WM_SETCURSOR, wParam, lParam);
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(Handle(), &point);
    SetCursor(LoadCursor(nullptr, InField(point) ? IDC_CROSS : IDC_ARROW));
    return TRUE;
}

LRESULT ColourDialog::OnValueBox(UINT identifier, int value) {
    char text[kDebugTextSize];
    std::snprintf(text, sizeof text, "lParam = %d\n", static_cast<int>(identifier));
    OutputDebugStringA(text);
    m_colour = WithChannel(m_colour, identifier, value);
    InvalidateRect(Handle(), &m_swatch, FALSE);
    return 0;
}

LRESULT ColourDialog::OnCommand(HWND button) {
    if (m_ok && button == m_ok->Handle()) EndModal(IDOK);
    else if ((m_cancel && button == m_cancel->Handle()) || (m_close && button == m_close->Handle()))
        EndModal(IDCANCEL);
    return 0;
}
