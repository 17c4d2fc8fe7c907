// One sub-page of the lighting page: the controls of one lighting mode, read
// from and written to the current record. Which controls it has and at which
// keys comes from its layout.
#pragma once

#include <vector>

#include "option/core/OptionHost.h"
#include "option/pages/settings/core/LightingRules.h"
#include "option/pages/settings/win32/SettingsPageNames.h"
#include "skin/win32/SkinSlider.h"
#include "skin/win32/SkinValueBox.h"
#include "skin/win32/SkinnedWindow.h"

// What a mode's sub-page holds; -1 for a control it does not have.
struct LightingSubPageLayout {
    LightMode mode;
    const char* skinFile;
    int speedKey;
    int specialSpeedKey;
    int intensityKey;  // DanSe only
    int firstPairKey;  // two buttons
    int toggleKey;
    int firstColourKey;  // seven buttons
    bool coloursAreSwatches;  // QiSe: own colours, chosen in the colour dialog
};

const LightingSubPageLayout& LightingSubPageLayoutOf(LightMode mode);

class LightingSubPage : public SkinnedWindow {
public:
    LightingSubPage(OptionHost& host, const LightingSubPageLayout& layout) : m_host(host), m_layout(layout) {}
    bool Create(HWND container, const RECT& place);
    // Reads the record into the controls.
    void Load();

protected:
    std::string SkinFileName() const override { return m_layout.skinFile; }
    void CreateControls(WindowSkin& skin) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnSlider(UINT identifier, int value);
    LRESULT OnValueBox(UINT identifier, int value);
    LRESULT OnCommand(HWND button);
    void ChooseColour(int index);
    ProfileRecord& Record() const { return CurrentProfile(m_host.EditCopy()); }

    OptionHost& m_host;
    const LightingSubPageLayout& m_layout;
    SkinSlider* m_speed = nullptr;
    SkinSlider* m_intensity = nullptr;
    SkinValueBox* m_specialSpeed = nullptr;
    std::vector<SkinButton*> m_pair;
    SkinButton* m_toggle = nullptr;
    std::vector<ColourSwatchButton*> m_colours;
};
