#include "skins/generator/Layout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kHeader[] = "window skin_test 200 100\n";

TEST(ParseLayout_GoodSource, ReadsWindowTitleAndElements) {
    const std::string source = std::string("# a comment\r\n") + kHeader +
                               "title \"Test Window\"\n"
                               "button 1 10 20 60 25 name ok label \"O K\" hint \"Press here\" style primary\n"
                               "text - 5 5 100 20 label \"Hello\" align left wrap yes\n"
                               "slider 0 10 60 120 15 ticks 4\n";
    Layout layout;
    std::string error;
    ASSERT_TRUE(ParseLayout(source, layout, error)) << error;
    EXPECT_EQ(layout.skinName, "skin_test");
    EXPECT_EQ(layout.IniFileName(), "skin_test.ini");
    EXPECT_EQ(layout.ImageFileName("normal"), "test_normal.bmp");
    EXPECT_EQ(layout.width, 200);
    EXPECT_EQ(layout.title, "Test Window");
    ASSERT_EQ(layout.elements.size(), 3u);
    const LayoutElement& button = layout.elements[0];
    EXPECT_EQ(button.kind, ElementKind::Button);
    EXPECT_EQ(button.key, "1");
    EXPECT_EQ(button.box.Right(), 70);
    EXPECT_EQ(button.box.Bottom(), 45);
    EXPECT_EQ(button.name, "ok");
    EXPECT_EQ(button.label, "O K");
    EXPECT_EQ(button.hint, "Press here");
    EXPECT_EQ(button.style, "primary");
    EXPECT_TRUE(layout.elements[1].key.empty());
    EXPECT_TRUE(layout.elements[1].wrap);
    EXPECT_EQ(layout.elements[1].align, "left");
    // Unnamed controls get a name from their key; buttons default to plain.
    EXPECT_EQ(layout.elements[2].name, "control0");
    EXPECT_EQ(layout.elements[2].ticks, 4);
}

TEST(ParseLayout_Button, DefaultsToPlainStyle) {
    Layout layout;
    std::string error;
    ASSERT_TRUE(ParseLayout(std::string(kHeader) + "button 7 0 0 10 10\n", layout, error)) << error;
    EXPECT_EQ(layout.elements[0].style, "plain");
}

TEST(ParseLayout_BadSource, IsRefusedWithTheLine) {
    struct Case {
        bool withHeader;  // the body follows a valid window statement
        const char* body;
        const char* message;
    };
    const Case cases[] = {
        // Nothing may come before the window statement.
        {false, "button 1 0 0 10 10\n", "first statement"},
        {false, "", "no 'window'"},
        {true, "window other 10 10\n", "twice"},
        {false, "window a 0 10\n", "bad window size"},
        {false, "window a-b 10 10\n", "bad skin name"},
        {true, "widget 1 0 0 10 10\n", "unknown kind"},
        {true, "button 1 0 0 10\n", "needs a key"},
        // Keys are decimal numbers without leading zeros.
        {true, "button 01 0 0 10 10\n", "bad placement key"},
        {true, "button x 0 0 10 10\n", "bad placement key"},
        {true, "button 1 0 0 10 10\nbutton 1 20 0 10 10\n", "used twice"},
        {true, "button 1 0 0 ten 10\n", "bad number"},
        // Every control lies inside the window and has a size.
        {true, "button 1 195 0 10 10\n", "outside"},
        {true, "button 1 0 0 0 10\n", "outside"},
        {true, "button 1 -1 0 10 10\n", "outside"},
        {true, "button 1 0 0 10 10 label\n", "without a value"},
        {true, "button 1 0 0 10 10 colour red\n", "unknown attribute"},
        // A comma would split the placement entry in the wrong place.
        {true, "button 1 0 0 10 10 hint \"a, b\"\n", "no comma"},
        {true, "button 1 0 0 10 10 name a,b\n", "no comma"},
        {true, "button 1 0 0 10 10 name 0123456789012345678901234567890123456789\n", "39"},
        {true, "button 1 0 0 10 10 style shiny\n", "unknown button style"},
        {true, "slider 1 0 0 10 10 style plain\n", "only buttons"},
        // The run-time colour square needs 36 x 36.
        {true, "swatch 1 0 0 35 40\n", "36 x 36"},
        {true, "text 1 0 0 10 10 label \"x\"\n", "no placement key"},
        {true, "field - 0 0 10 10\n", "need a placement key"},
        {true, "text - 0 0 10 10 label \"open\n", "unterminated"},
        {true, "slider 1 0 0 10 10 ticks 500\n", "tick count"},
        {true, "text - 0 0 10 10 align middle\n", "align"},
        {true, "text - 0 0 10 10 wrap maybe\n", "wrap"},
    };
    for (const Case& c : cases) {
        std::string source = (c.withHeader ? std::string(kHeader) : std::string()) + c.body;
        Layout layout;
        std::string error;
        EXPECT_FALSE(ParseLayout(source, layout, error)) << c.body;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.body << " gave: " << error;
        EXPECT_EQ(error.rfind("line ", 0), 0u) << error;
    }
}

TEST(ParseLayout_ZeroKey, IsAccepted) {
    // Pages place controls at key "0" too.
    Layout layout;
    std::string error;
    EXPECT_TRUE(ParseLayout(std::string(kHeader) + "slider 0 0 0 100 15\n", layout, error)) << error;
}

}  // namespace

namespace {

TEST(ParseLayout_ShapeAndMask, RectangularPagesAndNamedMasks) {
    const struct {
        const char* what;
        const char* lines;
        bool parses;
        bool rectangular;
        const char* maskFile;
    } rows[] = {
        {"neither: rounded, default mask name", "", true, false, "test_mask.bmp"},
        {"rectangle", "shape rectangle\n", true, true, "test_mask.bmp"},
        {"own mask name", "mask \"DPI_Window_Mask.bmp\"\n", true, false, "DPI_Window_Mask.bmp"},
        {"another shape word", "shape round\n", false, false, ""},
        {"mask without .bmp", "mask \"mask.png\"\n", false, false, ""},
        {"mask with a folder", "mask \"a\\\\b.bmp\"\n", false, false, ""},
    };
    for (const auto& row : rows) {
        Layout layout;
        std::string error;
        EXPECT_EQ(ParseLayout(std::string(kHeader) + row.lines, layout, error), row.parses) << row.what;
        if (!row.parses) continue;
        EXPECT_EQ(layout.rectangular, row.rectangular) << row.what;
        EXPECT_EQ(layout.MaskFileName(), row.maskFile) << row.what;
    }
}

}  // namespace
