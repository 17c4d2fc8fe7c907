#include "skin/win32/SkinButton.h"

#include <windowsx.h>

#include "skin/core/CurrentHint.h"
#include "skin/core/KeyboardNavigation.h"
#include "skin/core/LookCrop.h"
#include "skin/core/SkinMessages.h"
#include "skin/core/SkinStyle.h"
#include "skin/win32/BitmapPixels.h"
#include "skin/win32/HoverHint.h"
#include "skin/win32/KeyboardAccess.h"

bool SkinButton::Create(HWND parent, const RECT& rectangle, UINT identifier, DWORD style) {
    const DWORD windowStyle = WS_CHILD | WS_VISIBLE | style;
    // Made owner-drawn, and named by what was set before, from the start:
    // each later change is a round trip to the window server.
    m_windowText = ControlWindowText(m_caption, m_hint, m_label);
    const DWORD buttonStyle = SkinButtonStyle(windowStyle) | (m_tabStop ? WS_TABSTOP : 0);
    if (!CreateControl("BUTTON", m_windowText.c_str(), buttonStyle, 0, rectangle, parent, identifier)) return false;
    m_hovering = StartsHovering(windowStyle);
    return true;
}

void SkinButton::SetLooks(const RECT& rectangle, const Bitmap& normal, const Bitmap& over, const Bitmap& down,
                          const Bitmap& disabled) {
    std::array<Bitmap, 4> looks;
    const Bitmap* sources[] = {&normal, &over, &down, &disabled};
    WindowDc dc(Handle());
    for (size_t i = 0; i < looks.size(); ++i) looks[i] = CropBitmap(*sources[i], rectangle, dc.Get());
    SetLooks(std::move(looks));
}

