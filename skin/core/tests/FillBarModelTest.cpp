#include "skin/core/FillBarModel.h"

#include <gtest/gtest.h>

namespace {

TEST(FillBarModel_FillWidth, IsProportionalToTheValue) {
    FillBarModel bar;
    ASSERT_TRUE(bar.SetRange(0, 255));
    const struct {
        int32_t value, width;
    } cases[] = {{0, 0}, {255, 200}, {128, 100}, {300, 200}, {-5, 0}};
    for (const auto& c : cases) {
        bar.SetValue(c.value);  // out-of-range values are clamped first
        EXPECT_EQ(bar.FillWidth(200), c.width) << c.value;
    }
    EXPECT_EQ(bar.FillWidth(0), 0);
}

TEST(FillBarModel_Drag, MapsThePointerOntoTheRange) {
    FillBarModel bar;
    ASSERT_TRUE(bar.SetRange(1, 4));
    ASSERT_TRUE(bar.BeginDrag());
    EXPECT_TRUE(bar.Dragging());
    const struct {
        int32_t pointer, value;
    } cases[] = {
        {-40, 1},   // left of the bar counts as its left edge
        {0, 1},
        {50, 2},    // 1 + 3 * 50 / 100
        {99, 3},
        {100, 4},
        {400, 4},   // right of the bar is clamped
    };
    for (const auto& c : cases) EXPECT_EQ(bar.DragTo(c.pointer, 0, 100), c.value) << c.pointer;
    EXPECT_EQ(bar.EndDrag(67, 0, 100), 3);
    EXPECT_FALSE(bar.Dragging());
    EXPECT_EQ(bar.DragTo(5, 10, 10), 1);  // a bar without width cannot divide
}

TEST(FillBarModel_Disabled, DoesNotStartDragging) {
    FillBarModel bar;
    bar.SetEnabled(false);
    EXPECT_FALSE(bar.BeginDrag());
    EXPECT_FALSE(bar.Dragging());
    bar.SetEnabled(true);
    ASSERT_TRUE(bar.BeginDrag());
    bar.SetEnabled(false);  // disabling mid-drag ends it
    EXPECT_FALSE(bar.Dragging());
    EXPECT_FALSE(bar.SetRange(2, 2));
}

}  // namespace
