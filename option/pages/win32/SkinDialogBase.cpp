#include "option/pages/win32/SkinDialogBase.h"

#include <algorithm>

namespace {
constexpr int kEditInsetX = 4;
constexpr int kEditLineHeight = 16;
}  // namespace

RECT EditRectInField(const SkinRect& well) {
    int top = well.top + ((well.bottom - well.top) - kEditLineHeight) / 2;
    return RECT{well.left + kEditInsetX, top, well.right - kEditInsetX, top + kEditLineHeight};
}

bool SkinDialogBase::Run(HWND owner, const char* title) { return RunModal(owner, title) == IDOK; }

SkinButton* SkinDialogBase::AddButton(WindowSkin& skin, int key) {
    SkinButton* button = skin.AddButton(key);
    if (button) m_buttons[key] = button;
    return button;
}

SkinButton* SkinDialogBase::ButtonByKey(int key) const {
    auto found = m_buttons.find(key);
    return found == m_buttons.end() ? nullptr : found->second;
}

void SkinDialogBase::SetEndingKeys(int okKey, std::initializer_list<int> cancelKeys) {
    m_okKey = okKey;
    m_cancelKeys.assign(cancelKeys);
}

int SkinDialogBase::KeyOf(HWND button) const {
    for (const auto& entry : m_buttons)
        if (entry.second->Handle() == button) return entry.first;
    return 0;
}

void SkinDialogBase::AfterMenu(SkinButton& button) {
    PostMessageA(Handle(), WM_NULL, 0, 0);
    button.ClearHovering();
    InvalidateRect(button.Handle(), nullptr, FALSE);
}

void SkinDialogBase::CentreOverOwner() {
    // The skin put the dialog at (0, 0); it belongs over its owner.
    HWND owner = GetWindow(Handle(), GW_OWNER);
    RECT area{};
    if (owner) GetWindowRect(owner, &area);
    else SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT own{};
    GetWindowRect(Handle(), &own);
    int x = area.left + ((area.right - area.left) - (own.right - own.left)) / 2;
    int y = area.top + ((area.bottom - area.top) - (own.bottom - own.top)) / 2;
    SetWindowPos(Handle(), nullptr, x < 0 ? 0 : x, y < 0 ? 0 : y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT SkinDialogBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && lParam != 0) {
        int key = KeyOf(reinterpret_cast<HWND>(lParam));
        if (key != 0) {
            if (key == m_okKey) {
                OnOk();
                EndModal(IDOK);
            } else if (std::find(m_cancelKeys.begin(), m_cancelKeys.end(), key) != m_cancelKeys.end()) {
                EndModal(IDCANCEL);
            } else {
                OnButton(key);
            }
            return 0;
        }
    }
    if (message == WM_SHOWWINDOW && wParam) CentreOverOwner();
    if (message == WM_LBUTTONDOWN) {
        // Dragged by any point of its face.
        PostMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, lParam);
        return 0;
    }
    return SkinnedDialog::HandleMessage(message, wParam, lParam);
}
