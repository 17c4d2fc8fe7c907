#include "skin/win32/SkinFillBar.h"

#include <windowsx.h>

#include "skin/core/SkinMessages.h"
#include "skin/win32/KeyboardAccess.h"
#include "skin/win32/SkinConstants.h"

bool SkinFillBar::Create(HWND parent, const RECT& rectangle, UINT identifier, Bitmap empty, Bitmap full) {
    m_empty = std::move(empty);
    m_full = std::move(full);
    m_identifier = identifier;
    return Window::Create(kFillBarClass, "", WS_CHILD | WS_VISIBLE, 0, rectangle.left, rectangle.top,
                          rectangle.right - rectangle.left, rectangle.bottom - rectangle.top, parent,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(identifier)), 0, nullptr,
                          LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

bool SkinFillBar::SetRange(int minimum, int maximum) {
    if (!m_model.SetRange(minimum, maximum)) return false;
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
    return true;
}

void SkinFillBar::SetValue(int value) {
    m_model.SetValue(value);
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void SkinFillBar::SetHint(const std::string& hint) {
    m_hint = hint;
    SetHintAsWindowText(Handle(), hint);
}

void SkinFillBar::Enable(bool enabled) {
    m_model.SetEnabled(enabled);
    if (Handle()) EnableWindow(Handle(), enabled);
}

LRESULT SkinFillBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: return OnPaint();
    case WM_PRINTCLIENT: Draw(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: return OnLeftButtonDown();
    case WM_MOUSEMOVE: return OnMouseMove(lParam);
    case WM_LBUTTONUP: return OnLeftButtonUp(lParam);
    case WM_MOUSELEAVE: m_hover.OnMouseLeave(); return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != Handle()) m_model.CancelDrag();
        return 0;
    default: return DefaultProcessing(message, wParam, lParam);
    }
}

LRESULT SkinFillBar::OnPaint() {
    PaintDc paint(Handle());
    Draw(paint.Get());
    return 0;
}

void SkinFillBar::Draw(HDC dc) const {
    DrawBitmap(dc, m_empty);
    DrawBitmap(dc, m_full.Get(), 0, 0, m_model.FillWidth(m_full.Width()), m_full.Height());
}

LRESULT SkinFillBar::OnLeftButtonDown() {
    if (m_model.BeginDrag()) SetCapture(Handle());
    return 0;
}

void SkinFillBar::Report(int value) {
    if (HWND parent = GetParent(Handle())) PostMessageA(parent, MSG_FILLBAR_POS, value, m_identifier);
    InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT SkinFillBar::OnMouseMove(LPARAM lParam) {
    m_hover.OnMouseMove(Handle(), m_hint);
    if (!m_model.Dragging()) return 0;
    RECT client{};
    GetClientRect(Handle(), &client);
    Report(m_model.DragTo(GET_X_LPARAM(lParam), client.left, client.right));
    return 0;
}

LRESULT SkinFillBar::OnLeftButtonUp(LPARAM lParam) {
    if (!m_model.Dragging()) return 0;
    RECT client{};
    GetClientRect(Handle(), &client);
    int value = m_model.EndDrag(GET_X_LPARAM(lParam), client.left, client.right);
    ReleaseCapture();
    Report(value);
    return 0;
}
