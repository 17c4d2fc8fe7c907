#include "skin/core/ColourKeyRegion.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::optional<ColourKeyRegion> MaskRegion(const PixelImage& image) {
    return region_from_colour_key(image.View(), kMaskKeyColour, kMaskTolerance);
}

// Every pixel is inside the region exactly when it is not white.
void ExpectRegionMatchesMask(const ColourKeyRegion& region, const PixelImage& image) {
    for (int32_t y = 0; y < image.Height(); ++y)
        for (int32_t x = 0; x < image.Width(); ++x)
            ASSERT_EQ(region.Contains({x, y}), image.At(x, y) != kWhite) << x << "," << y;
}

uint32_t ReadLittleEndian32(const std::vector<uint8_t>& bytes, size_t offset) {
    return bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) |
           (static_cast<uint32_t>(bytes[offset + 3]) << 24);
}

TEST(RegionFromColourKey_AllWhite, IsTheEmptyRegion) {
    const PixelImage mask(7, 5, kWhite);
    const auto region = MaskRegion(mask);
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(region->RectCount(), 0u);
    ASSERT_EQ(region->batches.size(), 1u);
    EXPECT_FALSE(region->Contains({0, 0}));
}

TEST(RegionFromColourKey_NoWhite, IsTheFullRectangle) {
    const PixelImage mask(7, 5, MakeColour(10, 200, 30));
    const auto region = MaskRegion(mask);
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(region->RectCount(), 5u);  // one run per row
    EXPECT_EQ(region->Bounds(), (SkinRect{0, 0, 7, 5}));
    ExpectRegionMatchesMask(*region, mask);
}

TEST(RegionFromColourKey_NearWhite, StaysOpaque) {
    PixelImage mask(4, 3, kWhite);
    mask.Set(2, 1, MakeColour(254, 255, 255));
    mask.Set(0, 2, MakeColour(255, 255, 254));
    const auto region = MaskRegion(mask);
    ASSERT_TRUE(region.has_value());
    ASSERT_EQ(region->RectCount(), 2u);
    EXPECT_EQ(region->batches[0].rects[0], (SkinRect{2, 1, 3, 2}));
    EXPECT_EQ(region->batches[0].rects[1], (SkinRect{0, 2, 1, 3}));
    EXPECT_EQ(region->Bounds(), (SkinRect{0, 1, 3, 3}));
}

TEST(RegionFromColourKey_Runs, CoverExactlyTheOpaquePixelsOfEachRow) {
    // W B B W B / B W W W W: runs end at transparent pixels and at the edge.
    PixelImage mask(5, 2, kWhite);
    for (SkinPoint p : {SkinPoint{1, 0}, SkinPoint{2, 0}, SkinPoint{4, 0}, SkinPoint{0, 1}})
        mask.Set(p.x, p.y, kBlack);
    const auto region = MaskRegion(mask);
    ASSERT_TRUE(region.has_value());
    const std::vector<SkinRect> expected = {{1, 0, 3, 1}, {4, 0, 5, 1}, {0, 1, 1, 2}};
    ASSERT_EQ(region->batches.size(), 1u);
    EXPECT_EQ(region->batches[0].rects, expected);
}

TEST(RegionFromColourKey_Tolerance, WidensTheKeyPerChannelUpTo255) {
    struct Case {
        SkinColour key;
        SkinColour tolerance;
        SkinColour pixel;
        bool transparent;
    };
    const Case cases[] = {
        // Inside [key, key + tolerance] on every channel.
        {MakeColour(200, 200, 200), MakeColour(10, 10, 10), MakeColour(210, 205, 200), true},
        // Below the key on one channel.
        {MakeColour(200, 200, 200), MakeColour(10, 10, 10), MakeColour(199, 205, 205), false},
        // Above on one channel only.
        {MakeColour(200, 200, 200), MakeColour(10, 10, 10), MakeColour(205, 205, 211), false},
        // The upper bound is capped at 255, not wrapped round to a small number.
        {MakeColour(250, 250, 250), MakeColour(20, 20, 20), MakeColour(255, 255, 255), true},
        // Channel tolerances are separate.
        {MakeColour(0, 0, 0), MakeColour(0, 40, 0), MakeColour(0, 30, 0), true},
        {MakeColour(0, 0, 0), MakeColour(0, 40, 0), MakeColour(30, 0, 0), false},
    };
    for (const auto& c : cases) {
        PixelImage image(1, 1, c.pixel);
        const auto region = region_from_colour_key(image.View(), c.key, c.tolerance);
        ASSERT_TRUE(region.has_value());
        EXPECT_EQ(region->RectCount() == 0, c.transparent) << std::hex << c.key << " " << c.pixel;
    }
}

