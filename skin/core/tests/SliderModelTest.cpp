#include "skin/core/SliderModel.h"

#include <gtest/gtest.h>

namespace {

// Range 1..10 on a span 0..110 with a 10-pixel thumb: usable length 100.
SliderModel MakeSlider(bool snap, SliderOrientation orientation = SliderOrientation::Horizontal) {
    SliderModel slider(orientation);
    EXPECT_TRUE(slider.SetRange(1, 10));
    slider.SetSpan(0, 110, 10);
    slider.SetSnap(snap);
    slider.SetDraggable(true);
    return slider;
}

TEST(SliderModel_Release, TruncatesWithoutSnapAndRoundsWithSnap) {
    struct Case {
        const char* what;
        bool snap;
        int32_t releasedAt;
        int32_t value;
        int32_t thumbAfter;
    };
    const Case cases[] = {
        {"5.95 without snap", false, 55, 5, 55},
        {"5.95 with snap: 6, the thumb at 6's exact place", true, 55, 6, 55},
        {"6.4 with snap moves the thumb back to 6", true, 60, 6, 55},
        {"6.4 without snap leaves the thumb where it was let go", false, 60, 6, 60},
        {"5.5 rounds half up", true, 50, 6, 55},
        {"the far end", true, 100, 10, 100},
        {"the near end", false, 0, 1, 0},
    };
    for (const auto& c : cases) {
        SliderModel slider = MakeSlider(c.snap);
        ASSERT_TRUE(slider.BeginDrag(0));
        slider.DragTo(c.releasedAt);
        EXPECT_EQ(slider.EndDrag(), c.value) << c.what;
        EXPECT_EQ(slider.Value(), c.value) << c.what;
        EXPECT_EQ(slider.ThumbPosition(), c.thumbAfter) << c.what;
        EXPECT_FALSE(slider.Dragging());
    }
}

TEST(SliderModel_Drag, ReportsIntegerValuesAndStaysInsideTheSpan) {
    SliderModel slider = MakeSlider(false);
    ASSERT_TRUE(slider.BeginDrag(4));  // grabbed 4 pixels inside the thumb
    EXPECT_EQ(slider.DragTo(59), 5);   // thumb at 55: 1 + 55 * 9 / 100
    EXPECT_EQ(slider.ThumbPosition(), 55);
    EXPECT_EQ(slider.DragTo(-300), 1);
    EXPECT_EQ(slider.ThumbPosition(), 0);
    EXPECT_EQ(slider.DragTo(900), 10);
    EXPECT_EQ(slider.ThumbPosition(), 100);
    EXPECT_EQ(slider.EndDrag(), 10);
}

TEST(SliderModel_Drag, NeedsADraggableThumb) {
    SliderModel slider = MakeSlider(false);
    slider.SetDraggable(false);
    EXPECT_FALSE(slider.BeginDrag(0));
    slider.DragTo(80);
    EXPECT_EQ(slider.Value(), 1);
    EXPECT_EQ(slider.ThumbPosition(), 0);
}

TEST(SliderModel_ClickTrack, RoundsLikeARelease) {
    // 1 + 55 * 9 / 110 = 5.5
    SliderModel plain = MakeSlider(false);
    EXPECT_EQ(plain.ClickTrack(55, 110), 5);
    EXPECT_EQ(plain.ThumbPosition(), 44);  // 100 * 4 / 9
    SliderModel snapping = MakeSlider(true);
    EXPECT_EQ(snapping.ClickTrack(55, 110), 6);
    EXPECT_EQ(snapping.ThumbPosition(), 55);
    EXPECT_EQ(snapping.ClickTrack(500, 110), 10);
    EXPECT_EQ(snapping.ClickTrack(5, 0), 1);  // a zero-length track cannot divide
}

TEST(SliderModel_SetValue, ClampsHorizontallyAndResetsVertically) {
    struct Case {
        SliderOrientation orientation;
        int32_t given;
        int32_t value;
    };
    const Case cases[] = {
        {SliderOrientation::Horizontal, 20, 10},  // above: the maximum
        {SliderOrientation::Horizontal, -3, 1},   // below: the minimum
        {SliderOrientation::Horizontal, 7, 7},
        {SliderOrientation::Vertical, 20, 1},     // any value outside goes to the minimum
        {SliderOrientation::Vertical, -3, 1},
        {SliderOrientation::Vertical, 7, 7},
    };
    for (const auto& c : cases) {
        SliderModel slider = MakeSlider(false, c.orientation);
        slider.SetValue(c.given);
        EXPECT_EQ(slider.Value(), c.value) << c.given;
        EXPECT_EQ(slider.ThumbPosition(), slider.PositionOfValue(c.value));
    }
}

TEST(SliderModel_SetRange, RefusesAnEmptyOrReversedRange) {
    SliderModel slider = MakeSlider(false);
    slider.SetValue(8);
    EXPECT_FALSE(slider.SetRange(5, 5));
    EXPECT_FALSE(slider.SetRange(9, 2));
    EXPECT_EQ(slider.Minimum(), 1);
    EXPECT_EQ(slider.Maximum(), 10);
    // A narrower range pulls the value and the thumb in.
    EXPECT_TRUE(slider.SetRange(0, 4));
    EXPECT_EQ(slider.Value(), 4);
    EXPECT_EQ(slider.ThumbPosition(), 100);
}

TEST(SliderModel_Positions, FollowTheLinearMapping) {
    SliderModel slider;
    ASSERT_TRUE(slider.SetRange(0, 700));
    slider.SetSpan(0, 217, 17);  // usable 200
    EXPECT_EQ(slider.PositionOfValue(0), 0);
    EXPECT_EQ(slider.PositionOfValue(350), 100);
    EXPECT_EQ(slider.PositionOfValue(700), 200);
    EXPECT_EQ(slider.DragValueAt(3), 10);   // 3 * 700 / 200 = 10.5, integer division
    EXPECT_EQ(slider.ReleaseValueAt(3), 10);
    slider.SetSnap(true);
    EXPECT_EQ(slider.ReleaseValueAt(3), 11);
}

TEST(SliderModel_NoRoomForTheThumb, GivesTheMinimumWithoutDividingByZero) {
    SliderModel slider;
    ASSERT_TRUE(slider.SetRange(1, 4));
    slider.SetSpan(0, 10, 12);
    slider.SetDraggable(true);
    EXPECT_EQ(slider.UsableLength(), 0);
    ASSERT_TRUE(slider.BeginDrag(0));
    EXPECT_EQ(slider.DragTo(8), 1);
    EXPECT_EQ(slider.ThumbPosition(), 0);
    EXPECT_EQ(slider.EndDrag(), 1);
}

TEST(SliderModel_NegativeRange, TruncatesTowardZero) {
    SliderModel slider;
    ASSERT_TRUE(slider.SetRange(-10, 10));
    slider.SetSpan(0, 40, 0);  // 2 pixels per value
    EXPECT_EQ(slider.ReleaseValueAt(9), -5);  // -5.5
    slider.SetSnap(true);
    EXPECT_EQ(slider.ReleaseValueAt(9), -5);  // halves up
    EXPECT_EQ(slider.ReleaseValueAt(8), -6);
}

}  // namespace
