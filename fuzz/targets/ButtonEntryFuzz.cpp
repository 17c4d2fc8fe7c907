// The placement-entry parser on any text: label and hint within their
// limits, the rectangle as "%d,%d,%d,%d" reads it (numbers saturating, the
// sums never overflowing), and an entry formatted from its parts parses back.
#include "FuzzCheck.h"

#include "skin/core/ButtonEntry.h"

#include <cctype>
#include <climits>
#include <string>

namespace {

// "%d" over text at position, saturating at the 32-bit limits.
bool ReadNumber(const std::string& text, size_t& position, int64_t& value) {
    size_t i = position;
    while (i < text.size() && isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const size_t digits = i;
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        magnitude = std::min<int64_t>(magnitude * 10 + (text[i] - '0'), int64_t{1} << 40);
    if (i == digits) return false;
    value = std::max<int64_t>(INT32_MIN, std::min<int64_t>(INT32_MAX, negative ? -magnitude : magnitude));
    position = i;
    return true;
}

int32_t Clamp(int64_t value) { return static_cast<int32_t>(std::max<int64_t>(INT32_MIN, std::min<int64_t>(INT32_MAX, value))); }

std::string Trim(const std::string& text) {
    const char* blanks = " \t\n\r\v\f";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const ButtonEntry entry = ParseButtonEntry(text);
    FUZZ_CHECK(entry.label.size() <= kButtonLabelMaxLength && entry.hint.size() <= kButtonHintMaxLength);
    FUZZ_CHECK(entry.initiallySelected == 0);

    const size_t firstComma = text.find(',');
    FUZZ_CHECK(entry.label == text.substr(0, std::min(firstComma, kButtonLabelMaxLength)));
    int64_t numbers[4] = {0, 0, 0, 0};
    if (firstComma != std::string::npos) {
        size_t position = firstComma + 1;
        for (int i = 0; i < 4; ++i) {
            if (i > 0 && (position >= text.size() || text[position++] != ',')) break;
            if (!ReadNumber(text, position, numbers[i])) break;
        }
        FUZZ_CHECK(entry.hint == Trim(text.substr(text.rfind(',') + 1)).substr(0, kButtonHintMaxLength));
    } else {
        FUZZ_CHECK(entry.hint.empty());
    }
    FUZZ_CHECK(entry.rect.left == numbers[0] && entry.rect.top == numbers[1]);
    FUZZ_CHECK(entry.rect.right == Clamp(numbers[0] + numbers[2]));
    FUZZ_CHECK(entry.rect.bottom == Clamp(numbers[1] + numbers[3]));

    // Formatted from its parts (as the skin generator writes entries), an
    // entry with a plain label and hint parses back to the same parts.
    if (entry.label.find(',') == std::string::npos && entry.hint.find(',') == std::string::npos &&
        Trim(entry.hint) == entry.hint && !entry.hint.empty()) {
        const int64_t width = int64_t{entry.rect.right} - entry.rect.left;
        const int64_t height = int64_t{entry.rect.bottom} - entry.rect.top;
        if (width == Clamp(width) && height == Clamp(height)) {
            const std::string formatted = entry.label + "," + std::to_string(entry.rect.left) + "," +
                                          std::to_string(entry.rect.top) + "," + std::to_string(width) + "," +
                                          std::to_string(height) + "," + entry.hint;
            const ButtonEntry back = ParseButtonEntry(formatted);
            FUZZ_CHECK(back.label == entry.label && back.rect == entry.rect && back.hint == entry.hint);
        }
    }
    return 0;
}
