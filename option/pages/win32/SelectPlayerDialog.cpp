#include "option/pages/win32/SelectPlayerDialog.h"

#include "option/pages/PlayerNames.h"
#include "option/pages/win32/PageSkins.h"
#include "skin/core/SkinStyle.h"
#include "skin/win32/SkinPopupMenu.h"

bool SelectPlayerDialog::Run(HWND owner) { return SkinDialogBase::Run(owner, playerdialog::kTitle); }

std::string SelectPlayerDialog::SkinFileName() const { return playerdialog::kSkinFile; }

void SelectPlayerDialog::CreateControls(WindowSkin& skin) {
    using namespace playerdialog;
    m_font = CreateSkinFont(kCaptionFont);
    for (int key : {kOk, kCancel, kClose}) AddButton(skin, key);
    SetEndingKeys(kOk, {kCancel, kClose});
    if (SkinButton* player = AddButton(skin, kPlayer)) player->SetCaption(PlayerName(m_mediaOption));
}

void SelectPlayerDialog::OnButton(int key) {
    SkinButton* button = ButtonByKey(key);
    if (key == playerdialog::kPlayer && button) ChoosePlayer(*button);
}

void SelectPlayerDialog::ChoosePlayer(SkinButton& button) {
    using namespace playerdialog;
    SkinPopupMenu menu(m_font.Get(), kMenuWidth);
    // Real Player is shown when preset but not offered.
    for (UINT id : {kWindowsMedia, kITunes, kWinamp})
        menu.Append(id, PlayerName(static_cast<int32_t>(id - kFirstPlayerId)));
    RECT place{};
    GetWindowRect(button.Handle(), &place);
    UINT choice = menu.Choose(Handle(), POINT{place.left, place.bottom});
    if (choice == kWindowsMedia || choice == kITunes || choice == kWinamp) {
        m_mediaOption = static_cast<int32_t>(choice - kFirstPlayerId);
        button.SetCaption(PlayerName(m_mediaOption));
    }
    AfterMenu(button);
}
