#include "profile/KeyTables.h"
#include "profile/tests/UsLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

TEST(UsageTable_Invariants, HoldForEveryRow) {
    std::set<int32_t> virtualKeys, keyCodes, scanCodes;
    for (const UsageRow& row : kUsageTable) {
        EXPECT_TRUE(virtualKeys.insert(row.VirtualKey).second) << "virtual key twice: " << row.VirtualKey;
        EXPECT_TRUE(keyCodes.insert(row.KeyCode).second) << "key code twice: " << row.KeyCode;
        if (row.ScanCode != 0) {
            EXPECT_TRUE(scanCodes.insert(row.ScanCode).second) << "scan code twice: " << row.ScanCode;
        }
        // Exactly the layout-dependent keys carry a scan code.
        bool layoutKey = row.KeyCode >= kFirstLayoutKeyCode && row.KeyCode <= kLastLayoutKeyCode;
        EXPECT_EQ(row.ScanCode != 0, layoutKey) << "key code " << row.KeyCode;
        // Every key that can be stored can also be shown.
        EXPECT_STRNE(KeyName(row.VirtualKey), "") << "virtual key " << row.VirtualKey;
    }
    EXPECT_EQ(keyCodes.size(), 109u);
    EXPECT_EQ(keyCodes.count(50), 0u);
    EXPECT_EQ(keyCodes.count(100), 0u);
    EXPECT_EQ(scanCodes.size(), 65u);  // key codes 4..69 without 50
}

