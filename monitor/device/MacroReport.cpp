#include "monitor/device/MacroReport.h"

#include <algorithm>

namespace device {

namespace {

constexpr uint8_t kUserMacroCode = 16;

// Keyboard usages of the modifier keys the chords hold.
constexpr uint8_t kLeftCtrl = 0xE0;
constexpr uint8_t kLeftShift = 0xE1;
constexpr uint8_t kLeftAlt = 0xE2;
constexpr uint8_t kLeftWindows = 0xE3;

struct ChordRow {
    uint8_t FunctionCode;
    std::vector<uint8_t> Keys;
};

const ChordRow kChords[] = {
    {51, {kLeftCtrl, 0x06}},              // Ctrl+C
    {52, {kLeftCtrl, 0x1B}},              // Ctrl+X
    {53, {kLeftCtrl, 0x11}},              // Ctrl+N
    {54, {kLeftCtrl, 0x12}},              // Ctrl+O
    {55, {kLeftCtrl, 0x19}},              // Ctrl+V
    {56, {kLeftCtrl, 0x13}},              // Ctrl+P
    {57, {kLeftCtrl, 0x1C}},              // Ctrl+Y
    {58, {kLeftCtrl, 0x16}},              // Ctrl+S
    {59, {kLeftCtrl, kLeftShift, 0x16}},  // Ctrl+Shift+S
    {60, {kLeftCtrl, 0x04}},              // Ctrl+A
    {61, {kLeftCtrl, 0x1D}},              // Ctrl+Z
    {64, {kLeftAlt, 0x3D}},               // Alt+F4
    {65, {kLeftCtrl, 0x09}},              // Ctrl+F
    {66, {kLeftCtrl, 0x08}},              // Ctrl+E
    {67, {kLeftAlt, 0x2C, 0x1B}},         // Alt+Space, X
    {68, {kLeftAlt, 0x2C, 0x11}},         // Alt+Space, N
    {69, {kLeftWindows, 0x07}},           // Windows+D
    {70, {kLeftWindows, 0x15}},           // Windows+R
    {84, {kLeftAlt, 0x2B}},               // Alt+Tab
    {85, {kLeftWindows, 0x0F}},           // Windows+L
};

// Bytes 0..1 hold the repeat count, high byte first.
constexpr int kEventsOffset = 2;
constexpr int kEventSize = 4;  // key code, action, 16-bit delay
constexpr uint8_t kPressAction = 1;
constexpr int kShortDelayUnit = 10;
constexpr int kLongDelayUnit = 50;

void PutRepeatCount(ReportData& data, uint16_t repeatCount) {
    data[0] = static_cast<uint8_t>(repeatCount >> 8);
    data[1] = static_cast<uint8_t>(repeatCount & 0xFF);
}

// The device form of one event: two bytes for a delay up to 1270 ms, four
// bytes (delay in 50 ms units) beyond.
int EncodeEvent(uint8_t key, uint8_t action, unsigned delay, uint8_t (&bytes)[4]) {
    const unsigned units = delay / kShortDelayUnit;
    const bool press = action == kPressAction;
    if (units <= kShortDelayLimit) {
        bytes[0] = static_cast<uint8_t>(((units & 0x7F) | 0x01) + (press ? 0 : 0x80));
        bytes[1] = key;
        return 2;
    }
    bytes[0] = press ? kMacroPress : kMacroRelease;
    bytes[1] = key;
    bytes[2] = static_cast<uint8_t>(delay / kLongDelayUnit);
    bytes[3] = kMacroLongDelayMark;
    return 4;
}

}  // namespace

std::optional<std::vector<uint8_t>> ChordKeys(uint8_t functionCode) {
    for (const ChordRow& row : kChords)
        if (row.FunctionCode == functionCode) return row.Keys;
    return std::nullopt;
}

ReportData BuildChordMacro(const std::vector<uint8_t>& keys) {
    ReportData data{};
    PutRepeatCount(data, 1);
    size_t position = kEventsOffset;
    auto put = [&](uint8_t action, uint8_t key) {
        if (position + 2 > data.size()) return;
        data[position++] = action;
        data[position++] = key;
    };
    for (uint8_t key : keys) put(kMacroPress, key);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) put(kMacroRelease, *key);
    return data;
}

UserMacro BuildUserMacro(const ButtonAssignmentEntry& entry) {
    UserMacro macro{};
    PutRepeatCount(macro.Data, static_cast<uint16_t>(entry.RepeatCount));
    const int count = std::min<int>(entry.ItemCount, kMacroEventCapacity);
    size_t position = kEventsOffset;
    for (int index = 0; index < count; ++index) {
        const uint8_t* event = entry.Data + kEventSize * index;
        const unsigned delay = event[2] | (event[3] << 8);
        uint8_t bytes[4];
        const int length = EncodeEvent(event[0], event[1], delay, bytes);
        if (position + length > macro.Data.size()) break;
        std::copy(bytes, bytes + length, macro.Data.begin() + position);
        position += length;
        ++macro.EventsWritten;
    }
    return macro;
}

ReportData BuildMacroBlock(const ButtonAssignmentEntry& entry) {
    // A user macro without events leaves the block empty, repeat count included.
    if (entry.FunctionCode == kUserMacroCode)
        return entry.ItemCount > 0 ? BuildUserMacro(entry).Data : ReportData{};
    if (auto keys = ChordKeys(entry.FunctionCode)) return BuildChordMacro(*keys);
    return ReportData{};
}

}  // namespace device
