#include "option/pages/win32/ClickWarningDialog.h"

#include "option/pages/win32/PageSkins.h"

bool ClickWarningDialog::Run(HWND owner) { return SkinDialogBase::Run(owner, clickwarning::kTitle); }

std::string ClickWarningDialog::SkinFileName() const { return clickwarning::kSkinFile; }

void ClickWarningDialog::CreateControls(WindowSkin& skin) {
    using namespace clickwarning;
    for (int key : {kOk, kCancel, kClose}) AddButton(skin, key);
    SetEndingKeys(kOk, {kCancel, kClose});
}
