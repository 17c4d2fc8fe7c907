#include "KeyTables.h"

// Virtual-key code, key code, scan code; in this order, which the scan-code
// search relies on (the first row with a matching scan code wins).
const UsageRow kUsageTable[kUsageRowCount] = {
    {0x41, 4, 0x1E},  // A
    {0x42, 5, 0x30},  // B
    {0x43, 6, 0x2E},  // C
    {0x44, 7, 0x20},  // D
    {0x45, 8, 0x12},  // E
    {0x46, 9, 0x21},  // F
    {0x47, 10, 0x22},  // G
    {0x48, 11, 0x23},  // H
    {0x49, 12, 0x17},  // I
    {0x4A, 13, 0x24},  // J
    {0x4B, 14, 0x25},  // K
    {0x4C, 15, 0x26},  // L
    {0x4D, 16, 0x32},  // M
    {0x4E, 17, 0x31},  // N
    {0x4F, 18, 0x18},  // O
    {0x50, 19, 0x19},  // P
    {0x51, 20, 0x10},  // Q
    {0x52, 21, 0x13},  // R
    {0x53, 22, 0x1F},  // S
    {0x54, 23, 0x14},  // T
    {0x55, 24, 0x16},  // U
    {0x56, 25, 0x2F},  // V
    {0x57, 26, 0x11},  // W
    {0x58, 27, 0x2D},  // X
    {0x59, 28, 0x15},  // Y
    {0x5A, 29, 0x2C},  // Z
    {0x31, 30, 0x02},  // 1
    {0x32, 31, 0x03},  // 2
    {0x33, 32, 0x04},  // 3
    {0x34, 33, 0x05},  // 4
    {0x35, 34, 0x06},  // 5
    {0x36, 35, 0x07},  // 6
    {0x37, 36, 0x08},  // 7
    {0x38, 37, 0x09},  // 8
    {0x39, 38, 0x0A},  // 9
    {0x30, 39, 0x0B},  // 0
    {0x0D, 40, 0x1C},  // Enter
    {0x1B, 41, 0x01},  // Escape
    {0x08, 42, 0x0E},  // Backspace
    {0x09, 43, 0x0F},  // Tab
    {0x20, 44, 0x39},  // Space
    {0xBD, 45, 0x0C},  // -
    {0xBB, 46, 0x0D},  // =
    {0xDB, 47, 0x1A},  // [
    {0xDD, 48, 0x1B},  // ]
    {0xDC, 49, 0x2B},  // \ (backslash)
    {0xBA, 51, 0x27},  // ;
    {0xDE, 52, 0x28},  // '
    {0xC0, 53, 0x29},  // `
    {0xBC, 54, 0x33},  // ,
    {0xBE, 55, 0x34},  // .
    {0xBF, 56, 0x35},  // /
    {0x14, 57, 0x3A},  // Caps Lock
    {0x70, 58, 0x3B},  // F1
    {0x71, 59, 0x3C},  // F2
    {0x72, 60, 0x3D},  // F3
    {0x73, 61, 0x3E},  // F4
    {0x74, 62, 0x3F},  // F5
    {0x75, 63, 0x40},  // F6
    {0x76, 64, 0x41},  // F7
    {0x77, 65, 0x42},  // F8
    {0x78, 66, 0x43},  // F9
    {0x79, 67, 0x44},  // F10
    {0x7A, 68, 0x57},  // F11
    {0x7B, 69, 0x58},  // F12
    {0x2C, 70, 0x00},  // Print Screen
    {0x91, 71, 0x00},  // Scroll Lock
    {0x13, 72, 0x00},  // Pause
    {0x2D, 73, 0x00},  // Insert
    {0x24, 74, 0x00},  // Home
    {0x21, 75, 0x00},  // Page Up
    {0x2E, 76, 0x00},  // Delete
    {0x23, 77, 0x00},  // End
    {0x22, 78, 0x00},  // Page Down
    {0x27, 79, 0x00},  // Right
    {0x25, 80, 0x00},  // Left
    {0x28, 81, 0x00},  // Down
    {0x26, 82, 0x00},  // Up
    {0x90, 83, 0x00},  // Num Lock
    {0x6F, 84, 0x00},  // keypad /
    {0x6A, 85, 0x00},  // keypad *
    {0x6D, 86, 0x00},  // keypad -
    {0x6B, 87, 0x00},  // keypad +
    {0x6C, 88, 0x00},  // keypad Enter
    {0x61, 89, 0x00},  // keypad 1
    {0x62, 90, 0x00},  // keypad 2
    {0x63, 91, 0x00},  // keypad 3
    {0x64, 92, 0x00},  // keypad 4
    {0x65, 93, 0x00},  // keypad 5
    {0x67, 95, 0x00},  // keypad 7 (before 6 in the table)
    {0x66, 94, 0x00},  // keypad 6
    {0x68, 96, 0x00},  // keypad 8
    {0x69, 97, 0x00},  // keypad 9
    {0x60, 98, 0x00},  // keypad 0
    {0x6E, 99, 0x00},  // keypad .
    {0x5D, 101, 0x00},  // Application
    {0xA2, 224, 0x00},  // left Ctrl
    {0xA0, 225, 0x00},  // left Shift
    {0xA4, 226, 0x00},  // left Alt
    {0x5B, 227, 0x00},  // left Windows
    {0xA3, 228, 0x00},  // right Ctrl
    {0xA1, 229, 0x00},  // right Shift
    {0xA5, 230, 0x00},  // right Alt
    {0x5C, 231, 0x00},  // right Windows
    {0xF0, 240, 0x00},  // mouse left
    {0xF1, 241, 0x00},  // mouse right
    {0xF2, 242, 0x00},  // mouse middle
    {0xF3, 243, 0x00},  // mouse back
    {0xF4, 244, 0x00},  // mouse forward
};

