// What a click on an assignment button does, for the button page and the
// main window's own assignment buttons alike: the function menu under the
// button (not reopened by the click that closed it), then the assignment of
// the choice to the button's entry in the host's edit copy.
#pragma once

#include <windows.h>

#include "option/core/OptionHost.h"
#include "option/pages/ButtonAssignment.h"
#include "option/pages/ButtonCaption.h"
#include "option/pages/FunctionMenuLayout.h"
#include "option/pages/MenuReopenGuard.h"
#include "skin/win32/GdiOwners.h"
#include "skin/win32/SkinButton.h"

class ButtonFunctionChooser {
public:
    // The main window offers the macros of the list in its menu; the page
    // offers the select-macro dialog only.
    ButtonFunctionChooser(OptionHost& host, bool listMacros);

    // Opens the menu for entry `entry` under the button; `owner` receives
    // the menu's owner-draw requests. Cancelled when the menu was closed
    // less than 200 ms ago or nothing was chosen.
    AssignResult Choose(HWND owner, SkinButton& button, int entry);
    // Applies a menu identifier to an entry (dialogs open over the main window).
    AssignResult Apply(int entry, UINT identifier);

    // The caption of an entry of the current profile in the given order.
    std::string Caption(int entry, PrefixOrder order) const;

private:
    OptionHost& m_host;
    bool m_listMacros;
    Font m_font;
    MenuReopenGuard m_guard;
};
