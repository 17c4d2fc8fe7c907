// The fill bar: an empty image with the full image drawn over it from the
// left up to the value; dragging sets the value (MSG_FILLBAR_POS).
#pragma once

#include <windows.h>

#include <string>

#include "frame/Window.h"
#include "skin/core/FillBarModel.h"
#include "skin/win32/GdiOwners.h"
#include "skin/win32/HoverHint.h"

class SkinFillBar : public Window {
public:
    bool Create(HWND parent, const RECT& rectangle, UINT identifier, Bitmap empty, Bitmap full);

    bool SetRange(int minimum, int maximum);
    // No notification.
    void SetValue(int value);
    int Value() const { return m_model.Value(); }
    void Enable(bool enabled);
    // Also the bar's window text.
    void SetHint(const std::string& hint);
    const FillBarModel& Model() const { return m_model; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnPaint();
    void Draw(HDC dc) const;
    LRESULT OnLeftButtonDown();
    LRESULT OnMouseMove(LPARAM lParam);
    LRESULT OnLeftButtonUp(LPARAM lParam);
    void Report(int value);

    FillBarModel m_model;
    Bitmap m_empty;
    Bitmap m_full;
    UINT m_identifier = 0;
    std::string m_hint;
    HoverTracker m_hover;
};
