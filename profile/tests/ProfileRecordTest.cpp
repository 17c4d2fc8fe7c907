#include "profile/SettingsBlock.h"
#include "ProfileTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

TEST(ResetProfileSet_ClearedBlock, GivesSlotZeroAndNumberedNames) {
    auto block = ClearedBlock();
    ResetProfileSet(*block);
    EXPECT_EQ(block->CurrentSlot, 0);
    const char* names[] = {"Default1", "Default2", "Default3", "Default4", "Default5"};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_STREQ(block->Profiles[slot].ProFileName, names[slot]);
        EXPECT_STREQ(block->Profiles[slot].GameFile, "");
    }
}

TEST(FillDefaults_Fields, MatchTheDefaultTable) {
    auto block = ClearedBlock();
    ResetProfileSet(*block);
    const ProfileRecord& r = block->Profiles[2];
    // All 86 defaults of the record, in record order, each written out.
    struct Row {
        const char* field;
        int64_t value;
        int64_t expected;
    } rows[] = {
        // System pointer settings and tilt wheel.
        {"DbleClickSpeed", r.DbleClickSpeed, 550},
        {"ScrollWheelSpeed", r.ScrollWheelSpeed, 3},
        {"ScrollWheelFlag", r.ScrollWheelFlag, 0},
        {"MouseSpeed", r.MouseSpeed, 10},
        {"Acceleration", r.Acceleration, 10},
        {"AccelerationFlag", r.AccelerationFlag, 0},
        {"TiltSpeed", r.TiltSpeed, 3},
        // Device settings and sensitivity.
        {"LightIntensity", r.LightIntensity, 3},
        {"BreathSpeed", r.BreathSpeed, 1},
        {"TimeCloseFlag", r.TimeCloseFlag, 1},
        {"MediaOption", r.MediaOption, 0},
        {"HDDKeyboard", r.HDDKeyboard, 1},
        {"Orientation", r.Orientation, 0},
        {"XYSynchronous", r.XYSynchronous, 0},
        {"Sensitivity_X", r.Sensitivity_X, 10},
        {"Sensitivity_Y", r.Sensitivity_Y, 10},
        {"XYCpiFlag", r.XYCpiFlag, 1},
        // Resolution levels.
        {"CpiStep", r.CpiStep, 0},
        {"DpiIndicationType", r.DpiIndicationType, 1},
        {"PollingRate", r.PollingRate, 2},
        // Lighting.
        {"LightSwitch", r.LightSwitch, 0},
        {"LightType", r.LightType, 2},
        {"ColorFlag", r.ColorFlag, 1},
        {"OTGSpeed", r.OTGSpeed, 10},
        // Byte-wide fields.
        {"BtnConfiguration", r.BtnConfiguration, 4},
        {"Color1Type", r.Color1Type, 1},
        {"Color2Type", r.Color2Type, 1},
        {"LightEffectSwitch1", r.LightEffectSwitch1, 1},
        {"LightEffectSwitch2", r.LightEffectSwitch2, 0},
        {"LightEffectType1", r.LightEffectType1, 0},
        {"LightEffectType2", r.LightEffectType2, 1},
        {"ColorOptions1 (byte)", r.ColorOptions1, 1},
        {"ColorOptions2 (byte)", r.ColorOptions2, 1},
        {"ColorChangeModeOptions1", r.ColorChangeModeOptions1, 1},
        {"ColorChangeModeOptions2", r.ColorChangeModeOptions2, 1},
        {"FireOrOnToGoStatusIndicatorSetting", r.FireOrOnToGoStatusIndicatorSetting, 1},
        {"ProfileSwitchIndictor", r.ProfileSwitchIndictor, 1},
        // Lighting effects.
        {"XuanCaiDirection", r.XuanCaiDirection, 0},
        {"XuanCaiSpeed", r.XuanCaiSpeed, 2},
        {"XuanCaiSpecielSpeed", r.XuanCaiSpecielSpeed, 1},
        {"NeonSpeed", r.NeonSpeed, 2},
        {"NeonSpecielSpeed", r.NeonSpecielSpeed, 1},
        {"NeonIntensity", r.NeonIntensity, 0},
        {"QiSeSpeed", r.QiSeSpeed, 2},
        {"QiSeIntensity", r.QiSeIntensity, 0},
        {"QiSeType", r.QiSeType, 1},
        {"QiSeSpecielSpeed", r.QiSeSpecielSpeed, 1},
        {"DanSeSpeed", r.DanSeSpeed, 2},
        {"DanSeSpecielSpeed", r.DanSeSpecielSpeed, 1},
        {"DanSeIntensity", r.DanSeIntensity, 2},
        {"DanSeType", r.DanSeType, 2},
    };
    // The array fields, element by element.
    struct ArrayRow {
        const char* field;
        const int32_t* values;
        std::vector<int64_t> expected;
    } arrays[] = {
        {"CpiLevel_X", r.CpiLevel_X, {4, 6, 8, 10, 12}},
        {"CpiLevel_Y", r.CpiLevel_Y, {4, 6, 8, 10, 12}},
        {"dpiStepFlag", r.dpiStepFlag, {1, 1, 1, 1, 1}},
        {"ColorOptions", r.ColorOptions, {0, 1, 3, 2, 4, 5, 6, 7}},
        {"DPIColor", r.DPIColor, {0x0000FF, 0xFF0000, 0x00FF00, 0xFF00FF, 0xFF0000}},
        {"ClQiSeColor", r.ClQiSeColor, {0xFF00FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFFFF00, 0xFF00FF, 0xFFFFFF}},
    };
    size_t count = sizeof rows / sizeof rows[0];
    for (const Row& row : rows) EXPECT_EQ(row.value, row.expected) << row.field;
    for (const ArrayRow& row : arrays) {
        for (size_t i = 0; i < row.expected.size(); ++i) EXPECT_EQ(row.values[i], row.expected[i]) << row.field << i;
        count += row.expected.size();
    }
    EXPECT_EQ(count, 86u);
    EXPECT_STREQ(r.ProFileName, "Default3");
    EXPECT_STREQ(r.GameFile, "");
}

