#include "StructuredValue.h"

#include <cstdint>
#include <vector>

namespace {

// Value of each character as a hexadecimal digit, -1 for any other: profile
// files hold thousands of digits, so this is a table rather than comparisons.
struct HexDigits {
    int8_t value[256];
    constexpr HexDigits() : value() {
        for (int c = 0; c < 256; ++c) value[c] = -1;
        for (int c = '0'; c <= '9'; ++c) value[c] = static_cast<int8_t>(c - '0');
        for (int c = 'A'; c <= 'F'; ++c) value[c] = static_cast<int8_t>(c - 'A' + 10);
        for (int c = 'a'; c <= 'f'; ++c) value[c] = static_cast<int8_t>(c - 'a' + 10);
    }
};
constexpr HexDigits kHexDigits;

int HexDigitValue(char digit) { return kHexDigits.value[static_cast<uint8_t>(digit)]; }

}  // namespace

std::string EncodeStructuredValue(const void* buffer, size_t size) {
    static const char kDigits[] = "0123456789ABCDEF";
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    std::string text;
    text.reserve(2 * size + 2);
    uint8_t checksum = 0;
    for (size_t i = 0; i < size; ++i) {
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0x0F];
        checksum = static_cast<uint8_t>(checksum + bytes[i]);
    }
    text += kDigits[checksum >> 4];
    text += kDigits[checksum & 0x0F];
    return text;
}

bool DecodeStructuredValue(const std::string& text, void* buffer, size_t size) {
    if (text.size() != 2 * size + 2) return false;
    // One pass, no branch per digit: a non-digit makes its value -1, which
    // leaves the sign bit set in invalid. The last byte is the checksum.
    std::vector<uint8_t> bytes(size + 1);
    int invalid = 0;
    uint8_t sum = 0;
    for (size_t i = 0; i <= size; ++i) {
        const int high = HexDigitValue(text[2 * i]);
        const int low = HexDigitValue(text[2 * i + 1]);
        invalid |= high | low;
        bytes[i] = static_cast<uint8_t>((high & 0x0F) << 4 | (low & 0x0F));
        sum = static_cast<uint8_t>(sum + bytes[i]);
    }
    const uint8_t checksum = static_cast<uint8_t>(sum - bytes[size]);
    if (invalid < 0 || checksum != bytes[size]) return false;
    if (size) std::copy(bytes.begin(), bytes.begin() + size, static_cast<uint8_t*>(buffer));
    return true;
}
