#include "profile/SettingsBlock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

std::unique_ptr<SettingsBlock> NewClearedBlock() {
    auto block = std::make_unique<SettingsBlock>();
    ClearBlock(*block);
    return block;
}

TEST(ResetProfileSet_ClearedBlock, GivesSlotZeroAndNumberedNames) {
    auto block = NewClearedBlock();
    ResetProfileSet(*block);
    EXPECT_EQ(block->CurrentSlot, 0);
    const char* names[] = {"Default1", "Default2", "Default3", "Default4", "Default5"};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_STREQ(block->Profiles[slot].ProFileName, names[slot]);
        EXPECT_STREQ(block->Profiles[slot].GameFile, "");
    }
}

TEST(FillDefaults_Fields, MatchTheDefaultTable) {
    auto block = NewClearedBlock();
    ResetProfileSet(*block);
    const ProfileRecord& r = block->Profiles[2];
    // A sample of values whose typos would go unnoticed elsewhere.
    EXPECT_EQ(r.DbleClickSpeed, 550);
    EXPECT_EQ(r.Acceleration, 10);
    EXPECT_EQ(r.AccelerationFlag, 0);
    EXPECT_EQ(r.HDDKeyboard, 1);
    EXPECT_EQ(r.XYCpiFlag, 1);
    EXPECT_EQ(r.CpiLevel_X[0], 4);
    EXPECT_EQ(r.CpiLevel_X[4], 12);
    EXPECT_EQ(r.CpiLevel_Y[3], 10);
    EXPECT_EQ(r.PollingRate, 2);
    EXPECT_EQ(r.LightType, 2);
    const int32_t colorOptions[8] = {0, 1, 3, 2, 4, 5, 6, 7};
    EXPECT_EQ(memcmp(r.ColorOptions, colorOptions, sizeof colorOptions), 0);
    EXPECT_EQ(r.DPIColor[0], 0x0000FF);
    EXPECT_EQ(r.DPIColor[3], 0xFF00FF);
    EXPECT_EQ(r.BtnConfiguration, 4);
    EXPECT_EQ(r.LightEffectSwitch2, 0);
    EXPECT_EQ(r.LightEffectType2, 1);
    EXPECT_EQ(r.ColorOptions1, 1);
    EXPECT_EQ(r.ColorOptions2, 1);
    EXPECT_EQ(r.ProfileSwitchIndictor, 1);
    EXPECT_EQ(r.XuanCaiSpecielSpeed, 1);
    EXPECT_EQ(r.QiSeType, 1);
    EXPECT_EQ(r.ClQiSeColor[0], 0xFF00FF);
    EXPECT_EQ(r.ClQiSeColor[6], 0xFFFFFF);
    EXPECT_EQ(r.DanSeIntensity, 2);
    EXPECT_EQ(r.DanSeType, 2);
    EXPECT_EQ(r.OTGSpeed, 10);
}

TEST(FillDefaults_ButtonEntries, CarryIndexAndFunctionCode) {
    auto block = NewClearedBlock();
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
    auto block = NewClearedBlock();
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
    auto block = NewClearedBlock();
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
