// The function menu of a button as a skin popup menu: shown under the
// button with right-button tracking, returning the chosen identifier.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "option/pages/ButtonCaption.h"
#include "option/pages/FunctionMenuLayout.h"
#include "skin/win32/SkinPopupMenu.h"

class FunctionMenu {
public:
    // The font ("Arial" 14 / 400) must outlive the menu.
    FunctionMenu(HFONT font, const TextLookup& text, const FunctionMenuOptions& options = {});

    // Shows the menu at the lower-left corner of the button; the owner gets
    // the owner-draw requests. Returns the chosen identifier (0: none).
    UINT ChooseBelow(HWND owner, HWND button);
    HMENU Handle() const { return m_menu ? m_menu->Handle() : nullptr; }

private:
    SkinPopupMenu* Build(const std::vector<FunctionMenuItem>& items, int width, const TextLookup& text);

    HFONT m_font;
    std::vector<std::unique_ptr<SkinPopupMenu>> m_popups;
    SkinPopupMenu* m_menu = nullptr;
};
