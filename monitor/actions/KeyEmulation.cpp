#include "monitor/actions/KeyEmulation.h"

#include "monitor/actions/ActionConstants.h"

namespace actions {

namespace {

// Modifiers are pressed in this order and released in the reverse.
struct ModifierRow {
    uint8_t Bit;
    uint8_t VirtualKey;
};
constexpr ModifierRow kModifierOrder[] = {
    {kModifierControl, kVkControl},
    {kModifierShift, kVkShift},
    {kModifierAlt, kVkMenu},
    {kModifierWindows, kVkLeftWindows},
};

struct FoldRow {
    uint8_t From;
    uint8_t To;
};
constexpr FoldRow kFolds[] = {
    {kVkLeftShift, kVkShift},  {kVkRightShift, kVkShift}, {kVkLeftControl, kVkControl},
    {kVkRightControl, kVkControl}, {kVkLeftMenu, kVkMenu}, {kVkRightMenu, kVkMenu},
};

bool RepeatsNever(uint8_t virtualKey) {
    return virtualKey == 0 || virtualKey == kVkShift || virtualKey == kVkControl || virtualKey == kVkMenu ||
           virtualKey == kVkLeftWindows || virtualKey == kVkRightWindows;
}

}  // namespace

uint8_t FoldedVirtualKey(uint8_t keyCode, KeyboardLayout& layout) {
    int32_t virtualKey = 0;
    VirtualKeyFromKeyCode(keyCode, layout, virtualKey);
    for (const FoldRow& fold : kFolds) {
        if (virtualKey == fold.From) return fold.To;
    }
    return static_cast<uint8_t>(virtualKey);
}

uint8_t KeyEmulation::Scan(uint8_t virtualKey) {
    return static_cast<uint8_t>(m_layout.MapKey(virtualKey, kMapVirtualKeyToScanCode));
}

KeyEmulation::Keys KeyEmulation::KeysOf(uint32_t word) {
    Keys keys{{}, 0, FoldedVirtualKey(static_cast<uint8_t>(word & 0xFF), m_layout)};
    const uint8_t modifiers = static_cast<uint8_t>((word >> 8) & 0xFF);
    if (modifiers & kModifierNone) return keys;
    for (const ModifierRow& row : kModifierOrder) {
        if (modifiers & row.Bit) keys.Modifiers[keys.ModifierCount++] = row.VirtualKey;
    }
    return keys;
}

void KeyEmulation::PressCombination(uint32_t word) {
    const Keys keys = KeysOf(word);
    for (int i = 0; i < keys.ModifierCount; ++i) {
        m_input.KeyboardEvent(keys.Modifiers[i], Scan(keys.Modifiers[i]), 0);
        m_clock.Sleep(kModifierPauseMilliseconds);
    }
    if (keys.Main != 0) m_input.KeyboardEvent(keys.Main, Scan(keys.Main), 0);
}

void KeyEmulation::ReleaseCombination(uint32_t word) {
    const Keys keys = KeysOf(word);
    if (keys.Main != 0) m_input.KeyboardEvent(keys.Main, Scan(keys.Main), kKeyUp);
    for (int i = keys.ModifierCount - 1; i >= 0; --i) {
        m_clock.Sleep(kModifierPauseMilliseconds);
        m_input.KeyboardEvent(keys.Modifiers[i], Scan(keys.Modifiers[i]), kKeyUp);
    }
}

void KeyEmulation::RepeatKey(uint32_t word) {
    const uint8_t main = FoldedVirtualKey(static_cast<uint8_t>(word & 0xFF), m_layout);
    if (RepeatsNever(main)) return;
    m_input.KeyboardEvent(main, Scan(main), kKeyUp);
    m_clock.Sleep(kModifierPauseMilliseconds);
    m_input.KeyboardEvent(main, Scan(main), 0);
}

void KeyEmulation::Tap(VolumeTap tap) {
    const uint8_t key = tap == VolumeTap::Up ? kVkVolumeUp : tap == VolumeTap::Down ? kVkVolumeDown : kVkVolumeMute;
    m_input.KeyboardEvent(key, 0, kKeyExtended);
    m_input.KeyboardEvent(key, 0, kKeyExtended | kKeyUp);
}

}  // namespace actions
