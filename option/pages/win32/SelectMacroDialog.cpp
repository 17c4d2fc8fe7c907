#include "option/pages/win32/SelectMacroDialog.h"

#include "option/pages/MenuIdentifiers.h"
#include "option/pages/win32/PageSkins.h"
#include "skin/core/SkinStyle.h"
#include "skin/win32/SkinPopupMenu.h"

bool SelectMacroDialog::Run(HWND owner) { return SkinDialogBase::Run(owner, macrodialog::kTitle); }

std::string SelectMacroDialog::SkinFileName() const { return macrodialog::kSkinFile; }

void SelectMacroDialog::CreateControls(WindowSkin& skin) {
    using namespace macrodialog;
    m_font = CreateSkinFont(kCaptionFont);
    for (int key : {kOk, kCancel, kClose}) AddButton(skin, key);
    SetEndingKeys(kOk, {kCancel, kClose});
    if (m_macroIndex < 0 || static_cast<size_t>(m_macroIndex) >= m_macros.Count()) m_macroIndex = -1;
    if (SkinButton* macro = AddButton(skin, kMacro)) macro->SetCaption(CaptionOfChoice());
    for (int i = 0; i < kOptionCount; ++i) AddButton(skin, kFirstOption + i);
    SelectOption(m_option);
}

std::string SelectMacroDialog::CaptionOfChoice() const {
    return m_macroIndex < 0 ? std::string() : MacroName(m_macros.At(static_cast<size_t>(m_macroIndex)));
}

void SelectMacroDialog::OnButton(int key) {
    using namespace macrodialog;
    if (key >= kFirstOption && key < kFirstOption + kOptionCount) {
        SelectOption(key - kFirstOption);
    } else if (key == kMacro) {
        if (SkinButton* button = ButtonByKey(key)) ChooseMacro(*button);
    }
}

void SelectMacroDialog::SelectOption(int32_t option) {
    using namespace macrodialog;
    // The option is kept as preset when it is none of the three.
    if (option >= 0 && option < kOptionCount) m_option = option;
    for (int i = 0; i < kOptionCount; ++i)
        if (SkinButton* button = ButtonByKey(kFirstOption + i)) button->SetSelected(i == m_option);
}

void SelectMacroDialog::ChooseMacro(SkinButton& button) {
    SkinPopupMenu menu(m_font.Get(), macrodialog::kMenuWidth);
    for (size_t i = 0; i < m_macros.Count(); ++i)
        menu.Append(menuid::kFirstMacro + static_cast<UINT>(i), MacroName(m_macros.At(i)));
    RECT place{};
    GetWindowRect(button.Handle(), &place);
    UINT choice = m_macros.Count() ? menu.Choose(Handle(), POINT{place.left, place.bottom}) : 0;
    if (choice >= menuid::kFirstMacro && choice - menuid::kFirstMacro < m_macros.Count()) {
        m_macroIndex = static_cast<int>(choice - menuid::kFirstMacro);
        button.SetCaption(CaptionOfChoice());
    }
    AfterMenu(button);
}
