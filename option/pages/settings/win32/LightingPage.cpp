#include "option/pages/settings/win32/LightingPage.h"

#include "skin/core/SkinStyle.h"
#include "skin/win32/SkinPopupMenu.h"

using namespace lighting;

namespace {

// The menu opens this far right of the mode button's lower-left corner.
constexpr int kMenuOffsetX = 2;

}  // namespace

void LightingPage::CreateControls(WindowSkin& skin) {
    m_menuFont = CreateSkinFont(kCaptionFont);
    m_modeButton = skin.AddButton(kModeButton);
    m_selectors = AddButtonRow(skin, kFirstSelector, kLightModeCount);
    const RECT area = ToRect(skin.Entry(kSubPageArea).rect);
    for (int mode = 0; mode < kLightModeCount; ++mode) {
        auto page = std::make_unique<LightingSubPage>(Host(), LightingSubPageLayoutOf(static_cast<LightMode>(mode)));
        if (page->Create(Handle(), area)) m_subPages[mode] = std::move(page);
    }
}

void LightingPage::Refresh() {
    for (auto& page : m_subPages)
        if (page) page->Load();
    ShowMode();
}

void LightingPage::ShowMode() {
    const int32_t lightType = Record().LightType;
    const unsigned nameId = LightModeNameId(lightType);
    if (m_modeButton) m_modeButton->SetCaption(nameId ? Host().Text(nameId) : std::string());
    const int shown = static_cast<int>(ShownLightMode(lightType));
    for (int mode = 0; mode < kLightModeCount; ++mode)
        if (m_subPages[mode] && mode != shown) ShowWindow(m_subPages[mode]->Handle(), SW_HIDE);
    if (m_subPages[shown]) ShowWindow(m_subPages[shown]->Handle(), SW_SHOW);
    SelectOnly(m_selectors, lightType);
}

void LightingPage::SetMode(int mode) {
    Record().LightType = mode;
    ShowMode();
}

LRESULT LightingPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: return OnCommand(reinterpret_cast<HWND>(lParam));
    default: return SkinnedPage::HandleMessage(message, wParam, lParam);
    }
}

LRESULT LightingPage::OnCommand(HWND button) {
    const int selector = IndexOfHandle(m_selectors, button);
    if (selector >= 0) SetMode(selector);
    else if (m_modeButton && button == m_modeButton->Handle()) OpenModeMenu();
    return 0;
}

void LightingPage::OpenModeMenu() {
    // The click that closed the menu must not open it again.
    if (!m_menuGuard.MayOpen(GetTickCount())) return;
    SkinPopupMenu menu(m_menuFont.Get(), kLightModeMenuWidth);
    for (int mode = 0; mode < kLightModeCount; ++mode)
        menu.Append(kLightModeMenuFirstId + mode, Host().Text(kLightModeFirstStringId + mode));
    RECT place{};
    GetWindowRect(m_modeButton->Handle(), &place);
    const int mode = LightModeOfMenuItem(menu.Choose(Handle(), POINT{place.left + kMenuOffsetX, place.bottom}));
    if (mode >= 0) SetMode(mode);
    m_modeButton->ClearHovering();
    InvalidateRect(m_modeButton->Handle(), nullptr, FALSE);
    SetFocus(Handle());
    m_menuGuard.Closed(GetTickCount());
}
