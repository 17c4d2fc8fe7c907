#include "option/core/win32/WarningDialog.h"

#include "skin/core/SkinStyle.h"

namespace {

constexpr int kOkKey = 1;
constexpr int kCancelKey = 2;
constexpr int kSecondCancelKey = 3;
constexpr RECT kTextRectangle{20, 50, 220, 94};
constexpr COLORREF kTextColour = RGB(255, 255, 255);

}  // namespace

void CentreOverOwner(HWND dialog) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    RECT around{};
    if (owner) GetWindowRect(owner, &around);
    else SystemParametersInfoA(SPI_GETWORKAREA, 0, &around, 0);
    RECT own{};
    GetWindowRect(dialog, &own);
    const int width = own.right - own.left, height = own.bottom - own.top;
    SetWindowPos(dialog, nullptr, around.left + (around.right - around.left - width) / 2,
                 around.top + (around.bottom - around.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

INT_PTR WarningDialog::Show(HWND owner) { return RunModal(owner); }

void WarningDialog::CreateControls(WindowSkin& skin) {
    m_font = CreateSkinFont(kCaptionFont);
    for (int key : {kOkKey, kCancelKey, kSecondCancelKey}) skin.AddButton(key);
}

void WarningDialog::PaintOverlay(HDC dc) {
    if (m_text.empty()) return;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    SelectedObject font(dc, m_font.Get());
    RECT place = kTextRectangle;
    DrawTextA(dc, m_text.c_str(), -1, &place, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}

LRESULT WarningDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        LRESULT created = SkinnedDialog::HandleMessage(message, wParam, lParam);
        CentreOverOwner(Handle());
        return created;
    }
    case WM_COMMAND: {
        const int key = Skin().KeyOf(reinterpret_cast<HWND>(lParam));
        if (key == kOkKey) EndModal(IDOK);
        else if (key == kCancelKey || key == kSecondCancelKey) EndModal(IDCANCEL);
        else return SkinnedDialog::HandleMessage(message, wParam, lParam);
        return 0;
    }
    case WM_LBUTTONDOWN:
        PostMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, lParam);
        return 0;
    default:
        return SkinnedDialog::HandleMessage(message, wParam, lParam);
    }
}
