// The colour dialog of the resolution levels and the seven-colour lighting:
// a colour field picked with the cross cursor, red, green and blue value
// boxes (400..402) and a swatch of the current colour. OK ends it with 1.
#pragma once

#include "option/pages/settings/win32/SettingsPageNames.h"
#include "skin/win32/GdiOwners.h"
#include "skin/win32/SkinValueBox.h"
#include "skin/win32/SkinnedWindow.h"

class ColourDialog : public SkinnedDialog {
public:
    explicit ColourDialog(COLORREF colour) : m_colour(colour) {}

    // IDOK (1) or IDCANCEL; Colour() is the chosen colour after IDOK.
    INT_PTR Run(HWND owner);
    COLORREF Colour() const { return m_colour; }

protected:
    std::string SkinFileName() const override { return colour::kSkinFile; }
    void CreateControls(WindowSkin& skin) override;
    void PaintOverlay(HDC dc) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnLeftButtonDown(LPARAM lParam);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT OnValueBox(UINT identifier, int value);
    LRESULT OnCommand(HWND button);
    bool InField(POINT client) const;
    void ShowColour();
    void BuildField();

    COLORREF m_colour;
    HWND m_owner = nullptr;
    RECT m_field{};
    RECT m_swatch{};
    Bitmap m_fieldPicture;
    SkinValueBox* m_boxes[3] = {};
    SkinButton* m_ok = nullptr;
    SkinButton* m_cancel = nullptr;
    SkinButton* m_close = nullptr;
};
