#include "option/pages/win32/LaunchProgramDialog.h"

#include <string>

#include "option/core/win32/FileDialogs.h"
#include "option/pages/win32/PageSkins.h"

bool LaunchProgramDialog::Run(HWND owner) { return SkinDialogBase::Run(owner, programdialog::kTitle); }

std::string LaunchProgramDialog::SkinFileName() const { return programdialog::kSkinFile; }

void LaunchProgramDialog::CreateControls(WindowSkin& skin) {
    using namespace programdialog;
    for (int key : {kBrowse, kOk, kCancel, kClose}) AddButton(skin, key);
    SetEndingKeys(kOk, {kCancel, kClose});
    auto field = std::make_unique<BitmapEdit>();
    if (field->Create(Handle(), EditRectInField(skin.Entry(kPathField).rect), kPathFieldId)) {
        field->SetLimit(kPathLimit);
        field->SetText(m_path);
        m_field = skin.Keep(std::move(field));
    }
}

void LaunchProgramDialog::OnButton(int key) {
    if (key == programdialog::kBrowse) Browse();
}

void LaunchProgramDialog::Browse() {
    // The same file dialog as the profile's game program.
    std::string path;
    if (ChooseProgram(Handle(), path) && m_field) m_field->SetText(path);
}

void LaunchProgramDialog::OnOk() {
    if (m_field) m_path = m_field->Text().substr(0, programdialog::kPathLimit);
}
