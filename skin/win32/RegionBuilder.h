// Window shapes built from images: the core's colour-key scan turned into a
// region, and the slider thumb's shape.
#pragma once

#include <windows.h>

#include "skin/core/ColourKeyRegion.h"
#include "skin/win32/GdiOwners.h"

// One region of all batches (ExtCreateRegion per batch, OR-ed together); an
// empty region when there are no rectangles.
Region RegionFromBatches(const ColourKeyRegion& scan);

// The region of all pixels that are not of the key colour; no region when
// the bitmap (or the pixels) is absent or cannot be read.
Region RegionFromColourKey(HBITMAP bitmap, SkinColour key = kMaskKeyColour, SkinColour tolerance = kMaskTolerance);
Region RegionFromColourKey(const PixelView& pixels, SkinColour key = kMaskKeyColour,
                           SkinColour tolerance = kMaskTolerance);

// All of the image's rectangle minus every pixel of its top-left colour.
Region RegionWithoutTopLeftColour(HBITMAP bitmap);

// Sets the region as the window's shape (the window then owns it).
bool ApplyWindowRegion(HWND window, Region region, bool redraw = true);
