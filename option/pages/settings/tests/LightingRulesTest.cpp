#include "option/pages/settings/core/LightingRules.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

ProfileRecord ZeroRecord() {
    ProfileRecord record;
    std::memset(&record, 0, sizeof record);
    return record;
}

TEST(LightMode, SubPageCaptionAndMenuItem) {
    const struct {
        int32_t lightType;
        LightMode shown;
        unsigned nameId;  // 0: empty caption
    } rows[] = {
        {0, LightMode::DanSe, 1072},
        {1, LightMode::DanDian, 1073},
        {2, LightMode::XuanCai, 1074},
        {3, LightMode::QiSe, 1075},
        {4, LightMode::DanSe, 0},   // unknown: DanSe with an empty caption
        {-1, LightMode::DanSe, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ShownLightMode(row.lightType), row.shown) << row.lightType;
        EXPECT_EQ(LightModeNameId(row.lightType), row.nameId) << row.lightType;
    }
    EXPECT_EQ(LightModeOfMenuItem(1001), 0);
    EXPECT_EQ(LightModeOfMenuItem(1004), 3);
    EXPECT_EQ(LightModeOfMenuItem(1000), -1);
    EXPECT_EQ(LightModeOfMenuItem(1005), -1);
}

TEST(LightSpeed, FieldsOfEachModeAndTheSpecialSpeedBox) {
    const struct {
        LightMode mode;
        size_t speedOffset;
        size_t specialOffset;
    } rows[] = {
        {LightMode::DanSe, offsetof(ProfileRecord, DanSeSpeed), offsetof(ProfileRecord, DanSeSpecielSpeed)},
        {LightMode::DanDian, offsetof(ProfileRecord, NeonSpeed), offsetof(ProfileRecord, NeonSpecielSpeed)},
        {LightMode::XuanCai, offsetof(ProfileRecord, XuanCaiSpeed), offsetof(ProfileRecord, XuanCaiSpecielSpeed)},
        {LightMode::QiSe, offsetof(ProfileRecord, QiSeSpeed), offsetof(ProfileRecord, QiSeSpecielSpeed)},
    };
    for (const auto& row : rows) {
        ProfileRecord record = ZeroRecord();
        auto* base = reinterpret_cast<char*>(&record);
        EXPECT_EQ(reinterpret_cast<char*>(&LightSpeed(record, row.mode)) - base,
                  static_cast<ptrdiff_t>(row.speedOffset));
        EXPECT_EQ(reinterpret_cast<char*>(&LightSpecialSpeed(record, row.mode)) - base,
                  static_cast<ptrdiff_t>(row.specialOffset));
    }
    // Speed 4 -> 3 disables the box, back to 4 enables it; the special
    // speed itself is a separate field and keeps its value.
    ProfileRecord record = ZeroRecord();
    record.XuanCaiSpeed = 4;
    record.XuanCaiSpecielSpeed = 9;
    EXPECT_TRUE(SpecialSpeedUsable(record.XuanCaiSpeed));
    LightSpeed(record, LightMode::XuanCai) = 3;
    EXPECT_FALSE(SpecialSpeedUsable(record.XuanCaiSpeed));
    LightSpeed(record, LightMode::XuanCai) = 4;
    EXPECT_TRUE(SpecialSpeedUsable(record.XuanCaiSpeed));
    EXPECT_EQ(record.XuanCaiSpecielSpeed, 9);
    EXPECT_FALSE(SpecialSpeedUsable(1));
}

