#include "option/pages/win32/ButtonPage.h"

#include <vector>

#include "option/pages/win32/PageSkins.h"
#include "skin/core/SkinMessages.h"

bool ButtonPage::CreatePage(OptionHost& host, void* parent, int left, int top, int, int) {
    m_host = &host;
    m_chooser = std::make_unique<ButtonFunctionChooser>(host, false);
    if (!CreateModeless(static_cast<HWND>(parent), "", WS_CHILD | WS_CLIPCHILDREN)) return false;
    // The skin sized the page and put it at (0, 0); its place is the page area.
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

std::string ButtonPage::SkinFileName() const { return buttonpage::kSkinFile; }

void ButtonPage::CreateControls(WindowSkin& skin) {
    std::vector<int> keys;
    for (int entry = 0; entry < kButtonCount; ++entry) keys.push_back(buttonpage::kFirstButtonKey + entry);
    // Made with their captions.
    const auto prepare = [this](size_t entry, SkinButton& button) {
        button.SetHoverTag(buttonpage::kFirstHoverTag + static_cast<int>(entry));
        button.SetCaption(m_chooser->Caption(static_cast<int>(entry), PrefixOrder::Page));
    };
    const std::vector<SkinButton*> buttons = skin.AddButtons(keys, BS_PUSHBUTTON, prepare);
    for (int entry = 0; entry < kButtonCount; ++entry) m_buttons[entry] = buttons[entry];
}

void ButtonPage::Refresh() {
    if (!m_chooser) return;
    for (int entry = 0; entry < kButtonCount; ++entry)
        if (m_buttons[entry]) m_buttons[entry]->SetCaption(m_chooser->Caption(entry, PrefixOrder::Page));
}

int ButtonPage::EntryOf(HWND button) const {
    for (int entry = 0; entry < kButtonCount; ++entry)
        if (m_buttons[entry] && m_buttons[entry]->Handle() == button) return entry;
    return -1;
}

LRESULT ButtonPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case MSG_CONTROL_HOVER:
        if (m_host) PostMessageA(static_cast<HWND>(m_host->MainWindow()), MSG_CONTROL_HOVER, wParam, lParam);
        return 0;
    default: return SkinnedDialog::HandleMessage(message, wParam, lParam);
    }
}

LRESULT ButtonPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    int entry = EntryOf(reinterpret_cast<HWND>(lParam));
    if (entry < 0 || HIWORD(wParam) != BN_CLICKED || !m_chooser)
        return SkinnedDialog::HandleMessage(WM_COMMAND, wParam, lParam);
    m_lastResult = m_chooser->Choose(Handle(), *m_buttons[entry], entry);
    if (m_lastResult == AssignResult::Assigned || m_lastResult == AssignResult::Unchanged) m_host->RefreshAllPages();
    return 0;
}
