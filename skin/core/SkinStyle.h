// Fonts, colours and fixed offsets with which skinned controls draw.
#pragma once

#include "skin/core/SkinGeometry.h"

#include <cstdint>

// A font made by face name; width 0 lets the font mapper choose.
struct SkinFont {
    const char* face;
    int32_t height;  // character cell height in pixels
    int32_t width;
    int32_t weight;
    bool swissFamily;     // FF_SWISS
    bool defaultCharset;  // DEFAULT_CHARSET (otherwise ANSI_CHARSET)
};

// Button captions, warning texts, popup menus.
constexpr SkinFont kCaptionFont{"Arial", 14, 0, 400, true, false};
// Resolution label of the performance page.
constexpr SkinFont kResolutionLabelFont{"Arial", 14, 5, 700, true, false};
// Text labels: single line, vertically centred.
constexpr SkinFont kTextLabelFont{"Arial", 12, 5, 700, true, false};
// Bitmap edit fields.
constexpr SkinFont kBitmapEditFont{"Eurostile", 13, 0, 400, false, true};
// Skin list rows and their in-place edit.
constexpr SkinFont kSkinListFont{"Eurostile", 12, 0, 300, true, true};

// Skin button captions.
constexpr int32_t kCaptionLeft = 10;
constexpr SkinColour kCaptionColour = MakeColour(255, 255, 255);
constexpr SkinColour kCaptionHoverColour = MakeColour(230, 20, 20);

// Top of a caption of textHeight in a client area of clientHeight.
inline int32_t CaptionTop(int32_t clientHeight, int32_t textHeight) {
    return clientHeight / 2 - textHeight / 2 + 1;
}

// Colour swatch: a 34 x 34 square at (1, 1) without its corner pixels, the
// union of these two rectangles. Swatch buttons are at least 36 x 36.
constexpr SkinRect kSwatchRects[2] = {{1, 2, 35, 34}, {2, 1, 34, 35}};
constexpr int32_t kSwatchMinimumSize = 36;

// Bitmap edit field defaults.
constexpr SkinColour kEditTextColour = MakeColour(36, 36, 36);
constexpr SkinColour kEditBackgroundColour = MakeColour(255, 255, 255);

// Skin list rows.
constexpr int32_t kListTextLeft = 5;
constexpr int32_t kListIconLeft = 5;
constexpr int32_t kListIconTop = 2;
// The in-place edit lies over the row this far in from its left and right.
constexpr int32_t kListEditInsetLeft = 1;
constexpr int32_t kListEditInsetRight = 2;
constexpr int32_t kListNewRowMaxLength = 15;
constexpr int32_t kListRenameMaxLength = 20;

// The in-place edit rectangle over a row's rectangle.
inline SkinRect ListEditRect(const SkinRect& row) {
    return {row.left + kListEditInsetLeft, row.top, row.right - kListEditInsetRight, row.bottom};
}
