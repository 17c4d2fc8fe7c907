#include "skins/generator/SkinPainter.h"
#include "skins/generator/VisualStyle.h"
#include "PainterTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool SameInBox(const Raster& a, const Raster& b, const Box& box) {
    for (int y = box.y; y < box.Bottom(); ++y)
        for (int x = box.x; x < box.Right(); ++x)
            if (a.At(x, y) != b.At(x, y)) return false;
    return true;
}

bool InsideAny(const Layout& layout, int x, int y) {
    for (const LayoutElement& element : layout.elements)
        if (x >= element.box.x && y >= element.box.y && x < element.box.Right() && y < element.box.Bottom()) return true;
    return false;
}

const char kAllKinds[] =
    "window skin_all 300 200\n"
    "title \"All kinds\"\n"
    "panel - 4 34 292 160 label \"Group\"\n"
    "text - 10 40 100 16 label \"Words\" align left\n"
    "button 1 10 60 60 22 label \"Plain\"\n"
    "button 2 80 60 60 22 label \"Main\" style primary\n"
    "button 3 150 60 60 22 label \"Tab\" style tab\n"
    "button 4 220 60 70 22 style menu\n"
    "button 5 10 90 60 22 label \"Lamp\" style toggle\n"
    "button 6 80 90 60 22 label \"Pick\" style option\n"
    "button 7 270 5 20 20 style close\n"
    "button 8 248 5 20 20 style minimise\n"
    "button 9 150 90 20 20 style up\n"
    "button 10 175 90 20 20 style down\n"
    "swatch 11 200 90 38 38\n"
    "slider 12 10 120 120 15 ticks 5\n"
    "fillbar 13 10 140 120 12\n"
    "field 14 10 160 80 20\n"
    "valuebox 15 100 160 60 20\n"
    "list 16 250 120 40 60\n"
    "scrollbar 17 240 130 8 50\n"
    "area 18 140 120 20 20\n";

// Every kind of element painted once, with the fake text.
class PaintedKinds : public ::testing::Test {
protected:
    FakeTextRasterizer text;
    Layout layout = Parse(kAllKinds);
    SkinImages images = PaintSkin(layout, text);
};

TEST_F(PaintedKinds, States_DifferOnlyInsideControls) {
    // Rectangles and pictures agree: outside the controls' rectangles all
    // four state images are the same window background.
    const Raster* states[] = {&images.over, &images.down, &images.disabled};
    for (int y = 0; y < layout.height; ++y)
        for (int x = 0; x < layout.width; ++x) {
            if (InsideAny(layout, x, y)) continue;
            for (const Raster* state : states) ASSERT_EQ(images.normal.At(x, y), state->At(x, y)) << x << "," << y;
        }
}

TEST_F(PaintedKinds, Buttons_HaveFourDistinctLooks) {
    for (const LayoutElement& element : layout.elements) {
        if (element.kind != ElementKind::Button && element.kind != ElementKind::Swatch &&
            element.kind != ElementKind::ValueBox)
            continue;
        const Raster* looks[] = {&images.normal, &images.over, &images.down, &images.disabled};
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b)
                EXPECT_FALSE(SameInBox(*looks[a], *looks[b], element.box))
                    << "control " << element.key << " (" << element.style << ") looks " << a << " and " << b;
    }
}

TEST_F(PaintedKinds, StaticParts_LookTheSameInEveryState) {
    // Slider tracks are cut from the Normal image only; lists, scroll bars and
    // areas are drawn over by their controls; none of them changes by state.
    for (const LayoutElement& element : layout.elements) {
        if (element.kind != ElementKind::Slider && element.kind != ElementKind::List &&
            element.kind != ElementKind::ScrollBar && element.kind != ElementKind::Area)
            continue;
        EXPECT_TRUE(SameInBox(images.normal, images.over, element.box)) << element.key;
        EXPECT_TRUE(SameInBox(images.normal, images.down, element.box)) << element.key;
    }
}

