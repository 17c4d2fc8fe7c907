#include "profile/KeyTables.h"
#include "profile/win32/WindowsKeyboardLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowsKeyboardLayout_ActiveLayout, EveryKeyCodeRoundTrips) {
    // Holds on any layout: a key code goes to the layout's virtual key at
    // that position and comes back as the same position.
    WindowsKeyboardLayout layout;
    int translated = 0;
    for (const UsageRow& row : kUsageTable) {
        int32_t virtualKey = 0, keyCode = 0;
        ASSERT_TRUE(VirtualKeyFromKeyCode(row.KeyCode, layout, virtualKey)) << row.KeyCode;
        EXPECT_NE(virtualKey, 0) << row.KeyCode;
        if (KeyCodeFromVirtualKey(virtualKey, layout, keyCode)) {
            EXPECT_EQ(keyCode, row.KeyCode) << "virtual key " << virtualKey;
            ++translated;
        }
    }
    EXPECT_GT(translated, 100);
}

TEST(WindowsKeyboardLayout_UsLayout, TranslatesThroughMapVirtualKey) {
    // The test display runs the US layout.
    WindowsKeyboardLayout layout;
    EXPECT_EQ(layout.MapKey(0x41, kMapVirtualKeyToScanCode), 0x1Eu);
    EXPECT_EQ(layout.MapKey(0x2C, kMapScanCodeToVirtualKeyEx), 0x5Au);
    int32_t keyCode = 0, virtualKey = 0;
    ASSERT_TRUE(KeyCodeFromVirtualKey(0x5A, layout, keyCode));
    EXPECT_EQ(keyCode, 29);
    ASSERT_TRUE(VirtualKeyFromKeyCode(28, layout, virtualKey));
    EXPECT_EQ(virtualKey, 0x59);
    ASSERT_TRUE(VirtualKeyFromKeyCode(240, layout, virtualKey));
    EXPECT_EQ(virtualKey, 0xF0);
}

}  // namespace
