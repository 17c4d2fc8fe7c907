// Cutting a control's four looks out of the window's state images: each look
// is a 1:1 copy of the entry's rectangle from the Normal, Over, Down and
// Disable image.
#pragma once

#include "skin/core/SkinFile.h"
#include "skin/core/SkinGeometry.h"

#include <array>

struct LookCrop {
    SkinState state;   // which state image to copy from
    int32_t sourceX;   // top-left corner in the state image
    int32_t sourceY;
    int32_t width;     // size of the new bitmap; 0 when the rectangle is empty
    int32_t height;
    bool IsEmpty() const { return width <= 0 || height <= 0; }
};

// The copy for one rectangle; an inverted rectangle gives size 0 (the caller
// then makes no bitmap, and the control draws nothing).
LookCrop CropOf(SkinState state, const SkinRect& rect);

// The four looks in SkinState order.
std::array<LookCrop, kSkinStateCount> LookCropsOf(const SkinRect& rect);
