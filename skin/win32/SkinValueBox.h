// The value box: a numeric bitmap edit field with an up and a down skin
// button, stepping by a step or through a table of 12 values. Every change
// reaches the parent as MSG_VALUEBOX_POS (value, identifier). The field is a
// tab stop; Up and Down in it press the buttons, the page keys a page of
// presses. The hint is the window text of the box and its buttons.
#pragma once

#include <windows.h>

#include <string>

#include "frame/Window.h"
#include "skin/core/ValueBoxModel.h"
#include "skin/win32/BitmapEdit.h"
#include "skin/win32/SkinButton.h"

class WindowSkin;

class SkinValueBox : public Window {
public:
    // The field takes the left part; the up and down buttons share a column
    // as wide as half the box's height at the right edge, up above down.
    bool Create(HWND parent, const RECT& rectangle, UINT identifier);
    // Cuts the buttons' looks from the window's state images at the
    // buttons' places (valid while the window loads its skin).
    void DressButtons(const WindowSkin& skin);

    bool SetRange(int minimum, int maximum);
    void SetStep(int step) { m_model.SetStep(step); }
    void SetTable(const ValueTable& table);
    // Shows "%d" of the value; no notification.
    void SetValue(int value);
    int Value() const { return m_model.Value(); }
    void Enable(bool enabled);
    void SetHint(const std::string& hint);

    BitmapEdit& Field() { return m_field; }
    SkinButton& UpButton() { return m_up; }
    SkinButton& DownButton() { return m_down; }
    const ValueBoxModel& Model() const { return m_model; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCreate();
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    void Apply(const ValueBoxChange& change);
    bool OnFieldKey(UINT virtualKey);
    RECT UpRectangle() const;
    RECT DownRectangle() const;
    RECT FieldRectangle() const;

    ValueBoxModel m_model;
    BitmapEdit m_field;
    SkinButton m_up;
    SkinButton m_down;
    UINT m_identifier = 0;
    int m_width = 0;
    int m_height = 0;
};
