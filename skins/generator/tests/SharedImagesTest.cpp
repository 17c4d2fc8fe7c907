#include "skins/generator/BitmapFile.h"
#include "skins/generator/SharedImages.h"
#include "skins/generator/VisualStyle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

std::map<std::string, Raster> DecodedSharedImages() {
    std::map<std::string, Raster> images;
    for (const GeneratedFile& file : BuildSharedImages()) {
        if (file.name.size() < 4 || file.name.substr(file.name.size() - 4) != ".bmp") continue;
        Raster picture;
        EXPECT_TRUE(DecodeBitmap(file.bytes, picture)) << file.name;
        images[file.name] = picture;
    }
    return images;
}

// Pixels that the slider keeps: all whose colour differs from the top-left one.
int KeptPixels(const Raster& thumb) {
    int kept = 0;
    for (int y = 0; y < thumb.Height(); ++y)
        for (int x = 0; x < thumb.Width(); ++x) kept += thumb.At(x, y) != thumb.At(0, 0);
    return kept;
}

TEST(SharedImages_Thumbs, HaveTheKeyColourInEveryCornerAndNowhereInside) {
    std::map<std::string, Raster> images = DecodedSharedImages();
    const char* names[] = {"scroll_arrow_down.bmp", "scroll_arrow_up.bmp", "slider_thumb_vertical.bmp"};
    for (const char* name : names) {
        ASSERT_EQ(images.count(name), 1u) << name;
        const Raster& thumb = images[name];
        EXPECT_EQ(thumb.At(0, 0), style::kThumbKey) << name;
        EXPECT_EQ(thumb.At(thumb.Width() - 1, 0), style::kThumbKey) << name;
        EXPECT_NE(thumb.At(thumb.Width() / 2, thumb.Height() / 2), style::kThumbKey) << name;
        // Most of the thumb stays: a thumb that the key ate would be invisible.
        EXPECT_GT(KeptPixels(thumb), thumb.Width() * thumb.Height() * 2 / 3) << name;
    }
}

// The record button images are baseline JPEG files of the button's size:
// start of image, JFIF, a baseline frame of three components, end of image.
TEST(SharedImages_RecordButton, SixBaselineJpegFilesOfTheButtonSize) {
    const char* names[] = {"start_record_normal.jpg", "start_record_over.jpg", "start_record_down.jpg",
                           "stop_record_normal.jpg",  "stop_record_over.jpg",  "stop_record_down.jpg"};
    std::map<std::string, std::vector<uint8_t>> files;
    for (const GeneratedFile& file : BuildSharedImages()) files[file.name] = file.bytes;
    for (const char* name : names) {
        ASSERT_EQ(files.count(name), 1u) << name;
        const std::vector<uint8_t>& bytes = files[name];
        ASSERT_GT(bytes.size(), 200u) << name;
        EXPECT_EQ(bytes[0], 0xFF);
        EXPECT_EQ(bytes[1], 0xD8);
        EXPECT_EQ(bytes[bytes.size() - 2], 0xFF);
        EXPECT_EQ(bytes[bytes.size() - 1], 0xD9);
        const uint8_t frame[] = {0xFF, 0xC0, 0, 17, 8, 0, kRecordButtonHeight, 0, kRecordButtonWidth, 3};
        EXPECT_NE(std::search(bytes.begin(), bytes.end(), std::begin(frame), std::end(frame)), bytes.end()) << name;
    }
    // Start and stop differ in their mark.
    EXPECT_NE(files["start_record_normal.jpg"], files["stop_record_normal.jpg"]);
    // The mark: red on the plain face, white on the pressed one.
    const Raster normal = PaintRecordButton(false, 0), down = PaintRecordButton(false, 2);
    const Colour centre = normal.At(kRecordButtonWidth / 2, kRecordButtonHeight / 2);
    EXPECT_GT(centre.red, 200);
    EXPECT_LT(centre.green, 80);
    EXPECT_EQ(down.At(kRecordButtonWidth / 2, kRecordButtonHeight / 2), Rgb(255, 255, 255));
}

TEST(SharedImages_Thumbs, PointTheirOwnWays) {
    std::map<std::string, Raster> images = DecodedSharedImages();
    const Raster& down = images["scroll_arrow_down.bmp"];
    const Raster& up = images["scroll_arrow_up.bmp"];
    const Raster& vertical = images["slider_thumb_vertical.bmp"];
    EXPECT_EQ(down.Width(), style::kThumbWidth);
    EXPECT_EQ(down.Height(), style::kThumbHeight);
    EXPECT_EQ(vertical.Width(), style::kThumbHeight);
    EXPECT_EQ(vertical.Height(), style::kThumbWidth);
    // The point of the down thumb is at the bottom: bottom corners are key.
    EXPECT_EQ(down.At(0, down.Height() - 1), style::kThumbKey);
    EXPECT_NE(down.At(0, down.Height() / 2 - 2), style::kThumbKey);
    for (int y = 0; y < down.Height(); ++y)
        for (int x = 0; x < down.Width(); ++x) {
            EXPECT_EQ(up.At(x, down.Height() - 1 - y), down.At(x, y));
            EXPECT_EQ(vertical.At(y, x), down.At(x, y));
        }
}

}  // namespace

namespace {

TEST(SharedImages_ScrollBarParts, HaveThreeDistinctLooksPerPart) {
    std::map<std::string, Raster> images = DecodedSharedImages();
    const Raster& parts = images["scrollbar_parts.bmp"];
    ASSERT_EQ(parts.Width(), 3 * kScrollPartSide);
    ASSERT_EQ(parts.Height(), kScrollPartRows * kScrollPartSide);
    auto same = [&](int row, int a, int b) {
        for (int y = 0; y < kScrollPartSide; ++y)
            for (int x = 0; x < kScrollPartSide; ++x)
                if (parts.At(a * kScrollPartSide + x, row * kScrollPartSide + y) !=
                    parts.At(b * kScrollPartSide + x, row * kScrollPartSide + y))
                    return false;
        return true;
    };
    for (int row = 0; row < kScrollPartRows; ++row) {
        EXPECT_FALSE(same(row, 0, 1)) << row;
        EXPECT_FALSE(same(row, 0, 2)) << row;
        EXPECT_FALSE(same(row, 1, 2)) << row;
    }
    // The up arrow is not the down arrow.
    EXPECT_NE(parts.At(8, 5), parts.At(8, kScrollPartSide + 5));
}

}  // namespace
