// The structured-value encoding of the private-profile struct functions: each
// byte as two upper-case hexadecimal digits, then the checksum byte (the low
// 8 bits of the sum of all bytes) the same way.
#pragma once

#include <cstddef>
#include <string>

std::string EncodeStructuredValue(const void* buffer, size_t size);

// Fills buffer only when the text has exactly 2 * size + 2 hexadecimal digits
// and its checksum matches; otherwise returns false and leaves buffer alone.
bool DecodeStructuredValue(const std::string& text, void* buffer, size_t size);
