#include "skin/core/KeyboardNavigation.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ReadingOrder, LinesFromTheTopEachFromTheLeft) {
    struct Case { const char* what; std::vector<SkinRect> rectangles; std::vector<size_t> order; };
    const Case cases[] = {
        {"equal tops, then the next line", {{76, 40, 152, 68}, {1110, 5, 1132, 25}, {1086, 5, 1108, 25}}, {2, 1, 0}},
        {"a slider 2 px lower: its buttons' line", {{462, 36, 540, 60}, {146, 38, 280, 53}, {22, 36, 124, 60}}, {2, 1, 0}},
        {"a tall area: no line with the column beside it", {{22, 309, 160, 331}, {486, 110, 1126, 530}, {22, 119, 160, 141}},
         {1, 2, 0}},
        {"a line goes past a taller one", {{200, 2, 300, 200}, {0, 0, 100, 24}, {120, 5, 180, 20}}, {1, 2, 0}},
        {"overlapping: the one further left first", {{30, 10, 90, 40}, {0, 0, 60, 30}}, {1, 0}},
        {"at the same place: given order", {{5, 5, 20, 20}, {5, 5, 20, 20}, {0, 0, 0, 0}, {0, 0, 0, 0}}, {2, 3, 0, 1}},
        {"none", {}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadingOrder(c.rectangles), c.order) << c.what;
}

TEST(SliderValueAfterKey, MovesByOneOrAPageWithinTheRange) {
    struct Case { const char* what; uint32_t virtualKey; bool vertical; int32_t value, minimum, maximum, after; };
    const Case cases[] = {
        {"right", 0x27, false, 3, 1, 10, 4},
        {"up on a horizontal slider means more", 0x26, false, 3, 1, 10, 4},
        {"left", 0x25, false, 3, 1, 10, 2},
        {"up on a vertical slider moves the thumb up: less", 0x26, true, 3, 1, 10, 2},
        {"down on a vertical slider", 0x28, true, 3, 1, 10, 4},
        {"page up: a fifth of 9, rounded up", 0x21, false, 3, 1, 10, 5},
        {"page down on a vertical slider grows", 0x22, true, 3, 1, 10, 5},
        {"page up over 0..700", 0x21, false, 0, 0, 700, 140},
        {"right at the maximum stays", 0x27, false, 10, 1, 10, 10},
        {"page up near the maximum stops there", 0x21, false, 9, 1, 10, 10},
        {"page down near the minimum stops there", 0x22, false, 2, 1, 10, 1},
        {"home", 0x24, false, 7, 1, 10, 1},
        {"end", 0x23, true, 7, 1, 10, 10},
        {"page up over the whole 32-bit range", 0x21, false, 0, INT32_MIN, INT32_MAX, 858993459},
    };
    for (const auto& c : cases) {
        const std::optional<StepKey> key = SliderStepKey(c.virtualKey, c.vertical);
        ASSERT_TRUE(key.has_value()) << c.what;
        EXPECT_EQ(SliderValueAfterKey(c.value, c.minimum, c.maximum, *key), c.after) << c.what;
    }
    EXPECT_FALSE(SliderStepKey(0x09, false).has_value());  // Tab stays with the dialog
}

TEST(ValueBoxStepKey, UpDownAndPagesOnlyAndThePageLength) {
    EXPECT_EQ(ValueBoxStepKey(0x26), StepKey::More);
    EXPECT_EQ(ValueBoxStepKey(0x22), StepKey::PageLess);
    // Left, right, Home and End move in the text.
    for (uint32_t textKey : {0x25u, 0x27u, 0x24u, 0x23u}) EXPECT_FALSE(ValueBoxStepKey(textKey).has_value()) << textKey;
    EXPECT_EQ(PageLines(11, 1), 3);   // the 12 entries of a table
    EXPECT_EQ(PageLines(100, 5), 4);  // 0..100 in steps of 5: 20 steps
    EXPECT_EQ(PageLines(10, 0), 2);   // a step below 1 counts as 1
    EXPECT_EQ(PageLines(0, 1), 1);
}

TEST(ControlWindowText, CaptionElseHintElseLabelWithMnemonicsEscaped) {
    EXPECT_EQ(ControlWindowText("Left Button", "Choose the function", "entry0"), "Left Button");
    EXPECT_EQ(ControlWindowText("", "Edit profile 4", "slot4"), "Edit profile 4");
    EXPECT_EQ(ControlWindowText("", "", "dpi400"), "dpi400");
    EXPECT_EQ(ControlWindowText("Ctrl+&", ""), "Ctrl+&&");
    EXPECT_EQ(ControlWindowText("", ""), "");
}

}  // namespace
