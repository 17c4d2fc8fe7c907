#include "profile/KeyTables.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

// A layout built from the usage table (the US positions), with optional
// positions moved: MapKey translates both ways like MapVirtualKeyA.
class TableLayout : public KeyboardLayout {
public:
    TableLayout() {
        for (const UsageRow& row : kUsageTable)
            if (row.ScanCode != 0) Place(static_cast<uint32_t>(row.VirtualKey), static_cast<uint32_t>(row.ScanCode));
    }

    void Place(uint32_t virtualKey, uint32_t scanCode) {
        m_scanOf[virtualKey] = scanCode;
        m_virtualKeyOf[scanCode] = virtualKey;
    }

    // Removes the key from the layout: both directions translate to 0.
    void Remove(uint32_t virtualKey) {
        m_virtualKeyOf.erase(m_scanOf[virtualKey]);
        m_scanOf.erase(virtualKey);
    }

    uint32_t MapKey(uint32_t code, uint32_t mapType) override {
        const std::map<uint32_t, uint32_t>& map = mapType == kMapVirtualKeyToScanCode ? m_scanOf : m_virtualKeyOf;
        if (mapType != kMapVirtualKeyToScanCode && mapType != kMapScanCodeToVirtualKeyEx) return 0;
        auto found = map.find(code);
        return found == map.end() ? 0 : found->second;
    }

private:
    std::map<uint32_t, uint32_t> m_scanOf;
    std::map<uint32_t, uint32_t> m_virtualKeyOf;
};

// A layout that swaps the keys labelled Y and Z (as German keyboards do):
// the US Y position (scan 0x15) types Z, the US Z position (0x2C) types Y.
TableLayout SwappedYZLayout() {
    TableLayout layout;
    layout.Place(0x5A, 0x15);
    layout.Place(0x59, 0x2C);
    return layout;
}

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

TEST(UsageTable_Order, KeepsKeypadSevenBeforeSix) {
    int indexOf94 = -1, indexOf95 = -1;
    for (int i = 0; i < kUsageRowCount; ++i) {
        if (kUsageTable[i].KeyCode == 94) indexOf94 = i;
        if (kUsageTable[i].KeyCode == 95) indexOf95 = i;
    }
    EXPECT_EQ(indexOf95 + 1, indexOf94);
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
    TableLayout layout;
    for (const Case& c : cases) {
        int32_t keyCode = -5;
        EXPECT_EQ(KeyCodeFromVirtualKey(c.virtualKey, layout, keyCode), c.found) << std::hex << c.virtualKey;
        EXPECT_EQ(keyCode, c.keyCode) << std::hex << c.virtualKey;
    }
}

TEST(KeyCodeFromVirtualKey_SwappedYZ, StoresThePosition) {
    TableLayout layout = SwappedYZLayout();
    int32_t keyCode = 0;
    ASSERT_TRUE(KeyCodeFromVirtualKey(0x5A, layout, keyCode));
    EXPECT_EQ(keyCode, 28);  // the US Y position
    ASSERT_TRUE(KeyCodeFromVirtualKey(0x59, layout, keyCode));
    EXPECT_EQ(keyCode, 29);
    ASSERT_TRUE(KeyCodeFromVirtualKey(0x41, layout, keyCode));
    EXPECT_EQ(keyCode, 4);
}

TEST(VirtualKeyFromKeyCode_SwappedYZ, GivesTheLayoutsKey) {
    TableLayout layout = SwappedYZLayout();
    int32_t virtualKey = 0;
    ASSERT_TRUE(VirtualKeyFromKeyCode(28, layout, virtualKey));
    EXPECT_EQ(virtualKey, 0x5A);
    ASSERT_TRUE(VirtualKeyFromKeyCode(29, layout, virtualKey));
    EXPECT_EQ(virtualKey, 0x59);
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
    TableLayout layout;
    for (const Case& c : cases) {
        int32_t virtualKey = -5;
        EXPECT_EQ(VirtualKeyFromKeyCode(c.keyCode, layout, virtualKey), c.found) << c.keyCode;
        EXPECT_EQ(virtualKey, c.virtualKey) << c.keyCode;
        EXPECT_STREQ(KeyName(virtualKey), c.name) << c.keyCode;
    }
}

TEST(KeyLookups_UsLayout, RoundTripEveryKeyCode) {
    TableLayout layout;
    for (const UsageRow& row : kUsageTable) {
        int32_t virtualKey = 0, keyCode = 0;
        ASSERT_TRUE(VirtualKeyFromKeyCode(row.KeyCode, layout, virtualKey));
        EXPECT_EQ(virtualKey, row.VirtualKey);
        ASSERT_TRUE(KeyCodeFromVirtualKey(virtualKey, layout, keyCode));
        EXPECT_EQ(keyCode, row.KeyCode);
    }
}

TEST(KeyLookups_KeyMissingFromLayout, KeepTheTableMeaning) {
    // MapVirtualKeyA gives 0 for a key the layout lacks; scan code 0 must not
    // be taken for Print Screen, the first row without a scan code.
    TableLayout layout;
    layout.Remove(0x51);  // Q
    int32_t keyCode = 0, virtualKey = 0;
    ASSERT_TRUE(KeyCodeFromVirtualKey(0x51, layout, keyCode));
    EXPECT_EQ(keyCode, 20);
    ASSERT_TRUE(VirtualKeyFromKeyCode(20, layout, virtualKey));
    EXPECT_EQ(virtualKey, 0x51);
}

TEST(KeyName_Table, NamesListedCodesOnly) {
    struct Case {
        int32_t virtualKey;
        const char* name;
    };
    const Case cases[] = {
        {0x08, "BackSpace"},   {0x0D, "Enter"},       {0x14, "CapsLock"},   {0x1B, "Esc"},
        {0x21, "Page UP"},     {0x28, "Down"},        {0x29, "Select"},     {0x2A, ""},  // 0x2A has no name
        {0x2B, "Execute"},     {0x2F, "Help"},        {0x30, "0"},          {0x39, "9"},
        {0x3A, ""},            {0x41, "A"},           {0x5A, "Z"},          {0x5D, "APP"},
        {0x5E, ""},            {0x60, "Num_0"},       {0x6B, "Num_+"},      {0x6F, "Num_/"},
        {0x70, "F1"},          {0x7B, "F12"},         {0x7C, ""},           {0x90, "Number Lock"},
        {0xA0, "Left Shift"},  {0xA5, "Right Alt"},   {0xBA, ";"},          {0xBC, ","},
        {0xC0, "`"},           {0xDC, "\\"},          {0xDE, "'"},          {0xF2, "Wheel"},
        {0xF3, "Backward"},    {0xF4, "Forward"},     {0xF5, ""},           {-1, ""},
        {0x1000, ""},
    };
    for (const Case& c : cases) EXPECT_STREQ(KeyName(c.virtualKey), c.name) << std::hex << c.virtualKey;
}

}  // namespace