// Every row of the usage table, in table order: (virtual-key code, key
// code, scan code). Two swapped values or rows fail here.
TEST(UsageTable_Rows, MatchTheTableInOrder) {
    const UsageRow expected[] = {
        // letters A..Z
        {0x41, 4, 0x1E}, {0x42, 5, 0x30}, {0x43, 6, 0x2E}, {0x44, 7, 0x20}, {0x45, 8, 0x12}, {0x46, 9, 0x21},
        {0x47, 10, 0x22}, {0x48, 11, 0x23}, {0x49, 12, 0x17}, {0x4A, 13, 0x24}, {0x4B, 14, 0x25},
        {0x4C, 15, 0x26}, {0x4D, 16, 0x32}, {0x4E, 17, 0x31}, {0x4F, 18, 0x18}, {0x50, 19, 0x19},
        {0x51, 20, 0x10}, {0x52, 21, 0x13}, {0x53, 22, 0x1F}, {0x54, 23, 0x14}, {0x55, 24, 0x16},
        {0x56, 25, 0x2F}, {0x57, 26, 0x11}, {0x58, 27, 0x2D}, {0x59, 28, 0x15}, {0x5A, 29, 0x2C},
        // digits 1..9, then 0
        {0x31, 30, 0x02}, {0x32, 31, 0x03}, {0x33, 32, 0x04}, {0x34, 33, 0x05}, {0x35, 34, 0x06},
        {0x36, 35, 0x07}, {0x37, 36, 0x08}, {0x38, 37, 0x09}, {0x39, 38, 0x0A}, {0x30, 39, 0x0B},
        // Enter, Escape, Backspace, Tab, Space
        {0x0D, 40, 0x1C}, {0x1B, 41, 0x01}, {0x08, 42, 0x0E}, {0x09, 43, 0x0F}, {0x20, 44, 0x39},
        // minus, equals, left and right bracket, backslash
        {0xBD, 45, 0x0C}, {0xBB, 46, 0x0D}, {0xDB, 47, 0x1A}, {0xDD, 48, 0x1B}, {0xDC, 49, 0x2B},
        // ; ' ` , . / (key code 50 has no row)
        {0xBA, 51, 0x27}, {0xDE, 52, 0x28}, {0xC0, 53, 0x29}, {0xBC, 54, 0x33}, {0xBE, 55, 0x34},
        {0xBF, 56, 0x35},
        // Caps Lock, F1..F12
        {0x14, 57, 0x3A}, {0x70, 58, 0x3B}, {0x71, 59, 0x3C}, {0x72, 60, 0x3D}, {0x73, 61, 0x3E},
        {0x74, 62, 0x3F}, {0x75, 63, 0x40}, {0x76, 64, 0x41}, {0x77, 65, 0x42}, {0x78, 66, 0x43},
        {0x79, 67, 0x44}, {0x7A, 68, 0x57}, {0x7B, 69, 0x58},
        // Print Screen, Scroll Lock, Pause, Insert, Home, Page Up, Delete, End, Page Down
        {0x2C, 70, 0x00}, {0x91, 71, 0x00}, {0x13, 72, 0x00}, {0x2D, 73, 0x00}, {0x24, 74, 0x00},
        {0x21, 75, 0x00}, {0x2E, 76, 0x00}, {0x23, 77, 0x00}, {0x22, 78, 0x00},
        // Right, Left, Down, Up
        {0x27, 79, 0x00}, {0x25, 80, 0x00}, {0x28, 81, 0x00}, {0x26, 82, 0x00},
        // Num Lock, keypad / * - +, keypad Enter
        {0x90, 83, 0x00}, {0x6F, 84, 0x00}, {0x6A, 85, 0x00}, {0x6D, 86, 0x00}, {0x6B, 87, 0x00},
        {0x6C, 88, 0x00},
        // keypad 1..5, then 7 before 6
        {0x61, 89, 0x00}, {0x62, 90, 0x00}, {0x63, 91, 0x00}, {0x64, 92, 0x00}, {0x65, 93, 0x00},
        {0x67, 95, 0x00}, {0x66, 94, 0x00},
        // keypad 8, 9, 0, . (key code 100 has no row), Application key
        {0x68, 96, 0x00}, {0x69, 97, 0x00}, {0x60, 98, 0x00}, {0x6E, 99, 0x00}, {0x5D, 101, 0x00},
        // left Ctrl, Shift, Alt, Windows; right Ctrl, Shift, Alt, Windows
        {0xA2, 224, 0x00}, {0xA0, 225, 0x00}, {0xA4, 226, 0x00}, {0x5B, 227, 0x00}, {0xA3, 228, 0x00},
        {0xA1, 229, 0x00}, {0xA5, 230, 0x00}, {0x5C, 231, 0x00},
        // mouse left, right, middle, backward, forward
        {0xF0, 240, 0x00}, {0xF1, 241, 0x00}, {0xF2, 242, 0x00}, {0xF3, 243, 0x00}, {0xF4, 244, 0x00},
    };
    static_assert(sizeof expected / sizeof expected[0] == kUsageRowCount, "109 rows");
    for (int i = 0; i < kUsageRowCount; ++i) {
        EXPECT_EQ(kUsageTable[i].VirtualKey, expected[i].VirtualKey) << "row " << i;
        EXPECT_EQ(kUsageTable[i].KeyCode, expected[i].KeyCode) << "row " << i;
        EXPECT_EQ(kUsageTable[i].ScanCode, expected[i].ScanCode) << "row " << i;
    }
}

TEST(KeyCodeFromVirtualKey_UsLayout, TranslatesEachKind) {
    struct Case {
        int32_t virtualKey;
        bool found;
        int32_t keyCode;
    };
    const Case cases[] = {
        {0x41, true, 4},     // letter A: first layout key
        {0x5A, true, 29},    // letter Z
        {0x30, true, 39},    // digit 0 comes after 9
        {0x7B, true, 69},    // F12: last layout key
        {0x0D, true, 40},    // Enter
        {0xDC, true, 49},    // backslash
        {0x2C, true, 70},    // Print Screen: no scan code
        {0x6C, true, 88},    // keypad Enter in this table
        {0x67, true, 95},    // keypad 7
        {0x66, true, 94},    // keypad 6
        {0x5B, true, 227},   // left Windows
        {0xA5, true, 230},   // right Alt
        {0xF4, true, 244},   // mouse forward
        {0x07, false, 0},    // undefined virtual key
        {0xA6, false, 0},    // browser back: not in the table
    };
    UsLayout layout;
    for (const Case& c : cases) {
        int32_t keyCode = -5;
        EXPECT_EQ(KeyCodeFromVirtualKey(c.virtualKey, layout, keyCode), c.found) << std::hex << c.virtualKey;
        EXPECT_EQ(keyCode, c.keyCode) << std::hex << c.virtualKey;
    }
}

