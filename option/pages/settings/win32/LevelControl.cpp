#include "option/pages/settings/win32/LevelControl.h"

#include "option/pages/settings/win32/SkinnedPage.h"
#include "skin/core/SkinMessages.h"
#include "skin/core/SkinStyle.h"

using namespace level;

namespace {

constexpr COLORREF kValueTextColour = RGB(0, 0, 0);

}  // namespace

bool LevelControl::Create(HWND page, const RECT& place, UINT identifier) {
    m_identifier = identifier;
    if (!Window::Create(kWindowClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 0, 0, 0, 0,
                        page, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(identifier))))
        return false;
    // The skin sized the control to its image at (0, 0).
    SetWindowPos(Handle(), nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void LevelControl::CreateControls(WindowSkin& skin) {
    m_font = CreateSkinFont(kCaptionFont);
    m_textRect = ToRect(skin.Entry(kValueText).rect);
    m_enable = skin.AddButton(kEnable);
    if (m_enable) m_enable->SetToggleMode(true);
    m_current = skin.AddButton(kCurrent);
    m_slider = AddSkinSlider(skin, Handle(), kValueSlider, kValueSliderId, kThumbDownImage, kLevelValueMinimum,
                             kLevelValueMaximum, true);
    m_presets = AddButtonRow(skin, kFirstPreset, kLevelPresetCount);
}

void LevelControl::SetState(const LevelControlState& state) {
    m_state = state;
    if (m_slider) m_slider->SetValue(LevelSliderValue(state.value));
    if (m_enable) m_enable->SetSelected(state.enabled);
    if (m_current) m_current->SetSelected(state.current);
    ShowUsable();
    InvalidateRect(Handle(), &m_textRect, FALSE);
}

void LevelControl::ShowUsable() {
    const bool inner = InnerControlsUsable(m_state);
    if (m_enable) m_enable->Enable(EnableToggleUsable(m_state));
    if (m_current) m_current->Enable(inner);
    if (m_slider) m_slider->Enable(inner);
    for (SkinButton* preset : m_presets)
        if (preset) preset->Enable(inner);
}

void LevelControl::PaintOverlay(HDC dc) {
    DrawCentredText(dc, m_textRect, LevelValueText(m_state.value), m_font.Get(), kValueTextColour);
}

LRESULT LevelControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: return OnCommand(reinterpret_cast<HWND>(lParam));
    case MSG_SLIDER_POS: return OnSlider(static_cast<UINT>(lParam), static_cast<int>(wParam));
    default: return SkinnedWindow::HandleMessage(message, wParam, lParam);
    }
}

LRESULT LevelControl::OnCommand(HWND button) {
    const int preset = IndexOfHandle(m_presets, button);
    if (preset >= 0) {
        TakeValue(preset + 1);
        if (m_slider) m_slider->SetValue(m_state.value);
    } else if (m_enable && button == m_enable->Handle()) {
        m_state.enabled = m_enable->Selected();
        ShowUsable();
        Notify(LevelNoticeKind::Enabled, m_state.enabled ? 1 : 0);
    } else if (m_current && button == m_current->Handle()) {
        // The page marks the current level on every control.
        Notify(LevelNoticeKind::Current, 1);
    }
    return 0;
}

LRESULT LevelControl::OnSlider(UINT identifier, int value) {
    if (identifier == kValueSliderId && value != m_state.value) TakeValue(value);
    return 0;
}

void LevelControl::TakeValue(int32_t value) {
    m_state.value = value;
    InvalidateRect(Handle(), &m_textRect, FALSE);
    Notify(LevelNoticeKind::Value, static_cast<uint32_t>(value));
}

void LevelControl::Notify(LevelNoticeKind kind, uint32_t value) {
    if (HWND page = GetParent(Handle()))
        PostMessageA(page, MSG_DPI_LEVEL, LevelNoticeWParam(kind, value), m_identifier);
}
