#include "profile/SettingsBlock.h"
#include "ProfileTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

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
        {"CpiLevel_X0", r.CpiLevel_X[0], 4},
        {"CpiLevel_X1", r.CpiLevel_X[1], 6},
        {"CpiLevel_X2", r.CpiLevel_X[2], 8},
        {"CpiLevel_X3", r.CpiLevel_X[3], 10},
        {"CpiLevel_X4", r.CpiLevel_X[4], 12},
        {"CpiLevel_Y0", r.CpiLevel_Y[0], 4},
        {"CpiLevel_Y1", r.CpiLevel_Y[1], 6},
        {"CpiLevel_Y2", r.CpiLevel_Y[2], 8},
        {"CpiLevel_Y3", r.CpiLevel_Y[3], 10},
        {"CpiLevel_Y4", r.CpiLevel_Y[4], 12},
        {"CpiStep", r.CpiStep, 0},
        {"dpiStepFlag0", r.dpiStepFlag[0], 1},
        {"dpiStepFlag1", r.dpiStepFlag[1], 1},
        {"dpiStepFlag2", r.dpiStepFlag[2], 1},
        {"dpiStepFlag3", r.dpiStepFlag[3], 1},
        {"dpiStepFlag4", r.dpiStepFlag[4], 1},
        {"DpiIndicationType", r.DpiIndicationType, 1},
        {"PollingRate", r.PollingRate, 2},
        // Lighting.
        {"LightSwitch", r.LightSwitch, 0},
        {"LightType", r.LightType, 2},
        {"ColorFlag", r.ColorFlag, 1},
        {"ColorOptions0", r.ColorOptions[0], 0},
        {"ColorOptions1 (array)", r.ColorOptions[1], 1},
        {"ColorOptions2 (array)", r.ColorOptions[2], 3},
        {"ColorOptions3", r.ColorOptions[3], 2},
        {"ColorOptions4", r.ColorOptions[4], 4},
        {"ColorOptions5", r.ColorOptions[5], 5},
        {"ColorOptions6", r.ColorOptions[6], 6},
        {"ColorOptions7", r.ColorOptions[7], 7},
        {"OTGSpeed", r.OTGSpeed, 10},
        {"DPIColor0", r.DPIColor[0], 0x0000FF},
        {"DPIColor1", r.DPIColor[1], 0xFF0000},
        {"DPIColor2", r.DPIColor[2], 0x00FF00},
        {"DPIColor3", r.DPIColor[3], 0xFF00FF},
        {"DPIColor4", r.DPIColor[4], 0xFF0000},
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
        {"ClQiSeColor0", r.ClQiSeColor[0], 0xFF00FF},
        {"ClQiSeColor1", r.ClQiSeColor[1], 0x00FF00},
        {"ClQiSeColor2", r.ClQiSeColor[2], 0xFF0000},
        {"ClQiSeColor3", r.ClQiSeColor[3], 0x00FFFF},
        {"ClQiSeColor4", r.ClQiSeColor[4], 0xFFFF00},
        {"ClQiSeColor5", r.ClQiSeColor[5], 0xFF00FF},
        {"ClQiSeColor6", r.ClQiSeColor[6], 0xFFFFFF},
        {"DanSeSpeed", r.DanSeSpeed, 2},
        {"DanSeSpecielSpeed", r.DanSeSpecielSpeed, 1},
        {"DanSeIntensity", r.DanSeIntensity, 2},
        {"DanSeType", r.DanSeType, 2},
    };
    static_assert(sizeof rows / sizeof rows[0] == 86, "86 defaults");
    for (const Row& row : rows) EXPECT_EQ(row.value, row.expected) << row.field;
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
