#include "option/pages/win32/WindowsAssignmentDialogs.h"

#include "option/core/win32/WarningDialog.h"
#include "option/macros/win32/MacroManagerWindow.h"
#include "option/pages/win32/LaunchProgramDialog.h"
#include "option/pages/win32/SelectMacroDialog.h"
#include "option/pages/win32/SelectPlayerDialog.h"
#include "option/pages/win32/ShortcutDialog.h"

void WindowsAssignmentDialogs::ShowClickWarning() {
    WarningDialog dialog(warning::kClickSkin);
    dialog.Show(m_owner);
}

bool WindowsAssignmentDialogs::ChooseShortcut(uint8_t& keyCode, uint8_t& modifiers) {
    ShortcutDialog dialog(keyCode, modifiers);
    if (!dialog.Run(m_owner)) return false;
    keyCode = dialog.KeyCode();
    modifiers = dialog.Modifiers();
    return true;
}

bool WindowsAssignmentDialogs::ChooseProgram(std::string& path) {
    LaunchProgramDialog dialog(path);
    if (!dialog.Run(m_owner)) return false;
    path = dialog.Path();
    return true;
}

bool WindowsAssignmentDialogs::ChoosePlayer(int32_t& mediaOption) {
    SelectPlayerDialog dialog(mediaOption);
    if (!dialog.Run(m_owner)) return false;
    mediaOption = dialog.MediaOption();
    return true;
}

bool WindowsAssignmentDialogs::ChooseMacro(int32_t& macroOption, int& macroIndex) {
    SelectMacroDialog dialog(m_macros, macroOption, macroIndex);
    if (!dialog.Run(m_owner)) return false;
    macroOption = dialog.MacroOption();
    macroIndex = dialog.MacroIndex();
    return true;
}

bool WindowsAssignmentDialogs::OpenMacroManager() {
    if (!m_host) return false;
    MacroManagerWindow manager;
    return manager.RunModal(*m_host, m_owner) == IDOK;
}
