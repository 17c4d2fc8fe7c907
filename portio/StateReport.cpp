#include "portio/StateReport.h"

#include <cstdio>
#include <string>

namespace portio {

namespace {

struct NamedCode {
    unsigned Code;
    const char* Name;
};

// Keyboard usages outside the letter, digit and function-key runs.
const NamedCode kKeyNames[] = {
    {0x28, "Enter"},        {0x29, "Esc"},          {0x2A, "Backspace"},     {0x2B, "Tab"},
    {0x2C, "Space"},        {0x2D, "-"},            {0x2E, "="},             {0x2F, "["},
    {0x30, "]"},            {0x31, "\\"},           {0x33, ";"},             {0x34, "'"},
    {0x35, "`"},            {0x36, ","},            {0x37, "."},             {0x38, "/"},
    {0x39, "Caps Lock"},    {0x46, "Print Screen"}, {0x47, "Scroll Lock"},   {0x48, "Pause"},
    {0x49, "Insert"},       {0x4A, "Home"},         {0x4B, "Page Up"},       {0x4C, "Delete"},
    {0x4D, "End"},          {0x4E, "Page Down"},    {0x4F, "Right"},         {0x50, "Left"},
    {0x51, "Down"},         {0x52, "Up"},           {0x53, "Num Lock"},      {0x65, "Menu"},
    {0xE0, "Left Ctrl"},    {0xE1, "Left Shift"},   {0xE2, "Left Alt"},      {0xE3, "Left Windows"},
    {0xE4, "Right Ctrl"},   {0xE5, "Right Shift"},  {0xE6, "Right Alt"},     {0xE7, "Right Windows"},
    {0xF0, "left button"},  {0xF1, "right button"}, {0xF2, "middle button"}, {0xF3, "backward button"},
    {0xF4, "forward button"},
};

// Consumer-control usages the mouse sends for media and internet buttons.
const NamedCode kConsumerNames[] = {
    {0x0183, "media player"},   {0x00B6, "previous track"},  {0x00B5, "next track"},
    {0x00CD, "play/pause"},     {0x00B7, "stop"},            {0x00E2, "mute"},
    {0x00E9, "volume up"},      {0x00EA, "volume down"},     {0x0192, "calculator"},
    {0x018A, "e-mail"},         {0x022A, "favourites"},      {0x0225, "browser forward"},
    {0x0224, "browser back"},   {0x0226, "browser stop"},    {0x0194, "my computer"},
    {0x0227, "browser refresh"}, {0x0223, "browser home"},   {0x0221, "search"},
};

struct LevelDpi {
    uint8_t Code;
    int Dpi;
};
const LevelDpi kLevelCodeDpi[] = {
    {1, 250},  {2, 500},  {3, 750},  {4, 1000}, {5, 1250},  {6, 1500},
    {7, 1750}, {8, 2000}, {21, 2500}, {22, 3000}, {23, 3500}, {24, 4000},
};

// Modifier bits of a keyboard map entry (the host's modifier byte shifted
// right by one).
const NamedCode kModifierNames[] = {{0x02, "Ctrl+"}, {0x01, "Shift+"}, {0x04, "Alt+"}, {0x08, "Win+"}};

// Bytes of the configuration report that never depend on the profile.
struct FixedBytes {
    int Offset;
    int Count;
    uint8_t Bytes[9];
};
const FixedBytes kConfigurationFixedBytes[] = {
    {0, 2, {0xFF, 0xFF}},
    {48, 4, {0x35, 0xD4, 0x0B, 0x04}},
    {61, 3, {0x80, 0x03, 0x00}},
    {64, 7, {0x0F, 0x00, 0x0A, 0x0A, 0x19, 0x19, 0x05}},
    {76, 8, {0x01, 0xC0, 0xF0, 0x03, 0x01, 0x01, 0x64, 0x00}},
    {89, 3, {0x07, 0x07, 0x07}},
    {97, 7, {0x07, 0x07, 0x07, 0x7F, 0xFF, 0xFF, 0xFF}},
};
const int kConfigurationZeroRuns[][2] = {{2, 46}, {52, 9}};

constexpr int kLightingModeOffset = 71;
constexpr int kSensitivityOffset = 74;
constexpr int kLevelCodesOffset = 84;
constexpr int kLevelCodesRepeatOffset = 92;
constexpr int kLevelsPerProfile = 5;
constexpr int kColourOffset = 104;
constexpr int kColourCount = 8;
constexpr int kMapEntryLength = 4;

constexpr uint8_t kMacroPress = 0x01;
constexpr uint8_t kMacroReleaseBit = 0x80;
constexpr uint8_t kLongDelayMarker = 0x02;
constexpr int kShortDelayUnitMs = 10;
constexpr int kLongDelayUnitMs = 50;

template <size_t N>
const char* FindName(const NamedCode (&table)[N], unsigned code) {
    for (const NamedCode& entry : table)
        if (entry.Code == code) return entry.Name;
    return nullptr;
}

std::string Format(const char* format, unsigned a, unsigned b = 0, unsigned c = 0, unsigned d = 0) {
    char text[128];
    std::snprintf(text, sizeof text, format, a, b, c, d);
    return text;
}

std::string Hex(const uint8_t* bytes, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i) text += ' ';
        text += Format("%02X", bytes[i]);
    }
    return text;
}

