#include "skin/core/SkinMenu.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinMenuModel_Width, IsEightPixelsPerCharacterOfTheWidestItem) {
    SkinMenuModel menu(0);
    menu.Append(1001, "Left button", false, false);  // 11 characters
    EXPECT_EQ(menu.Width(), 88);
    menu.Append(1002, "Middle", false, false);
    EXPECT_EQ(menu.Width(), 88);
    menu.Append(1003, "Forward button", false, false);
    EXPECT_EQ(menu.Width(), 112);
    // A wider starting value is kept.
    SkinMenuModel wide(150);
    wide.Append(1001, "Left button", false, false);
    EXPECT_EQ(wide.Width(), 150);
}

TEST(SkinMenuModel_Measure, GivesEachKindItsHeightAtTheMenuWidth) {
    SkinMenuModel menu(0);
    menu.Append(kMenuAppendSeparatorId, "", false, false);
    menu.Append(kMenuHiddenItemId, "hidden", false, false);
    menu.Append(1001, "Macro", true, false);
    ASSERT_EQ(menu.Items().size(), 3u);
    EXPECT_TRUE(menu.Items()[0].IsSeparator());
    EXPECT_EQ(menu.Items()[0].identifier, kMenuSeparatorId);
    // The identifier-1 item is present but takes no room.
    ASSERT_NE(menu.Find(kMenuHiddenItemId), nullptr);
    EXPECT_EQ(menu.Measure(kMenuHiddenItemId), (SkinSize{48, 0}));
    EXPECT_EQ(menu.Measure(kMenuSeparatorId), (SkinSize{48, 5}));
    EXPECT_EQ(menu.Measure(1001), (SkinSize{48, 21}));
    EXPECT_TRUE(menu.Find(1001)->hasSubmenu);
    EXPECT_EQ(menu.Find(4242), nullptr);
}

TEST(ColoursOfMenuItem, Table) {
    SkinMenuItem plain{1001, "Plain", false, false};
    SkinMenuItem marked{1002, "Marked", false, true};
    SkinMenuItem separator{kMenuSeparatorId, "", false, false};
    struct Case {
        const char* what;
        const SkinMenuItem* item;
        bool selected;
        MenuItemColours colours;
    };
    const Case cases[] = {
        {"normal", &plain, false, {kMenuBackground, kMenuText}},
        {"selected", &plain, true, {kMenuSelectedBackground, kMenuSelectedText}},
        {"marked", &marked, false, {kMenuBackground, kMenuMarkedText}},
        {"marked and selected keeps the marked text", &marked, true, {kMenuSelectedBackground, kMenuMarkedText}},
        {"separator line", &separator, false, {kMenuBackground, kMenuSeparatorColour}},
    };
    for (const auto& c : cases) {
        const MenuItemColours colours = ColoursOfMenuItem(*c.item, c.selected);
        EXPECT_EQ(colours.background, c.colours.background) << c.what;
        EXPECT_EQ(colours.text, c.colours.text) << c.what;
    }
    EXPECT_EQ(kMenuSelectedBackground, 0x001E1EE6u);  // RGB (230, 30, 30) as 0x00BBGGRR
}

TEST(MenuItemLayout, PlacesTextLineAndIcon) {
    const SkinRect item{0, 42, 120, 63};
    EXPECT_EQ(MenuTextRect(item), (SkinRect{2, 42, 120, 63}));
    EXPECT_EQ(MenuSeparatorLineY({0, 10, 120, 15}), 12);
    EXPECT_EQ(MenuSubmenuIconPosition(item), (SkinPoint{101, 33}));
}

}  // namespace
