// The panel's pixels: dark body, red bar, rim, rounded transparent corners.
#include "herald/NoticePanel.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 66;

uint32_t At(const herald::PanelPixels& pixels, int x, int y) { return pixels[y * kWidth + x]; }

TEST(NoticePanel_Pixels, DarkBodyRedBarRoundedCorners) {
    herald::PanelPixels pixels;
    herald::PaintPanelBackground(pixels, kWidth, kHeight);
    ASSERT_EQ(pixels.size(), static_cast<size_t>(kWidth * kHeight));
    herald::ApplyPanelShape(pixels, kWidth, kHeight);
    struct Row {
        const char* what;
        int x, y;
        uint32_t expected;
    } rows[] = {
        // Corners are cut away entirely (premultiplied: all zero).
        {"top left corner", 0, 0, 0x00000000},
        {"bottom right corner", kWidth - 1, kHeight - 1, 0x00000000},
        // Body, bottom row inside the rim: the window background 30,30,30.
        {"body bottom", 120, kHeight - 2, 0xFF1E1E1E},
        // Rim on the middle of the top edge: 72,72,72.
        {"top rim", 120, 0, 0xFF484848},
        // Accent bar below the corner, row 12: bright red 255,72,60 mixed 47/255
        // towards the dark red 150,18,18.
        {"bar upper", 4, 12, 0xFFEC3E34},
        // Accent bar, row 33: mixed 129/255 towards the dark red.
        {"bar middle", 4, 33, 0xFFCA2D27},
    };
    for (const Row& row : rows) EXPECT_EQ(At(pixels, row.x, row.y), row.expected) << row.what;
    // The body darkens from top to bottom, as the skins' title bars do.
    EXPECT_GT(At(pixels, 120, 2) & 0xFF, At(pixels, 120, kHeight - 3) & 0xFF);
}

TEST(NoticePanel_Pixels, ArcPixelsArePremultiplied) {
    herald::PanelPixels pixels;
    herald::PaintPanelBackground(pixels, kWidth, kHeight);
    herald::ApplyPanelShape(pixels, kWidth, kHeight);
    // A half-covered arc pixel: no colour channel may exceed its alpha.
    const uint32_t arc = At(pixels, 3, 3);
    const uint32_t alpha = arc >> 24;
    EXPECT_GT(alpha, 0u);
    EXPECT_LT(alpha, 255u);
    EXPECT_LE((arc >> 16) & 0xFF, alpha);
    EXPECT_LE((arc >> 8) & 0xFF, alpha);
    EXPECT_LE(arc & 0xFF, alpha);
}

}  // namespace
