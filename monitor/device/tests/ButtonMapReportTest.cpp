#include <gtest/gtest.h>

#include "monitor/device/ButtonMapReport.h"
#include "monitor/device/MacroReport.h"
#include "monitor/device/tests/DeviceTestSupport.h"

using namespace device;
using device_test::Bytes;
using device_test::Hex;

namespace {

std::vector<uint8_t> EntryBytes(const MapEntry& entry) {
    return {entry.Type, entry.First, entry.Second, entry.Third};
}

}  // namespace

TEST(TableMapEntry_EveryFunctionCode, MatchesTheMapTable) {
    struct Row {
        uint8_t code;
        const char* entry;
    };
    const Row rows[] = {
        {1, "01 00 F0 00"}, {2, "01 00 F1 00"}, {3, "01 00 F2 00"},  // mouse buttons 240..242
        {7, "01 00 F4 00"}, {8, "01 00 F3 00"},                      // side buttons 244, 243
        {4, "0A F0 32 02"}, {80, "0A F0 32 03"},                     // double, triple click
        {21, "0A F0 10 00"}, {22, "0A 01 00 00"},                    // rapid, paced clicks
        {5, "00 00 00 00"}, {6, "00 00 00 00"},                      // key combination, disabled
        {9, "04 00 01 00"}, {10, "04 00 02 00"}, {11, "04 00 04 00"}, {12, "04 00 03 00"},  // wheel
        {13, "07 00 03 00"}, {14, "07 00 01 00"}, {15, "07 00 02 00"},  // DPI
        {81, "05 00 01 00"}, {82, "05 00 02 00"}, {83, "05 00 03 00"},  // class 5
        {16, "09 00 00 00"},                                            // user macro
        {17, "06 00 0A 00"}, {24, "06 00 A0 00"},                       // host events
        {18, "08 00 03 00"}, {19, "08 00 01 00"}, {20, "08 00 02 00"},  // profile switch
        {23, "00 08 00 00"}, {86, "0B 08 00 00"},
        {25, "03 00 83 01"}, {26, "03 00 B6 00"}, {27, "03 00 B5 00"}, {28, "03 00 CD 00"},  // media
        {29, "03 00 B7 00"}, {30, "03 00 E2 00"}, {31, "03 00 E9 00"}, {32, "03 00 EA 00"},
        {33, "03 00 92 01"}, {34, "03 00 8A 01"}, {39, "03 00 94 01"},  // applications
        {35, "03 00 2A 02"}, {36, "03 00 25 02"}, {37, "03 00 24 02"}, {38, "03 00 26 02"},
        {40, "03 00 27 02"}, {41, "03 00 23 02"}, {42, "03 00 21 02"},
        // Two-key chords (four events).
        {51, "09 00 00 04"}, {52, "09 00 00 04"}, {53, "09 00 00 04"}, {54, "09 00 00 04"},
        {55, "09 00 00 04"}, {56, "09 00 00 04"}, {57, "09 00 00 04"}, {58, "09 00 00 04"},
        {60, "09 00 00 04"}, {61, "09 00 00 04"}, {64, "09 00 00 04"}, {65, "09 00 00 04"},
        {66, "09 00 00 04"}, {69, "09 00 00 04"}, {70, "09 00 00 04"},
        {84, "09 00 00 04"}, {85, "09 00 00 04"},
        // Three-key chords (six events).
        {59, "09 00 00 06"}, {67, "09 00 00 06"},
        // Alt+Space, N: six events as well, all keys released again.
        {68, "09 00 00 06"},
        // Codes without a device function.
        {0, "00 00 00 00"}, {43, "00 00 00 00"}, {44, "00 00 00 00"}, {50, "00 00 00 00"},
        {62, "00 00 00 00"}, {87, "00 00 00 00"}, {255, "00 00 00 00"},
    };
    for (const Row& row : rows) EXPECT_EQ(EntryBytes(TableMapEntry(row.code)), Hex(row.entry)) << int(row.code);
}

TEST(TableMapEntry_ChordCodes, AgreeWithChordLengths) {
    // Parameter 3 of a built-in macro counts its events: two per key.
    for (int code = 0; code < 256; ++code) {
        const auto keys = ChordKeys(static_cast<uint8_t>(code));
        const MapEntry entry = TableMapEntry(static_cast<uint8_t>(code));
        if (!keys) continue;
        EXPECT_EQ(entry.Type, kMacroEntryType) << code;
        EXPECT_EQ(entry.Third, keys->size() * 2) << code;
    }
}

