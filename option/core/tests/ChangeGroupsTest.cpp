// The comparison Apply makes, the fields message 1257 takes over, and the
// firmware version text.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "option/core/ChangeGroups.h"
#include "option/core/VersionText.h"

namespace {

struct Flags {
    int config, a, b, rate, level;
};

Flags FlagsOf(const SettingsBlock& block, int slot) {
    return {block.ConfigChanged[slot], block.ChangedA[slot], block.ChangedB[slot], block.RateChanged[slot],
            block.LevelChanged[slot]};
}

std::unique_ptr<SettingsBlock> DefaultBlock() {
    auto block = std::make_unique<SettingsBlock>();
    ClearBlock(*block);
    ResetProfileSet(*block);
    return block;
}

TEST(ComputeChangeFlags_OneFieldChanged, SetsOnlyItsGroupInItsSlot) {
    struct Case {
        const char* what;
        std::function<void(ProfileRecord&)> change;
        Flags expected;  // config, A, B, rate, level
    };
    const Case cases[] = {
        {"LightIntensity", [](ProfileRecord& r) { r.LightIntensity = 5; }, {1, 0, 0, 0, 0}},
        {"TimeCloseFlag", [](ProfileRecord& r) { r.TimeCloseFlag = 0; }, {0, 1, 0, 0, 0}},
        {"HDDKeyboard", [](ProfileRecord& r) { r.HDDKeyboard = 0; }, {0, 1, 0, 0, 0}},
        {"LiftLevel", [](ProfileRecord& r) { r.LiftLevel = 2; }, {0, 1, 0, 0, 0}},
        {"BTOption", [](ProfileRecord& r) { r.BTOption = 1; }, {0, 1, 0, 0, 0}},
        {"OTGSpeed", [](ProfileRecord& r) { r.OTGSpeed = 3; }, {0, 0, 1, 0, 0}},
        {"PollingRate", [](ProfileRecord& r) { r.PollingRate = 0; }, {0, 0, 0, 1, 0}},
        {"CpiStep", [](ProfileRecord& r) { r.CpiStep = 4; }, {0, 0, 0, 0, 1}},
        // The last element of an array counts.
        {"CpiLevel_X4", [](ProfileRecord& r) { r.CpiLevel_X[4] = 1; }, {1, 0, 0, 0, 0}},
        {"ClQiSeColor6", [](ProfileRecord& r) { r.ClQiSeColor[6] = 0; }, {1, 0, 0, 0, 0}},
        // A byte array element.
        {"dpiIndicator2", [](ProfileRecord& r) { r.dpiIndicator[2] = 7; }, {1, 0, 0, 0, 0}},
        {"ColorOptions2 (byte field)", [](ProfileRecord& r) { r.ColorOptions2 = 9; }, {1, 0, 0, 0, 0}},
        {"DanSeType (last field)", [](ProfileRecord& r) { r.DanSeType = 0; }, {1, 0, 0, 0, 0}},
        // Fields without a group are not compared.
        {"ProFileName", [](ProfileRecord& r) { r.ProFileName[0] = 'X'; }, {0, 0, 0, 0, 0}},
        {"Orientation", [](ProfileRecord& r) { r.Orientation = 1; }, {0, 0, 0, 0, 0}},
        {"DbleClickSpeed", [](ProfileRecord& r) { r.DbleClickSpeed = 200; }, {0, 0, 0, 0, 0}},
        {"button entry", [](ProfileRecord& r) { r.MacroKeyInfo[3].FunctionCode = 5; }, {0, 0, 0, 0, 0}},
        {"ColorChangeModeOptions1", [](ProfileRecord& r) { r.ColorChangeModeOptions1 = 0; }, {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        for (int slot : {0, 4}) {
            auto applied = DefaultBlock();
            auto edit = DefaultBlock();
            c.change(edit->Profiles[slot]);
            ComputeChangeFlags(*edit, *applied);
            Flags got = FlagsOf(*edit, slot);
            EXPECT_EQ(got.config, c.expected.config) << c.what << " slot " << slot;
            EXPECT_EQ(got.a, c.expected.a) << c.what;
            EXPECT_EQ(got.b, c.expected.b) << c.what;
            EXPECT_EQ(got.rate, c.expected.rate) << c.what;
            EXPECT_EQ(got.level, c.expected.level) << c.what;
            const int other = slot == 0 ? 4 : 0;
            Flags untouched = FlagsOf(*edit, other);
            EXPECT_EQ(untouched.config + untouched.a + untouched.b + untouched.rate + untouched.level, 0) << c.what;
            EXPECT_EQ(edit->SlotChanged, 0) << c.what;
        }
    }
}

TEST(ComputeChangeFlags_SlotSelected, SetsSlotFlagAndClearsStaleGroupFlags) {
    auto applied = DefaultBlock();
    auto edit = DefaultBlock();
    edit->CurrentSlot = 3;
    // Stale flags from an earlier apply must not survive the comparison.
    edit->ConfigChanged[1] = 1;
    edit->RateChanged[3] = 1;
    edit->ButtonChanged[2][5] = 1;
    ComputeChangeFlags(*edit, *applied);
    EXPECT_EQ(edit->SlotChanged, 1);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        Flags got = FlagsOf(*edit, slot);
        EXPECT_EQ(got.config + got.a + got.b + got.rate + got.level, 0) << slot;
    }
    // Button flags are the pages' business.
    EXPECT_EQ(edit->ButtonChanged[2][5], 1);
}

TEST(TakeOverMouseChanges_CurrentSlot, CopiesExactlyFourFields) {
    auto applied = DefaultBlock();
    auto edit = DefaultBlock();
    applied->CurrentSlot = 2;
    edit->CurrentSlot = 2;
    // The mouse changed these (and, in the block, a field the user edits).
    ProfileRecord& mouse = applied->Profiles[2];
    mouse.CpiStep = 4;
    mouse.Sensitivity_X = 3;
    mouse.Sensitivity_Y = 17;
    mouse.PollingRate = 0;
    mouse.LightType = 0;
    applied->Profiles[1].CpiStep = 3;
    // Unapplied edits of the user.
    ProfileRecord& user = edit->Profiles[2];
    user.LightType = 3;
    user.XYSynchronous = 1;
    user.ProFileName[0] = 'Q';
    auto before = std::make_unique<SettingsBlock>(*edit);
    TakeOverMouseChanges(*edit, *applied);
    EXPECT_EQ(user.CpiStep, 4);
    EXPECT_EQ(user.Sensitivity_X, 3);
    EXPECT_EQ(user.Sensitivity_Y, 17);
    EXPECT_EQ(user.PollingRate, 0);
    // Everything else is byte for byte what it was.
    before->Profiles[2].CpiStep = 4;
    before->Profiles[2].Sensitivity_X = 3;
    before->Profiles[2].Sensitivity_Y = 17;
    before->Profiles[2].PollingRate = 0;
    EXPECT_EQ(memcmp(before.get(), edit.get(), sizeof(SettingsBlock)), 0);
}

TEST(FirmwareVersionText_Values, StartLimitsAboveFiveHundred) {
    struct Case {
        int version;
        bool start;
        const char* text;
    };
    const Case cases[] = {
        {600, true, "N/A"},   // above 500 at start-up
        {600, false, "6.00"}, // no upper bound after message 1254
        {99, true, "N/A"},    // below 100
        {99, false, "N/A"},
        {100, true, "1.00"},  // lowest shown
        {104, true, "1.04"},
        {500, true, "5.00"},  // highest shown at start-up
        {501, true, "N/A"},
        {-5, false, "N/A"},
        {1234, false, "1.234"},  // "." after the first digit, whatever follows
    };
    for (const Case& c : cases) EXPECT_EQ(FirmwareVersionText(c.version, c.start), c.text) << c.version;
}

TEST(VersionLine_Labels, JoinsLabelsAndVersions) {
    EXPECT_EQ(VersionLine("Software ", "Firmware ", "1.08"), "Software 1.04-Firmware 1.08");
    EXPECT_EQ(VersionLine("", "", "N/A"), "1.04-N/A");
}

}  // namespace
