// The owner-drawn skin popup menu in the skin's colours. The window that
// shows it (and so receives WM_MEASUREITEM / WM_DRAWITEM for it and its
// submenus) passes those requests to HandleMenuOwnerDraw.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/core/SkinMenu.h"

class SkinPopupMenu {
public:
    // The font is the page's ("Arial" 14 / 400); it must outlive the menu.
    explicit SkinPopupMenu(HFONT font, int startWidth = 0);
    SkinPopupMenu(const SkinPopupMenu&) = delete;
    SkinPopupMenu& operator=(const SkinPopupMenu&) = delete;
    ~SkinPopupMenu();

    // Identifier 2048 appends a separator; with a submenu the item opens it
    // (the submenu must outlive this menu, which then owns its handle).
    void Append(UINT identifier, const std::string& text, SkinPopupMenu* submenu = nullptr, bool marked = false);

    HMENU Handle() const { return m_menu; }
    int Width() const { return m_model.Width(); }
    const SkinMenuModel& Model() const { return m_model; }

    // Shows the menu at a screen point; the choice reaches the owner as
    // WM_COMMAND. Returns when the menu closes.
    void Show(HWND owner, POINT screen);
    // Shows the menu and returns the chosen identifier (0 when none).
    UINT Choose(HWND owner, POINT screen);

    void Measure(size_t index, MEASUREITEMSTRUCT& measure) const;
    void Draw(size_t index, const DRAWITEMSTRUCT& draw) const;

private:
    struct ItemData {
        SkinPopupMenu* menu;
        size_t index;
    };

    HMENU m_menu;
    bool m_ownsMenu = true;
    HFONT m_font;
    SkinMenuModel m_model;
    std::vector<std::unique_ptr<ItemData>> m_itemData;

    friend bool HandleMenuOwnerDraw(UINT, WPARAM, LPARAM, LRESULT&);
};

// For the window that shows skin menus: answers measure and draw requests
// of their items; true when the request was for one of them.
bool HandleMenuOwnerDraw(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
