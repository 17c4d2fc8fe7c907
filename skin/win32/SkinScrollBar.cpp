#include "skin/win32/SkinScrollBar.h"

#include <windowsx.h>

#include "skin/win32/SkinConstants.h"

bool SkinScrollBar::Create(HWND parent, const RECT& rectangle, UINT identifier, DWORD style) {
    m_vertical = (style & kScrollVerticalStyleBit) != 0;
    return Window::Create(kScrollBarClass, "", WS_CHILD | WS_VISIBLE | (style & 0xFFFF), 0, rectangle.left,
                          rectangle.top, rectangle.right - rectangle.left, rectangle.bottom - rectangle.top, parent,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(identifier)), 0, nullptr,
                          LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

void SkinScrollBar::SetLook(ScrollLook part, ScrollLookState state, Bitmap look) {
    m_looks[static_cast<size_t>(part)][static_cast<size_t>(state)] = std::move(look);
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void SkinScrollBar::SetRange(int minimum, int maximum) {
    m_model.SetRange(minimum, maximum);
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void SkinScrollBar::SetPage(int page) {
    m_model.SetPage(page);
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void SkinScrollBar::SetPosition(int position) {
    m_model.SetPosition(position);
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT SkinScrollBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnSize();
    case WM_SIZE: return OnSize();
    case WM_PAINT: return OnPaint();
    case WM_PRINTCLIENT: Draw(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnLeftButtonDown(lParam);
    case WM_MOUSEMOVE: return OnMouseMove(lParam);
    case WM_LBUTTONUP: return OnLeftButtonUp();
    case WM_TIMER: return OnTimer(wParam);
    case WM_MOUSELEAVE: return OnMouseLeave();
    case WM_CAPTURECHANGED: return OnCaptureChanged(lParam);
    default: return DefaultProcessing(message, wParam, lParam);
    }
}

LRESULT SkinScrollBar::OnSize() {
    RECT client{};
    GetClientRect(Handle(), &client);
    if (m_vertical) {
        m_model.SetSize(client.right, client.bottom);
    } else {
        m_model.SetSize(client.bottom, client.right);
    }
    InvalidateRect(Handle(), nullptr, FALSE);
    return 0;
}

int SkinScrollBar::Along(LPARAM lParam) const { return m_vertical ? GET_Y_LPARAM(lParam) : GET_X_LPARAM(lParam); }

ScrollPart SkinScrollBar::PartUnderPointer() const {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(Handle(), &cursor);
    RECT client{};
    GetClientRect(Handle(), &client);
    if (!PtInRect(&client, cursor)) return ScrollPart::None;
    return m_model.HitTest(m_vertical ? cursor.y : cursor.x);
}

void SkinScrollBar::Send(ScrollPart code, int position) {
    HWND parent = GetParent(Handle());
    if (!parent) return;
    WPARAM wParam = MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(position));
    SendMessageA(parent, m_vertical ? WM_VSCROLL : WM_HSCROLL, wParam, reinterpret_cast<LPARAM>(Handle()));
}

LRESULT SkinScrollBar::OnLeftButtonDown(LPARAM lParam) {
    int along = Along(lParam);
    ScrollPart part = m_model.HitTest(along);
    SetCapture(Handle());
    if (part == ScrollPart::ThumbTrack) {
        m_model.BeginThumbDrag(along);
        m_press.pressed = ScrollPart::ThumbTrack;
    } else if (part != ScrollPart::None) {
        m_press.pressed = part;
        Send(part);
        SetTimer(Handle(), kScrollDelayTimerId, kScrollDelayMs, nullptr);
    }
    InvalidateRect(Handle(), nullptr, FALSE);
    return 0;
}

LRESULT SkinScrollBar::OnMouseMove(LPARAM lParam) {
    if (m_model.Dragging()) {
        if (m_model.DragTo(Along(lParam))) {
            InvalidateRect(Handle(), nullptr, FALSE);
            Send(ScrollPart::ThumbTrack, m_model.TrackingPosition());
        }
        return 0;
    }
    if (m_press.pressed != ScrollPart::None) return 0;
    if (!m_leaveTracked) {
        TRACKMOUSEEVENT request{};
        request.cbSize = sizeof request;
        request.dwFlags = TME_LEAVE;
        request.hwndTrack = Handle();
        m_leaveTracked = TrackMouseEvent(&request) != FALSE;
    }
    ScrollPart hovered = m_model.HitTest(Along(lParam));
    if (hovered != m_press.hovered) {
        m_press.hovered = hovered;
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    return 0;
}

void SkinScrollBar::StopRepeat() {
    KillTimer(Handle(), kScrollDelayTimerId);
    KillTimer(Handle(), kScrollRepeatTimerId);
}

LRESULT SkinScrollBar::OnLeftButtonUp() {
    StopRepeat();
    bool dragging = m_model.Dragging();
    int position = dragging ? m_model.EndThumbDrag() : 0;
    m_press.pressed = ScrollPart::None;
    if (GetCapture() == Handle()) ReleaseCapture();
    if (dragging) Send(ScrollPart::ThumbPosition, position);
    InvalidateRect(Handle(), nullptr, FALSE);
    return 0;
}

LRESULT SkinScrollBar::OnTimer(WPARAM timer) {
    if (timer == kScrollDelayTimerId) {
        KillTimer(Handle(), kScrollDelayTimerId);
        SetTimer(Handle(), kScrollRepeatTimerId, kScrollRepeatMs, nullptr);
    } else if (timer == kScrollRepeatTimerId) {
        if (m_press.RepeatNow(PartUnderPointer())) Send(m_press.pressed);
    }
    return 0;
}

LRESULT SkinScrollBar::OnMouseLeave() {
    m_leaveTracked = false;
    m_press.hovered = ScrollPart::None;
    InvalidateRect(Handle(), nullptr, FALSE);
    return 0;
}

LRESULT SkinScrollBar::OnCaptureChanged(LPARAM lParam) {
    if (reinterpret_cast<HWND>(lParam) == Handle()) return 0;
    // Capture taken away: end the press like a release, without a final position.
    StopRepeat();
    if (m_model.Dragging()) m_model.EndThumbDrag();
    m_press.pressed = ScrollPart::None;
    InvalidateRect(Handle(), nullptr, FALSE);
    return 0;
}

RECT SkinScrollBar::PartRectangle(const ScrollSpan& span) const {
    RECT client{};
    GetClientRect(Handle(), &client);
    if (m_vertical) return RECT{0, span.start, client.right, span.end};
    return RECT{span.start, 0, span.end, client.bottom};
}

void SkinScrollBar::DrawLook(HDC dc, ScrollLook part, ScrollPart code, const ScrollSpan& span) const {
    if (span.end <= span.start) return;
    ScrollLookState state = ScrollLookState::Normal;
    if (m_press.pressed == code) {
        state = ScrollLookState::Pressed;
    } else if (m_press.hovered == code) {
        state = ScrollLookState::Hover;
    }
    const Bitmap& look = m_looks[static_cast<size_t>(part)][static_cast<size_t>(state)];
    const Bitmap& fallback = m_looks[static_cast<size_t>(part)][static_cast<size_t>(ScrollLookState::Normal)];
    const Bitmap& chosen = look ? look : fallback;
    if (!chosen) return;
    RECT target = PartRectangle(span);
    MemoryDc source(dc);
    SelectedObject selected(source.Get(), chosen.Get());
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, source.Get(), 0,
               0, chosen.Width(), chosen.Height(), SRCCOPY);
}

LRESULT SkinScrollBar::OnPaint() {
    PaintDc paint(Handle());
    Draw(paint.Get());
    return 0;
}

void SkinScrollBar::Draw(HDC dc) const {
    RECT client{};
    GetClientRect(Handle(), &client);
    OffscreenSurface surface(dc, client.right, client.bottom);
    if (!surface) return;
    Brush track(CreateSolidBrush(kScrollTrackColour));
    FillRect(surface.Dc(), &client, track.Get());
    ScrollLayout layout = m_model.Layout();
    DrawLook(surface.Dc(), ScrollLook::LineUpArrow, ScrollPart::LineUp, layout.lineUp);
    DrawLook(surface.Dc(), ScrollLook::LineDownArrow, ScrollPart::LineDown, layout.lineDown);
    DrawLook(surface.Dc(), ScrollLook::Thumb, ScrollPart::ThumbTrack, layout.thumb);
    surface.CopyTo(dc);
}