TEST(BuildMapEntry_Adjustments, UseTheButtonData) {
    struct Row {
        const char* what;
        int slot;
        int button;
        void (*set)(ProfileRecord&, int button);
        const char* entry;
    };
    const Row rows[] = {
        // Key combination: modifiers >> 1, then the key.
        {"Ctrl+Alt+A", 0, 2,
         [](ProfileRecord& r, int b) {
             auto& e = r.MacroKeyInfo[b];
             e.FunctionCode = 5; e.ItemCount = 1; e.Data[0] = 0x04; e.Data[1] = 0x0C;
         },
         "00 06 04 00"},
        // "No modifiers" bit 0x01 shifts away.
        {"plain F1", 0, 3,
         [](ProfileRecord& r, int b) {
             auto& e = r.MacroKeyInfo[b];
             e.FunctionCode = 5; e.ItemCount = 1; e.Data[0] = 0x3A; e.Data[1] = 0x01;
         },
         "00 00 3A 00"},
        // User macro: option, macro number, event count.
        {"macro slot 1 button 2, option 2, three events", 1, 2,
         [](ProfileRecord& r, int b) {
             auto& e = r.MacroKeyInfo[b];
             e.FunctionCode = 16; e.MacroOption = 0x102;
             AddMacroEvent(e, 4, 1, 10); AddMacroEvent(e, 4, 2, 10); AddMacroEvent(e, 5, 1, 0);
         },
         "09 02 13 03"},
        // The last macro number of all.
        {"macro slot 4 button 15", 4, 15,
         [](ProfileRecord& r, int b) {
             auto& e = r.MacroKeyInfo[b];
             e.FunctionCode = 16; AddMacroEvent(e, 4, 1, 0);
         },
         "09 00 50 01"},
        // Launch program: the button number for the host event.
        {"launch on button 6", 0, 6, [](ProfileRecord& r, int b) { r.MacroKeyInfo[b].FunctionCode = 17; }, "06 00 0A 07"},
        // Paced clicks take OTGSpeed twice (default 10).
        {"paced clicks", 2, 0, [](ProfileRecord& r, int b) { r.MacroKeyInfo[b].FunctionCode = 22; }, "0A 01 0A 0A"},
        {"paced clicks, speed 0x1F3", 2, 0,
         [](ProfileRecord& r, int b) { r.MacroKeyInfo[b].FunctionCode = 22; r.OTGSpeed = 0x1F3; }, "0A 01 F3 F3"},
        // Built-in chord: macro number in parameter 2 (slot 2, button 4 = 37).
        {"Ctrl+C on slot 2 button 4", 2, 4, [](ProfileRecord& r, int b) { r.MacroKeyInfo[b].FunctionCode = 51; }, "09 00 25 04"},
        {"Ctrl+Shift+S on slot 0 button 0", 0, 0, [](ProfileRecord& r, int b) { r.MacroKeyInfo[b].FunctionCode = 59; }, "09 00 01 06"},
        // Unadjusted codes keep their table entry.
        {"open Option", 3, 9, [](ProfileRecord& r, int b) { r.MacroKeyInfo[b].FunctionCode = 24; }, "06 00 A0 00"},
    };
    for (const Row& row : rows) {
        ProfileRecord record = *DefaultRecord(row.slot);
        row.set(record, row.button);
        EXPECT_EQ(EntryBytes(BuildMapEntry(record, row.slot, row.button)), Hex(row.entry)) << row.what;
    }
}

TEST(BuildMapEntry_MacroLongerThanBlock, CountsOnlyEventsSent) {
    ProfileRecord record = *DefaultRecord();
    auto& entry = record.MacroKeyInfo[0];
    entry.FunctionCode = 16;
    for (int event = 0; event < 40; ++event) AddMacroEvent(entry, 4, 1, 5000);
    // 31 four-byte events fill 124 of the 126 event bytes.
    EXPECT_EQ(BuildMapEntry(record, 0, 0).Third, 31);
    entry.ItemCount = 300;  // damaged count: never more than 40 are read
    for (int event = 0; event < 40; ++event) entry.Data[4 * event + 2] = entry.Data[4 * event + 3] = 0;
    EXPECT_EQ(BuildMapEntry(record, 0, 0).Third, 40);
}

TEST(BuildButtonMap_DefaultProfile, MatchesHandBuiltBytes) {
    const std::string expected =
        "01 00 F0 00 01 00 F1 00 01 00 F2 00 01 00 F4 00"  // buttons 0..3: 1, 2, 3, 7
        "01 00 F3 00 07 00 03 00 0B 08 00 00 00 00 00 00"  // 4..7: 8, 13, 86, 0
        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"  // 8..11
        "00 00 00 00 00 00 00 00 04 00 01 00 04 00 02 00"  // 12..15: 0, 0, 9, 10
        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00";
    EXPECT_EQ(Bytes(BuildButtonMap(*DefaultRecord(), 0)), Hex(expected));
}