std::string ConsumerName(unsigned usage) {
    const char* name = FindName(kConsumerNames, usage);
    return name ? name : Format("consumer usage 0x%04X", usage);
}

std::string KeyboardEntry(uint8_t modifiers, uint8_t key) {
    if (modifiers == 0 && key == 0) return "nothing";
    std::string text = "key ";
    for (const NamedCode& modifier : kModifierNames)
        if (modifiers & modifier.Code) text += modifier.Name;
    if (key) {
        text += KeyName(key);
    } else if (text.size() > 4 && text.back() == '+') {
        text.pop_back();  // a modifier alone, such as the Windows key
    }
    return text;
}

std::string HostEvent(uint8_t kind, uint8_t argument) {
    if (kind == 0x0A) return Format("host event: program launch for button %u", argument);
    if (kind == 0xA0) return "host event: open the configuration program";
    return Format("host event 0x%02X, %u", kind, argument);
}

std::string ClickSequence(uint8_t button, uint8_t pace, uint8_t count) {
    std::string who = button >= 0xF0 ? KeyName(button) : Format("sub-function %u", button);
    return "click sequence: " + who + Format(", pace %u, count %u", pace, count);
}

void AppendLine(std::string& text, int indent, const std::string& line) {
    text.append(static_cast<size_t>(indent), ' ');
    text += line;
    text += '\n';
}

std::string RateText(uint8_t code) {
    if (code == 0) return "code 0 (unknown)";
    return Format("%u Hz (interval %u ms)", 1000 / code, code);
}

std::string LevelCodes(const uint8_t* codes) {
    std::string text;
    for (int i = 0; i < kLevelsPerProfile; ++i) {
        if (i) text += ", ";
        const int dpi = LevelCodeDpi(codes[i]);
        text += dpi ? Format("%u dpi", static_cast<unsigned>(dpi)) : Format("code %u (unknown)", codes[i]);
    }
    return text;
}

// Offsets where the configuration report differs from its fixed layout.
std::string ConfigurationDeviations(const ReportData& data) {
    std::string offsets;
    auto note = [&offsets](int offset) {
        if (!offsets.empty()) offsets += ", ";
        offsets += std::to_string(offset);
    };
    for (const FixedBytes& fixed : kConfigurationFixedBytes)
        for (int i = 0; i < fixed.Count; ++i)
            if (data[fixed.Offset + i] != fixed.Bytes[i]) note(fixed.Offset + i);
    for (const auto& run : kConfigurationZeroRuns)
        for (int i = 0; i < run[1]; ++i)
            if (data[run[0] + i] != 0) note(run[0] + i);
    for (int i = 0; i < kLevelsPerProfile; ++i)
        if (data[kLevelCodesRepeatOffset + i] != data[kLevelCodesOffset + i]) note(kLevelCodesRepeatOffset + i);
    return offsets;
}

