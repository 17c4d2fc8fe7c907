#include "option/macros/MacroEventList.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kCaretLead = 2;
constexpr int kCaretFirstLines = 4;
constexpr int kCaretLastLines = 3;

bool IsMouseKey(uint8_t keyCode) { return keyCode >= kFirstMouseKeyCode && keyCode <= kLastMouseKeyCode; }

// Reads a leading decimal number as the C library does (blanks, sign,
// digits); huge values saturate instead of overflowing.
long long LeadingNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min(value * 10 + (text[i] - '0'), 1000000000LL);
    return negative ? -value : value;
}

std::string Trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

MacroEditBuffer EditBufferOf(const MacroRecord& record) {
    MacroEditBuffer buffer;
    std::copy(std::begin(record.Events), std::end(record.Events), buffer.Events.begin());
    buffer.Count = UsableEventCount(record);
    return buffer;
}

void StoreEditBuffer(const MacroEditBuffer& buffer, MacroRecord& record) {
    std::copy(buffer.Events.begin(), buffer.Events.end(), std::begin(record.Events));
    record.EventCount = static_cast<int32_t>(buffer.Count);
}

std::vector<EventLine> BuildEventLines(const MacroEditBuffer& buffer, const KeyCodeName& keyName) {
    std::vector<EventLine> lines;
    for (size_t i = 0; i < buffer.Count; ++i) {
        const MacroEvent& event = buffer.Events[i];
        const uint32_t number = static_cast<uint32_t>(i + 1) << 16;
        const bool press = event.Action != kMacroActionRelease;
        EventLine line{keyName(event.KeyCode), number};
        if (IsMouseKey(event.KeyCode)) {
            line.Text += press ? " Down" : " Up";
            line.Data |= kLineMouseButton;
        } else {
            line.Data |= press ? kLineKeyPress : kLineKeyRelease;
        }
        lines.push_back(line);
        if (event.Delay != 0) lines.push_back(EventLine{DelayText(event.Delay), number | kLineDelay});
    }
    return lines;
}

std::string DelayText(uint16_t delay) {
    char text[16];
    std::snprintf(text, sizeof text, "%d ms", static_cast<int>(delay));
    return text;
}

int LineOf(const std::vector<EventLine>& lines, size_t event, bool delayLine) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (LineEvent(lines[i].Data) == event && IsDelayLine(lines[i].Data) == delayLine) return static_cast<int>(i);
    return -1;
}

CaretPlace CaretAfterRefill(int remembered, size_t lineCount) {
    if (lineCount == 0) return CaretPlace{};
    const int last = static_cast<int>(lineCount) - 1;
    const int line = std::clamp(remembered, 0, last);
    const bool nearAnEnd = line < kCaretFirstLines || line > last - kCaretLastLines;
    return CaretPlace{line, nearAnEnd ? line : line + kCaretLead};
}

std::optional<size_t> InsertEvent(MacroEditBuffer& buffer, int& insertPosition, MacroEvent event) {
    if (buffer.Count >= kMacroEventCapacity) return std::nullopt;
    size_t at = insertPosition == kAppendPosition ? buffer.Count
                                                  : std::min(static_cast<size_t>(insertPosition), buffer.Count);
    std::copy_backward(buffer.Events.begin() + at, buffer.Events.begin() + buffer.Count,
                       buffer.Events.begin() + buffer.Count + 1);
    buffer.Events[at] = event;
    ++buffer.Count;
    if (insertPosition != kAppendPosition) insertPosition = static_cast<int>(at + 1);
    return at;
}

std::optional<size_t> InsertClick(MacroEditBuffer& buffer, int& insertPosition, uint8_t keyCode) {
    if (buffer.Count + 2 > kMacroEventCapacity) return std::nullopt;
    InsertEvent(buffer, insertPosition, MacroEvent{keyCode, kMacroActionPress, 0});
    return InsertEvent(buffer, insertPosition, MacroEvent{keyCode, kMacroActionRelease, 0});
}

bool InsertDelayBefore(MacroEditBuffer& buffer, uint32_t lineData) {
    const size_t event = LineEvent(lineData);
    if (IsDelayLine(lineData) || event == 0 || event >= buffer.Count) return false;
    MacroEvent& previous = buffer.Events[event - 1];
    if (previous.Delay != 0) return false;
    previous.Delay = kShortestEditedDelay;
    return true;
}

bool DeleteLine(MacroEditBuffer& buffer, uint32_t lineData) {
    const size_t event = LineEvent(lineData);
    if (event >= buffer.Count) return false;
    if (IsDelayLine(lineData)) {
        buffer.Events[event].Delay = 0;
        return true;
    }
    std::copy(buffer.Events.begin() + event + 1, buffer.Events.begin() + buffer.Count, buffer.Events.begin() + event);
    --buffer.Count;
    return true;
}

uint16_t EditedDelay(const std::string& text) {
    const long long value = LeadingNumber(text);
    if (value >= kLongestDelay) return kLongestDelay;
    if (value <= 0) return kShortestEditedDelay;
    return static_cast<uint16_t>(value);
}

std::optional<MouseCommand> MouseCommandOf(uint32_t identifier) {
    if (identifier < kFirstMouseCommand || identifier > kLastMouseCommand) return std::nullopt;
    // Three commands per button, in the menu's order of the buttons.
    static constexpr uint8_t kButtons[] = {240, 241, 242, 244, 243};
    const uint32_t offset = identifier - kFirstMouseCommand;
    return MouseCommand{kButtons[offset / 3], static_cast<MouseInsert>(offset % 3)};
}

int32_t RepeatCountFromText(const std::string& text) {
    const long long value = LeadingNumber(text);
    if (value > kLargestRepeatCount) return kLargestRepeatCount;
    if (value <= 0) return 1;
    return static_cast<int32_t>(value);
}

bool IsNewMacroNameFree(const std::string& name, const std::vector<std::string>& otherNames) {
    if (Trimmed(name).empty()) return false;
    return std::none_of(otherNames.begin(), otherNames.end(),
                        [&](const std::string& other) { return SameMacroName(name, other); });
}