TEST(FillDefaults_ButtonEntries, CarryIndexAndFunctionCode) {
    auto block = ClearedBlock();
    ResetProfileSet(*block);
    const uint8_t expected[kButtonCount] = {1, 2, 3, 7, 8, 13, 86, 0, 0, 0, 0, 0, 0, 0, 9, 10};
    for (int b = 0; b < kButtonCount; ++b) {
        const ButtonAssignmentEntry& entry = block->Profiles[4].MacroKeyInfo[b];
        EXPECT_EQ(entry.ButtonIndex, b);
        EXPECT_EQ(entry.FunctionCode, expected[b]) << "button " << b;
        EXPECT_EQ(entry.ItemCount, 0);
        EXPECT_EQ(entry.MacroOption, 0);
        EXPECT_STREQ(entry.Name, "");
    }
}

TEST(ResetProfile_FieldsWithoutDefault, KeepTheirValues) {
    auto block = ClearedBlock();
    ResetProfileSet(*block);
    ProfileRecord& r = block->Profiles[1];
    // Cleared first: the fields without a default are zero.
    EXPECT_EQ(r.dpiIndicator[0], 0);
    EXPECT_EQ(r.LiftSwitch, 0);
    EXPECT_EQ(r.BTOption, 0);

    r.dpiIndicator[3] = 7;
    r.LiftSwitch = 4;
    r.LiftLevel = 5;
    r.ColorChangeMode = 6;
    r.BTOption = 8;
    r.DbleClickSpeed = 900;
    r.MacroKeyInfo[9].FunctionCode = 16;
    ResetProfile(r, 1);
    EXPECT_EQ(r.dpiIndicator[3], 7);
    EXPECT_EQ(r.LiftSwitch, 4);
    EXPECT_EQ(r.LiftLevel, 5);
    EXPECT_EQ(r.ColorChangeMode, 6);
    EXPECT_EQ(r.BTOption, 8);
    EXPECT_EQ(r.DbleClickSpeed, 550);
    EXPECT_EQ(r.MacroKeyInfo[9].FunctionCode, 0);
    EXPECT_STREQ(r.ProFileName, "Default2");
}

TEST(CopyText_LongText, IsCutToTheField) {
    ButtonAssignmentEntry entry{};
    memset(entry.Name, 'x', sizeof entry.Name);
    CopyText(entry.Name, "a macro name much longer than twenty-five characters");
    EXPECT_EQ(strlen(entry.Name), 25u);
    EXPECT_EQ(entry.RepeatCount, 0);  // nothing written past the field
    CopyText(entry.Name, nullptr);
    EXPECT_STREQ(entry.Name, "");
}

TEST(BlockFlags, ClearMarkAllAndMarkOneSlot) {
    auto block = ClearedBlock();
    EXPECT_EQ(block->CurrentSlot, -1);
    EXPECT_EQ(block->MouseType, 0);

    MarkSlotChanged(*block, 3);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        int expected = slot == 3 ? 1 : 0;
        for (int b = 0; b < kButtonCount; ++b) EXPECT_EQ(block->ButtonChanged[slot][b], expected);
        EXPECT_EQ(block->ChangedA[slot], expected);
        EXPECT_EQ(block->ChangedB[slot], expected);
        EXPECT_EQ(block->RateChanged[slot], expected);
        EXPECT_EQ(block->LevelChanged[slot], expected);
        EXPECT_EQ(block->ConfigChanged[slot], expected);
    }
    EXPECT_EQ(block->SlotChanged, 1);

    MarkSlotChanged(*block, 7);  // out of range: nothing, no write outside the block
    ClearBlock(*block);
    MarkAllChanged(*block);
    EXPECT_EQ(block->ButtonChanged[0][0], 1);
    EXPECT_EQ(block->ConfigChanged[4], 1);
    EXPECT_EQ(block->CurrentSlot, -1);
}

TEST(EffectiveSlot_OutOfRange, IsSlotZero) {
    struct Row { int32_t current; int expected; } rows[] = {
        {-1, 0}, {0, 0}, {4, 4}, {5, 0}, {255, 0}, {INT32_MIN, 0},
    };
    for (const Row& row : rows) EXPECT_EQ(EffectiveSlot(row.current), row.expected) << row.current;
}

}  // namespace
