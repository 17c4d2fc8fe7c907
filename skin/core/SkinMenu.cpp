#include "skin/core/SkinMenu.h"

#include <algorithm>
#include <limits>

size_t SkinMenuModel::Append(uint32_t identifier, const std::string& text, bool hasSubmenu,
                             bool marked) {
    SkinMenuItem item;
    if (identifier == kMenuAppendSeparatorId) {
        item.identifier = kMenuSeparatorId;
    } else {
        item.identifier = identifier;
        item.text = text;
        item.hasSubmenu = hasSubmenu;
        item.marked = marked;
        const size_t widest = static_cast<size_t>(std::numeric_limits<int32_t>::max() / kMenuPixelsPerCharacter);
        const int32_t textWidth = static_cast<int32_t>(std::min(text.size(), widest)) * kMenuPixelsPerCharacter;
        m_width = std::max(m_width, textWidth);
    }
    m_items.push_back(std::move(item));
    return m_items.size() - 1;
}

const SkinMenuItem* SkinMenuModel::Find(uint32_t identifier) const {
    for (const auto& item : m_items)
        if (item.identifier == identifier) return &item;
    return nullptr;
}

SkinSize SkinMenuModel::Measure(uint32_t identifier) const {
    if (identifier == kMenuSeparatorId) return {m_width, kMenuSeparatorHeight};
    if (identifier == kMenuHiddenItemId) return {m_width, 0};
    return {m_width, kMenuItemHeight + kMenuItemExtraHeight};
}

MenuItemColours ColoursOfMenuItem(const SkinMenuItem& item, bool selected) {
    if (item.IsSeparator()) return {kMenuBackground, kMenuSeparatorColour};
    MenuItemColours colours = selected ? MenuItemColours{kMenuSelectedBackground, kMenuSelectedText}
                                       : MenuItemColours{kMenuBackground, kMenuText};
    if (item.marked) colours.text = kMenuMarkedText;
    return colours;
}

SkinRect MenuTextRect(const SkinRect& item) {
    return {item.left + kMenuTextLeft, item.top, item.right, item.bottom};
}

int32_t MenuSeparatorLineY(const SkinRect& item) { return item.top + RectHeight(item) / 2; }

SkinPoint MenuSubmenuIconPosition(const SkinRect& item) {
    return {item.right + kMenuSubmenuIconOffset.x, item.top + kMenuSubmenuIconOffset.y};
}
