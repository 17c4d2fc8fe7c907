#include "skin/win32/RegionBuilder.h"

#include "skin/win32/BitmapPixels.h"

namespace {
Region RegionFromBatch(const RegionBatch& batch) {
    std::vector<uint8_t> data = RegionDataBytes(batch);
    return Region(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                  reinterpret_cast<const RGNDATA*>(data.data())));
}
}  // namespace

Region RegionFromBatches(const ColourKeyRegion& scan) {
    Region result;
    for (const RegionBatch& batch : scan.batches) {
        Region part = RegionFromBatch(batch);
        if (!part) continue;
        if (!result) {
            result = std::move(part);
        } else {
            CombineRgn(result.Get(), result.Get(), part.Get(), RGN_OR);
        }
    }
    if (!result) result.Reset(CreateRectRgn(0, 0, 0, 0));
    return result;
}

Region RegionFromColourKey(HBITMAP bitmap, SkinColour key, SkinColour tolerance) {
    return RegionFromColourKey(BitmapPixels(bitmap).View(), key, tolerance);
}

Region RegionFromColourKey(const PixelView& pixels, SkinColour key, SkinColour tolerance) {
    std::optional<ColourKeyRegion> scan = region_from_colour_key(pixels, key, tolerance);
    if (!scan) return Region();
    return RegionFromBatches(*scan);
}

Region RegionWithoutTopLeftColour(HBITMAP bitmap) {
    BitmapPixels pixels(bitmap);
    if (pixels.View().IsEmpty()) return Region();
    Region shape(CreateRectRgn(0, 0, pixels.Width(), pixels.Height()));
    Region pixel(CreateRectRgn(0, 0, 1, 1));
    if (!shape || !pixel) return Region();
    for (const SkinPoint& point : PixelsLikeTopLeft(pixels.View())) {
        SetRectRgn(pixel.Get(), point.x, point.y, point.x + 1, point.y + 1);
        CombineRgn(shape.Get(), shape.Get(), pixel.Get(), RGN_DIFF);
    }
    return shape;
}

bool ApplyWindowRegion(HWND window, Region region, bool redraw) {
    if (!region) return false;
    if (!SetWindowRgn(window, region.Get(), redraw)) return false;
    region.Release();  // the system owns it now
    return true;
}
