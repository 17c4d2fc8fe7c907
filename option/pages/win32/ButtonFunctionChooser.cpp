#include "option/pages/win32/ButtonFunctionChooser.h"

#include "option/pages/win32/FunctionMenu.h"
#include "option/pages/win32/WindowsAssignmentDialogs.h"
#include "profile/win32/WindowsKeyboardLayout.h"
#include "skin/core/SkinStyle.h"

ButtonFunctionChooser::ButtonFunctionChooser(OptionHost& host, bool listMacros)
    : m_host(host), m_listMacros(listMacros), m_font(CreateSkinFont(kCaptionFont)) {}

AssignResult ButtonFunctionChooser::Choose(HWND owner, SkinButton& button, int entry) {
    if (!m_guard.MayOpen(GetTickCount())) return AssignResult::Cancelled;
    FunctionMenuOptions options;
    // The macro submenu ends with the way to the macro manager.
    options.offerMacroManager = true;
    options.position = entry;
    if (m_listMacros)
        for (size_t i = 0; i < m_host.Macros().Count(); ++i) options.macroNames.push_back(MacroName(m_host.Macros().At(i)));
    FunctionMenu menu(m_font.Get(), [this](unsigned id) { return m_host.Text(id); }, options);
    UINT choice = menu.ChooseBelow(owner, button.Handle());
    PostMessageA(owner, WM_NULL, 0, 0);
    button.ClearHovering();
    InvalidateRect(button.Handle(), nullptr, FALSE);
    m_guard.Closed(GetTickCount());
    return choice ? Apply(entry, choice) : AssignResult::Cancelled;
}

AssignResult ButtonFunctionChooser::Apply(int entry, UINT identifier) {
    WindowsAssignmentDialogs dialogs(static_cast<HWND>(m_host.MainWindow()), m_host.Macros(), &m_host);
    return AssignFunction(m_host.EditCopy(), entry, identifier, m_host.Macros(), dialogs);
}

std::string ButtonFunctionChooser::Caption(int entry, PrefixOrder order) const {
    WindowsKeyboardLayout layout;
    const ButtonAssignmentEntry& record = CurrentProfile(m_host.EditCopy()).MacroKeyInfo[entry];
    return ButtonCaption(record, order, [this](unsigned id) { return m_host.Text(id); }, layout);
}
