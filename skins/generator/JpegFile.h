// Baseline JPEG files (.jpg) for the skin images that must be JPEG: 8-bit
// YCbCr without subsampling, one fixed quantisation table and the standard
// luminance Huffman tables for all three components.
#pragma once

#include "skins/generator/Raster.h"

#include <cstdint>
#include <vector>

std::vector<uint8_t> EncodeJpeg(const Raster& picture);
