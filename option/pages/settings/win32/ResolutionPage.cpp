#include "option/pages/settings/win32/ResolutionPage.h"

#include "option/pages/settings/win32/ColourDialog.h"
#include "skin/core/SkinMessages.h"

using namespace resolution;

void ResolutionPage::CreateControls(WindowSkin& skin) {
    m_link = skin.AddButton(kLink);
    if (m_link) m_link->SetToggleMode(true);
    m_x = AddSkinSlider(skin, Handle(), kSensitivityX, kSensitivityXId, kThumbDownImage, kSensitivityMinimum,
                        kSensitivityMaximum, true);
    m_y = AddSkinSlider(skin, Handle(), kSensitivityY, kSensitivityYId, kThumbUpImage, kSensitivityMinimum,
                        kSensitivityMaximum, true);
    for (int level = 0; level < kLevelCount; ++level) {
        auto control = std::make_unique<LevelControl>();
        if (control->Create(Handle(), ToRect(skin.Entry(kFirstLevel + level).rect), kLevelControlFirstId + level))
            m_levels[level] = skin.Keep(std::move(control));
    }
    m_colours = AddSwatchRow(skin, kFirstColour, kLevelCount);
    m_defaults = skin.AddButton(kDefaults);
    m_copyToAll = skin.AddButton(kCopyToAllSlots);
}

void ResolutionPage::Refresh() {
    const ProfileRecord& record = Record();
    if (m_link) m_link->SetSelected(record.XYSynchronous == 1);
    if (m_x) m_x->SetValue(record.Sensitivity_X);
    if (m_y) m_y->SetValue(record.Sensitivity_Y);
    ShowLevels();
}

void ResolutionPage::ShowLevels() {
    const ProfileRecord& record = Record();
    for (int level = 0; level < kLevelCount; ++level) {
        if (m_levels[level]) m_levels[level]->SetState(LevelStateFromRecord(record, level));
        if (m_colours[level]) m_colours[level]->SetColour(static_cast<COLORREF>(record.DPIColor[level]));
    }
}

LRESULT ResolutionPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case MSG_SLIDER_POS:
    case MSG_FILLBAR_POS: return OnSensitivity(static_cast<UINT>(lParam), static_cast<int>(wParam));
    case MSG_DPI_LEVEL: return OnLevel(wParam, lParam);
    case WM_COMMAND: return OnCommand(reinterpret_cast<HWND>(lParam));
    default: return SkinnedPage::HandleMessage(message, wParam, lParam);
    }
}

LRESULT ResolutionPage::OnSensitivity(UINT identifier, int value) {
    if (identifier != kSensitivityXId && identifier != kSensitivityYId) return 0;
    const bool isX = identifier == kSensitivityXId;
    if (SetSensitivity(Record(), isX ? SensitivityAxis::X : SensitivityAxis::Y, value)) {
        SkinSlider* other = isX ? m_y : m_x;
        if (other) other->SetValue(value);
    }
    return 0;
}

LRESULT ResolutionPage::OnLevel(WPARAM wParam, LPARAM lParam) {
    const LevelNoticeResult result =
        ApplyLevelNotice(Record(), static_cast<uint32_t>(lParam), static_cast<uint32_t>(wParam));
    if (result == LevelNoticeResult::CurrentChanged) {
        ShowLevels();
        // The lighting page shows the colour of the current level.
        Host().RefreshAllPages();
    }
    return 0;
}

LRESULT ResolutionPage::OnCommand(HWND button) {
    ProfileRecord& record = Record();
    const int colour = IndexOfHandle(m_colours, button);
    if (colour >= 0) {
        ChooseColour(colour);
    } else if (m_link && button == m_link->Handle()) {
        if (SetSensitivityLink(record, m_link->Selected())) {
            if (m_x) m_x->SetValue(record.Sensitivity_X);
            if (m_y) m_y->SetValue(record.Sensitivity_Y);
        }
    } else if (m_defaults && button == m_defaults->Handle()) {
        ResetResolutionSettings(record, EffectiveSlot(Host().EditCopy().CurrentSlot));
        Refresh();
        Host().RefreshAllPages();
    } else if (m_copyToAll && button == m_copyToAll->Handle()) {
        CopyResolutionSettingsToAllSlots(Host().EditCopy());
        Host().RefreshAllPages();
    }
    return 0;
}

void ResolutionPage::ChooseColour(int level) {
    ColourDialog dialog(static_cast<COLORREF>(Record().DPIColor[level]));
    if (dialog.Run(static_cast<HWND>(Host().MainWindow())) != IDOK) return;
    Record().DPIColor[level] = static_cast<int32_t>(dialog.Colour());
    if (m_colours[level]) m_colours[level]->SetColour(dialog.Colour());
}
