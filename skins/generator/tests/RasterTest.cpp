#include "skins/generator/Raster.h"

#include <gtest/gtest.h>

namespace {

TEST(RoundBoxCoverage_Points, FollowTheCorners) {
    const Box box{0, 0, 40, 20};
    struct Case {
        int x, y;
        int low, high;
    };
    const Case cases[] = {
        {0, 0, 0, 0},        // far corner of a radius-8 box: outside
        {20, 10, 255, 255},  // middle
        {0, 10, 255, 255},   // left edge between the corners
        {39, 19, 0, 0},      // opposite corner
        {2, 2, 1, 254},      // on the arc: partly covered
        {40, 10, 0, 0},      // right of the box
    };
    for (const Case& c : cases) {
        int coverage = RoundBoxCoverage(box, 8, c.x, c.y);
        EXPECT_GE(coverage, c.low) << c.x << "," << c.y;
        EXPECT_LE(coverage, c.high) << c.x << "," << c.y;
    }
    EXPECT_EQ(RoundBoxCoverage(box, 0, 0, 0), 255);  // sharp corners
}

TEST(Mix_Amounts, BlendBetweenTheColours) {
    EXPECT_EQ(Mix(Rgb(0, 0, 0), Rgb(200, 100, 50), 0), Rgb(0, 0, 0));
    EXPECT_EQ(Mix(Rgb(0, 0, 0), Rgb(200, 100, 50), 255), Rgb(200, 100, 50));
    EXPECT_EQ(Mix(Rgb(0, 0, 0), Rgb(200, 100, 50), 128), Rgb(100, 50, 25));
}

TEST(FillPolygon_Triangle, CoversInsideOnly) {
    Raster picture(10, 10, Rgb(0, 0, 0));
    picture.FillPolygon({0, 0, 10, 0, 0, 10}, Rgb(255, 0, 0));
    EXPECT_EQ(picture.At(1, 1), Rgb(255, 0, 0));
    EXPECT_EQ(picture.At(8, 8), Rgb(0, 0, 0));
    // The diagonal pixels are partly covered.
    EXPECT_GT(picture.At(4, 5).red, 0);
    EXPECT_LT(picture.At(4, 5).red, 255);
}

TEST(Raster_Clipping, IgnoresPixelsOutside) {
    Raster picture(4, 4, Rgb(1, 1, 1));
    picture.FillBox(Box{-2, -2, 4, 4}, Rgb(9, 9, 9));
    picture.Blend(10, 10, Rgb(9, 9, 9), 255);
    EXPECT_EQ(picture.At(0, 0), Rgb(9, 9, 9));
    EXPECT_EQ(picture.At(1, 1), Rgb(9, 9, 9));
    EXPECT_EQ(picture.At(2, 2), Rgb(1, 1, 1));
}

TEST(FrameRoundBox_Square, DrawsOnlyTheOutline) {
    Raster picture(10, 10, Rgb(0, 0, 0));
    picture.FrameRoundBox(Box{0, 0, 10, 10}, 0, Rgb(50, 60, 70));
    EXPECT_EQ(picture.At(0, 5), Rgb(50, 60, 70));
    EXPECT_EQ(picture.At(9, 9), Rgb(50, 60, 70));
    EXPECT_EQ(picture.At(1, 1), Rgb(0, 0, 0));
    EXPECT_EQ(picture.At(5, 5), Rgb(0, 0, 0));
}

}  // namespace
