#include "portio/StateReport.h"
#include "portio/tests/ProtocolBytes.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>

namespace portio {
namespace {

ReportData DataOf(std::initializer_list<uint8_t> bytes) {
    ReportData data{};
    int i = 0;
    for (uint8_t byte : bytes) data[i++] = byte;
    return data;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(DescribeMapEntry_EntryTypes, NamedInWords) {
    struct Row {
        std::array<uint8_t, 4> Entry;
        const char* Expected;
    };
    const Row rows[] = {
        {{0x01, 0x00, 0xF0, 0x00}, "mouse button: left button"},                  // code 1
        {{0x01, 0x00, 0xF4, 0x00}, "mouse button: forward button"},              // code 7
        {{0x00, 0x00, 0x00, 0x00}, "nothing"},                                    // codes 0, 5 unset, 6
        {{0x00, 0x03, 0x06, 0x00}, "key Ctrl+Shift+C"},                           // code 5, modifier byte 0x06
        {{0x00, 0x08, 0x00, 0x00}, "key Win"},                                    // code 23, Windows key alone
        {{0x0A, 0xF0, 0x32, 0x02}, "click sequence: left button, pace 50, count 2"},  // code 4
        {{0x0A, 0x01, 0x07, 0x07}, "click sequence: sub-function 1, pace 7, count 7"},  // code 22, OTGSpeed 7
        {{0x04, 0x00, 0x01, 0x00}, "wheel up"},                                   // code 9
        {{0x04, 0x00, 0x04, 0x00}, "wheel tilt, sub-function 4"},                 // code 11
        {{0x07, 0x00, 0x03, 0x00}, "resolution level switch, sub-function 3"},    // code 13
        {{0x05, 0x00, 0x02, 0x00}, "function class 5, sub-function 2"},           // code 82
        {{0x09, 0x01, 0x11, 0x05}, "macro 17, option 1, 5 events"},               // code 16, slot 1 button 0
        {{0x06, 0x00, 0x0A, 0x03}, "host event: program launch for button 3"},    // code 17 on button 2
        {{0x06, 0x00, 0xA0, 0x00}, "host event: open the configuration program"}, // code 24
        {{0x08, 0x00, 0x01, 0x00}, "profile switch, sub-function 1"},             // code 19
        {{0x03, 0x00, 0x83, 0x01}, "consumer control: media player"},             // code 25, usage 0x0183
        {{0x03, 0x00, 0xE9, 0x00}, "consumer control: volume up"},                // code 31
        {{0x03, 0x00, 0x21, 0x02}, "consumer control: search"},                   // code 42
        {{0x03, 0x00, 0x99, 0x09}, "consumer control: consumer usage 0x0999"},    // not in the table
        {{0x0B, 0x08, 0x00, 0x00}, "function class 11, parameter 8"},             // code 86
        {{0x2A, 0x00, 0x00, 0x00}, "unknown type 0x2A"},
    };
    for (const Row& row : rows) EXPECT_EQ(DescribeMapEntry(row.Entry.data()), row.Expected);
}

TEST(DescribeMacro_Encodings, DecodedToEvents) {
    struct Row {
        const char* What;
        ReportData Data;
        const char* Expected;
    };
    const Row rows[] = {
        {"built-in chord of code 51 (Ctrl+C)",
         DataOf({0x00, 0x01, 0x01, 0xE0, 0x01, 0x06, 0x81, 0x06, 0x81, 0xE0}),
         "repeat 1, 4 events: press Left Ctrl, press C, release C, release Left Ctrl"},
        {"short delays: 100 ms press, 1270 ms release (u = 127)",
         DataOf({0x00, 0x03, 0x0B, 0x04, 0xFF, 0x04}),
         "repeat 3, 2 events: press A (100 ms), release A (1260 ms)"},
        {"long form: 1280 ms press is 01 key 25 02",
         DataOf({0x01, 0x00, 0x01, 0x04, 0x19, 0x02, 0x81, 0x04}),
         "repeat 256, 2 events: press A (1250 ms), release A"},
        {"empty block", ReportData{}, "repeat 0, 0 events"},
    };
    for (const Row& row : rows) EXPECT_EQ(DescribeMacro(row.Data), row.Expected) << row.What;
}

TEST(DescribeMacro_FullBlock, StopsAtTheEndOfTheBlock) {
    ReportData data{};
    data[1] = 1;
    for (int i = 2; i < kReportDataLength; i += 2) {
        data[i] = 0x01;
        data[i + 1] = 0x05;
    }
    EXPECT_TRUE(Contains(DescribeMacro(data), "repeat 1, 63 events"));
    // A long-form head in the last event has no room for its delay bytes.
    data[kReportDataLength - 2] = 0x81;
    data[kReportDataLength - 1] = 0x04;
    const std::string text = DescribeMacro(data);
    EXPECT_TRUE(Contains(text, "repeat 1, 63 events"));
    EXPECT_EQ(text.substr(text.size() - 9), "release A");
}

TEST(KeyName_Codes, ReadableNames) {
    struct Row {
        uint8_t Code;
        const char* Name;
    };
    const Row rows[] = {{0x04, "A"}, {0x1D, "Z"}, {0x1E, "1"}, {0x27, "0"}, {0x3A, "F1"}, {0x45, "F12"},
                        {0x2C, "Space"}, {0xE3, "Left Windows"}, {0xF2, "middle button"}, {0x02, "key 0x02"}};
    for (const Row& row : rows) EXPECT_EQ(KeyName(row.Code), row.Name);
}

TEST(LevelCodeDpi_Codes, ResolutionOrZero) {
    struct Row {
        uint8_t Code;
        int Dpi;
    };
    const Row rows[] = {{1, 250}, {2, 500}, {8, 2000}, {21, 2500}, {24, 4000}, {0, 0}, {9, 0}, {25, 0}};
    for (const Row& row : rows) EXPECT_EQ(LevelCodeDpi(row.Code), row.Dpi) << int(row.Code);
}

// A configuration report as the agent builds it for the default profile.
ReportData DefaultConfiguration() {
    ReportData data{};
    const auto put = [&data](int offset, std::initializer_list<uint8_t> bytes) {
        for (uint8_t byte : bytes) data[offset++] = byte;
    };
    put(0, {0xFF, 0xFF});
    put(48, {0x35, 0xD4, 0x0B, 0x04});
    put(61, {0x80, 0x03, 0x00});
    put(64, {0x0F, 0x00, 0x0A, 0x0A, 0x19, 0x19, 0x05, 0x04, 0x25, 0x01, 50, 60});
    put(76, {0x01, 0xC0, 0xF0, 0x03, 0x01, 0x01, 0x64, 0x00, 4, 2, 6, 8, 24, 7, 7, 7, 4, 2, 6, 8, 24, 7, 7, 7});
    put(100, {0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00});
    return data;
}

TEST(DescribeMouseState_SelectOnly, ShowsTheProfileAndNothingElse) {
    VirtualMouse mouse;
    const uint8_t select[] = {0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFC};
    ASSERT_TRUE(mouse.ReceiveCommand(select, sizeof select));
    const std::string text = DescribeMouseState(mouse.State());
    EXPECT_TRUE(Contains(text, "Current profile: 1\n"));
    EXPECT_TRUE(Contains(text, "Accepted: 1 commands, 0 data reports, 0 opening commands"));
    EXPECT_TRUE(Contains(text, "Slot 5:\n  Report rate: not received\n  Level: not received\n"));
    EXPECT_TRUE(Contains(text, "Macros:\n  none received\n"));
}

TEST(DescribeMouseState_FullSlot, DecodesEveryPart) {
    VirtualMouse mouse;
    const auto rate = MakeCommand(kReportRateCommand, 2, 2);
    const auto level = MakeCommand(kLevelCommand, 2, 3);
    mouse.ReceiveCommand(rate.data(), kCommandLength);
    mouse.ReceiveCommand(level.data(), kCommandLength);
    SendReport(mouse, kConfigurationReport, 2, DefaultConfiguration());
    SendReport(mouse, kButtonMapReport, 2, DataOf({0x01, 0x00, 0xF0, 0x00, 0x09, 0x00, 0x12, 0x04}));
    SendReport(mouse, kMacroReport, 18, DataOf({0x00, 0x01, 0x01, 0xE0, 0x01, 0x06, 0x81, 0x06, 0x81, 0xE0}));
    const std::string text = DescribeMouseState(mouse.State());
    const char* expected[] = {
        "Slot 2:\n  Report rate: 500 Hz (interval 2 ms)\n  Level: 3\n  Configuration:\n",
        "    Lighting: mode 4, rate 37, option 0x01\n",
        "    Sensitivity: X 5 (byte 50), Y 6 (byte 60)\n",
        "    Levels: 1000 dpi, 500 dpi, 1500 dpi, 2000 dpi, 4000 dpi\n",
        "    Colours: FF0000 00FF00 000000 000000 000000 000000 000000 000000\n",
        "    Fixed bytes: as expected\n",
        "     1: 01 00 F0 00  mouse button: left button\n",
        "     2: 09 00 12 04  macro 18, option 0, 4 events\n",
        "     3: 00 00 00 00  nothing\n",
        "  Macro 18 (slot 2, button 2): repeat 1, 4 events: press Left Ctrl",
    };
    for (const char* line : expected) EXPECT_TRUE(Contains(text, line)) << line << "\n---\n" << text;
}

TEST(DescribeMouseState_DamagedConfiguration, NamesTheOffsets) {
    VirtualMouse mouse;
    ReportData data = DefaultConfiguration();
    data[2] = 1;     // inside the zero run
    data[100] = 0;   // fixed 0x7F
    data[94] = 9;    // repeated level codes disagree
    SendReport(mouse, kConfigurationReport, 1, data);
    const std::string text = DescribeMouseState(mouse.State());
    EXPECT_TRUE(Contains(text, "Fixed bytes differ at: 100, 2, 94\n")) << text;
}

TEST(DescribeMouseState_Errors, CountersShown) {
    VirtualMouse mouse;
    auto bad = MakeCommand(kProfileSelectCommand, 1, 0);
    bad[7] = 0;
    mouse.ReceiveCommand(bad.data(), kCommandLength);
    const ReportData data{};
    mouse.ReceiveChunk(data.data(), kChunkLength);
    const std::string text = DescribeMouseState(mouse.State());
    EXPECT_TRUE(Contains(text, "Rejected: 1 bad check bytes, 1 unexpected chunks, 0 bad lengths")) << text;
    EXPECT_TRUE(Contains(text, "Protocol violations: 2\n")) << text;
}

TEST(DumpMouseState_Reports, OneHexLineEach) {
    VirtualMouse mouse;
    SendReport(mouse, kMacroReport, 80, MakeData(0));
    const auto select = MakeCommand(kProfileSelectCommand, 5, 0);
    mouse.ReceiveCommand(select.data(), kCommandLength);
    const std::string text = DumpMouseState(mouse.State());
    EXPECT_TRUE(Contains(text, "profile 5\n"));
    EXPECT_TRUE(Contains(text, "macro 80 00 01 02 03 "));
    EXPECT_TRUE(Contains(text, " 7E 7F\n"));
    EXPECT_FALSE(Contains(text, "configuration"));
}

}  // namespace
}  // namespace portio
