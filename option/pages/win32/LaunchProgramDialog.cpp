#include "option/pages/win32/LaunchProgramDialog.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

#include "option/pages/win32/PageSkins.h"

namespace {

// "a|b|" filters use '|' where the file dialog wants NUL.
std::string DialogFilter(const char* filter) {
    std::string converted = filter;
    for (char& c : converted)
        if (c == '|') c = '\0';
    return converted + '\0';
}

}  // namespace

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
    using namespace programdialog;
    char desktop[MAX_PATH] = "";
    SHGetSpecialFolderPathA(Handle(), desktop, CSIDL_DESKTOPDIRECTORY, FALSE);
    char file[MAX_PATH * 4];
    snprintf(file, sizeof file, kInitialNameFormat, desktop);
    std::string filter = DialogFilter(kFilter);
    OPENFILENAMEA open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = Handle();
    open.lpstrFilter = filter.c_str();
    open.lpstrFile = file;
    open.nMaxFile = sizeof file;
    open.lpstrDefExt = kDefaultExtension;
    open.Flags = OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_OVERWRITEPROMPT | OFN_EXPLORER;
    if (GetOpenFileNameA(&open) && m_field) m_field->SetText(file);
}

void LaunchProgramDialog::OnOk() {
    if (m_field) m_path = m_field->Text().substr(0, programdialog::kPathLimit);
}
