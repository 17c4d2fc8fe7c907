#include <gtest/gtest.h>

#include "monitor/device/MacroReport.h"
#include "monitor/device/tests/DeviceTestSupport.h"

using namespace device;
using device_test::Bytes;
using device_test::Hex;

namespace {

// The block as hex of the given prefix, then zeros to 128 bytes.
std::vector<uint8_t> Block(const char* prefix) {
    std::vector<uint8_t> bytes = Hex(prefix);
    bytes.resize(kReportSize, 0);
    return bytes;
}

ButtonAssignmentEntry MacroEntry(int32_t repeatCount) {
    ButtonAssignmentEntry entry{};
    entry.FunctionCode = 16;
    entry.RepeatCount = repeatCount;
    return entry;
}

}  // namespace

TEST(BuildMacroBlock_EveryChord, PressesInOrderReleasesInReverse) {
    struct Row {
        uint8_t code;
        const char* block;
    };
    const Row rows[] = {
        {51, "00 01 01 E0 01 06 81 06 81 E0"},              // Ctrl+C
        {52, "00 01 01 E0 01 1B 81 1B 81 E0"},              // Ctrl+X
        {53, "00 01 01 E0 01 11 81 11 81 E0"},              // Ctrl+N
        {54, "00 01 01 E0 01 12 81 12 81 E0"},              // Ctrl+O
        {55, "00 01 01 E0 01 19 81 19 81 E0"},              // Ctrl+V
        {56, "00 01 01 E0 01 13 81 13 81 E0"},              // Ctrl+P
        {57, "00 01 01 E0 01 1C 81 1C 81 E0"},              // Ctrl+Y
        {58, "00 01 01 E0 01 16 81 16 81 E0"},              // Ctrl+S
        {59, "00 01 01 E0 01 E1 01 16 81 16 81 E1 81 E0"},  // Ctrl+Shift+S
        {60, "00 01 01 E0 01 04 81 04 81 E0"},              // Ctrl+A
        {61, "00 01 01 E0 01 1D 81 1D 81 E0"},              // Ctrl+Z
        {64, "00 01 01 E2 01 3D 81 3D 81 E2"},              // Alt+F4
        {65, "00 01 01 E0 01 09 81 09 81 E0"},              // Ctrl+F
        {66, "00 01 01 E0 01 08 81 08 81 E0"},              // Ctrl+E
        {67, "00 01 01 E2 01 2C 01 1B 81 1B 81 2C 81 E2"},  // Alt+Space, X
        {68, "00 01 01 E2 01 2C 01 11 81 11 81 2C 81 E2"},  // Alt+Space, N
        {69, "00 01 01 E3 01 07 81 07 81 E3"},              // Windows+D
        {70, "00 01 01 E3 01 15 81 15 81 E3"},              // Windows+R
        {84, "00 01 01 E2 01 2B 81 2B 81 E2"},              // Alt+Tab
        {85, "00 01 01 E3 01 0F 81 0F 81 E3"},              // Windows+L
    };
    for (const Row& row : rows) {
        ButtonAssignmentEntry entry{};
        entry.FunctionCode = row.code;
        EXPECT_EQ(Bytes(BuildMacroBlock(entry)), Block(row.block)) << int(row.code);
    }
}

TEST(BuildMacroBlock_NoChordNoEvents, IsAllZero) {
    for (uint8_t code : {0, 1, 5, 16, 17, 62, 86}) {
        ButtonAssignmentEntry entry{};
        entry.FunctionCode = code;
        entry.RepeatCount = 3;
        EXPECT_EQ(Bytes(BuildMacroBlock(entry)), Block("")) << int(code);
    }
}

TEST(BuildUserMacro_DelayForms, SwitchFromTwoToFourBytesAbove1270) {
    struct Row {
        const char* what;
        uint8_t action;
        uint16_t delay;
        const char* bytes;
    };
    const Row rows[] = {
        // u = delay / 10; two bytes (u | 1, plus 0x80 for a release), key.
        {"press, no delay", 1, 0, "01 04"},
        {"release, no delay", 2, 0, "81 04"},
        {"press, 9 ms rounds down to u 0", 1, 9, "01 04"},
        {"press, 100 ms: u 10 | 1", 1, 100, "0B 04"},
        {"release, 500 ms: u 50 | 1 + 0x80", 2, 500, "B3 04"},
        {"press, 1270 ms: u 127, last short form", 1, 1270, "7F 04"},
        {"release, 1279 ms: still u 127", 2, 1279, "FF 04"},
        // Four bytes: action, key, delay / 50, 0x02.
        {"press, 1280 ms", 1, 1280, "01 04 19 02"},
        {"release, 1280 ms", 2, 1280, "81 04 19 02"},
        {"press, 12750 ms", 1, 12750, "01 04 FF 02"},
        {"press, 65535 ms: low 8 bits of 1310", 1, 65535, "01 04 1E 02"},
        // Any action but 1 counts as a release.
        {"action 7, short", 7, 20, "83 04"},
        {"action 0, long", 0, 2000, "81 04 28 02"},
    };
    for (const Row& row : rows) {
        ButtonAssignmentEntry entry = MacroEntry(1);
        AddMacroEvent(entry, 0x04, row.action, row.delay);
        const UserMacro macro = BuildUserMacro(entry);
        EXPECT_EQ(Bytes(macro.Data), Block((std::string("00 01 ") + row.bytes).c_str())) << row.what;
        EXPECT_EQ(macro.EventsWritten, 1) << row.what;
    }
}

