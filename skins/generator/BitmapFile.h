// Windows bitmap (.bmp) files: 24 bits per pixel for the state images, and
// 1 bit per pixel (black / pure white) for masks, which keeps them small.
#pragma once

#include "skins/generator/Raster.h"

#include <cstdint>
#include <vector>

std::vector<uint8_t> EncodeBitmap24(const Raster& picture);

// `cut` holds one flag per pixel, top row first; cut pixels are written pure
// white (255, 255, 255), the rest black.
std::vector<uint8_t> EncodeBitmap1(int width, int height, const std::vector<bool>& cut);

// Reads back a file written by either encoder (bottom-up, uncompressed).
// Returns false for anything else.
bool DecodeBitmap(const std::vector<uint8_t>& file, Raster& picture);