TEST(RegionFromColourKey_ManyRuns, AreSplitIntoBatchesThatTogetherCoverTheMask) {
    // 50 runs per row, 50 rows: 2500 runs, more than one batch.
    PixelImage mask(100, 50, kWhite);
    for (int32_t y = 0; y < 50; ++y)
        for (int32_t x = (y % 2); x < 100; x += 2) mask.Set(x, y, kBlack);
    const auto region = MaskRegion(mask);
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(region->RectCount(), 2500u);
    ASSERT_EQ(region->batches.size(), 2u);
    EXPECT_EQ(region->batches[0].rects.size(), kRegionBatchSize);
    EXPECT_EQ(region->batches[1].rects.size(), 500u);
    // Each batch's bounds hold its own rectangles only.
    EXPECT_EQ(region->batches[0].bounds, (SkinRect{0, 0, 100, 40}));
    EXPECT_EQ(region->batches[1].bounds, (SkinRect{0, 40, 100, 50}));
    EXPECT_EQ(region->Bounds(), (SkinRect{0, 0, 100, 50}));
    ExpectRegionMatchesMask(*region, mask);
}

TEST(RegionFromColourKey_ExactlyOneBatch, LeavesNoEmptyTrailingBatch) {
    PixelImage mask(2, 2000, kWhite);
    for (int32_t y = 0; y < 2000; ++y) mask.Set(0, y, kBlack);
    const auto region = MaskRegion(mask);
    ASSERT_TRUE(region.has_value());
    ASSERT_EQ(region->batches.size(), 1u);
    EXPECT_EQ(region->RectCount(), kRegionBatchSize);
}

TEST(RegionFromColourKey_Stride, IsHonouredForPaddedRows) {
    // Two 1-pixel rows, each padded to 12 bytes; the padding looks opaque.
    std::vector<uint8_t> bits(24, 0x00);
    std::memset(bits.data(), 0xFF, 4);        // row 0: white
    std::memset(bits.data() + 12, 0x00, 4);   // row 1: black
    PixelView view{bits.data(), 1, 2, 12};
    const auto region = region_from_colour_key(view, kWhite, 0);
    ASSERT_TRUE(region.has_value());
    ASSERT_EQ(region->RectCount(), 1u);
    EXPECT_EQ(region->batches[0].rects[0], (SkinRect{0, 1, 1, 2}));
}

TEST(RegionFromColourKey_NoImage, GivesNoRegion) {
    EXPECT_FALSE(region_from_colour_key(PixelView{}, kWhite, 0).has_value());
    EXPECT_FALSE(MaskRegion(PixelImage()).has_value());
}

TEST(RegionDataBytes, LaysOutTheHeaderAndRectangles) {
    RegionBatch batch;
    batch.rects = {{1, 2, 3, 4}, {-5, 6, 7, 8}};
    batch.bounds = {-5, 2, 7, 8};
    const std::vector<uint8_t> bytes = RegionDataBytes(batch);
    ASSERT_EQ(bytes.size(), kRegionDataHeaderSize + 2 * kRegionDataRectSize);
    EXPECT_EQ(ReadLittleEndian32(bytes, 0), 32u);   // dwSize
    EXPECT_EQ(ReadLittleEndian32(bytes, 4), 1u);    // RDH_RECTANGLES
    EXPECT_EQ(ReadLittleEndian32(bytes, 8), 2u);    // nCount
    EXPECT_EQ(ReadLittleEndian32(bytes, 12), 32u);  // nRgnSize
    EXPECT_EQ(static_cast<int32_t>(ReadLittleEndian32(bytes, 16)), -5);  // rcBound.left
    EXPECT_EQ(ReadLittleEndian32(bytes, 28), 8u);                        // rcBound.bottom
    EXPECT_EQ(ReadLittleEndian32(bytes, 32), 1u);                        // first rect
    EXPECT_EQ(static_cast<int32_t>(ReadLittleEndian32(bytes, 48)), -5);  // second rect
    EXPECT_EQ(ReadLittleEndian32(bytes, 60), 8u);
}

TEST(PixelsLikeTopLeft, FindsEveryPixelOfTheCornerColour) {
    const SkinColour magenta = MakeColour(255, 0, 255);
    PixelImage thumb(3, 2, kBlack);
    thumb.Set(0, 0, magenta);
    thumb.Set(2, 0, magenta);
    thumb.Set(1, 1, magenta);
    const std::vector<SkinPoint> expected = {{0, 0}, {2, 0}, {1, 1}};
    EXPECT_EQ(PixelsLikeTopLeft(thumb.View()), expected);
    EXPECT_TRUE(PixelsLikeTopLeft(PixelView{}).empty());
    // A stride shorter than a row (3 pixels in 8 bytes) is refused instead of
    // reading past the last row.
    PixelView shortRows = thumb.View();
    shortRows.stride = 8;
    EXPECT_TRUE(PixelsLikeTopLeft(shortRows).empty());
}

}  // namespace
