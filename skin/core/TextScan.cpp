#include "skin/core/TextScan.h"

#include <limits>

namespace {

// Enough to tell every out-of-range number apart from the 32-bit limits
// without overflowing the accumulator.
constexpr int64_t kScanCeiling = int64_t{1} << 40;

char LowerCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool IsBlankCharacter(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigitCharacter(char c) { return c >= '0' && c <= '9'; }

int32_t SaturateToInt32(int64_t value) {
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

bool ScanInteger(const std::string& text, size_t& position, int32_t& value) {
    size_t i = position;
    while (i < text.size() && IsBlankCharacter(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    const size_t digitsStart = i;
    int64_t magnitude = 0;
    for (; i < text.size() && IsDigitCharacter(text[i]); ++i)
        if (magnitude < kScanCeiling) magnitude = magnitude * 10 + (text[i] - '0');
    if (i == digitsStart) return false;
    value = SaturateToInt32(negative ? -magnitude : magnitude);
    position = i;
    return true;
}

std::string Trimmed(const std::string& text) {
    size_t first = 0;
    while (first < text.size() && IsBlankCharacter(text[first])) ++first;
    size_t last = text.size();
    while (last > first && IsBlankCharacter(text[last - 1])) --last;
    return text.substr(first, last - first);
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerCase(a[i]) != LowerCase(b[i])) return false;
    return true;
}