// The stored key code is the key's position; reading it back gives the
// layout's key there, both ways.
TEST(KeyLookups_OtherLayouts, StoreThePositionGiveTheLayoutsKey) {
    // Y and Z swapped (as German keyboards have them): the US Y position (scan
    // 0x15) types Z, the US Z position (0x2C) types Y.
    UsLayout swappedYZ;
    swappedYZ.Place(0x5A, 0x15);
    swappedYZ.Place(0x59, 0x2C);
    // MapVirtualKeyA gives 0 for a key the layout lacks; scan code 0 must not
    // be taken for Print Screen, the first row without a scan code.
    UsLayout withoutQ;
    withoutQ.Remove(0x51);
    struct Case {
        const char* what;
        UsLayout& layout;
        int32_t virtualKey, keyCode;
    };
    const Case cases[] = {
        {"Z at the US Y position", swappedYZ, 0x5A, 28},
        {"Y at the US Z position", swappedYZ, 0x59, 29},
        {"A where it always is", swappedYZ, 0x41, 4},
        {"Q missing from the layout keeps its table meaning", withoutQ, 0x51, 20},
    };
    for (const Case& c : cases) {
        int32_t keyCode = 0, virtualKey = 0;
        ASSERT_TRUE(KeyCodeFromVirtualKey(c.virtualKey, c.layout, keyCode)) << c.what;
        EXPECT_EQ(keyCode, c.keyCode) << c.what;
        ASSERT_TRUE(VirtualKeyFromKeyCode(c.keyCode, c.layout, virtualKey)) << c.what;
        EXPECT_EQ(virtualKey, c.virtualKey) << c.what;
    }
}

TEST(VirtualKeyFromKeyCode_Cases, TranslateOrReportMissing) {
    struct Case {
        int32_t keyCode;
        bool found;
        int32_t virtualKey;
        const char* name;
    };
    const Case cases[] = {
        {240, true, 0xF0, "Left"},      // mouse left shares its name with the arrow key
        {80, true, 0x25, "Left"},       // arrow left
        {241, true, 0xF1, "Right"},     // mouse right
        {88, true, 0x6C, "Num_ "},      // keypad Enter, trailing blank kept
        {4, true, 0x41, "A"},           // layout key through the scan code
        {45, true, 0xBD, "-"},          // minus through the scan code
        {50, false, 0, ""},             // no row
        {100, false, 0, ""},            // no row
        {0, false, 0, ""},              // empty key code
        {-1, false, 0, ""},             // a byte read as -1 from a damaged file
    };
    UsLayout layout;
    for (const Case& c : cases) {
        int32_t virtualKey = -5;
        EXPECT_EQ(VirtualKeyFromKeyCode(c.keyCode, layout, virtualKey), c.found) << c.keyCode;
        EXPECT_EQ(virtualKey, c.virtualKey) << c.keyCode;
        EXPECT_STREQ(KeyName(virtualKey), c.name) << c.keyCode;
    }
}

TEST(KeyLookups_UsLayout, RoundTripEveryKeyCode) {
    UsLayout layout;
    for (const UsageRow& row : kUsageTable) {
        int32_t virtualKey = 0, keyCode = 0;
        ASSERT_TRUE(VirtualKeyFromKeyCode(row.KeyCode, layout, virtualKey));
        EXPECT_EQ(virtualKey, row.VirtualKey);
        ASSERT_TRUE(KeyCodeFromVirtualKey(virtualKey, layout, keyCode));
        EXPECT_EQ(keyCode, row.KeyCode);
    }
}

