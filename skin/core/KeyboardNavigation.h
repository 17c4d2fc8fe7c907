// The keyboard side of the skinned controls: the order in which Tab visits
// a window's controls, what the arrow and page keys do to a value control,
// and the window text by which assistive technology names a control.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "skin/core/SkinGeometry.h"

// Virtual-key codes of the moving keys not named in NumericText.h.
constexpr uint32_t kKeyPageUp = 0x21;    // VK_PRIOR
constexpr uint32_t kKeyPageDown = 0x22;  // VK_NEXT
constexpr uint32_t kKeyUp = 0x26;        // VK_UP
constexpr uint32_t kKeyDown = 0x28;      // VK_DOWN

// Reading order: indices of the rectangles in the order a reader meets them,
// line by line from the top, each line from the left. Two rectangles share a
// line when they overlap vertically by at least half the taller one's
// height, so a slider a few pixels lower than the button beside it stays on
// the button's line, while a tall area beside a column of buttons takes none
// of them.
// The sort is stable: rectangles at the same place keep their given order.
std::vector<size_t> ReadingOrder(const std::vector<SkinRect>& rectangles);

enum class StepKey { Less, More, PageLess, PageMore, Minimum, Maximum };

// A slider: the arrows move the thumb the way they point (a vertical slider
// grows downwards); Up and Page Up mean more on a horizontal one; Home and
// End go to the ends. Other keys: none.
std::optional<StepKey> SliderStepKey(uint32_t virtualKey, bool vertical);
// A value box: Up and Down are its up and down buttons, Page Up and Page
// Down a page of presses. Left, right, Home and End stay with the text.
std::optional<StepKey> ValueBoxStepKey(uint32_t virtualKey);

// Line steps in one page: a fifth of the extent, rounded up, at least one.
int32_t PageLines(int64_t extent, int32_t lineStep);

// The slider's value after the key, a line being one unit, clamped to the range.
int32_t SliderValueAfterKey(int32_t value, int32_t minimum, int32_t maximum, StepKey key);

// The window text of a control: its caption, else its hint, else the label
// of its placement entry (a skin may leave a hint out, but a control named
// by nothing is lost to a screen reader); '&' doubled, as the system takes a
// single one for a mnemonic prefix.
std::string ControlWindowText(const std::string& caption, const std::string& hint, const std::string& label = "");
