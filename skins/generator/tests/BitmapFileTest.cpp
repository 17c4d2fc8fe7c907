#include "skins/generator/BitmapFile.h"

#include <gtest/gtest.h>

namespace {

uint32_t Read32(const std::vector<uint8_t>& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

Raster Pattern(int width, int height) {
    Raster picture(width, height, Colour{});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.Set(x, y, Rgb(x * 7 % 256, y * 13 % 256, (x + y) % 256));
    return picture;
}

TEST(EncodeBitmap24_Widths, PadRowsAndRoundTrip) {
    // Widths whose rows need 0, 3, 2 and 1 padding bytes.
    const int widths[] = {4, 1, 2, 3, 17};
    for (int width : widths) {
        Raster picture = Pattern(width, 5);
        std::vector<uint8_t> file = EncodeBitmap24(picture);
        size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
        ASSERT_EQ(file.size(), 54 + stride * 5) << width;
        EXPECT_EQ(Read32(file, 2), file.size());
        EXPECT_EQ(Read32(file, 10), 54u);
        Raster decoded;
        ASSERT_TRUE(DecodeBitmap(file, decoded)) << width;
        ASSERT_EQ(decoded.Width(), width);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < width; ++x) EXPECT_EQ(decoded.At(x, y), picture.At(x, y)) << x << "," << y;
    }
}

TEST(EncodeBitmap24_RowOrder, WritesBottomRowFirstInBlueGreenRed) {
    Raster picture(1, 2, Colour{});
    picture.Set(0, 0, Rgb(1, 2, 3));
    picture.Set(0, 1, Rgb(4, 5, 6));
    std::vector<uint8_t> file = EncodeBitmap24(picture);
    EXPECT_EQ(std::vector<uint8_t>(file.begin() + 54, file.end()), (std::vector<uint8_t>{6, 5, 4, 0, 3, 2, 1, 0}));
}

TEST(EncodeBitmap1_Mask, CutPixelsArePureWhiteAndTheRestBlack) {
    const int width = 35, height = 3;  // 35 bits: five bytes plus padding to eight
    std::vector<bool> cut(width * height, false);
    for (int i = 0; i < width * height; i += 3) cut[i] = true;
    std::vector<uint8_t> file = EncodeBitmap1(width, height, cut);
    EXPECT_EQ(file.size(), 62u + 8 * height);
    Raster decoded;
    ASSERT_TRUE(DecodeBitmap(file, decoded));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            EXPECT_EQ(decoded.At(x, y), cut[y * width + x] ? Rgb(255, 255, 255) : Rgb(0, 0, 0)) << x << "," << y;
}

TEST(DecodeBitmap_Malformed, IsRefused) {
    std::vector<uint8_t> good = EncodeBitmap24(Pattern(3, 3));
    std::vector<uint8_t> truncated(good.begin(), good.end() - 1);
    std::vector<uint8_t> notBitmap = good;
    notBitmap[0] = 'X';
    Raster picture;
    EXPECT_FALSE(DecodeBitmap(truncated, picture));
    EXPECT_FALSE(DecodeBitmap(notBitmap, picture));
    EXPECT_FALSE(DecodeBitmap({}, picture));
}

}  // namespace
