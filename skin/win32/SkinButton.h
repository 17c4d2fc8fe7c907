// The skin button: an owner-drawn system button whose four looks are cut out
// of its window's state images. It tracks the pointer by holding the mouse
// capture while hovered and tells its parent and the hint window. Its
// caption (else its hint, else its placement label) is its window text, the
// name assistive technology reads; Space presses it; it draws the focus mark.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "skin/core/ButtonLook.h"
#include "skin/core/SkinGeometry.h"
#include "skin/win32/GdiOwners.h"
#include "skin/win32/SubclassedControl.h"

class SkinButton : public SubclassedControl {
public:
    // A visible owner-drawn child without tab stop (unless one was asked for
    // before), named by the caption, hint and label set so far (none: an
    // empty caption); starts hovering when the style is a default push button.
    bool Create(HWND parent, const RECT& rectangle, UINT identifier = 0, DWORD style = BS_PUSHBUTTON);
    // Before Create: the button is made a tab stop from the start (a later
    // style change is a round trip to the window server).
    void MakeTabStop() { m_tabStop = true; }

    // Cuts the four looks (normal, over, down, disabled) at the rectangle.
    void SetLooks(const RECT& rectangle, const Bitmap& normal, const Bitmap& over, const Bitmap& down,
                  const Bitmap& disabled);
    // Cuts a look when it is first drawn.
    using LookCutter = std::function<Bitmap(ButtonLook)>;
    // Takes looks already cut (normal, over, down, disabled); those missing
    // are cut by the cutter, if one is given, when first drawn.
    void SetLooks(std::array<Bitmap, 4> looks, LookCutter cutMissing = nullptr);

    void SetSelected(bool selected);
    bool Selected() const { return m_selected; }
    void SetToggleMode(bool toggleMode) { m_toggleMode = toggleMode; }
    bool ToggleMode() const { return m_toggleMode; }
    void SetCaption(const std::string& caption);
    const std::string& Caption() const { return m_caption; }
    void SetHoverTag(LPARAM tag) { m_hoverTag = tag; }
    void SetHint(const std::string& hint);
    // The placement entry's label: the window text when there is no caption or hint.
    void SetLabel(const std::string& label);
    const std::string& Hint() const { return m_hint; }
    // A button disabled while it has the focus takes it back when enabled
    // again, unless the focus has gone elsewhere meanwhile.
    void Enable(bool enabled);
    bool Hovering() const { return m_hovering; }
    // For owners that close a menu opened from the button.
    void ClearHovering();

    // The look the button shows now (pressed: the system's pushed state).
    ButtonLook CurrentLook() const;

    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Tells the parent (and, for the skin button, the hint window).
    virtual void NotifyHover(bool hovering);
    // Draws the chosen look (and caption) into an off-screen copy of the client.
    virtual void Compose(HDC dc, const RECT& client, ButtonLook look);
    const Bitmap& Look(ButtonLook look) const;
    LPARAM HoverTag() const { return m_hoverTag; }

private:
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnLeftButtonDown(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnLeftButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyUp(WPARAM wParam, LPARAM lParam);
    // What a completed click does: toggle mode flips the state first.
    void ReportClick();
    void UpdateWindowText();
    void DrawItem(const DRAWITEMSTRUCT& item);
    void SetHovering(bool hovering);
    bool PointerOverButton() const;

    mutable std::array<Bitmap, 4> m_looks;
    mutable std::array<bool, 4> m_uncut{};  // a look the cutter has yet to cut
    LookCutter m_cutter;
    bool m_selected = false;
    bool m_toggleMode = false;
    bool m_tabStop = false;
    bool m_hovering = false;
    bool m_toggleArmed = false;
    bool m_spaceDown = false;
    bool m_focusTakenByDisable = false;
    LPARAM m_hoverTag = 0;
    std::string m_caption;
    std::string m_hint;
    std::string m_label;
    std::string m_windowText;
};

// A skin button with a colour painted as a chamfered 34 x 34 square on its
// look; a colour chooser of the lighting pages. Its hover notice carries its
// own tag and it takes no part in the hint display.
class ColourSwatchButton : public SkinButton {
public:
    void SetColour(COLORREF colour);
    COLORREF Colour() const { return m_colour; }
    void SetSwatchTag(LPARAM tag) { m_swatchTag = tag; }

protected:
    void NotifyHover(bool hovering) override;
    void Compose(HDC dc, const RECT& client, ButtonLook look) override;

private:
    COLORREF m_colour = RGB(0, 0, 0);
    LPARAM m_swatchTag = 0;
};
