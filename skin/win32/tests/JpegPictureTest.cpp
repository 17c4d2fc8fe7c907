// The picture loader decodes the JPEG images of the installed skins (the
// macro manager's record button) with their size and colours.
#include <gtest/gtest.h>

#include "skin/win32/BitmapPixels.h"
#include "skin/win32/PictureLoader.h"
#include "testing/DistFolder.h"

namespace {

bool Reddish(COLORREF colour) { return GetRValue(colour) > 180 && GetGValue(colour) < 90 && GetBValue(colour) < 90; }

TEST(LoadPicture, RecordButtonJpegFilesDecode) {
    const struct {
        const char* name;
        bool redMark;  // the pressed look has a white mark on red
    } files[] = {
        {"start_record_normal.jpg", true},  {"start_record_over.jpg", true}, {"start_record_down.jpg", false},
        {"stop_record_normal.jpg", true},   {"stop_record_over.jpg", true},  {"stop_record_down.jpg", false},
    };
    for (const auto& file : files) {
        Bitmap bitmap = LoadPicture(testsupport::DistFolder() + "skins\\" + file.name);
        ASSERT_TRUE(bitmap) << file.name;
        EXPECT_EQ(bitmap.Width(), 96) << file.name;
        EXPECT_EQ(bitmap.Height(), 28) << file.name;
        BitmapPixels pixels(bitmap.Get());
        const COLORREF centre = pixels.At(48, 14);
        if (file.redMark) {
            EXPECT_TRUE(Reddish(centre)) << file.name << " " << std::hex << centre;
            EXPECT_FALSE(Reddish(pixels.At(8, 14))) << file.name;  // the face beside the mark
        } else {
            EXPECT_GT(GetGValue(centre), 200) << file.name;  // white
        }
        // A cut of the decoded picture keeps its rows in order.
        const Bitmap mark = CropBitmap(bitmap, RECT{30, 1, 66, 25}, nullptr);
        BitmapPixels cut(mark.Get());
        int differing = 0;
        for (int y = 1; y < 25; ++y)
            for (int x = 30; x < 66; ++x) differing += cut.At(x - 30, y - 1) != pixels.At(x, y);
        EXPECT_EQ(differing, 0) << file.name;
    }
}

}  // namespace
