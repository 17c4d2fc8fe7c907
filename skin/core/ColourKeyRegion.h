// The window shape built from a mask image: every pixel that is not of the
// key colour, as one-pixel-high rectangles per opaque run. The rectangles are
// collected in batches of at most 2000; the Win32 side turns each batch into a
// region (ExtCreateRegion over RegionDataBytes) and ORs them together, the
// first batch becoming the result.
#pragma once

#include "skin/core/PixelImage.h"
#include "skin/core/SkinGeometry.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

constexpr size_t kRegionBatchSize = 2000;
// The region-data buffer grows by this many rectangles when full.
constexpr size_t kRegionGrowStep = 100;

struct RegionBatch {
    std::vector<SkinRect> rects;
    SkinRect bounds;  // bounding box of rects; empty when there are none
};

struct ColourKeyRegion {
    // At least one batch; a single empty batch is the empty region.
    std::vector<RegionBatch> batches;

    size_t RectCount() const;
    SkinRect Bounds() const;
    // True when the point lies in one of the rectangles.
    bool Contains(SkinPoint point) const;
};

// A pixel is transparent when each of its red, green and blue channels lies in
// [key, key + tolerance] (capped at 255). None when there is no image.
std::optional<ColourKeyRegion> region_from_colour_key(const PixelView& image, SkinColour key,
                                                      SkinColour tolerance);

// Windows use this key and tolerance: exactly the pure white pixels are cut.
constexpr SkinColour kMaskKeyColour = kWhite;
constexpr SkinColour kMaskTolerance = 0;

// RGNDATA for one batch: a 32-byte RGNDATAHEADER (dwSize 32, iType
// RDH_RECTANGLES, nCount, nRgnSize, rcBound) followed by nCount RECTs, all
// little-endian, ready for ExtCreateRegion(nullptr, size, data).
std::vector<uint8_t> RegionDataBytes(const RegionBatch& batch);
constexpr size_t kRegionDataHeaderSize = 32;
constexpr size_t kRegionDataRectSize = 16;

// The slider thumb's shape: all of the image minus every pixel whose colour
// equals its top-left pixel. Returns those pixels (each removed as a 1 x 1
// rectangle), row by row; empty for an empty image or one whose stride is
// shorter than a row.
std::vector<SkinPoint> PixelsLikeTopLeft(const PixelView& image);
