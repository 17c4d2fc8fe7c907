// Captions of button entries: every row of the caption table and the key
// combinations in both prefix orders.
#include <gtest/gtest.h>

#include <cstring>

#include "option/pages/ButtonCaption.h"
#include "profile/tests/UsLayout.h"

namespace {

// Language-library stand-in: string n reads "#n".
std::string TextOf(unsigned id) { return "#" + std::to_string(id); }

ButtonAssignmentEntry Entry(uint8_t code) {
    ButtonAssignmentEntry entry{};
    entry.FunctionCode = code;
    return entry;
}

TEST(ButtonCaption, FunctionCodesUseTheirStrings) {
    struct Case {
        int firstCode;
        int lastCode;
        int firstText;  // 0: empty caption
    };
    const Case cases[] = {
        {0, 0, 1010},    // no function
        {6, 6, 1010},    // disabled, same text as no function
        {1, 4, 1005},    // left, right, middle, double click
        {7, 12, 1011},   // side buttons, wheel, tilt
        {13, 15, 1018},  // resolution switches
        {18, 24, 1024},  // profile switches .. open the configuration program
        {25, 32, 1032},  // media
        {33, 44, 1041},  // internet and office, 43 and 44
        {86, 86, 1076},  // mode switch
        {45, 85, 0},     // no caption, the fixed shortcuts included
        {87, 255, 0},
    };
    UsLayout layout;
    for (const Case& c : cases)
        for (int code = c.firstCode; code <= c.lastCode; ++code) {
            std::string expected = c.firstText ? TextOf(c.firstText + (code - c.firstCode)) : "";
            EXPECT_EQ(ButtonCaption(Entry(uint8_t(code)), PrefixOrder::Page, TextOf, layout), expected) << code;
        }
}

TEST(ButtonCaption, KeyCombinationsInBothPrefixOrders) {
    struct Case {
        uint8_t key;
        uint8_t modifiers;
        uint16_t items;
        const char* page;
        const char* mainWindow;
    };
    const Case cases[] = {
        {4, 0x00, 1, "A", "A"},                                     // no modifier bits
        {4, 0x02, 1, "Ctrl+A", "Shift+A"},                          // bit 1
        {4, 0x04, 1, "Shift+A", "Ctrl+A"},                          // bit 2
        {4, 0x06, 1, "Ctrl+Shift+A", "Shift+Ctrl+A"},               // bits 1 and 2
        {58, 0x1E, 1, "Ctrl+Shift+Alt+Win+F1", "Shift+Ctrl+Alt+Win+F1"},  // all four
        {44, 0x18, 1, "Alt+Win+Space", "Alt+Win+Space"},            // bits 3 and 4
        {4, 0x07, 1, "A", "A"},                                     // bit 0 set: the name only
        {4, 0x1F, 1, "A", "A"},
        {240, 0x02, 1, "Ctrl+Left", "Shift+Left"},                  // a mouse button
        {50, 0x02, 1, "Ctrl+", "Shift+"},                           // a key without a row or name
        {4, 0x02, 0, "", ""},                                       // no item: empty
    };
    UsLayout layout;
    for (const Case& c : cases) {
        ButtonAssignmentEntry entry = Entry(5);
        entry.ItemCount = c.items;
        entry.Data[0] = c.key;
        entry.Data[1] = c.modifiers;
        EXPECT_EQ(ButtonCaption(entry, PrefixOrder::Page, TextOf, layout), c.page) << int(c.key) << " " << int(c.modifiers);
        EXPECT_EQ(ButtonCaption(entry, PrefixOrder::MainWindow, TextOf, layout), c.mainWindow)
            << int(c.key) << " " << int(c.modifiers);
    }
}

TEST(ButtonCaption, MacroNameAndProgramFileName) {
    UsLayout layout;
    ButtonAssignmentEntry macro = Entry(16);
    strcpy(macro.Name, "Jump");
    EXPECT_EQ(ButtonCaption(macro, PrefixOrder::Page, TextOf, layout), "Jump");
    memset(macro.Name, 'm', sizeof macro.Name);  // unterminated: cut at the field
    EXPECT_EQ(ButtonCaption(macro, PrefixOrder::Page, TextOf, layout), std::string(26, 'm'));

    const std::pair<const char*, const char*> programs[] = {
        {"C:\\Games\\Quake\\quake.exe", "quake.exe"},  // folder and extension
        {"C:/Tools/run.cmd", "run.cmd"},                // forward slashes
        {"D:calc.exe", "calc.exe"},                     // drive without folder
        {"notepad", "notepad"},                         // no folder, no extension
        {"C:\\Games\\", ""},                            // a folder only
        {"", ""},
    };
    for (const auto& program : programs) {
        ButtonAssignmentEntry entry = Entry(17);
        strcpy(entry.ProgramPath, program.first);
        EXPECT_EQ(ButtonCaption(entry, PrefixOrder::Page, TextOf, layout), program.second) << program.first;
    }
}

}  // namespace
