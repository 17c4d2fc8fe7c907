// Key codes (HID keyboard usages, plus 240..244 for the mouse buttons) and
// the system's virtual-key codes: the usage table, the display names and the
// three look-ups between them. Letter and punctuation keys are translated by
// their scan code so that a key is stored by its position, whatever the
// active keyboard layout calls it.
#pragma once

#include <cstdint>

// One row of the usage table. The scan code (set-1 make code) is given only
// for key codes 4..69, whose virtual-key code depends on the layout.
struct UsageRow {
    int32_t VirtualKey;
    int32_t KeyCode;
    int32_t ScanCode;
};

constexpr int kUsageRowCount = 109;
extern const UsageRow kUsageTable[kUsageRowCount];

// Key codes whose virtual-key code depends on the keyboard layout.
constexpr int32_t kFirstLayoutKeyCode = 4;
constexpr int32_t kLastLayoutKeyCode = 69;

// The two MapVirtualKeyA translations used here.
constexpr uint32_t kMapVirtualKeyToScanCode = 0;    // MAPVK_VK_TO_VSC
constexpr uint32_t kMapScanCodeToVirtualKeyEx = 3;  // MAPVK_VSC_TO_VK_EX (left and right apart)

// The active keyboard layout: MapVirtualKeyA on Windows, a fixed layout in tests.
class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    // MapVirtualKeyA(code, mapType): 0 when the code has no translation.
    virtual uint32_t MapKey(uint32_t code, uint32_t mapType) = 0;
};

// Virtual-key code -> key code. False (key code 0) for a key the table lacks.
bool KeyCodeFromVirtualKey(int32_t virtualKey, KeyboardLayout& layout, int32_t& keyCode);

// Key code -> virtual-key code. False (virtual-key code 0) for a key code
// without a row (50 and 100, for example).
bool VirtualKeyFromKeyCode(int32_t keyCode, KeyboardLayout& layout, int32_t& virtualKey);

// Display name of a virtual-key code; empty text for a code without a name.
const char* KeyName(int32_t virtualKey);
