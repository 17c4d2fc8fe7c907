#include "skin/core/ButtonEntry.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct EntryCase {
    const char* text;
    const char* label;
    SkinRect rect;
    const char* hint;
};

TEST(ParseButtonEntry, Table) {
    const EntryCase cases[] = {
        // The usual entry, ended with a comma: no hint.
        {"browser1,281,172,30,20,", "browser1", {281, 172, 311, 192}, ""},
        // A word with blanks around it as sixth field.
        {"apply,10,20,60,25,   Apply changes \t", "apply", {10, 20, 70, 45}, "Apply changes"},
        // No sixth field: the height becomes the hint.
        {"edge,1,2,3,4", "edge", {1, 2, 4, 6}, "4"},
        // Fewer than four numbers: the rest stay 0, the last field is the hint.
        {"short,5,6", "short", {5, 6, 5, 6}, "6"},
        // Blanks before a number are skipped as by %d.
        {"spaced, 7, 8, 9, 10,", "spaced", {7, 8, 16, 18}, ""},
        // A blank before a comma stops the scan there.
        {"stop,7 ,8,9,10,", "stop", {7, 0, 7, 0}, ""},
        // A non-number stops the scan at once.
        {"bad,x,1,2,3,", "bad", {0, 0, 0, 0}, ""},
        // Negative coordinates are kept.
        {"neg,-5,-6,10,10,", "neg", {-5, -6, 5, 4}, ""},
        // Commas inside the hint: only the text after the last one counts.
        {"hint,1,2,3,4,Save, then close", "hint", {1, 2, 4, 6}, "then close"},
        // No comma at all: just a label.
        {"lonely", "lonely", {0, 0, 0, 0}, ""},
        // Empty value (missing key).
        {"", "", {0, 0, 0, 0}, ""},
        // Empty label.
        {",3,4,5,6,", "", {3, 4, 8, 10}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ButtonEntry entry = ParseButtonEntry(c.text);
        EXPECT_EQ(entry.label, c.label);
        EXPECT_EQ(entry.rect, c.rect);
        EXPECT_EQ(entry.hint, c.hint);
        EXPECT_EQ(entry.initiallySelected, 0);
    }
}

TEST(ParseButtonEntry_LongTexts, AreCutToTheirFields) {
    const std::string label(60, 'L');
    const std::string hint(500, 'h');
    const ButtonEntry entry = ParseButtonEntry(label + ",1,2,3,4," + hint);
    EXPECT_EQ(entry.label, std::string(kButtonLabelMaxLength, 'L'));
    EXPECT_EQ(entry.hint, std::string(kButtonHintMaxLength, 'h'));
    EXPECT_EQ(entry.rect, (SkinRect{1, 2, 4, 6}));
}

TEST(ParseButtonEntry_HugeNumbers, SaturateInsteadOfOverflowing) {
    // x + width beyond 32 bits must not wrap around to a negative right edge.
    const ButtonEntry entry = ParseButtonEntry("big,2147483647,99999999999,10,-10,");
    EXPECT_EQ(entry.rect, (SkinRect{INT_MAX, INT_MAX, INT_MAX, INT_MAX - 10}));
}

}  // namespace
