// Key combinations of code-5 buttons held down with their modifiers, the
// auto-repeat of the main key, and the one-shot volume key taps.
#pragma once

#include "monitor/actions/Clock.h"
#include "monitor/actions/InputSynthesis.h"
#include "profile/KeyTables.h"

#include <cstdint>

namespace actions {

// Modifier bits of the combination word's second byte.
constexpr uint8_t kModifierNone = 0x01;  // overrides the others
constexpr uint8_t kModifierShift = 0x02;
constexpr uint8_t kModifierControl = 0x04;
constexpr uint8_t kModifierAlt = 0x08;
constexpr uint8_t kModifierWindows = 0x10;

// Pause between the keys of a combination.
constexpr unsigned kModifierPauseMilliseconds = 1;

enum class VolumeTap { Up, Down, Mute };

// Key code -> virtual-key code with left and right Shift, Ctrl and Alt folded
// into the plain modifier; 0 when the key code has none.
uint8_t FoldedVirtualKey(uint8_t keyCode, KeyboardLayout& layout);

class KeyEmulation {
public:
    KeyEmulation(InputSynthesis& input, KeyboardLayout& layout, Clock& clock)
        : m_input(input), m_layout(layout), m_clock(clock) {}

    // Word: byte 0 key code, byte 1 modifier bits.
    void PressCombination(uint32_t word);
    void ReleaseCombination(uint32_t word);
    // Main key up and down again; nothing for modifiers, Windows keys or none.
    void RepeatKey(uint32_t word);
    void Tap(VolumeTap tap);

private:
    struct Keys {
        uint8_t Modifiers[4];
        int ModifierCount;
        uint8_t Main;
    };
    Keys KeysOf(uint32_t word);
    uint8_t Scan(uint8_t virtualKey);

    InputSynthesis& m_input;
    KeyboardLayout& m_layout;
    Clock& m_clock;
};

}  // namespace actions
