// Character and number scanning shared by the entry parser and the value box.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The white space that sscanf and atoi skip.
bool IsBlankCharacter(char c);
bool IsDigitCharacter(char c);

// Reads "[blanks][sign]digits" from text at position, like %d: true and the
// position after the digits when at least one digit was read. The number
// saturates at the 32-bit limits instead of overflowing.
bool ScanInteger(const std::string& text, size_t& position, int32_t& value);

// The text without leading and trailing white space.
std::string Trimmed(const std::string& text);

// Case-insensitive comparison of ASCII texts.
bool EqualIgnoringCase(const std::string& a, const std::string& b);

// Saturating conversion to 32 bits.
int32_t SaturateToInt32(int64_t value);