TEST(KeyName_Table, NamesListedCodesOnly) {
    struct Case {
        int32_t virtualKey;
        const char* name;
    };
    // Codes outside 0..255; the loop below checks every code within.
    EXPECT_STREQ(KeyName(-1), "");
    EXPECT_STREQ(KeyName(0x1000), "");

    // The whole name table; every code 0..255 it does not list has the empty name.
    const Case names[] = {
        // editing keys
        {0x08, "BackSpace"}, {0x09, "Tab"}, {0x0D, "Enter"}, {0x13, "Pause"}, {0x14, "CapsLock"}, {0x1B, "Esc"},
        // Space, paging and arrows
        {0x20, "Space"}, {0x21, "Page UP"}, {0x22, "Page Down"}, {0x23, "End"}, {0x24, "Home"}, {0x25, "Left"},
        {0x26, "Up"}, {0x27, "Right"}, {0x28, "Down"},
        // Select, Execute, Print Screen, Insert, Delete, Help (0x2A has no name)
        {0x29, "Select"}, {0x2B, "Execute"}, {0x2C, "Print Screen"}, {0x2D, "Insert"}, {0x2E, "Delete"},
        {0x2F, "Help"},
        // digits
        {0x30, "0"}, {0x31, "1"}, {0x32, "2"}, {0x33, "3"}, {0x34, "4"}, {0x35, "5"}, {0x36, "6"}, {0x37, "7"},
        {0x38, "8"}, {0x39, "9"},
        // letters
        {0x41, "A"}, {0x42, "B"}, {0x43, "C"}, {0x44, "D"}, {0x45, "E"}, {0x46, "F"}, {0x47, "G"}, {0x48, "H"},
        {0x49, "I"}, {0x4A, "J"}, {0x4B, "K"}, {0x4C, "L"}, {0x4D, "M"}, {0x4E, "N"}, {0x4F, "O"}, {0x50, "P"},
        {0x51, "Q"}, {0x52, "R"}, {0x53, "S"}, {0x54, "T"}, {0x55, "U"}, {0x56, "V"}, {0x57, "W"}, {0x58, "X"},
        {0x59, "Y"}, {0x5A, "Z"},
        // Windows and application keys
        {0x5B, "L_WIN"}, {0x5C, "R_WIN"}, {0x5D, "APP"},
        // keypad digits and operators; 0x6C has one trailing blank
        {0x60, "Num_0"}, {0x61, "Num_1"}, {0x62, "Num_2"}, {0x63, "Num_3"}, {0x64, "Num_4"}, {0x65, "Num_5"},
        {0x66, "Num_6"}, {0x67, "Num_7"}, {0x68, "Num_8"}, {0x69, "Num_9"}, {0x6A, "Num_*"}, {0x6B, "Num_+"},
        {0x6C, "Num_ "}, {0x6D, "Num_-"}, {0x6E, "Num_."}, {0x6F, "Num_/"},
        // function keys
        {0x70, "F1"}, {0x71, "F2"}, {0x72, "F3"}, {0x73, "F4"}, {0x74, "F5"}, {0x75, "F6"}, {0x76, "F7"},
        {0x77, "F8"}, {0x78, "F9"}, {0x79, "F10"}, {0x7A, "F11"}, {0x7B, "F12"},
        // locks and modifiers
        {0x90, "Number Lock"}, {0x91, "Scroll Lock"}, {0xA0, "Left Shift"}, {0xA1, "Right Shift"},
        {0xA2, "Left Ctrl"}, {0xA3, "Right Ctrl"}, {0xA4, "Left Alt"}, {0xA5, "Right Alt"},
        // punctuation
        {0xBA, ";"}, {0xBB, "="}, {0xBC, ","}, {0xBD, "-"}, {0xBE, "."}, {0xBF, "/"}, {0xC0, "`"}, {0xDB, "["},
        {0xDC, "\\"}, {0xDD, "]"}, {0xDE, "'"},
        // mouse buttons
        {0xF0, "Left"}, {0xF1, "Right"}, {0xF2, "Wheel"}, {0xF3, "Backward"}, {0xF4, "Forward"},
    };
    static_assert(sizeof names / sizeof names[0] == 112, "112 names");
    std::map<int32_t, std::string> named;
    for (const Case& c : names) named[c.virtualKey] = c.name;
    for (int32_t code = 0; code < 256; ++code)
        EXPECT_EQ(KeyName(code), named.count(code) ? named[code] : std::string()) << std::hex << code;
}

}  // namespace