namespace {

struct KeyNameRow {
    int32_t VirtualKey;
    const char* Name;
};

// 0x25/0xF0 share "Left" and 0x27/0xF1 share "Right": the arrow keys and the
// mouse buttons read the same to the user.
const KeyNameRow kKeyNames[] = {
    {0x08, "BackSpace"},
    {0x09, "Tab"},
    {0x0D, "Enter"},
    {0x13, "Pause"},
    {0x14, "CapsLock"},
    {0x1B, "Esc"},
    {0x20, "Space"},
    {0x21, "Page UP"},
    {0x22, "Page Down"},
    {0x23, "End"},
    {0x24, "Home"},
    {0x25, "Left"},
    {0x26, "Up"},
    {0x27, "Right"},
    {0x28, "Down"},
    {0x29, "Select"},
    {0x2B, "Execute"},
    {0x2C, "Print Screen"},
    {0x2D, "Insert"},
    {0x2E, "Delete"},
    {0x2F, "Help"},
    {0x30, "0"},
    {0x31, "1"},
    {0x32, "2"},
    {0x33, "3"},
    {0x34, "4"},
    {0x35, "5"},
    {0x36, "6"},
    {0x37, "7"},
    {0x38, "8"},
    {0x39, "9"},
    {0x41, "A"},
    {0x42, "B"},
    {0x43, "C"},
    {0x44, "D"},
    {0x45, "E"},
    {0x46, "F"},
    {0x47, "G"},
    {0x48, "H"},
    {0x49, "I"},
    {0x4A, "J"},
    {0x4B, "K"},
    {0x4C, "L"},
    {0x4D, "M"},
    {0x4E, "N"},
    {0x4F, "O"},
    {0x50, "P"},
    {0x51, "Q"},
    {0x52, "R"},
    {0x53, "S"},
    {0x54, "T"},
    {0x55, "U"},
    {0x56, "V"},
    {0x57, "W"},
    {0x58, "X"},
    {0x59, "Y"},
    {0x5A, "Z"},
    {0x5B, "L_WIN"},
    {0x5C, "R_WIN"},
    {0x5D, "APP"},
    {0x60, "Num_0"},
    {0x61, "Num_1"},
    {0x62, "Num_2"},
    {0x63, "Num_3"},
    {0x64, "Num_4"},
    {0x65, "Num_5"},
    {0x66, "Num_6"},
    {0x67, "Num_7"},
    {0x68, "Num_8"},
    {0x69, "Num_9"},
    {0x6A, "Num_*"},
    {0x6B, "Num_+"},
    {0x6C, "Num_ "},
    {0x6D, "Num_-"},
    {0x6E, "Num_."},
    {0x6F, "Num_/"},
    {0x70, "F1"},
    {0x71, "F2"},
    {0x72, "F3"},
    {0x73, "F4"},
    {0x74, "F5"},
    {0x75, "F6"},
    {0x76, "F7"},
    {0x77, "F8"},
    {0x78, "F9"},
    {0x79, "F10"},
    {0x7A, "F11"},
    {0x7B, "F12"},
    {0x90, "Number Lock"},
    {0x91, "Scroll Lock"},
    {0xA0, "Left Shift"},
    {0xA1, "Right Shift"},
    {0xA2, "Left Ctrl"},
    {0xA3, "Right Ctrl"},
    {0xA4, "Left Alt"},
    {0xA5, "Right Alt"},
    {0xBA, ";"},
    {0xBB, "="},
    {0xBC, ","},
    {0xBD, "-"},
    {0xBE, "."},
    {0xBF, "/"},
    {0xC0, "`"},
    {0xDB, "["},
    {0xDC, "\\"},
    {0xDD, "]"},
    {0xDE, "'"},
    {0xF0, "Left"},
    {0xF1, "Right"},
    {0xF2, "Wheel"},
    {0xF3, "Backward"},
    {0xF4, "Forward"},
};

const UsageRow* FindByVirtualKey(int32_t virtualKey) {
    for (const UsageRow& row : kUsageTable)
        if (row.VirtualKey == virtualKey) return &row;
    return nullptr;
}

const UsageRow* FindByKeyCode(int32_t keyCode) {
    for (const UsageRow& row : kUsageTable)
        if (row.KeyCode == keyCode) return &row;
    return nullptr;
}

// Scan code 0 is what MapVirtualKeyA returns for "no translation"; it must not
// match the rows without a scan code (that would turn an unmapped letter into
// Print Screen).
const UsageRow* FindByScanCode(uint32_t scanCode) {
    if (scanCode == 0) return nullptr;
    for (const UsageRow& row : kUsageTable)
        if (static_cast<uint32_t>(row.ScanCode) == scanCode) return &row;
    return nullptr;
}

bool DependsOnLayout(int32_t keyCode) { return keyCode >= kFirstLayoutKeyCode && keyCode <= kLastLayoutKeyCode; }

}  // namespace

