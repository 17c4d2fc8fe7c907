// The bitmap edit field: a system edit control with its own colours and
// font, an optional numeric-only filter, and the notices its owners listen
// to (MSG_EDIT_ENTER, "BitmapEdit_KillFocus").
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "skin/win32/GdiOwners.h"
#include "skin/win32/SubclassedControl.h"

// The registered message numbers (registered on first use, once per process).
UINT BitmapEditKillFocusMessage();
UINT BitmapEditChangeMessage();

class BitmapEdit : public SubclassedControl {
public:
    bool Create(HWND parent, const RECT& rectangle, UINT identifier, DWORD style = ES_AUTOHSCROLL);

    void SetNumeric(bool numeric) { m_numeric = numeric; }
    bool Numeric() const { return m_numeric; }
    void SetColours(COLORREF text, COLORREF background);
    void SetText(const std::string& text);
    std::string Text() const;
    void SetLimit(int characters);
    // Keys (virtual-key codes) the owner takes before the field: the handler
    // returns true for a key it used, which the field then does not see.
    void SetKeyHandler(std::function<bool(UINT)> handler) { m_keyHandler = std::move(handler); }

    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnChar(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    void OnChange();

    bool m_numeric = false;
    bool m_swallowCharacter = false;
    bool m_rewriting = false;
    std::function<bool(UINT)> m_keyHandler;
    COLORREF m_textColour = 0;
    COLORREF m_backgroundColour = 0;
    Brush m_backgroundBrush;
    Font m_font;
};
