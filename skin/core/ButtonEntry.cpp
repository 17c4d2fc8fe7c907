#include "skin/core/ButtonEntry.h"

#include "skin/core/TextScan.h"

namespace {

constexpr int kEntryNumberCount = 4;  // x, y, width, height

int32_t SaturatedSum(int32_t a, int32_t b) {
    return SaturateToInt32(static_cast<int64_t>(a) + b);
}

}  // namespace

ButtonEntry ParseButtonEntry(const std::string& text) {
    ButtonEntry entry;
    const size_t firstComma = text.find(',');
    if (firstComma == std::string::npos) {
        entry.label = text.substr(0, kButtonLabelMaxLength);
        return entry;
    }
    entry.label = text.substr(0, firstComma).substr(0, kButtonLabelMaxLength);

    // "%d,%d,%d,%d" over the remainder: each number may have leading blanks,
    // the commas between them must follow immediately.
    int32_t numbers[kEntryNumberCount] = {0, 0, 0, 0};
    size_t position = firstComma + 1;
    for (int i = 0; i < kEntryNumberCount; ++i) {
        if (i > 0) {
            if (position >= text.size() || text[position] != ',') break;
            ++position;
        }
        if (!ScanInteger(text, position, numbers[i])) break;
    }
    entry.rect = {numbers[0], numbers[1], SaturatedSum(numbers[0], numbers[2]),
                  SaturatedSum(numbers[1], numbers[3])};

    // The last comma of the remainder; with none there it is the first comma,
    // so the hint is the remainder itself.
    const size_t lastComma = text.rfind(',');
    entry.hint = Trimmed(text.substr(lastComma + 1)).substr(0, kButtonHintMaxLength);
    return entry;
}
