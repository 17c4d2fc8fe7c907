#include "skin/win32/SkinSlider.h"

#include <windowsx.h>

#include "skin/core/KeyboardNavigation.h"
#include "skin/core/SkinMessages.h"
#include "skin/win32/KeyboardAccess.h"
#include "skin/win32/PictureLoader.h"
#include "skin/win32/RegionBuilder.h"
#include "skin/win32/SkinConstants.h"

SkinSlider::SkinSlider() = default;
SkinSlider::~SkinSlider() { Destroy(); }

bool SkinSlider::Create(HWND parent, const RECT& rectangle, UINT identifier, const std::string& thumbImagePath,
                        SliderOrientation orientation) {
    if (!LoadPicture(thumbImagePath)) return false;
    m_thumbImagePath = thumbImagePath;
    m_orientation = orientation;
    m_identifier = identifier;
    m_thumb = std::make_unique<SliderThumb>(orientation, m_hint);
    // The thumb takes the focus; the dialog manager finds it inside a control parent.
    bool created = Window::Create(kSliderTrackClass, ControlWindowText("", m_hint).c_str(),
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, rectangle.left,
                                  rectangle.top, rectangle.right - rectangle.left, rectangle.bottom - rectangle.top,
                                  parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(identifier)), 0, nullptr,
                                  LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    if (created && !m_thumb->Handle()) {
        Destroy();
        return false;
    }
    return created;
}

LRESULT SkinSlider::OnCreate() {
    RECT client{};
    GetClientRect(Handle(), &client);
    int length = m_orientation == SliderOrientation::Horizontal ? client.right : client.bottom;
    if (!m_thumb->Create(Handle(), LoadPicture(m_thumbImagePath), length)) return -1;
    m_thumb->Model().SetValue(0);
    m_thumb->Model().SetDraggable(true);
    m_thumb->Place();
    return 0;
}

void SkinSlider::SetFace(Bitmap face) {
    m_face = std::move(face);
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

bool SkinSlider::SetRange(int minimum, int maximum) {
    if (!m_thumb || !m_thumb->Model().SetRange(minimum, maximum)) return false;
    m_thumb->Place();
    return true;
}

void SkinSlider::SetValue(int value) {
    if (!m_thumb) return;
    m_thumb->Model().SetValue(value);
    m_thumb->Place();
}

int SkinSlider::Value() const { return m_thumb ? m_thumb->Model().Value() : 0; }

void SkinSlider::SetSnap(bool snap) {
    if (m_thumb) m_thumb->Model().SetSnap(snap);
}

void SkinSlider::Enable(bool enabled) {
    if (Handle()) EnableWindow(Handle(), enabled);
    if (m_thumb && m_thumb->Handle()) EnableWindow(m_thumb->Handle(), enabled);
}

void SkinSlider::SetHint(const std::string& hint) {
    m_hint = hint;
    SetHintAsWindowText(Handle(), hint);
    if (m_thumb) m_thumb->SetHint(hint);
}

HWND SkinSlider::ThumbHandle() const { return m_thumb ? m_thumb->Handle() : nullptr; }

const SliderModel& SkinSlider::Model() const { return m_thumb->Model(); }

LRESULT SkinSlider::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate();
    case WM_PAINT: return OnPaint();
    case WM_PRINTCLIENT: DrawBitmap(reinterpret_cast<HDC>(wParam), m_face); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONUP: return OnLeftButtonUp(lParam);
    case WM_MOUSEMOVE: return OnMouseMove();
    case WM_MOUSELEAVE: m_hover.OnMouseLeave(); return 0;
    case MSG_SLIDER_POS:
        // The thumb's reports go on to the parent under the slider's identifier.
        if (HWND parent = GetParent(Handle())) PostMessageA(parent, MSG_SLIDER_POS, wParam, m_identifier);
        return 0;
    default: return DefaultProcessing(message, wParam, lParam);
    }
}

LRESULT SkinSlider::OnPaint() {
    PaintDc paint(Handle());
    DrawBitmap(paint.Get(), m_face);
    // The mark goes round the whole track: the thumb is too small to hold one.
    if (m_thumb && GetFocus() == m_thumb->Handle() && FocusMarkShown()) {
        RECT client{};
        GetClientRect(Handle(), &client);
        DrawFocusMark(paint.Get(), client);
    }
    return 0;
}

LRESULT SkinSlider::OnLeftButtonUp(LPARAM lParam) {
    if (!m_thumb || !IsWindowEnabled(Handle())) return 0;
    RECT client{};
    GetClientRect(Handle(), &client);
    bool horizontal = m_orientation == SliderOrientation::Horizontal;
    int pointer = horizontal ? GET_X_LPARAM(lParam) : GET_Y_LPARAM(lParam);
    int value = m_thumb->Model().ClickTrack(pointer, horizontal ? client.right : client.bottom);
    m_thumb->Place();
    if (HWND parent = GetParent(Handle())) PostMessageA(parent, MSG_SLIDER_POS, value, m_identifier);
    return 0;
}

