// Numeric-only mode of the bitmap edit field: which key presses reach the
// field, and how a changed text is reduced to its numeric characters.
#pragma once

#include <cstdint>
#include <string>

// Virtual-key codes the numeric-only field lets through.
constexpr uint32_t kKeyBackspace = 0x08;  // VK_BACK
constexpr uint32_t kKeyEnter = 0x0D;      // VK_RETURN
constexpr uint32_t kKeyEnd = 0x23;        // VK_END
constexpr uint32_t kKeyHome = 0x24;       // VK_HOME
constexpr uint32_t kKeyLeft = 0x25;       // VK_LEFT
constexpr uint32_t kKeyRight = 0x27;      // VK_RIGHT
constexpr uint32_t kKeyDelete = 0x2E;     // VK_DELETE
constexpr uint32_t kKeyDigit0 = 0x30;     // '0' .. '9' of the main keyboard
constexpr uint32_t kKeyDigit9 = 0x39;
constexpr uint32_t kKeyComma = 0xBC;      // VK_OEM_COMMA
constexpr uint32_t kKeyPeriod = 0xBE;     // VK_OEM_PERIOD

// True for the main keyboard's digits, Enter, comma, period, left, right,
// Home, End, Backspace and Delete; every other key (the keypad's digits
// included) is swallowed.
bool NumericKeyAllowed(uint32_t virtualKey);

constexpr char kNumericCharacters[] = "0123456789,.";

// The text reduced to the characters "0123456789,.".
std::string NumericOnly(const std::string& text);
// True when NumericOnly would change the text (it must be written back).
bool NeedsNumericRewrite(const std::string& text);
