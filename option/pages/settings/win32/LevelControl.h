// One resolution level of the resolution page: a child window shaped by
// DPI_Window_Mask.bmp with an enable toggle, a current button, the value
// slider (1..12), the value text and eight presets (1..8). It keeps its own
// state and tells the page every change with MSG_DPI_LEVEL.
#pragma once

#include <vector>

#include "option/pages/settings/core/ResolutionRules.h"
#include "option/pages/settings/win32/SettingsPageNames.h"
#include "skin/win32/GdiOwners.h"
#include "skin/win32/SkinSlider.h"
#include "skin/win32/SkinnedWindow.h"

class LevelControl : public SkinnedWindow {
public:
    // identifier = 500 + level.
    bool Create(HWND page, const RECT& place, UINT identifier);
    // Shows the state without notifying.
    void SetState(const LevelControlState& state);
    const LevelControlState& State() const { return m_state; }

protected:
    std::string SkinFileName() const override { return level::kSkinFile; }
    void CreateControls(WindowSkin& skin) override;
    void PaintOverlay(HDC dc) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCommand(HWND button);
    LRESULT OnSlider(UINT identifier, int value);
    void TakeValue(int32_t value);
    void ShowUsable();
    void Notify(LevelNoticeKind kind, uint32_t value);

    LevelControlState m_state;
    UINT m_identifier = 0;
    SkinButton* m_enable = nullptr;
    SkinButton* m_current = nullptr;
    SkinSlider* m_slider = nullptr;
    std::vector<SkinButton*> m_presets;
    RECT m_textRect{};
    Font m_font;
};
