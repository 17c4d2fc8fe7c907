#include "skin/core/ButtonLook.h"

ButtonLook ChooseButtonLook(const ButtonLookInput& input) {
    if (input.toggleMode) {
        if (input.disabled) return ButtonLook::Disabled;
        if (input.selected) return ButtonLook::Down;
        if (input.hovering) return ButtonLook::Over;
        return ButtonLook::Normal;
    }
    if (input.selected && !input.disabled) return ButtonLook::Down;
    if (input.pressed) return ButtonLook::Down;
    if (input.hovering) return ButtonLook::Over;
    if (input.disabled) return ButtonLook::Disabled;
    return ButtonLook::Normal;
}

uint32_t SkinButtonStyle(uint32_t style) { return (style | kOwnerDrawButtonStyle) & ~kTabStopStyle; }

// Asked of the style the button was created with: the owner-draw value sets
// bit 0 itself, so after SkinButtonStyle every button would qualify.
bool StartsHovering(uint32_t style) { return (style & 0xFF & kDefaultPushButtonBit) != 0; }
