#include "skin/core/ScrollBarModel.h"

#include <gtest/gtest.h>

namespace {

// 10-pixel arrows on a 100-pixel bar (track 80), 100 values, page 10.
ScrollBarModel MakeBar(int32_t position) {
    ScrollBarModel bar;
    bar.SetSize(10, 100);
    bar.SetRange(0, 99);
    bar.SetPage(10);
    bar.SetPosition(position);
    return bar;
}

TEST(ScrollBarModel_Geometry, Table) {
    struct Case {
        const char* what;
        int32_t position;
        int32_t thumbStart;
    };
    // Thumb: max(6, 10 * 80 / 100) = 8; the free track is 72 for 90 positions.
    const Case cases[] = {
        {"top", 0, 10},
        {"middle", 45, 46},
        {"bottom", 90, 82},
        {"beyond the end stays inside the track", 500, 82},
    };
    for (const auto& c : cases) {
        const ScrollBarModel bar = MakeBar(c.position);
        EXPECT_EQ(bar.TrackLength(), 80);
        EXPECT_EQ(bar.ThumbLength(), 8);
        const ScrollLayout layout = bar.Layout();
        EXPECT_EQ(layout.thumb.start, c.thumbStart) << c.what;
        EXPECT_EQ(layout.thumb.end, c.thumbStart + 8) << c.what;
        EXPECT_EQ(layout.lineDown.start, 90);
    }
}

TEST(ScrollBarModel_ThumbLength, HasAMinimumAndNeedsRoom) {
    ScrollBarModel bar = MakeBar(0);
    bar.SetRange(0, 999);  // 10 * 80 / 1000 = 0 -> the minimum
    EXPECT_EQ(bar.ThumbLength(), 6);
    bar.SetPage(5000);     // a page larger than the range never outgrows the track
    EXPECT_EQ(bar.ThumbLength(), 80);
    EXPECT_EQ(bar.Layout().thumb.start, 10);
    bar.SetSize(10, 25);   // track 5: no thumb
    EXPECT_EQ(bar.ThumbLength(), 0);
}

TEST(ScrollBarModel_HitTest, Table) {
    const ScrollBarModel bar = MakeBar(45);  // thumb 46..54
    const struct {
        int32_t along;
        ScrollPart part;
    } cases[] = {
        {0, ScrollPart::LineUp},   {9, ScrollPart::LineUp},     {10, ScrollPart::PageUp},
        {45, ScrollPart::PageUp},  {46, ScrollPart::ThumbTrack}, {53, ScrollPart::ThumbTrack},
        {54, ScrollPart::PageDown}, {89, ScrollPart::PageDown},  {90, ScrollPart::LineDown},
        {99, ScrollPart::LineDown}, {100, ScrollPart::None},     {-1, ScrollPart::None},
    };
    for (const auto& c : cases) EXPECT_EQ(bar.HitTest(c.along), c.part) << c.along;
}

TEST(ScrollBarModel_ShortBar, SplitsTheLengthBetweenTheArrows) {
    ScrollBarModel bar = MakeBar(0);
    bar.SetSize(10, 16);
    EXPECT_EQ(bar.TrackLength(), 0);
    EXPECT_EQ(bar.ArrowLength(), 8);
    EXPECT_EQ(bar.HitTest(7), ScrollPart::LineUp);
    EXPECT_EQ(bar.HitTest(8), ScrollPart::LineDown);
}

TEST(ScrollBarModel_ThumbDrag, TracksThePointerWithinTheScrollableRange) {
    ScrollBarModel bar = MakeBar(0);
    bar.BeginThumbDrag(12);
    EXPECT_TRUE(bar.Dragging());
    EXPECT_TRUE(bar.DragTo(48));  // 90 * 36 / 72
    EXPECT_EQ(bar.TrackingPosition(), 45);
    EXPECT_EQ(bar.Layout().thumb.start, 46);  // the thumb follows the tracking position
    EXPECT_FALSE(bar.DragTo(48));  // no change, nothing to send
    EXPECT_TRUE(bar.DragTo(1000));
    EXPECT_EQ(bar.TrackingPosition(), 90);
    EXPECT_TRUE(bar.DragTo(-1000));
    EXPECT_EQ(bar.TrackingPosition(), 0);
    bar.DragTo(30);
    EXPECT_EQ(bar.EndThumbDrag(), 22);  // 90 * 18 / 72
    EXPECT_FALSE(bar.Dragging());
    EXPECT_FALSE(bar.DragTo(60));
}

TEST(ScrollPressState, RepeatsOnlyOverThePressedPart) {
    ScrollPressState press;
    EXPECT_FALSE(press.RepeatNow(ScrollPart::LineUp));
    press.pressed = ScrollPart::PageDown;
    EXPECT_TRUE(press.RepeatNow(ScrollPart::PageDown));
    EXPECT_FALSE(press.RepeatNow(ScrollPart::ThumbTrack));
}

}  // namespace
