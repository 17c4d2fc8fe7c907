#include "option/pages/settings/win32/LightingSubPage.h"

#include "option/pages/settings/win32/ColourDialog.h"
#include "option/pages/settings/win32/SkinnedPage.h"
#include "skin/core/SkinMessages.h"

using namespace lighting;

namespace {

constexpr int kNone = -1;
constexpr int kPairSize = 2;

// Keys of each skin: sliders and value box first, then pairs and toggles,
// then the colours.
const LightingSubPageLayout kLayouts[kLightModeCount] = {
    {LightMode::DanSe, kDanSeSkinFile, 3, 5, 4, 0, kNone, 7, false},
    {LightMode::DanDian, kDanDianSkinFile, 0, 1, kNone, kNone, 2, kNone, false},
    {LightMode::XuanCai, kXuanCaiSkinFile, 0, 1, kNone, 2, 4, kNone, false},
    {LightMode::QiSe, kQiSeSkinFile, 0, 1, kNone, 2, 4, 5, true},
};

}  // namespace

const LightingSubPageLayout& LightingSubPageLayoutOf(LightMode mode) { return kLayouts[static_cast<int>(mode)]; }

bool LightingSubPage::Create(HWND container, const RECT& place) {
    if (!Window::Create(kSubPageClass, "", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, 0, 0, 0,
                        0, container))
        return false;
    SetWindowPos(Handle(), nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void LightingSubPage::CreateControls(WindowSkin& skin) {
    m_speed = AddSkinSlider(skin, Handle(), m_layout.speedKey, kSpeedSliderId, kThumbDownImage, kLightSpeedMinimum,
                            kLightSpeedMaximum, true);
    if (m_layout.intensityKey != kNone)
        m_intensity = AddSkinSlider(skin, Handle(), m_layout.intensityKey, kIntensitySliderId, kThumbDownImage,
                                    kLightSpeedMinimum, kLightSpeedMaximum, true);
    m_specialSpeed = AddSkinValueBox(skin, Handle(), m_layout.specialSpeedKey, kSpecialSpeedBoxId,
                                     kSpecialSpeedMinimum, kSpecialSpeedMaximum);
    if (m_layout.firstPairKey != kNone) m_pair = AddButtonRow(skin, m_layout.firstPairKey, kPairSize);
    if (m_layout.toggleKey != kNone) {
        m_toggle = skin.AddButton(m_layout.toggleKey);
        if (m_toggle) m_toggle->SetToggleMode(true);
    }
    if (m_layout.firstColourKey != kNone) {
        m_colours = AddSwatchRow(skin, m_layout.firstColourKey, kDanSeColourCount);
        if (!m_layout.coloursAreSwatches)
            for (int i = 0; i < kDanSeColourCount; ++i)
                if (m_colours[i]) m_colours[i]->SetColour(DanSeButtonColour(i));
    }
}

void LightingSubPage::Load() {
    ProfileRecord& record = Record();
    const int32_t speed = LightSpeed(record, m_layout.mode);
    if (m_speed) m_speed->SetValue(speed);
    if (m_intensity) m_intensity->SetValue(record.DanSeIntensity);
    if (m_specialSpeed) {
        m_specialSpeed->SetValue(LightSpecialSpeed(record, m_layout.mode));
        m_specialSpeed->Enable(SpecialSpeedUsable(speed));
    }
    SelectOnly(m_pair, PairIndexOf(record, m_layout.mode));
    if (m_toggle) m_toggle->SetSelected(*ToggleField(record, m_layout.mode) == 1);
    if (m_layout.coloursAreSwatches) {
        for (int i = 0; i < kQiSeColourCount; ++i)
            if (m_colours[i]) m_colours[i]->SetColour(static_cast<COLORREF>(record.ClQiSeColor[i]));
    } else {
        SelectOnly(m_colours, DanSeColourIndexOf(record));
    }
}

LRESULT LightingSubPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case MSG_SLIDER_POS: return OnSlider(static_cast<UINT>(lParam), static_cast<int>(wParam));
    case MSG_VALUEBOX_POS: return OnValueBox(static_cast<UINT>(lParam), static_cast<int>(wParam));
    case WM_COMMAND: return OnCommand(reinterpret_cast<HWND>(lParam));
    default: return SkinnedWindow::HandleMessage(message, wParam, lParam);
    }
}

LRESULT LightingSubPage::OnSlider(UINT identifier, int value) {
    if (identifier == kSpeedSliderId) {
        LightSpeed(Record(), m_layout.mode) = value;
        if (m_specialSpeed) m_specialSpeed->Enable(SpecialSpeedUsable(value));
    } else if (identifier == kIntensitySliderId && m_intensity) {
        Record().DanSeIntensity = value;
    }
    return 0;
}

LRESULT LightingSubPage::OnValueBox(UINT identifier, int value) {
    if (identifier == kSpecialSpeedBoxId) LightSpecialSpeed(Record(), m_layout.mode) = value;
    return 0;
}

LRESULT LightingSubPage::OnCommand(HWND button) {
    ProfileRecord& record = Record();
    int index = -1;
    if ((index = IndexOfHandle(m_pair, button)) >= 0) {
        SetPairIndex(record, m_layout.mode, index);
        SelectOnly(m_pair, index);
    } else if (m_toggle && button == m_toggle->Handle()) {
        *ToggleField(record, m_layout.mode) = m_toggle->Selected() ? 1 : 0;
    } else if ((index = IndexOfHandle(m_colours, button)) >= 0) {
        if (m_layout.coloursAreSwatches) {
            ChooseColour(index);
        } else {
            SetDanSeColour(record, index);
            SelectOnly(m_colours, DanSeColourIndexOf(record));
        }
    }
    return 0;
}

void LightingSubPage::ChooseColour(int index) {
    ColourDialog dialog(static_cast<COLORREF>(Record().ClQiSeColor[index]));
    if (dialog.Run(static_cast<HWND>(m_host.MainWindow())) != IDOK) return;
    Record().ClQiSeColor[index] = static_cast<int32_t>(dialog.Colour());
    if (m_colours[index]) m_colours[index]->SetColour(dialog.Colour());
}
