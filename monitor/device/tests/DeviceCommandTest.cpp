#include <gtest/gtest.h>

#include "monitor/device/DeviceCodes.h"
#include "monitor/device/DeviceCommand.h"
#include "monitor/device/tests/DeviceTestSupport.h"

using namespace device;
using device_test::Bytes;
using device_test::Hex;

TEST(BuildCommand_EveryCommand, MatchesHandCheckedBytes) {
    struct Row {
        const char* what;
        DeviceCommand command;
        const char* expected;
    };
    const Row rows[] = {
        // The documented example: select slot 0.
        {"select slot 0", ProfileSelectCommand(0), "02 01 00 00 00 00 00 FC"},
        {"select slot 4", ProfileSelectCommand(4), "02 05 00 00 00 00 00 F8"},
        // 0x01 + 0x88 + 0x02 = 0x8B; 0xFF - 0x8B = 0x74.
        {"opening", OpeningCommand(), "01 88 02 00 00 00 00 74"},
        // PollingRate 2 sends rate code 2.
        {"rate slot 0, rate 2", ReportRateCommand(0, 2), "03 01 02 00 00 00 00 F9"},
        // PollingRate 0 sends 8 (ms between reports).
        {"rate slot 2, rate 0", ReportRateCommand(2, 0), "03 03 08 00 00 00 00 F1"},
        // Level byte is CpiStep + 1.
        {"level slot 1, step 4", LevelCommand(1, 4), "04 02 05 00 00 00 00 F4"},
        {"configuration slot 3", ConfigurationCommand(3), "0C 04 80 00 00 00 00 6F"},
        {"button map slot 0", ButtonMapCommand(0), "0D 01 80 00 00 00 00 71"},
        // Macro 80 = slot 4, button 15.
        {"macro 80", MacroCommand(80), "0F 50 80 00 00 00 00 20"},
    };
    for (const Row& row : rows) EXPECT_EQ(Bytes(row.command), Hex(row.expected)) << row.what;
}

TEST(CheckByte_SumOverflows, WrapsModulo256) {
    DeviceCommand command{0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0};
    // 0x2FD mod 256 = 0xFD; 0xFF - 0xFD = 0x02.
    EXPECT_EQ(CheckByte(command), 0x02);
    const DeviceCommand built = BuildCommand(CommandCode::Macro, 0xFF, 0xFF);
    unsigned sum = 0;
    for (uint8_t byte : built) sum += byte;
    EXPECT_EQ(sum % 256, 0xFFu) << "all eight bytes sum to 0xFF";
}

TEST(LevelCommand_OddStep, SendsTheFirstLevelNeverLevelZero) {
    struct Row {
        int32_t step;
        uint8_t level;
    };
    const Row rows[] = {
        {0, 0x01},           // first level
        {4, 0x05},           // fifth level
        {7, 0x08},           // the highest level the mouse reports
        {8, 0x01},           // beyond it
        {255, 0x01},         // used to wrap to level 0
        {-1, 0x01},          // a value missing from the file
        {0x7FFFFFFF, 0x01},  // no overflow
    };
    for (const Row& row : rows) EXPECT_EQ(LevelCommand(0, row.step)[2], row.level) << row.step;
}

TEST(MacroNumber_SlotsAndButtons, RunsFromOneToEighty) {
    EXPECT_EQ(MacroNumber(0, 0), 1);
    EXPECT_EQ(MacroNumber(0, 15), 16);
    EXPECT_EQ(MacroNumber(1, 0), 17);
    EXPECT_EQ(MacroNumber(4, 15), 80);
}

TEST(RateCode_EveryValue, MapsToReportInterval) {
    struct Row {
        int32_t pollingRate;
        uint8_t code;
    };
    const Row rows[] = {
        {0, 8}, {1, 4}, {2, 2}, {3, 1},
        // Out of range falls back to 2.
        {4, 2}, {-1, 2}, {255, 2}, {0x7FFFFFFF, 2},
    };
    for (const Row& row : rows) EXPECT_EQ(RateCode(row.pollingRate), row.code) << row.pollingRate;
}

TEST(LevelCode_EveryValue, MapsToDeviceLevel) {
    struct Row {
        int32_t value;
        uint8_t code;
    };
    const Row rows[] = {
        {1, 1}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8},
        {9, 21}, {10, 22}, {11, 23}, {12, 24},
        // 2 has no code of its own; everything else falls back to 2.
        {2, 2}, {0, 2}, {13, 2}, {-1, 2}, {255, 2}, {-2147483647 - 1, 2},
    };
    for (const Row& row : rows) EXPECT_EQ(LevelCode(row.value), row.code) << row.value;
}

TEST(PaletteColor_EveryIndex, SendsLowByteFirst) {
    struct Row {
        int32_t index;
        const char* triplet;
    };
    const Row rows[] = {
        {0, "FF 00 00"}, {1, "00 FF 00"}, {2, "FF FF 00"}, {3, "00 00 FF"},
        {4, "FF 00 FF"}, {5, "00 FF FF"}, {6, "FF FF FF"}, {7, "FF FF FF"},
        // Out of range (missing key reads -1, damaged files): colour 0.
        {8, "FF 00 00"}, {-1, "FF 00 00"}, {1000, "FF 00 00"}, {-2147483647 - 1, "FF 00 00"},
    };
    for (const Row& row : rows) EXPECT_EQ(Bytes(PaletteColor(row.index)), Hex(row.triplet)) << row.index;
}
