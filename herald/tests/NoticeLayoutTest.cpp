// Fade, placement and shape of the notice panel.
#include "herald/NoticeFade.h"
#include "herald/NoticeLayout.h"

#include <gtest/gtest.h>

namespace {

using herald::Rectangle;

TEST(NoticeOpacity_Times, HoldThenFadeToNothing) {
    struct Row {
        uint32_t elapsed;
        int opacity;
        bool finished;
    } rows[] = {
        {0, 255, false},     // just shown
        {1500, 255, false},  // end of the 1.5 s hold
        {1750, 128, false},  // half way through the 500 ms fade
        {1999, 1, false},    // last step before gone
        {2000, 0, true},     // faded out
        {600000, 0, true},   // long after
    };
    for (const Row& row : rows) {
        EXPECT_EQ(herald::NoticeOpacity(row.elapsed), row.opacity) << row.elapsed;
        EXPECT_EQ(herald::NoticeFinished(row.elapsed), row.finished) << row.elapsed;
    }
}

TEST(PlacePanel_WorkAreas, BottomCentreOfTheWorkArea) {
    struct Row {
        const char* what;
        Rectangle workArea;
        int textWidth, textHeight;
        Rectangle expected;
    } rows[] = {
        // 1024x768 screen, one line of 300 pixels: 300 + 8 + 2 * 26 wide, 34 + 2 * 16 high.
        {"one line", {0, 0, 1024, 768}, 300, 34, {332, 606, 360, 66}},
        // A work area that does not start at 0 (taskbar on the left and top).
        {"offset work area", {100, 40, 1000, 700}, 300, 34, {420, 578, 360, 66}},
        // An empty text still gets the minimum panel.
        {"empty text", {0, 0, 1024, 768}, 0, 0, {392, 606, 240, 66}},
        // Three wrapped lines make the panel taller, not wider.
        {"three lines", {0, 0, 1024, 768}, 500, 102, {232, 538, 560, 134}},
        // A work area too short for margin and panel keeps the panel on it.
        {"short work area", {0, 20, 400, 100}, 100, 34, {80, 20, 240, 66}},
    };
    for (const auto& row : rows) {
        const Rectangle panel = herald::PlacePanel(row.workArea, row.textWidth, row.textHeight);
        EXPECT_EQ(panel.x, row.expected.x) << row.what;
        EXPECT_EQ(panel.y, row.expected.y) << row.what;
        EXPECT_EQ(panel.width, row.expected.width) << row.what;
        EXPECT_EQ(panel.height, row.expected.height) << row.what;
    }
}

TEST(MaximumTextWidth_WorkAreas, LeavesMarginsAndBar) {
    EXPECT_EQ(herald::MaximumTextWidth({0, 0, 1024, 768}), 1024 - 80 - 8 - 52);
    // Degenerate work area: never zero or negative.
    EXPECT_EQ(herald::MaximumTextWidth({0, 0, 50, 50}), 1);
}

TEST(TextBox_Panels, CentredRightOfTheAccentBar) {
    // Minimum panel around a short text: centred in the room right of the bar.
    const Rectangle narrow = herald::TextBox(240, 66, 40, 34);
    EXPECT_EQ(narrow.x, 34 + (240 - 34 - 26 - 40) / 2);
    EXPECT_EQ(narrow.y, 16);
    // A text as wide as the room starts right after the padding.
    const Rectangle full = herald::TextBox(360, 66, 300, 34);
    EXPECT_EQ(full.x, 34);
    EXPECT_EQ(full.width, 300);
}

TEST(RoundedCoverage_Pixels, CornersCutEdgesKept) {
    struct Row {
        const char* what;
        int x, y, width, height, radius;
        int expected;
    } rows[] = {
        {"corner pixel", 0, 0, 100, 50, 12, 0},
        {"opposite corner", 99, 49, 100, 50, 12, 0},
        {"middle of the left edge", 0, 25, 100, 50, 12, 255},
        {"middle of the top edge", 50, 0, 100, 50, 12, 255},
        {"centre", 50, 25, 100, 50, 12, 255},
        {"outside", 100, 25, 100, 50, 12, 0},
        {"negative", -1, 25, 100, 50, 12, 0},
        {"no radius: square corner", 0, 0, 100, 50, 0, 255},
        // The radius never exceeds half the shorter side.
        {"radius cut to 5", 5, 0, 100, 10, 40, 255},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(herald::RoundedCoverage(row.x, row.y, row.width, row.height, row.radius), row.expected) << row.what;
    }
    // On the corner arc the edge is anti-aliased: neither in nor out.
    const int arc = herald::RoundedCoverage(3, 3, 100, 50, 12);
    EXPECT_GT(arc, 0);
    EXPECT_LT(arc, 255);
}

}  // namespace
