// Which of its four looks a skin button (or colour swatch) shows, and the
// style it gives itself at creation.
#pragma once

#include <cstdint>

enum class ButtonLook { Normal, Over, Down, Disabled };

struct ButtonLookInput {
    bool toggleMode = false;
    bool selected = false;
    bool hovering = false;
    bool pressed = false;   // from the owner-draw item state
    bool disabled = false;  // from the owner-draw item state
};

// Toggle mode: disabled, then selected, then hovering decide. Normal mode: a
// selected enabled button is down; otherwise pressed, hovering, disabled.
ButtonLook ChooseButtonLook(const ButtonLookInput& input);

// Window style values the skin button adjusts at creation.
constexpr uint32_t kOwnerDrawButtonStyle = 0x0000000B;  // BS_OWNERDRAW
constexpr uint32_t kDefaultPushButtonBit = 0x00000001;  // BS_DEFPUSHBUTTON
constexpr uint32_t kTabStopStyle = 0x00010000;          // WS_TABSTOP

// The style made owner-drawn and without the tab stop.
uint32_t SkinButtonStyle(uint32_t style);
// A default push button starts in the hovering state.
bool StartsHovering(uint32_t style);
