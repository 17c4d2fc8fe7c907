// The owner-drawn skin popup menu: its items, their measurement and the
// colours they are drawn in. The Win32 side appends the same items to a real
// menu and answers WM_MEASUREITEM / WM_DRAWITEM from this model.
#pragma once

#include "skin/core/SkinGeometry.h"

#include <cstdint>
#include <string>
#include <vector>

// Appending this identifier appends a separator (menu identifier 0).
constexpr uint32_t kMenuAppendSeparatorId = 2048;
// Identifiers with their own measurement.
constexpr uint32_t kMenuSeparatorId = 0;
constexpr uint32_t kMenuHiddenItemId = 1;  // present but takes no room

constexpr int32_t kMenuItemHeight = 18;
constexpr int32_t kMenuItemExtraHeight = 3;      // items measure 18 + 3
constexpr int32_t kMenuSeparatorHeight = 5;
constexpr int32_t kMenuPixelsPerCharacter = 8;
constexpr int32_t kMenuTextLeft = 2;

constexpr SkinColour kMenuBackground = MakeColour(30, 30, 30);
constexpr SkinColour kMenuSelectedBackground = MakeColour(230, 30, 30);
constexpr SkinColour kMenuText = MakeColour(240, 240, 240);
constexpr SkinColour kMenuSelectedText = MakeColour(255, 255, 255);
constexpr SkinColour kMenuMarkedText = MakeColour(68, 192, 255);
constexpr SkinColour kMenuSeparatorColour = MakeColour(230, 20, 20);

// Submenu items carry this icon resource, drawn at (right - 19, top - 9).
constexpr int32_t kMenuSubmenuIconId = 145;
constexpr SkinPoint kMenuSubmenuIconOffset{-19, -9};

// Menu frame hook: the system's menu window class, the property holding the
// original window procedure, the menu-sizing message that (like WM_CREATE)
// starts the subclassing, and the bucket count of the window map.
constexpr char kMenuWindowClass[] = "#32768";
constexpr char kMenuOldProcProperty[] = "CoolMenu_oldProc";
constexpr uint32_t kMenuSizingMessage = 0x01E2;
constexpr size_t kMenuMapBuckets = 1000;
// The frame: nested 1-pixel rectangles from the outer edge inwards.
constexpr SkinColour kMenuFrameColours[3] = {MakeColour(230, 20, 20), MakeColour(30, 30, 30),
                                             MakeColour(30, 30, 30)};
constexpr int32_t kMenuFrameInset = 0;  // the client area stays as computed

struct SkinMenuItem {
    uint32_t identifier = 0;
    std::string text;
    bool hasSubmenu = false;
    bool marked = false;
    bool IsSeparator() const { return identifier == kMenuSeparatorId; }
};

struct MenuItemColours {
    SkinColour background;
    SkinColour text;
};

class SkinMenuModel {
public:
    explicit SkinMenuModel(int32_t startWidth = 0) : m_width(startWidth) {}

    // Appends an item and widens the menu to 8 pixels per character of its
    // text; identifier 2048 appends a separator. Returns the item's index.
    size_t Append(uint32_t identifier, const std::string& text, bool hasSubmenu, bool marked);

    int32_t Width() const { return m_width; }
    const std::vector<SkinMenuItem>& Items() const { return m_items; }
    // The first item with this identifier, or null.
    const SkinMenuItem* Find(uint32_t identifier) const;

    // The answer to a measure request: always the menu width; height 5 for a
    // separator, 0 for identifier 1, 21 otherwise.
    SkinSize Measure(uint32_t identifier) const;

private:
    int32_t m_width;
    std::vector<SkinMenuItem> m_items;
};

MenuItemColours ColoursOfMenuItem(const SkinMenuItem& item, bool selected);

// Where things go inside an item's rectangle.
SkinRect MenuTextRect(const SkinRect& item);          // 2 pixels in from the left
int32_t MenuSeparatorLineY(const SkinRect& item);     // the vertical middle
SkinPoint MenuSubmenuIconPosition(const SkinRect& item);
