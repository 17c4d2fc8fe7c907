// The gallery's button window: push buttons (one disabled, one opening a
// skin popup menu with a submenu and a separator), toggle buttons, an
// exclusive option row, page tabs, colour swatches, and a line showing the
// current hover hint.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "skin/win32/GdiOwners.h"
#include "skin/win32/SkinCheckBox.h"
#include "skin/win32/SkinnedWindow.h"
#include "tools/skingallery/GalleryNames.h"

class ButtonGallery : public SkinnedWindow {
public:
    bool Create();

    SkinButton* Button(int key) const;
    ColourSwatchButton* Swatch(int index) const { return m_swatches[index]; }
    // Index of the selected option, tab or swatch (-1: none).
    int SelectedOption() const { return m_selectedOption; }
    int SelectedTab() const { return m_selectedTab; }
    int SelectedSwatch() const { return m_selectedSwatch; }
    int ClickCount() const { return m_clicks; }
    const std::string& LastClicked() const { return m_lastClicked; }
    // The modifier bits of the toggles, toggle i giving bit i.
    int ToggleBits() const;
    // Bit i set: check box i is checked.
    int CheckBits() const;
    UINT LastMenuChoice() const { return m_lastMenuChoice; }
    const std::string& ShownHint() const { return m_shownHint; }

protected:
    std::string SkinFileName() const override { return gallery::kButtonSkinFile; }
    void CreateControls(WindowSkin& skin) override;
    void PaintOverlay(HDC dc) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnShowHint(WPARAM wParam);
    void OnButton(int key);
    void ChoosePlayer();
    void SelectOnly(int firstKey, int count, int index);
    int KeyOf(HWND button) const;
    void RedrawArea(int key);

    std::array<SkinButton*, 24> m_byKey{};
    std::array<ColourSwatchButton*, gallery::buttons::kSwatchCount> m_swatches{};
    std::array<RECT, 24> m_areas{};
    Font m_font;
    Font m_labelFont;
    int m_selectedOption = -1;
    int m_selectedTab = 0;
    int m_selectedSwatch = -1;
    int m_clicks = 0;
    std::string m_lastClicked;
    UINT m_lastMenuChoice = 0;
    std::string m_shownHint;
};
