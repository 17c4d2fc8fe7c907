// Code-5 buttons: the combination pressed and released in the fixed
// modifier order, and the auto-repeat of timer 102.
#include "EngineFakes.h"

#include <gtest/gtest.h>

namespace {

using namespace enginetest;

TEST(KeyCombination_PressAndRelease, ModifiersInFixedOrderReleasedInReverse) {
    struct Row {
        const char* what;
        uint8_t keyCode, modifiers;
        std::vector<std::string> press, release;
    } rows[] = {
        // A with Shift and Ctrl: Ctrl goes down first whatever the bit order.
        {"Ctrl+Shift+A", 4, 0x06, {"key 11 0", "key 10 0", "key 41 0"}, {"key 41 2", "key 10 2", "key 11 2"}},
        // Bit 0x01 overrides every other modifier bit.
        {"0x1F", 4, 0x1F, {"key 41 0"}, {"key 41 2"}},
        // Left Shift as the main key is folded to VK_SHIFT.
        {"Ctrl+LeftShift", 225, 0x04, {"key 11 0", "key 10 0"}, {"key 10 2", "key 11 2"}},
        // Right Alt folds to VK_MENU.
        {"RightAlt", 230, 0x00, {"key 12 0"}, {"key 12 2"}},
        // The Windows key as main key stays itself.
        {"LeftWindows", 227, 0x00, {"key 5B 0"}, {"key 5B 2"}},
        // Alt and Windows modifiers, Alt first.
        {"Win+Alt+F1", 58, 0x18, {"key 12 0", "key 5B 0", "key 70 0"}, {"key 70 2", "key 5B 2", "key 12 2"}},
        // Key code 50 has no virtual key: the modifiers alone.
        {"Ctrl+nothing", 50, 0x04, {"key 11 0"}, {"key 11 2"}},
    };
    for (const Row& row : rows) {
        EngineFixture fixture;
        fixture.SetCombination(4, row.keyCode, row.modifiers);
        fixture.engine.ButtonAction(EngineFixture::Press(5));
        EXPECT_EQ(fixture.recorder.Texts("key "), row.press) << row.what;
        // One millisecond after each modifier.
        EXPECT_EQ(fixture.clock.Sleeps.size(), row.press.size() - (row.keyCode == 50 ? 0 : 1)) << row.what;
        fixture.recorder.Lines.clear();
        fixture.engine.ButtonAction(EngineFixture::Release(5));
        EXPECT_EQ(fixture.recorder.Texts("key "), row.release) << row.what;
        EXPECT_EQ(fixture.host.Timers.count(kTimerKeyRepeat), 0u) << row.what;
    }
}

TEST(KeyCombination_ScanCodes, ComeFromTheLayout) {
    EngineFixture fixture;
    fixture.SetCombination(0, 4, 0x04);
    fixture.engine.ButtonAction(EngineFixture::Press(1));
    EXPECT_EQ(fixture.input.Scans, (std::vector<uint8_t>{0x1D, 0x1E}));  // Ctrl, A
}

TEST(KeyCombination_Repeat, OnceOnPressThenAfter1000AndEvery100) {
    struct Row {
        const char* what;
        uint8_t keyCode, modifiers;
        unsigned releaseAt;
        std::vector<unsigned> downs;  // times of the main key going down
    } rows[] = {
        // Released within 1000 ms: typed exactly once (1 ms after Ctrl).
        {"short press", 4, 0x04, 999, {1}},
        // Held: again 1000 ms after the press, then every 100 ms; each
        // repeat is a key-up and, 1 ms later, the key-down counted here.
        {"held", 4, 0x04, 1350, {1, 1002, 1102, 1202, 1302}},
        // A modifier as main key never repeats.
        {"shift", 225, 0x04, 1350, {1}},
        // Nor does the Windows key.
        {"windows", 227, 0x00, 1350, {0}},
    };
    for (const Row& row : rows) {
        EngineFixture fixture;
        fixture.SetCombination(2, row.keyCode, row.modifiers);
        fixture.engine.ButtonAction(EngineFixture::Press(3));
        fixture.clock.At(row.releaseAt, [&] { fixture.engine.ButtonAction(EngineFixture::Release(3)); });
        fixture.clock.AdvanceTo(5000);
        const uint8_t main = row.keyCode == 4 ? 0x41 : row.keyCode == 225 ? 0x10 : 0x5B;
        EXPECT_EQ(fixture.recorder.TimesOf(Format("key %02X 0", main)), row.downs) << row.what;
        EXPECT_EQ(fixture.recorder.TimesOf(Format("key %02X 2", main)).back(), row.releaseAt) << row.what;
    }
}

TEST(KeyCombination_SecondPress, ReplacesTheRepeatAndFirstReleaseStopsIt) {
    EngineFixture fixture;
    fixture.SetCombination(0, 4, 0x00);  // A
    fixture.SetCombination(1, 5, 0x00);  // B
    fixture.engine.ButtonAction(EngineFixture::Press(1));
    fixture.clock.At(500, [&] { fixture.engine.ButtonAction(EngineFixture::Press(2)); });
    fixture.clock.At(1550, [&] { fixture.engine.ButtonAction(EngineFixture::Release(1)); });
    fixture.clock.AdvanceTo(4000);
    // The timer restarted at the second press: B repeats from 1500; A never.
    EXPECT_EQ(fixture.recorder.TimesOf("key 42 0"), (std::vector<unsigned>{500, 1501}));
    EXPECT_EQ(fixture.recorder.TimesOf("key 41 0"), (std::vector<unsigned>{0}));
    // The first button's release lets its own key up and ends the repeat.
    EXPECT_EQ(fixture.recorder.TimesOf("key 41 2"), (std::vector<unsigned>{1550}));
    EXPECT_EQ(fixture.host.Timers.count(kTimerKeyRepeat), 0u);
}

TEST(KeyCombination_ProfileSwitchWhileHeld, ReleaseLetsUpTheKeysOfThePress) {
    EngineFixture fixture;
    fixture.SetCombination(0, 4, 0x04);  // Ctrl+A in slot 0
    fixture.host.Block->Profiles[1].MacroKeyInfo[0].FunctionCode = 1;  // left button in slot 1
    fixture.engine.ButtonAction(EngineFixture::Press(1));
    fixture.engine.DeviceStateNotice(0x0800, 2);
    fixture.recorder.Lines.clear();
    fixture.engine.ButtonAction(EngineFixture::Release(1));
    EXPECT_EQ(fixture.recorder.Texts("key "), (std::vector<std::string>{"key 41 2", "key 11 2"}));
    EXPECT_EQ(fixture.host.Timers.count(kTimerKeyRepeat), 0u);
}

TEST(KeyCombination_Shutdown, ReleasesHeldCombinationAndStopsTimers) {
    EngineFixture fixture;
    fixture.SetCombination(0, 4, 0x04);
    fixture.Current().MediaOption = 0;
    fixture.engine.ButtonAction(EngineFixture::Press(1));
    fixture.engine.MediaCommand(38, 0);
    fixture.recorder.Lines.clear();
    fixture.engine.BeginShutdown();
    EXPECT_EQ(fixture.recorder.Texts("key "), (std::vector<std::string>{"key 41 2", "key 11 2"}));
    EXPECT_TRUE(fixture.host.Timers.empty());
    // Events still dispatched afterwards put nothing down.
    fixture.recorder.Lines.clear();
    fixture.engine.ButtonAction(EngineFixture::Press(1));
    fixture.engine.MediaCommand(38, 0);
    EXPECT_TRUE(fixture.recorder.Texts("key ").empty());
    EXPECT_TRUE(fixture.host.Timers.empty());
}

// An unplugged mouse sends no release; a repeat tick already due types nothing.
TEST(KeyCombination_DeviceRemoved, ReleasesHeldKeysAndStopsTheRepeats) {
    EngineFixture fixture;
    fixture.SetCombination(0, 4, 0x04);
    fixture.engine.ButtonAction(EngineFixture::Press(1));
    fixture.engine.MediaCommand(38, 0);
    fixture.recorder.Lines.clear();
    fixture.engine.DeviceRemoved();
    fixture.engine.RepeatTimer(kTimerKeyRepeat);
    fixture.engine.RepeatTimer(kTimerMediaRepeat);
    EXPECT_EQ(fixture.recorder.Texts("key "), (std::vector<std::string>{"key 41 2", "key 11 2"}));
    EXPECT_TRUE(fixture.host.Timers.empty());
}

TEST(ButtonAction_OutOfRangeOrOtherCodes, DoNothing) {
    struct Row {
        const char* what;
        uint8_t code;
        uint16_t data;
    } rows[] = {
        {"button 0", 5, 0x0000},          // below 1..16
        {"button 17", 5, 0x0011},         // above 1..16
        {"no function", 0, 0x0001},       // code 0
        {"device button", 1, 0x0001},     // left button, done by the mouse
        {"macro release", 16, 0x0101},    // a macro's release
        {"launch on button event", 17, 0x0001},  // launches come as 0x000A
    };
    for (const Row& row : rows) {
        EngineFixture fixture;
        fixture.SetCombination(0, 4, 0x04);
        fixture.SetMacro(0, {{4, 1, 10}}, 1);
        fixture.SetCombination(16 - 1, 4, 0x04);
        fixture.Entry(0).FunctionCode = row.code;
        fixture.Entry(15).FunctionCode = row.code;
        fixture.engine.ButtonAction(row.data);
        EXPECT_EQ(fixture.recorder.Texts(), std::vector<std::string>{}) << row.what;
        EXPECT_TRUE(fixture.host.Timers.empty()) << row.what;
    }
}

}  // namespace
