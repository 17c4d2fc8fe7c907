// Images that several windows load by name from the skin folder: the slider
// thumbs and the looks of the skinned scroll bar.
#pragma once

#include "skins/generator/SkinPainter.h"

#include <vector>

// A thumb pointing down, kThumbWidth x kThumbHeight; its top-left pixel holds
// the key colour that the slider cuts from the thumb's shape.
Raster PaintThumbPointingDown();

// "scrollbar_parts.bmp": squares of kScrollPartSide pixels; columns normal,
// hover, pressed; rows arrow up, down, left, right, then the thumb.
constexpr int kScrollPartSide = 16;
constexpr int kScrollPartRows = 5;
Raster PaintScrollBarParts();

std::vector<GeneratedFile> BuildSharedImages();