LRESULT SkinSlider::OnMouseMove() {
    m_hover.OnMouseMove(Handle(), m_hint);
    return 0;
}

SliderThumb::SliderThumb(SliderOrientation orientation, std::string hint)
    : m_model(orientation), m_hint(std::move(hint)) {}

bool SliderThumb::Create(HWND track, Bitmap image, int trackLength) {
    m_image = std::move(image);
    if (!m_image) return false;
    bool horizontal = m_model.Orientation() == SliderOrientation::Horizontal;
    m_model.SetSpan(0, trackLength, horizontal ? m_image.Width() : m_image.Height());
    if (!Window::Create(kSliderThumbClass, ControlWindowText("", m_hint).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                        WS_EX_TRANSPARENT, 0, 0, m_image.Width(), m_image.Height(), track, nullptr, 0, nullptr,
                        LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)))) {
        return false;
    }
    ApplyWindowRegion(Handle(), RegionWithoutTopLeftColour(m_image.Get()), true);
    return true;
}

void SliderThumb::SetHint(const std::string& hint) {
    m_hint = hint;
    SetHintAsWindowText(Handle(), hint);
}

void SliderThumb::Place() {
    if (!Handle()) return;
    int position = m_model.ThumbPosition();
    bool horizontal = m_model.Orientation() == SliderOrientation::Horizontal;
    SetWindowPos(Handle(), nullptr, horizontal ? position : 0, horizontal ? 0 : position, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT SliderThumb::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: return OnPaint();
    case WM_PRINTCLIENT: DrawBitmap(reinterpret_cast<HDC>(wParam), m_image); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: return OnLeftButtonDown(lParam);
    case WM_MOUSEMOVE: return OnMouseMove(lParam);
    case WM_LBUTTONUP: return OnLeftButtonUp();
    case WM_MOUSELEAVE: m_hover.OnMouseLeave(); return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != Handle()) m_model.CancelDrag();
        return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_KEYDOWN: return OnKeyDown(wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
        // The track draws the focus mark; it paints under the thumb (a
        // transparent window is not clipped away), so the thumb repaints too.
        RedrawWindow(GetParent(Handle()), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        return DefaultProcessing(message, wParam, lParam);
    default: return DefaultProcessing(message, wParam, lParam);
    }
}

LRESULT SliderThumb::OnPaint() {
    PaintDc paint(Handle());
    DrawBitmap(paint.Get(), m_image);
    return 0;
}

int SliderThumb::AlongInTrack(LPARAM lParam) const {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    MapWindowPoints(Handle(), GetParent(Handle()), &point, 1);
    return m_model.Orientation() == SliderOrientation::Horizontal ? point.x : point.y;
}

void SliderThumb::Report(int value) {
    if (HWND track = GetParent(Handle())) {
        PostMessageA(track, MSG_SLIDER_POS, static_cast<WPARAM>(value), GetDlgCtrlID(Handle()));
    }
}

LRESULT SliderThumb::OnLeftButtonDown(LPARAM lParam) {
    bool horizontal = m_model.Orientation() == SliderOrientation::Horizontal;
    int grab = horizontal ? GET_X_LPARAM(lParam) : GET_Y_LPARAM(lParam);
    if (m_model.BeginDrag(grab)) SetCapture(Handle());
    return 0;
}

LRESULT SliderThumb::OnMouseMove(LPARAM lParam) {
    m_hover.OnMouseMove(Handle(), m_hint);
    if (!m_model.Dragging()) return 0;
    int value = m_model.DragTo(AlongInTrack(lParam));
    Place();
    Report(value);
    return 0;
}

LRESULT SliderThumb::OnKeyDown(WPARAM wParam, LPARAM lParam) {
    const bool vertical = m_model.Orientation() == SliderOrientation::Vertical;
    const std::optional<StepKey> key = SliderStepKey(static_cast<uint32_t>(wParam), vertical);
    if (!key || m_model.Dragging()) return DefaultProcessing(WM_KEYDOWN, wParam, lParam);
    const int value = SliderValueAfterKey(m_model.Value(), m_model.Minimum(), m_model.Maximum(), *key);
    if (value == m_model.Value()) return 0;
    m_model.SetValue(value);
    Place();
    Report(value);
    return 0;
}

LRESULT SliderThumb::OnLeftButtonUp() {
    if (!m_model.Dragging()) return 0;
    int value = m_model.EndDrag();
    Place();
    ReleaseCapture();
    Report(value);
    return 0;
}
