// The function menu: identifier -> function code, the items, popups,
// text numbers and widths, and the reopen guard.
#include <gtest/gtest.h>

#include <algorithm>

#include "option/pages/FunctionMenuLayout.h"
#include "option/pages/MenuIdentifiers.h"
#include "option/pages/MenuReopenGuard.h"
#include "option/pages/PlayerNames.h"

namespace {

TEST(FunctionMenu, IdentifierMapsToFunctionCode) {
    struct Case {
        uint32_t identifier;
        int code;
    };
    const Case cases[] = {
        {1000, 0},   // below the first function
        {1001, 1},   // left button
        {1002, 2},   // right button
        {1005, 5},   // key combination
        {1006, 6},   // disabled
        {1012, 12},  // tilt
        {1015, 15},  // last of the first run
        {1016, 0},   // gap between the runs
        {1017, 17},  // launch program
        {1024, 24},  // open the configuration program
        {1025, 25},  // media player
        {1032, 32},  // volume down
        {1042, 42},  // search
        {1043, 43},  // offered, no action
        {1044, 44},  // last of the second run
        {1045, 0},   // after the second run
        {1046, 0},
        {1047, 0},
        {1048, 0},   // media player settings: no code of its own
        {1049, 0},   // macro manager: no code of its own
        {1050, 16},  // select a macro
        {1051, 0},
        {1075, 0},
        {1076, 86},  // mode switch
        {1077, 0},
        {1099, 0},   // just below the macro numbers
        {1100, 16},  // macro 0
        {1101, 16},  // macro 1
        {4000, 16},  // the last command identifier
        {0, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(FunctionCodeForIdentifier(c.identifier), c.code) << c.identifier;
    EXPECT_TRUE(LeavesEntryUnchanged(1048));
    EXPECT_TRUE(LeavesEntryUnchanged(1049));
    EXPECT_FALSE(LeavesEntryUnchanged(1050));
    EXPECT_FALSE(LeavesEntryUnchanged(1006));
}

std::vector<std::pair<uint32_t, uint32_t>> IdsAndTexts(const std::vector<FunctionMenuItem>& items) {
    std::vector<std::pair<uint32_t, uint32_t>> result;
    for (const FunctionMenuItem& item : items) result.emplace_back(item.identifier, item.textId);
    return result;
}

TEST(FunctionMenu, MainMenuHoldsPopupsThenItemsInOrder) {
    std::vector<FunctionMenuItem> menu = BuildFunctionMenu();
    using Pairs = std::vector<std::pair<uint32_t, uint32_t>>;
    const Pairs expected = {
        {0, 1021}, {0, 1031}, {0, 1069}, {0, 1017}, {0, 1040},  // popups: macro, media, profile, resolution, internet
        {1001, 1005}, {1002, 1006}, {1003, 1007}, {1004, 1008}, {1005, 1009}, {1006, 1010},
        {1007, 1011}, {1008, 1012}, {1009, 1013}, {1010, 1014}, {1011, 1015}, {1012, 1016},
        {1076, 1076}, {1017, 1022}, {1021, 1027}, {1022, 1028}, {1023, 1029}, {1024, 1030},
    };
    EXPECT_EQ(IdsAndTexts(menu), expected);

    struct Popup {
        size_t index;
        int32_t width;
        Pairs items;
    };
    const Popup popups[] = {
        // Macro: the select-macro item only.
        {0, 120, {{1050, 1071}}},
        // Media: 1025..1032 with 1032..1039, then the player choice.
        {1, 120, {{1025, 1032}, {1026, 1033}, {1027, 1034}, {1028, 1035}, {1029, 1036}, {1030, 1037},
                  {1031, 1038}, {1032, 1039}, {1048, 1051}}},
        // Profile: the wider popup.
        {2, 129, {{1018, 1024}, {1019, 1025}, {1020, 1026}}},
        // Resolution.
        {3, 120, {{1013, 1018}, {1014, 1019}, {1015, 1020}}},
        // Internet and office.
        {4, 120, {{1033, 1041}, {1034, 1042}, {1035, 1043}, {1036, 1044}, {1037, 1045}, {1038, 1046},
                  {1039, 1047}, {1040, 1048}, {1041, 1049}, {1042, 1050}}},
    };
    for (const Popup& popup : popups) {
        ASSERT_TRUE(menu[popup.index].IsPopup()) << popup.index;
        EXPECT_EQ(menu[popup.index].popupWidth, popup.width) << popup.index;
        EXPECT_EQ(IdsAndTexts(menu[popup.index].popup), popup.items) << popup.index;
    }
}

TEST(FunctionMenu, MacroPopupListsTheMacrosWhenAsked) {
    FunctionMenuOptions options;
    options.macroNames = {"Jump", "Fire"};
    options.offerMacroManager = true;
    std::vector<FunctionMenuItem> macro = BuildFunctionMenu(options)[0].popup;
    ASSERT_EQ(macro.size(), 4u);
    EXPECT_EQ(macro[0].identifier, 1050u);
    EXPECT_EQ(macro[1].identifier, 1100u);
    EXPECT_EQ(macro[1].text, "Jump");
    EXPECT_EQ(macro[2].identifier, 1101u);
    EXPECT_EQ(macro[2].text, "Fire");
    EXPECT_EQ(macro[3].identifier, 1049u);
    EXPECT_EQ(macro[3].textId, 1052u);
    // Every offered identifier is unique and inside the command range.
    std::vector<uint32_t> ids = SelectableIdentifiers(BuildFunctionMenu(options));
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
    EXPECT_GE(ids.front(), 1001u);
    EXPECT_LE(ids.back(), 4000u);
}

// Rapid clicking (1021) and the click sequence (1022) for each position.
TEST(FunctionMenu, WheelPositionsAreNotOfferedRapidClickingOrTheClickSequence) {
    const int offered[16] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 0, 0};
    for (int position = 0; position < 16; ++position) {
        const std::vector<uint32_t> ids = SelectableIdentifiers(BuildFunctionMenu({{}, false, position}));
        EXPECT_EQ(std::count(ids.begin(), ids.end(), 1021u) + std::count(ids.begin(), ids.end(), 1022u), offered[position])
            << position;
    }
}

TEST(MenuReopenGuard, RefusesWithin200MsOfClosing) {
    struct Case {
        uint32_t closedAt;
        uint32_t now;
        bool mayOpen;
    };
    const Case cases[] = {
        {1000, 1000, false},              // the closing click itself
        {1000, 1199, false},              // 199 ms later
        {1000, 1200, true},               // 200 ms later
        {0xFFFFFF00u, 0x00000010u, true}, // 272 ms across the tick wrap
        {0xFFFFFF00u, 0xFFFFFF50u, false},
    };
    for (const Case& c : cases) {
        MenuReopenGuard guard;
        EXPECT_TRUE(guard.MayOpen(c.now));  // never closed yet
        guard.Closed(c.closedAt);
        EXPECT_EQ(guard.MayOpen(c.now), c.mayOpen) << c.closedAt << " " << c.now;
    }
}

TEST(PlayerNames, ByMediaOption) {
    const std::pair<int32_t, const char*> cases[] = {
        {0, "Windows Media player"}, {1, "iTunes"}, {2, "Real Player"}, {3, "Winamp"},
        {4, "Windows Media player"},  // out of range shows the name of 0
        {-1, "Windows Media player"},
    };
    for (const auto& c : cases) EXPECT_STREQ(PlayerName(c.first), c.second) << c.first;
}

}  // namespace