void AppendConfiguration(std::string& text, const ReportData& data) {
    AppendLine(text, 4, Format("Lighting: mode %u, rate %u, option 0x%02X", data[kLightingModeOffset],
                               data[kLightingModeOffset + 1], data[kLightingModeOffset + 2]));
    AppendLine(text, 4, Format("Sensitivity: X %u (byte %u), Y %u (byte %u)", data[kSensitivityOffset] / 10u,
                               data[kSensitivityOffset], data[kSensitivityOffset + 1] / 10u,
                               data[kSensitivityOffset + 1]));
    AppendLine(text, 4, "Levels: " + LevelCodes(&data[kLevelCodesOffset]));
    std::string colours;
    for (int k = 0; k < kColourCount; ++k) {
        if (k) colours += ' ';
        const uint8_t* triplet = &data[kColourOffset + 3 * k];
        colours += Format("%02X%02X%02X", triplet[0], triplet[1], triplet[2]);
    }
    AppendLine(text, 4, "Colours: " + colours);
    const std::string deviations = ConfigurationDeviations(data);
    AppendLine(text, 4, deviations.empty() ? "Fixed bytes: as expected" : "Fixed bytes differ at: " + deviations);
}

void AppendSlot(std::string& text, int slot, const SlotState& state) {
    AppendLine(text, 0, Format("Slot %u:", static_cast<unsigned>(slot + 1)));
    AppendLine(text, 2, "Report rate: " + (state.RateKnown ? RateText(state.RateCode) : std::string("not received")));
    AppendLine(text, 2, "Level: " + (state.LevelKnown ? std::to_string(state.Level) : std::string("not received")));
    if (state.ConfigurationKnown) {
        AppendLine(text, 2, "Configuration:");
        AppendConfiguration(text, state.Configuration);
    } else {
        AppendLine(text, 2, "Configuration: not received");
    }
    if (!state.ButtonMapKnown) {
        AppendLine(text, 2, "Buttons: not received");
        return;
    }
    AppendLine(text, 2, "Buttons:");
    for (int i = 0; i < kButtonCount; ++i) {
        const uint8_t* entry = &state.ButtonMap[i * kMapEntryLength];
        AppendLine(text, 4, Format("%2u: ", static_cast<unsigned>(i + 1)) + Hex(entry, kMapEntryLength) + "  " +
                                DescribeMapEntry(entry));
    }
}

}  // namespace

std::string KeyName(uint8_t code) {
    if (code >= 0x04 && code <= 0x1D) return std::string(1, static_cast<char>('A' + code - 0x04));
    if (code >= 0x1E && code <= 0x26) return std::string(1, static_cast<char>('1' + code - 0x1E));
    if (code == 0x27) return "0";
    if (code >= 0x3A && code <= 0x45) return Format("F%u", code - 0x3Au + 1);
    const char* name = FindName(kKeyNames, code);
    return name ? name : Format("key 0x%02X", code);
}

int LevelCodeDpi(uint8_t code) {
    for (const LevelDpi& entry : kLevelCodeDpi)
        if (entry.Code == code) return entry.Dpi;
    return 0;
}

std::string DescribeMapEntry(const uint8_t* entry) {
    const uint8_t type = entry[0], first = entry[1], second = entry[2], third = entry[3];
    switch (type) {
    case 0x00: return KeyboardEntry(first, second);
    case 0x01: return "mouse button: " + KeyName(second);
    case 0x03: return "consumer control: " + ConsumerName(second | third << 8);
    case 0x04:
        if (second == 1) return "wheel up";
        if (second == 2) return "wheel down";
        return Format("wheel tilt, sub-function %u", second);
    case 0x05: return Format("function class 5, sub-function %u", second);
    case 0x06: return HostEvent(second, third);
    case 0x07: return Format("resolution level switch, sub-function %u", second);
    case 0x08: return Format("profile switch, sub-function %u", second);
    case 0x09: return Format("macro %u, option %u, %u events", second, first, third);
    case 0x0A: return ClickSequence(first, second, third);
    case 0x0B: return Format("function class 11, parameter %u", first);
    default: return Format("unknown type 0x%02X", type);
    }
}

