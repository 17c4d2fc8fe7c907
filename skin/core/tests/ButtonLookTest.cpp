#include "skin/core/ButtonLook.h"
#include "skin/core/CurrentHint.h"

#include <gtest/gtest.h>

namespace {

struct LookCase {
    const char* what;
    ButtonLookInput input;  // toggle, selected, hovering, pressed, disabled
    ButtonLook look;
};

TEST(ChooseButtonLook, Table) {
    const LookCase cases[] = {
        {"idle", {false, false, false, false, false}, ButtonLook::Normal},
        {"hovered", {false, false, true, false, false}, ButtonLook::Over},
        {"pressed beats hovering", {false, false, true, true, false}, ButtonLook::Down},
        {"selected", {false, true, false, false, false}, ButtonLook::Down},
        {"disabled", {false, false, false, false, true}, ButtonLook::Disabled},
        {"selected but disabled", {false, true, false, false, true}, ButtonLook::Disabled},
        {"selected, disabled, hovered", {false, true, true, false, true}, ButtonLook::Over},
        {"selected, disabled, pressed", {false, true, false, true, true}, ButtonLook::Down},
        {"toggle: selected and hovered", {true, true, true, false, false}, ButtonLook::Down},
        {"toggle: hovered", {true, false, true, false, false}, ButtonLook::Over},
        {"toggle: pressed alone is not down", {true, false, false, true, false}, ButtonLook::Normal},
        {"toggle: disabled beats selected", {true, true, true, true, true}, ButtonLook::Disabled},
    };
    for (const auto& c : cases) EXPECT_EQ(ChooseButtonLook(c.input), c.look) << c.what;
}

TEST(SkinButtonStyle, BecomesOwnerDrawnWithoutTabStop) {
    // WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON
    EXPECT_EQ(SkinButtonStyle(0x50010001u), 0x5000000Bu);
    EXPECT_EQ(SkinButtonStyle(0x50000000u), 0x5000000Bu);
}

TEST(StartsHovering, OnlyForADefaultPushButton) {
    EXPECT_TRUE(StartsHovering(0x50000001u));
    EXPECT_FALSE(StartsHovering(0x50000000u));
    EXPECT_FALSE(StartsHovering(0x50010000u));
}

TEST(OfferCurrentHint, ReplacesOnlyOnACaseInsensitiveDifference) {
    SetCurrentHint("");
    EXPECT_TRUE(OfferCurrentHint("Apply the profile"));
    EXPECT_EQ(CurrentHintText(), "Apply the profile");
    EXPECT_FALSE(OfferCurrentHint("APPLY THE PROFILE"));
    EXPECT_EQ(CurrentHintText(), "Apply the profile");
    EXPECT_TRUE(OfferCurrentHint("Apply the profiles"));
    EXPECT_TRUE(OfferCurrentHint(""));
    SetCurrentHint("Reset");
    EXPECT_EQ(CurrentHintText(), "Reset");
}

}  // namespace
