#include "option/pages/settings/core/ResolutionRules.h"

#include <gtest/gtest.h>

#include <cstring>

#include "monitor/device/ConfigurationReport.h"

namespace {

ProfileRecord DefaultRecord(int slot = 0) {
    ProfileRecord record;
    std::memset(&record, 0, sizeof record);
    FillDefaults(record, slot);
    return record;
}

TEST(LevelValueText, EveryValueAndTheFallback) {
    const struct {
        int32_t value;
        const char* text;
    } rows[] = {
        {1, "250"},    {2, "500"},    {3, "750"},     {4, "1000"},  {5, "1250"},  {6, "1500"},
        {7, "1750"},   {8, "2000"},   {9, "2500"},    {10, "3000"}, {11, "3500"}, {12, "4000"},
        {0, "1000"},   // below the range
        {13, "1000"},  // one above, as read from a damaged profile file
        {-1, "1000"},  // negative
    };
    for (const auto& row : rows) EXPECT_STREQ(LevelValueText(row.value), row.text) << row.value;
    // The slider shows the fallback's position too.
    EXPECT_EQ(LevelSliderValue(13), 4);
    EXPECT_EQ(LevelSliderValue(12), 12);
}

TEST(ApplyLevelNotice, KindsAndIdentifiers) {
    const struct {
        const char* what;
        uint32_t identifier;
        uint32_t wParam;
        LevelNoticeResult result;
        int32_t flag2, level2, step;  // dpiStepFlag2, CpiLevel_X2, CpiStep afterwards
    } rows[] = {
        {"kind 1 switches level 2 off", 502, 0x10000, LevelNoticeResult::Changed, 0, 5, 0},
        {"kind 2 sets level 2 to 12", 502, 0x2000C, LevelNoticeResult::Changed, 1, 12, 0},
        {"kind 3 makes level 2 current", 502, 0x30001, LevelNoticeResult::CurrentChanged, 1, 5, 2},
        {"kind 4 is ignored", 502, 0x40007, LevelNoticeResult::Ignored, 1, 5, 0},
        {"kind 0 is ignored", 502, 0x00007, LevelNoticeResult::Ignored, 1, 5, 0},
        {"identifier 499 is ignored", 499, 0x20009, LevelNoticeResult::Ignored, 1, 5, 0},
        {"identifier 505 is ignored", 505, 0x20009, LevelNoticeResult::Ignored, 1, 5, 0},
    };
    for (const auto& row : rows) {
        ProfileRecord record = DefaultRecord();
        record.CpiLevel_X[2] = 5;
        record.dpiStepFlag[2] = 1;
        record.CpiStep = 0;
        EXPECT_EQ(ApplyLevelNotice(record, row.identifier, row.wParam), row.result) << row.what;
        EXPECT_EQ(record.dpiStepFlag[2], row.flag2) << row.what;
        EXPECT_EQ(record.CpiLevel_X[2], row.level2) << row.what;
        EXPECT_EQ(record.CpiStep, row.step) << row.what;
    }
    // The control packs its notices the same way.
    EXPECT_EQ(LevelNoticeWParam(LevelNoticeKind::Value, 12), 0x2000Cu);
    EXPECT_EQ(LevelNoticeWParam(LevelNoticeKind::Enabled, 1), 0x10001u);
}

TEST(LevelControlState, CurrentLevelCannotBeSwitchedOff) {
    ProfileRecord record = DefaultRecord();
    record.CpiStep = 1;
    record.dpiStepFlag[3] = 0;
    // Level 1 is current: its toggle is disabled, the others' are not.
    EXPECT_FALSE(EnableToggleUsable(LevelStateFromRecord(record, 1)));
    EXPECT_TRUE(EnableToggleUsable(LevelStateFromRecord(record, 0)));
    // Choosing level 0 as current frees level 1's toggle again.
    ApplyLevelNotice(record, 500, LevelNoticeWParam(LevelNoticeKind::Current, 1));
    EXPECT_TRUE(EnableToggleUsable(LevelStateFromRecord(record, 1)));
    EXPECT_FALSE(EnableToggleUsable(LevelStateFromRecord(record, 0)));
    // A level switched off has its inner controls disabled.
    EXPECT_FALSE(InnerControlsUsable(LevelStateFromRecord(record, 3)));
    EXPECT_TRUE(InnerControlsUsable(LevelStateFromRecord(record, 2)));
    // Only the flag value 1 counts as on.
    record.dpiStepFlag[2] = 2;
    EXPECT_FALSE(LevelStateFromRecord(record, 2).enabled);
}

TEST(SensitivityLink, LinkedAndIndependentSliders) {
    const struct {
        const char* what;
        int32_t link;  // XYSynchronous
        SensitivityAxis axis;
        int32_t value;
        bool follows;
        int32_t x, y;
    } rows[] = {
        {"linked, X moved: Y follows", 0, SensitivityAxis::X, 7, true, 7, 7},
        {"linked, Y moved: X follows", 0, SensitivityAxis::Y, 2, true, 2, 2},
        {"independent, X moved", 1, SensitivityAxis::X, 9, false, 9, 3},
        {"independent, Y moved", 1, SensitivityAxis::Y, 0, false, 5, 0},
        {"link value 2 counts as independent", 2, SensitivityAxis::X, 8, false, 8, 3},
    };
    for (const auto& row : rows) {
        ProfileRecord record = DefaultRecord();
        record.XYSynchronous = row.link;
        record.Sensitivity_X = 5;
        record.Sensitivity_Y = 3;
        EXPECT_EQ(SetSensitivity(record, row.axis, row.value), row.follows) << row.what;
        EXPECT_EQ(record.Sensitivity_X, row.x) << row.what;
        EXPECT_EQ(record.Sensitivity_Y, row.y) << row.what;
    }
}

TEST(SensitivityLink, ToggleCopiesXIntoYWhenLinking) {
    ProfileRecord record = DefaultRecord();
    record.XYSynchronous = 1;
    record.Sensitivity_X = 6;
    record.Sensitivity_Y = 2;
    EXPECT_TRUE(SetSensitivityLink(record, false));
    EXPECT_EQ(record.XYSynchronous, 0);
    EXPECT_EQ(record.Sensitivity_Y, 6);
    // Unlinking keeps both values.
    record.Sensitivity_Y = 1;
    EXPECT_FALSE(SetSensitivityLink(record, true));
    EXPECT_EQ(record.XYSynchronous, 1);
    EXPECT_EQ(record.Sensitivity_X, 6);
    EXPECT_EQ(record.Sensitivity_Y, 1);
}

TEST(ResolutionPageButtons, DefaultsAndCopyToEverySlot) {
    SettingsBlock block{};
    block.CurrentSlot = 3;
    for (int slot = 0; slot < kSlotCount; ++slot) block.Profiles[slot] = DefaultRecord(slot);
    ProfileRecord& current = block.Profiles[3];
    current.CpiLevel_X[1] = 11;
    current.dpiStepFlag[4] = 0;
    current.DPIColor[0] = 0x123456;
    current.CpiStep = 4;
    current.Sensitivity_Y = 9;
    current.PollingRate = 1;  // not a resolution setting
    CopyResolutionSettingsToAllSlots(block);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(block.Profiles[slot].CpiLevel_X[1], 11) << slot;
        EXPECT_EQ(block.Profiles[slot].dpiStepFlag[4], 0) << slot;
        EXPECT_EQ(block.Profiles[slot].DPIColor[0], 0x123456) << slot;
        EXPECT_EQ(block.Profiles[slot].CpiStep, 4) << slot;
        EXPECT_EQ(block.Profiles[slot].Sensitivity_Y, 9) << slot;
        EXPECT_EQ(block.Profiles[slot].PollingRate, slot == 3 ? 1 : DefaultRecord(slot).PollingRate) << slot;
    }
    ResetResolutionSettings(current, 3);
    const ProfileRecord defaults = DefaultRecord(3);
    EXPECT_EQ(current.CpiLevel_X[1], defaults.CpiLevel_X[1]);
    EXPECT_EQ(current.DPIColor[0], defaults.DPIColor[0]);
    EXPECT_EQ(current.CpiStep, defaults.CpiStep);
    EXPECT_EQ(current.PollingRate, 1);  // left alone
}

// A value outside 1..12 shows "1000" on the page but reaches the mouse as
// level code 2, in both level rows of the configuration report.
TEST(LevelValueText, OutOfRangeValueIsSentAsCodeTwo) {
    ProfileRecord record = DefaultRecord();
    record.CpiLevel_X[3] = 13;
    record.CpiLevel_X[4] = 11;
    const device::ReportData report = device::BuildConfigurationReport(record);
    EXPECT_STREQ(LevelValueText(record.CpiLevel_X[3]), "1000");
    EXPECT_EQ(report[84 + 3], 2);
    EXPECT_EQ(report[92 + 3], 2);
    EXPECT_EQ(report[84 + 4], 23);
    EXPECT_EQ(report[92 + 4], 23);
}

}  // namespace
