// Base of the settings pages: a skinned child window of the main window's
// page area that works on the current slot's record of the host's edit copy,
// with the helpers every page uses to make its controls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "option/core/ConfigPage.h"
#include "option/core/OptionHost.h"
#include "skin/win32/SkinSlider.h"
#include "skin/win32/SkinValueBox.h"
#include "skin/win32/SkinnedWindow.h"

class SkinnedPage : public SkinnedWindow, public ConfigPage {
public:
    bool CreatePage(OptionHost& host, void* parent, int left, int top, int width, int height) override;
    void* PageWindow() const override { return Handle(); }

protected:
    virtual const char* WindowClassName() const = 0;
    OptionHost& Host() const { return *m_host; }
    ProfileRecord& Record() const { return CurrentProfile(m_host->EditCopy()); }

private:
    OptionHost* m_host = nullptr;
};

// Control helpers shared by the pages and the level control.
SkinSlider* AddSkinSlider(WindowSkin& skin, HWND parent, int key, UINT identifier, const char* thumbImage,
                          int minimum, int maximum, bool snap);
SkinValueBox* AddSkinValueBox(WindowSkin& skin, HWND parent, int key, UINT identifier, int minimum, int maximum);
// count buttons at consecutive keys from firstKey.
std::vector<SkinButton*> AddButtonRow(WindowSkin& skin, int firstKey, int count, bool toggleMode = false);
std::vector<ColourSwatchButton*> AddSwatchRow(WindowSkin& skin, int firstKey, int count);
// Selects the button at index only (none for an index outside the row).
template <class Button>
void SelectOnly(const std::vector<Button*>& row, int index) {
    for (size_t i = 0; i < row.size(); ++i)
        if (row[i]) row[i]->SetSelected(static_cast<int>(i) == index);
}
// The index of the button with this handle; -1 when none.
template <class Button>
int IndexOfHandle(const std::vector<Button*>& row, HWND handle) {
    for (size_t i = 0; i < row.size(); ++i)
        if (row[i] && row[i]->Handle() == handle) return static_cast<int>(i);
    return -1;
}
// Draws text with the font in the rectangle, centred both ways with ellipsis.
void DrawCentredText(HDC dc, const RECT& rectangle, const std::string& text, HFONT font, COLORREF colour);
