// The lighting page: the mode button with its menu, four mode selectors and
// the sub-page of the current mode (one of four, created once).
#pragma once

#include <memory>
#include <vector>

#include "option/pages/settings/core/LightingRules.h"
#include "option/pages/settings/win32/LightingSubPage.h"
#include "option/pages/settings/win32/SkinnedPage.h"
#include "skin/win32/GdiOwners.h"

class LightingPage : public SkinnedPage {
public:
    void Refresh() override;

protected:
    const char* WindowClassName() const override { return lighting::kWindowClass; }
    std::string SkinFileName() const override { return lighting::kSkinFile; }
    void CreateControls(WindowSkin& skin) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCommand(HWND button);
    void OpenModeMenu();
    void SetMode(int mode);
    void ShowMode();

    SkinButton* m_modeButton = nullptr;
    std::vector<SkinButton*> m_selectors;
    std::unique_ptr<LightingSubPage> m_subPages[kLightModeCount];
    MenuReopenGuard m_menuGuard;
    Font m_menuFont;
};
