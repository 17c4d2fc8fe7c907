// The generator and the skin toolkit must read the same numbers out of a
// layout: entries parse back to the layout's rectangles and hints, and slider
// ticks sit where the slider puts its thumb for each value.
#include "skin/core/ButtonEntry.h"
#include "skin/core/SliderModel.h"
#include "skins/generator/SkinPainter.h"
#include "skins/generator/VisualStyle.h"
#include "PainterTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace {

std::map<std::string, std::string> PlacementValues(const std::string& ini) {
    std::map<std::string, std::string> values;
    std::istringstream lines(ini);
    std::string line;
    bool inSection = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '[') inSection = line == "[BUTTONPOS]";
        size_t equals = line.find('=');
        if (inSection && equals != std::string::npos) values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return values;
}

TEST(SkinDescription_Entries, ParseBackToTheLayout) {
    Layout layout = Parse(
        "window skin_mix 300 200\n"
        "button 1 0 0 10 10\n"                                  // no name, no hint
        "button 2 281 172 19 20 name browser1\n"                // entry with a name only
        "slider 3 10 20 60 25 hint \"Pointer speed\"\n"         // hint with a blank
        "field 40 5 5 100 30 name path hint \"   spaced   \"\n"  // hint trimmed by the reader
        "area 0 0 100 300 100\n");
    std::map<std::string, std::string> values = PlacementValues(SkinDescription(layout));
    ASSERT_EQ(values.size(), layout.elements.size());
    for (const LayoutElement& element : layout.elements) {
        ButtonEntry entry = ParseButtonEntry(values[element.key]);
        EXPECT_EQ(entry.label, element.name) << element.key;
        EXPECT_EQ(entry.rect.left, element.box.x) << element.key;
        EXPECT_EQ(entry.rect.top, element.box.y) << element.key;
        EXPECT_EQ(entry.rect.right, element.box.Right()) << element.key;
        EXPECT_EQ(entry.rect.bottom, element.box.Bottom()) << element.key;
        std::string trimmed = element.hint == "   spaced   " ? "spaced" : element.hint;
        EXPECT_EQ(entry.hint, trimmed) << element.key;
    }
}

TEST(PaintSkin_SliderTicks, SitUnderTheThumbCentreOfEachValue) {
    struct Case {
        int width;
        int ticks;
    };
    const Case cases[] = {
        {120, 4},  // a speed slider, range 1..4
        {396, 12}, // a resolution level slider, range 1..12
        {97, 10},  // a length that does not divide evenly
    };
    for (const Case& c : cases) {
        std::string source = "window skin_s 420 40\nslider 1 10 10 " + std::to_string(c.width) + " 15 ticks " +
                             std::to_string(c.ticks) + "\n";
        FakeTextRasterizer text;
        SkinImages images = PaintSkin(Parse(source), text);
        SliderModel slider;
        slider.SetSpan(0, c.width, style::kThumbWidth);
        ASSERT_TRUE(slider.SetRange(1, c.ticks));
        for (int value = 1; value <= c.ticks; ++value) {
            int centre = 10 + slider.PositionOfValue(value) + style::kThumbWidth / 2;
            EXPECT_EQ(images.normal.At(centre, 10), style::kTick) << c.width << " value " << value;
            EXPECT_NE(images.normal.At(centre + 1, 10), style::kTick) << c.width << " value " << value;
        }
    }
}

}  // namespace
