// State changes the mouse made by itself: the agent copy updated, written
// back, Option and the display program told; and the notices' texts.
#include "EngineFakes.h"

#include <gtest/gtest.h>

namespace {

using namespace enginetest;

constexpr WindowId kOption = 100;
constexpr WindowId kDisplay = 101;

struct Fixture : EngineFixture {
    Fixture() {
        windows.Add(kOption, 0, "OptionClass", {}, 0, "TARVIK-Q7 Gaming Mouse Option");
        windows.Add(kDisplay, 0, "HeraldClass", {}, 0, "Zelkor_510-7716_Gaming_Mouse_Normal_OSD");
        // Level 2 reads as 1600, level 5 as 5000.
        Current().CpiLevel_X[1] = 16;
        Current().CpiLevel_X[4] = 50;
        Current().Sensitivity_X = 10;
        Current().Sensitivity_Y = 10;
        Current().PollingRate = 1;
    }
};

TEST(DeviceStateNotice_Events, UpdateTheCopyWriteBackAndTell) {
    // Slot 0 written back and Option told (1257); and the text shown (1324, 50).
    const std::vector<std::string> written = {"writeback slot 0", "post 100 1257 0 0"};
    const std::vector<std::string> writtenAndShown = {"writeback slot 0", "post 100 1257 0 0", "post 101 1324 50 0"};
    // Whether fields of slot 0 hold these values afterwards.
    auto slot0 = [](int32_t ProfileRecord::*field, int32_t value) {
        return [=](const SettingsBlock& b) { return b.Profiles[0].*field == value; };
    };
    auto sensitivity = [](int32_t x, int32_t y) {
        return [=](const SettingsBlock& b) {
            return b.Profiles[0].Sensitivity_X == x && b.Profiles[0].Sensitivity_Y == y;
        };
    };
    struct Row {
        const char* what;
        uint16_t type, data;
        std::function<bool(const SettingsBlock&)> changed;
        std::vector<std::string> lines;
        const char* message;  // OSDData/Message afterwards
        const char* current;  // Setting/CurrentProfile afterwards
    } rows[] = {
        // Profile 3 (slot 2): written back, 1255 and the profile notice, 1257.
        {"profile 3", 0x0800, 3, [](const SettingsBlock& b) { return b.CurrentSlot == 2; },
         {"writeback slot 2", "post 100 1255 0 0", "post 101 1324 40 20000", "post 100 1257 0 0"}, "", "2"},
        // Any type 0x08xx.
        {"profile 0x08FF", 0x08FF, 5, [](const SettingsBlock& b) { return b.CurrentSlot == 4; },
         {"writeback slot 4", "post 100 1255 0 0", "post 101 1324 40 40000", "post 100 1257 0 0"}, "", "4"},
        // Slot 6 does not exist: nothing at all.
        {"profile 6", 0x0800, 6, [](const SettingsBlock& b) { return b.CurrentSlot == 0; }, {}, "", ""},
        // Level 2: CpiStep 1 and "CPI: 1600".
        {"level 2", 0x0700, 2, slot0(&ProfileRecord::CpiStep, 1), writtenAndShown, "CPI: 1600", ""},
        {"level 5", 0x0701, 5, slot0(&ProfileRecord::CpiStep, 4), writtenAndShown, "CPI: 5000", ""},
        // Level 6: an empty text, still announced.
        {"level 6", 0x0700, 6, slot0(&ProfileRecord::CpiStep, 5), writtenAndShown, "", ""},
        // Level 9 is out of range.
        {"level 9", 0x0700, 9, slot0(&ProfileRecord::CpiStep, 0), {}, "", ""},
        // Sensitivity: d = X, h = Y.
        {"sensitivity 3/20", 0xC000, 0x1403, sensitivity(3, 20), written, "", ""},
        // d = 0 changes only Y.
        {"sensitivity 0/5", 0xC000, 0x0500, sensitivity(10, 5), written, "", ""},
        // 21 is beyond the range of either.
        {"sensitivity 21/21", 0xC000, 0x1515, sensitivity(10, 10), written, "", ""},
        // Report interval 1, 2, 4, 8 ms: PollingRate 3, 2, 1, 0.
        {"interval 1", 0x01F2, 1, slot0(&ProfileRecord::PollingRate, 3), written, "", ""},
        {"interval 2", 0x01F2, 2, slot0(&ProfileRecord::PollingRate, 2), written, "", ""},
        {"interval 4", 0x01F2, 4, slot0(&ProfileRecord::PollingRate, 1), written, "", ""},
        {"interval 8", 0x01F2, 8, slot0(&ProfileRecord::PollingRate, 0), written, "", ""},
        // 3 ms has no rate: the stored one stays, the notice still goes.
        {"interval 3", 0x01F2, 3, slot0(&ProfileRecord::PollingRate, 1), written, "", ""},
        {"interval 9", 0x01F2, 9, slot0(&ProfileRecord::PollingRate, 1), {}, "", ""},
    };
    for (const Row& row : rows) {
        Fixture fixture;
        fixture.engine.DeviceStateNotice(row.type, row.data);
        EXPECT_TRUE(row.changed(*fixture.host.Block)) << row.what;
        EXPECT_EQ(fixture.recorder.Texts(), row.lines) << row.what;
        EXPECT_EQ(fixture.SettingsValue("OSDData", "Message"), row.message) << row.what;
        EXPECT_EQ(fixture.SettingsValue("Setting", "CurrentProfile"), row.current) << row.what;
    }
}

TEST(DeviceStateNotice_NoWindows, WritesButPostsNothing) {
    EngineFixture fixture;
    fixture.Current().CpiLevel_X[0] = 8;
    fixture.engine.DeviceStateNotice(0x0700, 1);
    fixture.engine.DeviceStateNotice(0x0800, 2);
    EXPECT_EQ(fixture.recorder.Texts(), (std::vector<std::string>{"writeback slot 0", "writeback slot 1"}));
    EXPECT_EQ(fixture.SettingsValue("OSDData", "Message"), "CPI: 800");
    EXPECT_EQ(fixture.SettingsValue("Setting", "CurrentProfile"), "1");
}

TEST(MacroNotice_ButtonPress, WritesNumberAndNameWhenTheSwitchIsOn) {
    struct Row {
        const char* what;
        int32_t macroSwitch;
        int button;         // event data, 1-based
        uint8_t code;
        const char* number; // MacroOSD/Number, empty when not written
        std::vector<std::string> lines;
    } rows[] = {
        {"position 4", 1, 5, 16, "4", {"post 101 1324 70 0"}},
        // Positions 13 and 14 are reported as 3 and 4.
        {"position 13", 1, 14, 16, "3", {"post 101 1324 70 0"}},
        {"position 14", 1, 15, 16, "4", {"post 101 1324 70 0"}},
        {"position 12", 1, 13, 16, "12", {"post 101 1324 70 0"}},
        // Button 16 lies beyond the notice range 1..15.
        {"button 16", 1, 16, 16, "", {}},
        // Switch off (0) or any value but 1.
        {"switch off", 0, 5, 16, "", {}},
        {"switch 2", 2, 5, 16, "", {}},
        // Not a macro button.
        {"key combination", 1, 5, 5, "", {}},
    };
    for (const Row& row : rows) {
        Fixture fixture;
        fixture.host.Display.MacroNotice = row.macroSwitch;
        fixture.SetMacro(row.button - 1, {{4, 1, 1}}, 1, "Reload");
        fixture.Entry(row.button - 1).FunctionCode = row.code;
        fixture.engine.DeviceStateNotice(0x4000, static_cast<uint16_t>(row.button));
        EXPECT_EQ(fixture.SettingsValue("MacroOSD", "Number"), row.number) << row.what;
        EXPECT_EQ(fixture.SettingsValue("MacroOSD", "MacroName"), *row.number ? "Reload" : "") << row.what;
        EXPECT_EQ(fixture.recorder.Texts(), row.lines) << row.what;
    }
}

TEST(TextNotice_FromOtherPrograms, WrittenAlwaysAnnouncedWhilePresent) {
    struct Row {
        const char* what;
        std::string text;
        bool present;
        std::string stored;
        std::vector<std::string> lines;
    } rows[] = {
        {"present", "New mail", true, "New mail", {"post 101 1324 50 0"}},
        // The mouse absent: written, not announced.
        {"absent", "New mail", false, "New mail", {}},
        // At most 150 characters.
        {"long", std::string(170, 'x'), true, std::string(150, 'x'), {"post 101 1324 50 0"}},
        // Line breaks cannot add keys of their own to the settings file.
        {"line breaks", "Hi\r\n[Setting]\nCurrentProfile=4", true, "Hi  [Setting] CurrentProfile=4",
         {"post 101 1324 50 0"}},
    };
    for (const Row& row : rows) {
        Fixture fixture;
        fixture.host.Present = row.present;
        fixture.engine.TextNotice(row.text);
        EXPECT_EQ(fixture.SettingsValue("OSDData", "Message"), row.stored) << row.what;
        EXPECT_EQ(fixture.recorder.Texts(), row.lines) << row.what;
        EXPECT_EQ(fixture.SettingsValue("Setting", "CurrentProfile"), "") << row.what;
    }
}

TEST(ProfileNotice_AfterSelectWrite, FollowsTheProfileSwitch) {
    for (int32_t profileSwitch : {0, 1}) {
        Fixture fixture;
        fixture.host.Display.ProfileNotice = profileSwitch;
        fixture.engine.ProfileSelectWritten(3);
        EXPECT_EQ(fixture.recorder.Texts(),
                  profileSwitch ? std::vector<std::string>{"post 101 1324 40 30000"} : std::vector<std::string>{})
            << profileSwitch;
    }
}

}  // namespace
