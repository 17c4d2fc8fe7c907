// The skinned scroll bar: arrows and thumb drawn from the owner's square
// looks, page areas, auto-repeat while pressed and thumb dragging, reported
// to the parent as WM_VSCROLL / WM_HSCROLL like a system scroll bar.
#pragma once

#include <windows.h>

#include <array>

#include "frame/Window.h"
#include "skin/core/ScrollBarModel.h"
#include "skin/win32/GdiOwners.h"

enum class ScrollLook { LineUpArrow = 0, LineDownArrow = 1, Thumb = 2 };
enum class ScrollLookState { Normal = 0, Hover = 1, Pressed = 2 };

class SkinScrollBar : public Window {
public:
    // Vertical when bit 0 of the style (SBS_VERT) is set.
    bool Create(HWND parent, const RECT& rectangle, UINT identifier, DWORD style = SBS_VERT);

    // A square look, stretched to the part's rectangle.
    void SetLook(ScrollLook part, ScrollLookState state, Bitmap look);
    void SetRange(int minimum, int maximum);
    void SetPage(int page);
    void SetPosition(int position);
    int Position() const { return m_model.Position(); }
    bool Vertical() const { return m_vertical; }
    const ScrollBarModel& Model() const { return m_model; }
    ScrollPart PressedPart() const { return m_press.pressed; }
    ScrollPart HoveredPart() const { return m_press.hovered; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnPaint();
    void Draw(HDC dc) const;
    LRESULT OnSize();
    LRESULT OnLeftButtonDown(LPARAM lParam);
    LRESULT OnMouseMove(LPARAM lParam);
    LRESULT OnLeftButtonUp();
    LRESULT OnTimer(WPARAM timer);
    LRESULT OnMouseLeave();
    LRESULT OnCaptureChanged(LPARAM lParam);
    int Along(LPARAM lParam) const;
    ScrollPart PartUnderPointer() const;
    void Send(ScrollPart code, int position = 0);
    void StopRepeat();
    RECT PartRectangle(const ScrollSpan& span) const;
    void DrawLook(HDC dc, ScrollLook part, ScrollPart code, const ScrollSpan& span) const;

    ScrollBarModel m_model;
    ScrollPressState m_press;
    bool m_vertical = true;
    bool m_leaveTracked = false;
    std::array<std::array<Bitmap, 3>, 3> m_looks;
};