TEST(DanSeColour, WritesTheEntryOfTheCurrentLevelOnly) {
    const struct {
        const char* what;
        int32_t cpiStep;
        int colour;
        int32_t expected[8];
    } rows[] = {
        {"CpiStep 2, colour 5: entry 2 only", 2, 5, {0, 1, 5, 3, 4, 5, 6, 7}},
        {"CpiStep 0, colour 6", 0, 6, {6, 1, 2, 3, 4, 5, 6, 7}},
        {"CpiStep 8 is outside the array: nothing", 8, 3, {0, 1, 2, 3, 4, 5, 6, 7}},
        {"CpiStep -1: nothing", -1, 3, {0, 1, 2, 3, 4, 5, 6, 7}},
    };
    for (const auto& row : rows) {
        ProfileRecord record = ZeroRecord();
        for (int i = 0; i < 8; ++i) record.ColorOptions[i] = i;
        record.CpiStep = row.cpiStep;
        SetDanSeColour(record, row.colour);
        for (int i = 0; i < 8; ++i) EXPECT_EQ(record.ColorOptions[i], row.expected[i]) << row.what << " entry " << i;
        EXPECT_EQ(DanSeColourIndexOf(record), row.cpiStep >= 0 && row.cpiStep < 8 ? row.colour : -1) << row.what;
    }
}

TEST(LightPairsAndToggles, FieldsOfEachMode) {
    const struct {
        LightMode mode;
        int index;
        int32_t DanSeType, XuanCaiDirection, QiSeType;  // afterwards, from 9 each
        size_t toggleOffset;                            // 0: no toggle
    } rows[] = {
        {LightMode::DanSe, 1, 2, 9, 9, 0},  // type 2
        {LightMode::DanSe, 0, 1, 9, 9, 0},  // type 1
        {LightMode::DanDian, 1, 9, 9, 9, offsetof(ProfileRecord, NeonIntensity)},
        {LightMode::XuanCai, 1, 9, 1, 9, offsetof(ProfileRecord, LightSwitch)},
        {LightMode::QiSe, 0, 9, 9, 0, offsetof(ProfileRecord, QiSeIntensity)},
    };
    for (const auto& row : rows) {
        ProfileRecord record = ZeroRecord();
        record.DanSeType = record.XuanCaiDirection = record.QiSeType = 9;
        SetPairIndex(record, row.mode, row.index);
        EXPECT_EQ(record.DanSeType, row.DanSeType) << static_cast<int>(row.mode);
        EXPECT_EQ(record.XuanCaiDirection, row.XuanCaiDirection) << static_cast<int>(row.mode);
        EXPECT_EQ(record.QiSeType, row.QiSeType) << static_cast<int>(row.mode);
        if (row.mode != LightMode::DanDian) {
            EXPECT_EQ(PairIndexOf(record, row.mode), row.index);
        }
        int32_t* toggle = ToggleField(record, row.mode);
        if (row.toggleOffset == 0) {
            EXPECT_EQ(toggle, nullptr);
        } else {
            EXPECT_EQ(reinterpret_cast<char*>(toggle) - reinterpret_cast<char*>(&record),
                      static_cast<ptrdiff_t>(row.toggleOffset));
        }
    }
    EXPECT_EQ(PairIndexOf(ZeroRecord(), LightMode::DanDian), -1);
    // A damaged DanSeType 0 selects no button of the pair.
    EXPECT_EQ(PairIndexOf(ZeroRecord(), LightMode::DanSe), -1);
    // The DanSe buttons show the palette: red first, white last.
    EXPECT_EQ(DanSeButtonColour(0), 0x0000FFu);
    EXPECT_EQ(DanSeButtonColour(6), 0xFFFFFFu);
    EXPECT_EQ(DanSeButtonColour(7), 0u);
}

TEST(MenuReopenGuard, TwoHundredMillisecondsAfterClosing) {
    MenuReopenGuard guard;
    EXPECT_TRUE(guard.MayOpen(0));  // never closed yet
    guard.Closed(1000);
    const struct {
        uint32_t now;
        bool mayOpen;
    } rows[] = {{1000, false}, {1199, false}, {1200, true}, {5000, true}};
    for (const auto& row : rows) EXPECT_EQ(guard.MayOpen(row.now), row.mayOpen) << row.now;
    // Across the wrap of the tick counter.
    guard.Closed(0xFFFFFFF0u);
    EXPECT_FALSE(guard.MayOpen(0x10));
    EXPECT_TRUE(guard.MayOpen(0xB8));
}

}  // namespace
