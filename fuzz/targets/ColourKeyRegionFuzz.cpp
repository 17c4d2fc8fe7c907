// The colour-key region scan and the thumb-shape scan on random pixel arrays
// of any width and height (0 and 1 included) and any row stride: the region
// holds exactly the pixels outside the key colour's range, as maximal
// one-pixel-high runs in full batches, and the region data match the batches.
#include "FuzzCheck.h"

#include "skin/core/ColourKeyRegion.h"

#include <cstring>
#include <vector>

namespace {

// Large enough for more runs than one batch holds (a 96x96 checkerboard
// has 4608), small enough to keep thousands of inputs a second.
constexpr int32_t kMaxSide = 96;
constexpr int32_t kMaxExtraStride = 12;
// Pixels of a large image put through the containment test.
constexpr size_t kContainsSamples = 64;
// Colours the pixels are drawn from: the key, near misses on each channel
// and one unrelated colour (0x00BBGGRR).
const SkinColour kPalette[] = {0xFFFFFF, 0xFFFFFE, 0xFFFEFF, 0xFEFFFF, 0x000000, 0x808080, 0xF0F0F0, 0x123456};

uint32_t ReadLittleEndian32(const std::vector<uint8_t>& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

bool InRange(SkinColour pixel, SkinColour key, SkinColour tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int channel = (pixel >> shift) & 0xFF;
        const int low = (key >> shift) & 0xFF;
        const int high = std::min(255, low + static_cast<int>((tolerance >> shift) & 0xFF));
        if (channel < low || channel > high) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int32_t width = input.ConsumeIntegralInRange<int32_t>(-1, kMaxSide);
    const int32_t height = input.ConsumeIntegralInRange<int32_t>(-1, kMaxSide);
    // Mostly a bitmap's own stride; sometimes padded, sometimes too short.
    int32_t stride = width > 0 ? DibStride(width) : 0;
    const int strideKind = input.ConsumeIntegralInRange(0, 3);
    if (strideKind == 1) stride += 4 * input.ConsumeIntegralInRange(1, kMaxExtraStride);
    if (strideKind == 2) stride -= 4 * input.ConsumeIntegralInRange(1, kMaxExtraStride);
    const bool keyed = input.ConsumeBool();
    const SkinColour key = keyed ? kMaskKeyColour : input.ConsumeIntegral<uint32_t>() & 0xFFFFFF;
    const SkinColour tolerance = keyed ? kMaskTolerance : input.ConsumeIntegral<uint32_t>() & 0xFFFFFF;
    const std::vector<uint8_t> pattern = input.ConsumeRemainingBytes<uint8_t>();

    // Exactly the bytes a bitmap of this stride and height holds, so that a
    // read past the last row is caught.
    const size_t byteCount = stride > 0 && height > 0 ? static_cast<size_t>(stride) * height : 0;
    std::vector<uint8_t> bits(byteCount);
    const bool usable = width > 0 && height > 0 && stride >= width * 4;
    // The colour of every pixel, worked out once: the checks below look at
    // each pixel several times.
    std::vector<SkinColour> colours(usable ? static_cast<size_t>(width) * height : 0, kPalette[0]);
    if (!pattern.empty())
        for (size_t index = 0; index < colours.size(); ++index)
            colours[index] = kPalette[pattern[index % pattern.size()] % std::size(kPalette)];
    auto colourAt = [&](int32_t x, int32_t y) { return colours[static_cast<size_t>(y) * width + x]; };
    std::vector<uint8_t> inKeyRange(colours.size());
    for (size_t index = 0; index < colours.size(); ++index) inKeyRange[index] = InRange(colours[index], key, tolerance);
    auto keyedAt = [&](int32_t x, int32_t y) { return inKeyRange[static_cast<size_t>(y) * width + x] != 0; };
    if (usable)
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x) {
                const SkinColour colour = colourAt(x, y);
                uint8_t* pixel = bits.data() + static_cast<size_t>(y) * stride + 4 * x;
                pixel[0] = static_cast<uint8_t>(colour >> 16);
                pixel[1] = static_cast<uint8_t>(colour >> 8);
                pixel[2] = static_cast<uint8_t>(colour);
            }
    PixelView view;
    view.bits = bits.empty() ? nullptr : bits.data();
    view.width = width;
    view.height = height;
    view.stride = stride;

    const std::optional<ColourKeyRegion> region = region_from_colour_key(view, key, tolerance);
    const std::vector<SkinPoint> thumbPixels = PixelsLikeTopLeft(view);
    FUZZ_CHECK(region.has_value() == usable);
    if (!usable) {
        FUZZ_CHECK(thumbPixels.empty());
        return 0;
    }

    // Batches: all full but the last, bounds of their rectangles, data bytes.
    FUZZ_CHECK(!region->batches.empty());
    size_t runs = 0;
    for (size_t b = 0; b < region->batches.size(); ++b) {
        const RegionBatch& batch = region->batches[b];
        const bool last = b + 1 == region->batches.size();
        FUZZ_CHECK(last ? batch.rects.size() <= kRegionBatchSize : batch.rects.size() == kRegionBatchSize);
        SkinRect bounds;
        for (size_t i = 0; i < batch.rects.size(); ++i) {
            const SkinRect& rect = batch.rects[i];
            FUZZ_CHECK(rect.left >= 0 && rect.left < rect.right && rect.right <= width);
            FUZZ_CHECK(rect.top >= 0 && rect.bottom == rect.top + 1 && rect.top < height);
            bounds = i == 0 ? rect
                            : SkinRect{std::min(bounds.left, rect.left), std::min(bounds.top, rect.top),
                                       std::max(bounds.right, rect.right), std::max(bounds.bottom, rect.bottom)};
        }
        FUZZ_CHECK(batch.rects.empty() || batch.bounds == bounds);
        const std::vector<uint8_t> bytes = RegionDataBytes(batch);
        FUZZ_CHECK(bytes.size() == kRegionDataHeaderSize + kRegionDataRectSize * batch.rects.size());
        FUZZ_CHECK(ReadLittleEndian32(bytes, 0) == kRegionDataHeaderSize && ReadLittleEndian32(bytes, 4) == 1);
        FUZZ_CHECK(ReadLittleEndian32(bytes, 8) == batch.rects.size());
        FUZZ_CHECK(ReadLittleEndian32(bytes, 12) == kRegionDataRectSize * batch.rects.size());
        runs += batch.rects.size();
    }
    FUZZ_CHECK(region->RectCount() == runs);

    // Exactly the opaque runs of every row, in row order; a sample of pixels
    // (all of a small image) through the containment test.
    std::vector<SkinRect> expected;
    size_t likeTopLeft = 0;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            const bool opaque = !keyedAt(x, y);
            if (opaque && (x == 0 || keyedAt(x - 1, y))) expected.push_back({x, y, x + 1, y + 1});
            if (opaque) expected.back().right = x + 1;
            likeTopLeft += colourAt(x, y) == colourAt(0, 0);
        }
    std::vector<SkinRect> found;
    for (const RegionBatch& batch : region->batches) found.insert(found.end(), batch.rects.begin(), batch.rects.end());
    FUZZ_CHECK(found.size() == expected.size());
    for (size_t i = 0; i < found.size(); ++i) FUZZ_CHECK(found[i] == expected[i]);
    const size_t pixels = static_cast<size_t>(width) * height;
    const size_t step = std::max<size_t>(1, pixels / kContainsSamples);
    for (size_t at = 0; at < pixels; at += step) {
        const int32_t x = static_cast<int32_t>(at % width), y = static_cast<int32_t>(at / width);
        FUZZ_CHECK(region->Contains({x, y}) == !keyedAt(x, y));
    }
    // Just outside each corner and the middle of each side.
    const SkinPoint outside[] = {{-1, -1}, {width, -1}, {-1, height}, {width, height},
                                 {width / 2, -1}, {width / 2, height}, {-1, height / 2}, {width, height / 2}};
    for (const SkinPoint& point : outside) FUZZ_CHECK(!region->Contains(point));

    FUZZ_CHECK(thumbPixels.size() == likeTopLeft);
    for (const SkinPoint& point : thumbPixels) FUZZ_CHECK(colourAt(point.x, point.y) == colourAt(0, 0));
    return 0;
}