std::string DescribeMacro(const ReportData& data) {
    const unsigned repeat = data[0] << 8 | data[1];
    std::string events;
    int count = 0;
    int i = 2;
    while (i < kReportDataLength && data[i] != 0) {
        // Every event is an even number of bytes from byte 2 on, so a head
        // byte always has its key byte inside the block.
        const uint8_t head = data[i];
        const uint8_t key = data[i + 1];
        const bool release = head & kMacroReleaseBit;
        // The long form is 01/81, key, delay / 50, 02; the key code 0x02 is
        // no keyboard usage, so the marker cannot be a following event's key.
        const bool longForm = (head & ~kMacroReleaseBit) == kMacroPress && i + 3 < kReportDataLength &&
                              data[i + 3] == kLongDelayMarker;
        const unsigned delay = longForm ? data[i + 2] * kLongDelayUnitMs : (head & 0x7E) * kShortDelayUnitMs;
        events += count++ ? ", " : ": ";
        events += (release ? "release " : "press ") + KeyName(key);
        if (delay) events += Format(" (%u ms)", delay);
        i += longForm ? 4 : 2;
    }
    return Format("repeat %u, %u events", repeat, static_cast<unsigned>(count)) + events;
}

std::string DescribeMouseState(const MouseState& state) {
    std::string text;
    AppendLine(text, 0, "Current profile: " + (state.CurrentProfile < 0
                                                    ? std::string("not selected")
                                                    : std::to_string(state.CurrentProfile + 1)));
    const MouseCounters& c = state.Counters;
    AppendLine(text, 0, Format("Accepted: %u commands, %u data reports, %u opening commands", c.Commands, c.Reports,
                               c.Openings));
    AppendLine(text, 0, Format("Rejected: %u bad check bytes, %u unexpected chunks, %u bad lengths, %u unknown commands",
                               c.BadCheckBytes, c.UnexpectedChunks, c.BadLengths, c.UnknownCommands));
    AppendLine(text, 0, Format("Rejected: %u bad parameters, %u incomplete reports", c.BadParameters,
                               c.IncompleteReports));
    AppendLine(text, 0, Format("Rejected: %u bad opening commands, %u data commands without 0x80, "
                               "%u commands with non-zero bytes 3-6",
                               c.BadOpenings, c.BadDataMarks, c.NonZeroReserved));
    AppendLine(text, 0, Format("Protocol violations: %u", c.Violations()));
    for (int slot = 0; slot < kSlotCount; ++slot) AppendSlot(text, slot, state.Slots[slot]);
    AppendLine(text, 0, "Macros:");
    int known = 0;
    for (int number = kFirstMacroNumber; number <= kLastMacroNumber; ++number) {
        const MacroState& macro = state.Macros[number - kFirstMacroNumber];
        if (!macro.Known) continue;
        ++known;
        const unsigned slot = (number - 1) / kButtonCount + 1, button = (number - 1) % kButtonCount + 1;
        AppendLine(text, 2, Format("Macro %u (slot %u, button %u): ", static_cast<unsigned>(number), slot, button) +
                                DescribeMacro(macro.Data));
    }
    if (!known) AppendLine(text, 2, "none received");
    return text;
}

std::string DumpMouseState(const MouseState& state) {
    std::string text;
    AppendLine(text, 0, Format("profile %u", static_cast<unsigned>(state.CurrentProfile + 1)));
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SlotState& s = state.Slots[slot];
        const unsigned number = static_cast<unsigned>(slot + 1);
        if (s.RateKnown) AppendLine(text, 0, Format("rate %u %02X", number, s.RateCode));
        if (s.LevelKnown) AppendLine(text, 0, Format("level %u %02X", number, s.Level));
        if (s.ConfigurationKnown)
            AppendLine(text, 0, Format("configuration %u ", number) + Hex(s.Configuration.data(), kReportDataLength));
        if (s.ButtonMapKnown)
            AppendLine(text, 0, Format("buttons %u ", number) + Hex(s.ButtonMap.data(), kReportDataLength));
    }
    for (int number = kFirstMacroNumber; number <= kLastMacroNumber; ++number) {
        const MacroState& macro = state.Macros[number - kFirstMacroNumber];
        if (macro.Known)
            AppendLine(text, 0, Format("macro %u ", static_cast<unsigned>(number)) +
                                    Hex(macro.Data.data(), kReportDataLength));
    }
    return text;
}

}  // namespace portio
