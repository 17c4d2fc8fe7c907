#include "StructuredValue.h"

#include <cstdint>
#include <vector>

namespace {

int HexDigitValue(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    return -1;
}

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
    std::vector<uint8_t> bytes(size + 1);
    for (size_t i = 0; i <= size; ++i) {
        int high = HexDigitValue(text[2 * i]);
        int low = HexDigitValue(text[2 * i + 1]);
        if (high < 0 || low < 0) return false;
        bytes[i] = static_cast<uint8_t>(high << 4 | low);
    }
    uint8_t checksum = 0;
    for (size_t i = 0; i < size; ++i) checksum = static_cast<uint8_t>(checksum + bytes[i]);
    if (checksum != bytes[size]) return false;
    if (size) std::copy(bytes.begin(), bytes.begin() + size, static_cast<uint8_t*>(buffer));
    return true;
}
