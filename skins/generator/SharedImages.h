// Images that several windows load by name from the skin folder: the slider
// thumbs.
#pragma once

#include "skins/generator/SkinPainter.h"

#include <vector>

// A thumb pointing down, kThumbWidth x kThumbHeight; its top-left pixel holds
// the key colour that the slider cuts from the thumb's shape.
Raster PaintThumbPointingDown();

std::vector<GeneratedFile> BuildSharedImages();
