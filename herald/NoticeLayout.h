// Where the notice panel goes and how its pixels are shaped: a rounded
// panel near the bottom centre of the primary monitor's work area.
#pragma once

#include <cstdint>

namespace herald {

struct Rectangle {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Panel metrics, in pixels.
constexpr int kPanelRadius = 12;
constexpr int kAccentBarWidth = 8;
constexpr int kTextPaddingX = 26;  // from the accent bar and from the right edge
constexpr int kTextPaddingY = 16;
constexpr int kMinimumPanelWidth = 240;
constexpr int kBottomMargin = 96;   // from the work area's bottom edge
constexpr int kSideMargin = 40;     // the panel never comes closer to the sides
constexpr int kTextHeight = 34;     // "Arial" bold cell height

// The widest text line the work area allows (never below 1).
int MaximumTextWidth(const Rectangle& workArea);

// The panel around a text block of this size, centred horizontally and
// standing kBottomMargin above the bottom of the work area.
Rectangle PlacePanel(const Rectangle& workArea, int textWidth, int textHeight);

// Where the text block goes inside a panel of this size.
Rectangle TextBox(int panelWidth, int panelHeight, int textWidth, int textHeight);

// Coverage 0..255 of the pixel at x,y by a rounded rectangle of the given
// size and corner radius (anti-aliased at the corners).
uint8_t RoundedCoverage(int x, int y, int width, int height, int radius);

}  // namespace herald
