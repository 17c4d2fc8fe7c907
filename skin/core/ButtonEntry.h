// The button placement entry: one value of a skin description file's
// BUTTONPOS section, "label,x,y,width,height,hint".
#pragma once

#include "skin/core/SkinGeometry.h"

#include <cstdint>
#include <string>

constexpr size_t kButtonLabelMaxLength = 39;
constexpr size_t kButtonHintMaxLength = 399;

struct ButtonEntry {
    std::string label;       // informational only, never used to find a control
    SkinRect rect;           // client coordinates, also the source in the state images
    std::string hint;        // hover hint text
    int32_t initiallySelected = 0;  // always 0 after parsing; the window sets it
};

// Parses one entry. The four numbers are read like a formatted scan of
// "%d,%d,%d,%d" (stops at the first mismatch, numbers not read stay 0). The
// hint is the text after the last comma, trimmed, so an entry without a sixth
// field takes its height as hint; skin files end entries with a comma when no
// hint is wanted. Never fails: an empty or malformed text gives an entry at
// the empty rectangle.
ButtonEntry ParseButtonEntry(const std::string& text);