TEST(BuildUserMacro_RepeatCount, LowSixteenBitsHighByteFirst) {
    struct Row {
        int32_t repeat;
        const char* bytes;
    };
    const Row rows[] = {
        {1, "00 01"}, {255, "00 FF"}, {0x1234, "12 34"}, {0, "00 00"},
        {0x12345678, "56 78"},  // only the low 16 bits
        {-1, "FF FF"},
    };
    for (const Row& row : rows) {
        ButtonAssignmentEntry entry = MacroEntry(row.repeat);
        AddMacroEvent(entry, 0x05, 1, 0);
        EXPECT_EQ(Bytes(BuildUserMacro(entry).Data), Block((std::string(row.bytes) + " 01 05").c_str())) << row.repeat;
    }
}

TEST(BuildUserMacro_SeveralEvents, KeepsEntryOrder) {
    ButtonAssignmentEntry entry = MacroEntry(2);
    AddMacroEvent(entry, 0xE1, 1, 30);    // Shift down, 30 ms
    AddMacroEvent(entry, 0x04, 1, 2000);  // A down, 2 s
    AddMacroEvent(entry, 0x04, 2, 10);
    AddMacroEvent(entry, 0xE1, 2, 0);
    EXPECT_EQ(Bytes(BuildMacroBlock(entry)), Block("00 02 03 E1 01 04 28 02 81 04 81 E1"));
}

TEST(BuildUserMacro_FortyLongDelays, StopsAtTheBlockEnd) {
    ButtonAssignmentEntry entry = MacroEntry(1);
    for (int event = 0; event < 40; ++event) AddMacroEvent(entry, static_cast<uint8_t>(4 + event), 1, 3000);
    const UserMacro macro = BuildUserMacro(entry);
    // 2 + 31 x 4 = 126: the 32nd event would need bytes 126..129; no half
    // event at the end. The 31st: press of key 4 + 30, 3000 / 50 = 60 units.
    EXPECT_EQ(macro.EventsWritten, 31);
    EXPECT_EQ(std::vector<uint8_t>(macro.Data.begin() + 122, macro.Data.end()), Hex("01 22 3C 02 00 00"));
}

TEST(BuildUserMacro_ShortEventFillsLastTwoBytes, IsStillSent) {
    ButtonAssignmentEntry entry = MacroEntry(1);
    for (int event = 0; event < 31; ++event) AddMacroEvent(entry, 4, 1, 3000);
    AddMacroEvent(entry, 0x2C, 2, 0);  // two bytes fit in 126..127
    AddMacroEvent(entry, 0x2D, 2, 0);  // no room left
    const UserMacro macro = BuildUserMacro(entry);
    EXPECT_EQ(macro.EventsWritten, 32);
    EXPECT_EQ(std::vector<uint8_t>(macro.Data.begin() + 126, macro.Data.end()), Hex("81 2C"));
}

TEST(BuildUserMacro_ItemCountAboveForty, ReadsFortyEventsAtMost) {
    ButtonAssignmentEntry entry = MacroEntry(1);
    for (int event = 0; event < 40; ++event) AddMacroEvent(entry, static_cast<uint8_t>(4 + event), 1, 0);
    // Whatever lies after the data area (the program path) is never read as
    // events.
    memset(entry.ProgramPath, 0x7E, sizeof entry.ProgramPath);
    entry.ItemCount = 0xFFFF;
    const UserMacro macro = BuildUserMacro(entry);
    EXPECT_EQ(macro.EventsWritten, 40);
    EXPECT_EQ(macro.Data[2 + 2 * 39 + 1], 4 + 39);
    for (size_t index = 2 + 2 * 40; index < macro.Data.size(); ++index) EXPECT_EQ(macro.Data[index], 0) << index;
}
