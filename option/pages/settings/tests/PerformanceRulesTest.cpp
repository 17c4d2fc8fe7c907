#include "option/pages/settings/core/PerformanceRules.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(PointerSpeedTable, PositionToSpeed) {
    // Positions 1..11 of the slider; anything else gives speed 10.
    const int32_t speeds[] = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
    for (int32_t position = 1; position <= 11; ++position)
        EXPECT_EQ(PointerSpeedOfPosition(position), speeds[position - 1]) << position;
    EXPECT_EQ(PointerSpeedOfPosition(0), 10);
    EXPECT_EQ(PointerSpeedOfPosition(12), 10);
    EXPECT_EQ(PointerSpeedOfPosition(-3), 10);
}

TEST(PointerSpeedTable, SpeedToPosition) {
    const struct {
        int32_t speed;
        int32_t position;
    } rows[] = {
        {0, 1},  {1, 1},  {2, 2},  {3, 3},  {4, 3},  {5, 4},  {6, 4},   {7, 5},   {8, 5},
        {9, 6},  {10, 6}, {11, 7}, {12, 7}, {13, 8}, {14, 8}, {15, 9},  {16, 9},  {17, 10},
        {18, 10}, {19, 11}, {20, 11},
        {21, 6},  // above 20
        {99, 6},
        {-1, 6},  // negative: no row of the table, the fallback
    };
    for (const auto& row : rows) EXPECT_EQ(PointerPositionOfSpeed(row.speed), row.position) << row.speed;
}

TEST(PerformanceSelection, RowsAndScalesFromTheRecord) {
    const struct {
        const char* what;
        int32_t doubleClick, mouseSpeed, lines, choice;
        int doubleClickIndex, pointerIndex, pointerPosition, linesIndex, resolutionIndex;
        const char* label;
    } rows[] = {
        {"550 ms is step 5, speed 10 is step 5", 550, 10, 3, 7, 4, 4, 6, 2, 6, "3200"},
        {"odd speed 7", 830, 7, 10, 1, 0, 2, 5, 9, 0, "400"},
        {"200 ms is the last step", 200, 20, 1, 8, 9, 9, 11, 0, 7, "4000"},
        {"choice 0 is labelled 400 and selects nothing", 900, 2, 0, 0, -1, 0, 2, -1, -1, "400"},
        {"choice 9 likewise", 860, 1, 11, 9, -1, -1, 1, 10, -1, "400"},
    };
    for (const auto& row : rows) {
        ProfileRecord record;
        std::memset(&record, 0, sizeof record);
        record.DbleClickSpeed = row.doubleClick;
        record.MouseSpeed = row.mouseSpeed;
        record.ScrollWheelSpeed = row.lines;
        record.CpiLevel_X[4] = row.choice;
        const PerformanceSelection selection = SelectionOf(record);
        EXPECT_EQ(selection.doubleClick, row.doubleClickIndex) << row.what;
        EXPECT_EQ(selection.pointerSpeed, row.pointerIndex) << row.what;
        EXPECT_EQ(PointerPositionOfSpeed(record.MouseSpeed), row.pointerPosition) << row.what;
        EXPECT_EQ(selection.scrollLines, row.linesIndex) << row.what;
        EXPECT_EQ(selection.resolution, row.resolutionIndex) << row.what;
        EXPECT_STREQ(ResolutionChoiceLabel(row.choice), row.label) << row.what;
    }
}

TEST(PerformanceScales, ValuesWritten) {
    // Double-click step m = 1..10 -> 900 - 70 m.
    const int32_t times[] = {830, 760, 690, 620, 550, 480, 410, 340, 270, 200};
    for (int step = 1; step <= 10; ++step) EXPECT_EQ(DoubleClickTimeOfStep(step), times[step - 1]) << step;
    // The slider: 0 -> 900, 700 -> 200, and back.
    EXPECT_EQ(DoubleClickTimeOfSlider(0), 900);
    EXPECT_EQ(DoubleClickTimeOfSlider(700), 200);
    EXPECT_EQ(DoubleClickSliderOf(550), 350);
    // Pointer-speed step n -> 2 n.
    EXPECT_EQ(PointerSpeedOfStep(1), 2);
    EXPECT_EQ(PointerSpeedOfStep(10), 20);
    const char* labels[] = {"400", "800", "1200", "1600", "2000", "2400", "3200", "4000"};
    for (int choice = 1; choice <= 8; ++choice) EXPECT_STREQ(ResolutionChoiceLabel(choice), labels[choice - 1]);
}

TEST(PerformanceFields, AccelerationAndUndo) {
    ProfileRecord record;
    std::memset(&record, 0, sizeof record);
    SetAcceleration(record, true);
    EXPECT_EQ(record.AccelerationFlag, 1);
    EXPECT_EQ(record.Acceleration, 8);
    const PerformanceFields before = PerformanceFieldsOf(record);
    SetAcceleration(record, false);
    EXPECT_EQ(record.AccelerationFlag, 0);
    EXPECT_EQ(record.Acceleration, 0);
    record.DbleClickSpeed = 410;
    record.CpiLevel_X[4] = 7;
    record.CpiLevel_X[3] = 9;  // not a page field
    RestorePerformanceFields(record, before);
    EXPECT_EQ(record.Acceleration, 8);
    EXPECT_EQ(record.DbleClickSpeed, 0);
    EXPECT_EQ(record.CpiLevel_X[4], 0);
    EXPECT_EQ(record.CpiLevel_X[3], 9);
}

}  // namespace
