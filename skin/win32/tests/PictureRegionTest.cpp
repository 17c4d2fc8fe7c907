// Picture loading, the mask region and the skinned-window protocol.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "TestSupport.h"
#include "skin/win32/BitmapPixels.h"
#include "skin/win32/PictureLoader.h"
#include "skin/win32/RegionBuilder.h"
#include "skin/win32/SkinnedWindow.h"

namespace {
using PixelRule = std::function<COLORREF(int, int)>;

// Every pixel of the mask is inside the region exactly when it is not pure
// white; a margin of two pixels around the mask is outside.
void ExpectRegionMatchesMask(HRGN region, const PixelRule& mask, int width, int height) {
    int mismatches = 0;
    for (int y = -2; y < height + 2; ++y) {
        for (int x = -2; x < width + 2; ++x) {
            bool inImage = x >= 0 && y >= 0 && x < width && y < height;
            bool opaque = inImage && mask(x, y) != RGB(255, 255, 255);
            bool inside = region && PtInRegion(region, x, y);
            if (opaque != inside && ++mismatches <= 5) ADD_FAILURE() << "pixel " << x << "," << y;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

class SkinFileWindow : public SkinnedWindow {
public:
    explicit SkinFileWindow(std::string file) : m_file(std::move(file)) {}
    bool Open() {
        return Create("SkinFileWindow", "", WS_POPUP | WS_VISIBLE, 0, 50, 50, 10, 10, nullptr, nullptr, 0, nullptr,
                      LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    }
    SkinButton* button = nullptr;

protected:
    std::string SkinFileName() const override { return m_file; }
    void CreateControls(WindowSkin& skin) override { button = skin.AddButton(1); }

private:
    std::string m_file;
};
}  // namespace

TEST(LoadPicture, MissingOrUndecodableFileGivesEmptyBitmap) {
    TempFolder folder;
    WriteText(folder.Path() + "broken.bmp", "not a picture");
    for (const std::string& name : {std::string("absent.bmp"), std::string("broken.bmp"), std::string()}) {
        Bitmap bitmap = LoadPicture(folder.Path() + name);
        EXPECT_FALSE(bitmap) << name;
        EXPECT_EQ(bitmap.Width(), 0) << name;
        EXPECT_EQ(bitmap.Height(), 0) << name;
        EXPECT_FALSE(LoadMaskRegion(folder.Path() + name)) << name;
    }
}

TEST(LoadPicture, BmpKeepsSizeAndPixels) {
    TempFolder folder;
    PixelRule rule = [](int x, int y) { return RGB(x * 20, y * 30, 200 - x); };
    constexpr int kHeight = 150;  // drawn in more than two bands of rows
    // Rows padded to four bytes, stored bottom-up and top-down.
    for (bool topDown : {false, true}) {
        WriteBmp(folder.Path() + "picture.bmp", 7, kHeight, rule, topDown);
        Bitmap bitmap = LoadPicture(folder.Path() + "picture.bmp");
        ASSERT_TRUE(bitmap);
        // The same pixels decoded, and drawn from the mapped file: whole, and
        // through a clip of columns 2 to 4 in rows 66 to 68 (the rest stays white).
        const MappedBmp mapped(folder.Path() + "picture.bmp");
        Bitmap drawn[2];
        for (int clipped = 0; clipped < 2; ++clipped) {
            MemoryDc dc;
            drawn[clipped] = Bitmap(CreateBitmap(7, kHeight, 1, 32, nullptr));
            SelectedObject selected(dc.Get(), drawn[clipped].Get());
            PatBlt(dc.Get(), 0, 0, 7, kHeight, WHITENESS);
            if (clipped) IntersectClipRect(dc.Get(), 2, 66, 5, 69);
            DrawRows(dc.Get(), mapped.Rows());
        }
        for (const Bitmap* picture : {&bitmap, &drawn[0], &drawn[1]}) {
            const BitmapPixels pixels(picture->Get());
            ASSERT_EQ(pixels.Width() * 1000 + pixels.Height(), 7000 + kHeight);
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < 7; ++x)
                    EXPECT_EQ(pixels.At(x, y), picture != &drawn[1] || (y >= 66 && y < 69 && x >= 2 && x < 5)
                                                   ? rule(x, y)
                                                   : 0xFFFFFF)
                        << x << "," << y << " " << topDown;
        }
        // A part inside and one reaching past the edges (black there), cut
        // from the decoded picture and from the file's mapped rows.
        for (RECT part : {RECT{2, 1, 5, 4}, RECT{5, 147, 9, 152}, RECT{1, 1, 3, 2}}) {
            // The last is a crop of a crop.
            Bitmap crop = part.left == 1 ? CropBitmap(CropBitmap(bitmap, {0, 0, 4, 3}, nullptr), part, nullptr)
                                         : CropBitmap(bitmap, part, nullptr);
            for (const Bitmap& cut : {std::move(crop), Bitmap(CropRows(mapped.Rows(), part))}) {
                BitmapPixels cropped(cut.Get());
                for (int y = part.top; y < part.bottom; ++y)
                    for (int x = part.left; x < part.right; ++x)
                        EXPECT_EQ(cropped.At(x - part.left, y - part.top),
                                  x < 7 && y < kHeight ? rule(x, y) : RGB(0, 0, 0))
                            << x << "," << y << " " << topDown;
            }
        }
    }
}

// Paletted files (the skins' masks are 1-bit ones) give the table's colours,
// rows padded and nibbles split as stored; an index past a short table is black.
TEST(LoadPicture, PalettedBmpGivesTheTableColours) {
    TempFolder folder;
    const std::string path = folder.Path() + "paletted.bmp";
    const std::vector<COLORREF> table = {RGB(255, 255, 255), RGB(0, 0, 0), RGB(200, 30, 90)};
    for (const auto& [depth, used, topDown] : {std::tuple{1, 2, false}, {1, 2, true}, {4, 3, false}, {8, 3, true}}) {
        const COLORREF modulo = depth == 1 ? 2 : 5;  // indices 3 and 4 lie past the table
        const auto index = [&](int x, int y) { return static_cast<COLORREF>(x + 2 * y) % modulo; };
        WriteBmp(path, 13, 5, index, topDown, depth, std::vector<COLORREF>(table.begin(), table.begin() + used));
        Bitmap bitmap = LoadPicture(path);
        ASSERT_TRUE(bitmap && bitmap.Width() == 13 && bitmap.Height() == 5) << depth;
        BitmapPixels pixels(bitmap.Get());
        const PixelRule colour = [&](int x, int y) { return index(x, y) < COLORREF(used) ? table[index(x, y)] : 0; };
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 13; ++x) EXPECT_EQ(pixels.At(x, y), colour(x, y)) << depth << " bits " << x << "," << y;
        // As a mask, scanned while decoded: the white of index 0 is cut.
        ExpectRegionMatchesMask(LoadMaskRegion(path).Get(), colour, 13, 5);
    }
}

TEST(RegionFromColourKey, RegionEqualsMask) {
    struct Case {
        const char* name;
        int width, height;
        PixelRule mask;
    };
    const Case cases[] = {
        // Entirely white: nothing is left.
        {"white", 20, 10, [](int, int) { return RGB(255, 255, 255); }},
        // No white at all: the full rectangle.
        {"black", 20, 10, [](int, int) { return RGB(0, 0, 0); }},
        // Near-white stays opaque, only pure white is cut.
        {"near white", 16, 8, [](int x, int) { return x % 2 ? RGB(254, 255, 255) : RGB(255, 255, 255); }},
        // A disc with white corners, the usual window outline.
        {"disc", 41, 41,
         [](int x, int y) { return (x - 20) * (x - 20) + (y - 20) * (y - 20) <= 400 ? RGB(9, 9, 9) : RGB(255, 255, 255); }},
        // Over 2000 runs: several batches OR-ed into one region.
        {"checker", 120, 60, [](int x, int y) { return (x + y) % 2 ? RGB(255, 255, 255) : RGB(40, 0, 0); }},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = folder.Path() + "mask.bmp";
        WriteBmp(path, c.width, c.height, c.mask);
        Bitmap mask = LoadPicture(path);
        ASSERT_TRUE(mask);
        Region region = RegionFromColourKey(mask.Get());
        ASSERT_TRUE(region);
        ExpectRegionMatchesMask(region.Get(), c.mask, c.width, c.height);
        // Scanned in bands of rows while decoded: the same shape.
        ExpectRegionMatchesMask(LoadMaskRegion(path).Get(), c.mask, c.width, c.height);
    }
}

TEST(RegionFromColourKey, NoBitmapGivesNoRegion) { EXPECT_FALSE(RegionFromColourKey(nullptr)); }

TEST(SkinnedWindow, TakesSizeShapeAndControlsFromSkin) {
    TempFolder folder;
    SetSkinFolder(folder.Path());
    PixelRule mask = [](int x, int y) { return x < 10 && y < 10 ? RGB(255, 255, 255) : RGB(0, 0, 0); };
    WriteBmp(folder.Path() + "mask.bmp", 60, 40, mask);
    WriteBmp(folder.Path() + "normal.bmp", 60, 40, [](int, int) { return RGB(10, 20, 30); });
    WriteBmp(folder.Path() + "over.bmp", 60, 40, [](int, int) { return RGB(40, 50, 60); });
    WriteBmp(folder.Path() + "down.bmp", 60, 40, [](int, int) { return RGB(70, 80, 90); });
    WriteBmp(folder.Path() + "disable.bmp", 60, 40, [](int, int) { return RGB(100, 110, 120); });
    WriteText(folder.Path() + "skin_test.ini",
              "[SCREEN]\r\nMask=mask.bmp\r\nNormal=normal.bmp\r\nOver=over.bmp\r\nDown=down.bmp\r\n"
              "Disable=disable.bmp\r\n[BUTTONPOS]\r\n1=ok,20,10,30,15, Press me \r\n");

    SkinFileWindow window("skin_test.ini");
    ASSERT_TRUE(window.Open());
    RECT bounds{};
    GetWindowRect(window.Handle(), &bounds);
    EXPECT_EQ(bounds, (RECT{0, 0, 60, 40}));

    Region shape(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(window.Handle(), shape.Get()), ERROR);
    ExpectRegionMatchesMask(shape.Get(), mask, 60, 40);

    ASSERT_NE(window.button, nullptr);
    RECT place{};
    GetWindowRect(window.button->Handle(), &place);
    EXPECT_EQ(place, (RECT{20, 10, 50, 25}));  // 30 x 15 at 20, 10
    EXPECT_EQ(window.button->Hint(), "Press me");
    EXPECT_EQ(PrintedPixel(window.button->Handle(), 3, 3), RGB(10, 20, 30));
    EnableWindow(window.button->Handle(), FALSE);
    EXPECT_EQ(PrintedPixel(window.button->Handle(), 3, 3), RGB(100, 110, 120));
    // Drawn from the mapped file after loading, as the disabled look above.
    EXPECT_EQ(PrintedPixel(window.Handle(), 40, 35), RGB(10, 20, 30));
}

TEST(SkinnedWindow, MissingSkinLeavesEmptyWindowWithoutRegion) {
    TempFolder folder;
    SetSkinFolder(folder.Path());
    SkinFileWindow window("absent.ini");
    ASSERT_TRUE(window.Open());
    RECT bounds{};
    GetWindowRect(window.Handle(), &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 0);
    EXPECT_EQ(bounds.bottom - bounds.top, 0);
    Region shape(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(window.Handle(), shape.Get()), ERROR);
    ASSERT_NE(window.button, nullptr);
    GetWindowRect(window.button->Handle(), &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 0);
}