TEST_F(PaintedKinds, FillBar_IsEmptyInNormalAndFullInDown) {
    Box bar;
    for (const LayoutElement& element : layout.elements)
        if (element.kind == ElementKind::FillBar) bar = element.box;
    ASSERT_GT(bar.width, 0);
    Colour middleNormal = images.normal.At(bar.x + bar.width / 2, bar.y + bar.height / 2);
    Colour middleDown = images.down.At(bar.x + bar.width / 2, bar.y + bar.height / 2);
    EXPECT_EQ(middleNormal, style::kGroove);
    EXPECT_GT(middleDown.red, 150);
    EXPECT_LT(middleDown.green, 80);
}

TEST(PaintSkin_Labels, AreDrawnInTheStateColours) {
    FakeTextRasterizer text;
    Layout layout = Parse("window skin_one 100 60\nbutton 1 10 10 80 30 label \"A\"\n");
    SkinImages images = PaintSkin(layout, text);
    // The fake draws the one character as a block around the button's middle.
    EXPECT_EQ(images.normal.At(50, 25), style::kButtonNormal.label);
    EXPECT_EQ(images.disabled.At(50, 25), style::kButtonDisabled.label);
    EXPECT_EQ(images.down.At(50, 25), style::kButtonDown.label);
}

TEST(PaintSkin_Mask, CutsTheRoundedCornersOnly) {
    FakeTextRasterizer text;
    Layout layout = Parse("window skin_one 100 60\n");
    SkinImages images = PaintSkin(layout, text);
    auto cut = [&](int x, int y) { return static_cast<bool>(images.cut[y * 100 + x]); };
    EXPECT_TRUE(cut(0, 0));
    EXPECT_TRUE(cut(99, 0));
    EXPECT_TRUE(cut(0, 59));
    EXPECT_TRUE(cut(99, 59));
    EXPECT_FALSE(cut(50, 0));
    EXPECT_FALSE(cut(0, 30));
    EXPECT_FALSE(cut(50, 30));
    EXPECT_FALSE(cut(99, 30));
    int cutCount = 0;
    for (bool c : images.cut) cutCount += c;
    EXPECT_LT(cutCount, 4 * style::kWindowRadius * style::kWindowRadius);
}

TEST(SkinDescription_Entries, EndWithTheHintFieldAndSkipDecorations) {
    Layout layout = Parse(
        "window skin_box 240 140\n"
        "text - 20 50 200 44 label \"Words\"\n"
        "button 1 26 104 88 24 name ok label \"OK\"\n"
        "button 3 210 5 22 20 name close style close hint \"Close\"\n"
        "button 2 126 104 88 24 name cancel\n");
    EXPECT_EQ(SkinDescription(layout),
              "[SCREEN]\r\n"
              "Mask=box_mask.bmp\r\n"
              "Normal=box_normal.bmp\r\n"
              "Over=box_over.bmp\r\n"
              "Down=box_down.bmp\r\n"
              "Disable=box_disable.bmp\r\n"
              "\r\n[BUTTONPOS]\r\n"
              "1=ok,26,104,88,24,\r\n"
              "3=close,210,5,22,20,Close\r\n"
              "2=cancel,126,104,88,24,\r\n");
}

TEST(BuildSkin_Files, AreTheDescriptionAndFiveImages) {
    FakeTextRasterizer text;
    Layout layout = Parse("window skin_box 30 20\nbutton 1 2 2 10 10\n");
    std::vector<GeneratedFile> files = BuildSkin(layout, text);
    ASSERT_EQ(files.size(), 6u);
    EXPECT_EQ(files[0].name, "skin_box.ini");
    const char* images[] = {"box_mask.bmp", "box_normal.bmp", "box_over.bmp", "box_down.bmp", "box_disable.bmp"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(files[i + 1].name, images[i]);
        EXPECT_EQ(files[i + 1].bytes[0], 'B');
    }
}

}  // namespace