void SkinButton::SetLooks(std::array<Bitmap, 4> looks, LookCutter cutMissing) {
    for (Bitmap& look : m_looks) look.Reset();
    m_looks = std::move(looks);
    m_cutter = std::move(cutMissing);
    for (size_t i = 0; i < m_looks.size(); ++i) m_uncut[i] = m_cutter && !m_looks[i];
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

const Bitmap& SkinButton::Look(ButtonLook look) const {
    const size_t index = static_cast<size_t>(look);
    if (m_uncut[index]) {
        m_uncut[index] = false;
        m_looks[index] = m_cutter(look);
    }
    return m_looks[index];
}

void SkinButton::SetSelected(bool selected) {
    if (m_selected == selected) return;
    m_selected = selected;
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void SkinButton::SetCaption(const std::string& caption) {
    // Refreshes give every caption again: only a new one is redrawn (each
    // invalidation is a round trip to the window server under Wine).
    if (caption == m_caption) return;
    m_caption = caption;
    UpdateWindowText();
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void SkinButton::SetHint(const std::string& hint) {
    m_hint = hint;
    UpdateWindowText();
}

void SkinButton::SetLabel(const std::string& label) {
    m_label = label;
    UpdateWindowText();
}

void SkinButton::UpdateWindowText() {
    std::string text = ControlWindowText(m_caption, m_hint, m_label);
    if (!Handle() || text == m_windowText) return;
    m_windowText = std::move(text);
    SetWindowTextA(Handle(), m_windowText.c_str());
}

void SkinButton::Enable(bool enabled) {
    if (!Handle()) return;
    if (!enabled && GetFocus() == Handle()) m_focusTakenByDisable = true;
    EnableWindow(Handle(), enabled);
    if (!enabled) return;
    // With the focus nowhere, keys would reach no control of the window.
    if (m_focusTakenByDisable && !GetFocus() && GetActiveWindow() == GetAncestor(Handle(), GA_ROOT))
        SetFocus(Handle());
    m_focusTakenByDisable = false;
}

void SkinButton::ClearHovering() {
    if (m_hovering) SetHovering(false);
    if (Handle() && GetCapture() == Handle()) ReleaseCapture();
}

ButtonLook SkinButton::CurrentLook() const {
    ButtonLookInput input;
    input.toggleMode = m_toggleMode;
    input.selected = m_selected;
    input.hovering = m_hovering;
    input.pressed = Handle() && (SendMessageA(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED);
    input.disabled = Handle() && !IsWindowEnabled(Handle());
    return ChooseButtonLook(input);
}

bool SkinButton::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_DRAWITEM) return false;
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

void SkinButton::DrawItem(const DRAWITEMSTRUCT& item) {
    ButtonLookInput input;
    input.toggleMode = m_toggleMode;
    input.selected = m_selected;
    input.hovering = m_hovering;
    input.pressed = (item.itemState & ODS_SELECTED) != 0;
    input.disabled = (item.itemState & ODS_DISABLED) != 0;
    ButtonLook look = ChooseButtonLook(input);
    if (!Look(look)) return;  // without looks the parent's background shows
    RECT client = item.rcItem;
    OffscreenSurface surface(item.hDC, client.right - client.left, client.bottom - client.top);
    if (!surface) return;
    Compose(surface.Dc(), client, look);
    if (GetFocus() == Handle() && FocusMarkShown())
        DrawFocusMark(surface.Dc(), RECT{0, 0, client.right - client.left, client.bottom - client.top});
    surface.CopyTo(item.hDC, client.left, client.top);
}

void SkinButton::Compose(HDC dc, const RECT& client, ButtonLook look) {
    DrawBitmap(dc, Look(look));
    if (m_caption.empty()) return;
    Font font = CreateSkinFont(kCaptionFont);
    SelectedObject selected(dc, font.Get());
    SIZE textSize{};
    GetTextExtentPoint32A(dc, m_caption.c_str(), static_cast<int>(m_caption.size()), &textSize);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, m_hovering ? kCaptionHoverColour : kCaptionColour);
    TextOutA(dc, kCaptionLeft, CaptionTop(client.bottom - client.top, textSize.cy), m_caption.c_str(),
             static_cast<int>(m_caption.size()));
}

void SkinButton::NotifyHover(bool hovering) {
    HWND parent = Parent();
    if (parent) PostMessageA(parent, MSG_CONTROL_HOVER, hovering ? 1 : 0, m_hoverTag);
    SetCurrentHint(m_hint);
    PostShowHint(Handle(), hovering);
}

void SkinButton::SetHovering(bool hovering) {
    m_hovering = hovering;
    NotifyHover(hovering);
    InvalidateRect(Handle(), nullptr, FALSE);
}

bool SkinButton::PointerOverButton() const {
    POINT cursor{};
    return GetCursorPos(&cursor) && WindowFromPoint(cursor) == Handle();
}

LRESULT SkinButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE: return OnMouseMove(wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnLeftButtonDown(message, wParam, lParam);
    case WM_LBUTTONUP: return OnLeftButtonUp(wParam, lParam);
    case WM_CAPTURECHANGED: return OnCaptureChanged(wParam, lParam);
    case WM_KILLFOCUS: return OnKillFocus(wParam, lParam);
    case WM_KEYDOWN: return OnKeyDown(wParam, lParam);
    case WM_KEYUP: return OnKeyUp(wParam, lParam);
    // The owner-drawn face never shows the text: the system button's clearing
    // and repainting on a new text would only flash.
    case WM_SETTEXT: return DefWindowProcW(Handle(), message, wParam, lParam);
    case WM_UPDATEUISTATE:
        if (GetFocus() == Handle()) InvalidateRect(Handle(), nullptr, FALSE);
        return DefaultProcessing(message, wParam, lParam);
    case WM_NCPAINT: return 0;
    case WM_ERASEBKGND:
        // The look covers the whole button: the system's fill before it would
        // only flash (and costs a round to the parent per button on a show).
        if (Look(ButtonLook::Normal)) return 1;
        return DefaultProcessing(message, wParam, lParam);
    default: return DefaultProcessing(message, wParam, lParam);
    }
}

LRESULT SkinButton::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    if (GetCapture() != Handle()) {
        if (GetActiveWindow() && Parent()) {
            // A repeated enter (after a click gave the capture back) is not told twice.
            if (!m_hovering) {
                SetHovering(true);
            } else {
                InvalidateRect(Handle(), nullptr, FALSE);
            }
            SetCapture(Handle());
        }
    } else if (!PointerOverButton()) {
        if (m_hovering) SetHovering(false);
        if (!(wParam & MK_LBUTTON)) ReleaseCapture();
    }
    if (m_toggleMode) return 0;
    return DefaultProcessing(WM_MOUSEMOVE, wParam, lParam);
}

