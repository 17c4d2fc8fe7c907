// The resolution page: the sensitivity sliders with their link, five level
// controls with their colour swatches, and two page buttons: "20" puts the
// slot's default resolution settings back, "21" copies this slot's
// resolution settings to all five slots.
#pragma once

#include <memory>
#include <vector>

#include "option/pages/settings/core/ResolutionRules.h"
#include "option/pages/settings/win32/LevelControl.h"
#include "option/pages/settings/win32/SettingsPageNames.h"
#include "option/pages/settings/win32/SkinnedPage.h"

class ResolutionPage : public SkinnedPage {
public:
    void Refresh() override;

protected:
    const char* WindowClassName() const override { return resolution::kWindowClass; }
    std::string SkinFileName() const override { return resolution::kSkinFile; }
    void CreateControls(WindowSkin& skin) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnSensitivity(UINT identifier, int value);
    LRESULT OnLevel(WPARAM wParam, LPARAM lParam);
    LRESULT OnCommand(HWND button);
    void ChooseColour(int level);
    void ShowLevels();

    SkinButton* m_link = nullptr;
    SkinSlider* m_x = nullptr;
    SkinSlider* m_y = nullptr;
    LevelControl* m_levels[kLevelCount] = {};
    std::vector<ColourSwatchButton*> m_colours;
    SkinButton* m_defaults = nullptr;
    SkinButton* m_copyToAll = nullptr;
};
