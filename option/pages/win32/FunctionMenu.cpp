#include "option/pages/win32/FunctionMenu.h"

#include "skin/win32/MenuFrameHook.h"

namespace {
// Items that open a popup need an identifier of their own for drawing: the
// skin menu draws identifier 0 as a separator. Never a command.
constexpr UINT kPopupItemIdentifier = 4095;
}  // namespace

FunctionMenu::FunctionMenu(HFONT font, const TextLookup& text, const FunctionMenuOptions& options) : m_font(font) {
    m_menu = Build(BuildFunctionMenu(options), kFunctionMenuWidth, text);
}

SkinPopupMenu* FunctionMenu::Build(const std::vector<FunctionMenuItem>& items, int width, const TextLookup& text) {
    // Submenus are built first; the menu that holds them owns their handles,
    // and the objects live here as long as the whole menu.
    std::vector<SkinPopupMenu*> submenus;
    for (const FunctionMenuItem& item : items)
        submenus.push_back(item.IsPopup() ? Build(item.popup, item.popupWidth, text) : nullptr);
    m_popups.push_back(std::make_unique<SkinPopupMenu>(m_font, width));
    SkinPopupMenu* menu = m_popups.back().get();
    for (size_t i = 0; i < items.size(); ++i) {
        const FunctionMenuItem& item = items[i];
        std::string label = item.textId ? text(item.textId) : item.text;
        menu->Append(item.IsPopup() ? kPopupItemIdentifier : item.identifier, label, submenus[i]);
    }
    return menu;
}

UINT FunctionMenu::ChooseBelow(HWND owner, HWND button) {
    if (!Handle()) return 0;
    RECT place{};
    GetWindowRect(button, &place);
    MenuFrameHook::TrackingScope framed;
    return static_cast<UINT>(TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                            place.left, place.bottom, 0, owner, nullptr));
}