LRESULT SkinButton::OnLeftButtonDown(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND root = GetAncestor(Handle(), GA_ROOT);
    if (root && GetActiveWindow() != root) SetActiveWindow(root);
    if (!m_toggleMode) return DefaultProcessing(message, wParam, lParam);
    // Toggle mode reports its own clicks; the system button must not see the
    // press or it would report the click a second time.
    m_toggleArmed = true;
    SetFocus(Handle());
    if (GetCapture() != Handle()) SetCapture(Handle());
    return 0;
}

LRESULT SkinButton::OnLeftButtonUp(WPARAM wParam, LPARAM lParam) {
    if (!m_toggleMode) return DefaultProcessing(WM_LBUTTONUP, wParam, lParam);
    bool armed = m_toggleArmed;
    m_toggleArmed = false;
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT client{};
    GetClientRect(Handle(), &client);
    bool inside = PtInRect(&client, point) != FALSE;
    if (!inside && GetCapture() == Handle()) ReleaseCapture();
    if (!armed || !inside) return 0;
    ReportClick();
    return 0;
}

void SkinButton::ReportClick() {
    if (m_toggleMode) {
        m_selected = !m_selected;
        InvalidateRect(Handle(), nullptr, FALSE);
        UpdateWindow(Handle());
    }
    HWND parent = Parent();
    if (parent) {
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Handle()), BN_CLICKED),
                     reinterpret_cast<LPARAM>(Handle()));
    }
}

// Space presses the button as the left button does, without the system
// button's handling: that holds the mouse capture for the press, and the
// hover tracking lets the capture go when the pointer moves off the button,
// which would lose the click.
LRESULT SkinButton::OnKeyDown(WPARAM wParam, LPARAM lParam) {
    if (wParam != VK_SPACE) return DefaultProcessing(WM_KEYDOWN, wParam, lParam);
    if (!m_spaceDown) {
        m_spaceDown = true;
        SendMessageA(Handle(), BM_SETSTATE, TRUE, 0);
    }
    return 0;
}

LRESULT SkinButton::OnKeyUp(WPARAM wParam, LPARAM lParam) {
    if (wParam != VK_SPACE || !m_spaceDown) return DefaultProcessing(WM_KEYUP, wParam, lParam);
    m_spaceDown = false;
    SendMessageA(Handle(), BM_SETSTATE, FALSE, 0);
    ReportClick();
    return 0;
}

LRESULT SkinButton::OnCaptureChanged(WPARAM wParam, LPARAM lParam) {
    LRESULT result = DefaultProcessing(WM_CAPTURECHANGED, wParam, lParam);
    m_toggleArmed = false;
    // Taken away while the pointer is elsewhere: no longer hovering. After a
    // click the pointer is usually still here and the next move takes it back.
    if (m_hovering && Handle() && !PointerOverButton()) {
        SetHovering(false);
    } else if (Handle()) {
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    return result;
}

LRESULT SkinButton::OnKillFocus(WPARAM wParam, LPARAM lParam) {
    LRESULT result = DefaultProcessing(WM_KILLFOCUS, wParam, lParam);
    if (m_spaceDown) {
        m_spaceDown = false;
        SendMessageA(Handle(), BM_SETSTATE, FALSE, 0);
    }
    m_hovering = false;
    NotifyHover(false);
    InvalidateRect(Handle(), nullptr, FALSE);
    return result;
}

void ColourSwatchButton::SetColour(COLORREF colour) {
    m_colour = colour;
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void ColourSwatchButton::NotifyHover(bool hovering) {
    HWND parent = Parent();
    if (parent) PostMessageA(parent, MSG_CONTROL_HOVER, hovering ? 1 : 0, m_swatchTag);
}

void ColourSwatchButton::Compose(HDC dc, const RECT&, ButtonLook look) {
    DrawBitmap(dc, Look(look));
    Brush brush(CreateSolidBrush(m_colour));
    for (const SkinRect& part : kSwatchRects) {
        RECT rectangle{part.left, part.top, part.right, part.bottom};
        FillRect(dc, &rectangle, brush.Get());
    }
}
