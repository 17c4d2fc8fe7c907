// The function menu of a button: its popups, items, text numbers and
// widths, as data. The Win32 side turns it into a skin popup menu.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t kFunctionMenuWidth = 120;
constexpr int32_t kProfileMenuWidth = 129;

struct FunctionMenuItem {
    uint32_t identifier = 0;  // 0 for a popup
    uint32_t textId = 0;      // language-library string; 0 when `text` is used
    std::string text;         // macro names
    std::vector<FunctionMenuItem> popup;
    int32_t popupWidth = kFunctionMenuWidth;
    bool IsPopup() const { return identifier == 0; }
};

struct FunctionMenuOptions {
    // The main window's reduced menu lists the macros of the macro list
    // (1100 + position) in its macro popup after the select-macro item.
    std::vector<std::string> macroNames;
    // Offered only where a macro manager can be opened.
    bool offerMacroManager = false;
    // The button position 0..15 the menu is for.
    int position = 0;
};

// The items of the main menu in their order.
std::vector<FunctionMenuItem> BuildFunctionMenu(const FunctionMenuOptions& options = {});

// Every selectable identifier of the menu, popups walked in order.
std::vector<uint32_t> SelectableIdentifiers(const std::vector<FunctionMenuItem>& menu);