bool KeyCodeFromVirtualKey(int32_t virtualKey, KeyboardLayout& layout, int32_t& keyCode) {
    keyCode = 0;
    const UsageRow* row = FindByVirtualKey(virtualKey);
    if (!row) return false;
    keyCode = row->KeyCode;
    if (DependsOnLayout(keyCode)) {
        uint32_t scanCode = layout.MapKey(static_cast<uint32_t>(virtualKey), kMapVirtualKeyToScanCode);
        if (const UsageRow* position = FindByScanCode(scanCode)) keyCode = position->KeyCode;
    }
    return true;
}

bool VirtualKeyFromKeyCode(int32_t keyCode, KeyboardLayout& layout, int32_t& virtualKey) {
    virtualKey = 0;
    const UsageRow* row = FindByKeyCode(keyCode);
    if (!row) return false;
    virtualKey = row->VirtualKey;
    if (DependsOnLayout(keyCode)) {
        // A layout without this key position keeps the US meaning rather than
        // handing out virtual-key code 0 as a found key.
        uint32_t mapped = layout.MapKey(static_cast<uint32_t>(row->ScanCode), kMapScanCodeToVirtualKeyEx);
        if (mapped != 0) virtualKey = static_cast<int32_t>(mapped);
    }
    return true;
}

const char* KeyName(int32_t virtualKey) {
    for (const KeyNameRow& row : kKeyNames)
        if (row.VirtualKey == virtualKey) return row.Name;
    return "";
}
