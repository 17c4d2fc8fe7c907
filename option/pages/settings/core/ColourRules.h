// The colour dialog's arithmetic: colours as 0x00BBGGRR, the three value
// boxes 400..402 (red, green, blue) and the colour field, a picture of hues
// from left to right, from full brightness at the top to black at the bottom
// over a white-to-hue band at the top.
#pragma once

#include <cstdint>

constexpr uint32_t kRedBoxId = 400;
constexpr uint32_t kGreenBoxId = 401;
constexpr uint32_t kBlueBoxId = 402;
constexpr int32_t kChannelMaximum = 255;

// The byte of one value box; -1 for another identifier.
int ChannelOf(uint32_t colour, uint32_t boxId);
// The colour with the box's byte replaced (value clamped to 0..255); another
// identifier leaves it unchanged.
uint32_t WithChannel(uint32_t colour, uint32_t boxId, int32_t value);

// The field's colour at (x, y) of a field of width x height; black outside
// or for an empty field.
uint32_t ColourFieldAt(int32_t x, int32_t y, int32_t width, int32_t height);
