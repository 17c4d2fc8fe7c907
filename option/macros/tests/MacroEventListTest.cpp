// The macro manager's event list: lines and item data, the caret after a
// refill, the insert rule, and the context-menu commands on lines.
#include <gtest/gtest.h>

#include "option/macros/MacroEventList.h"

namespace {

std::string Name(uint8_t keyCode) {
    switch (keyCode) {
    case 4: return "A";
    case 225: return "Left Shift";
    case 240: return "Left";
    case 244: return "Forward";
    default: return "?";
    }
}

MacroEditBuffer Buffer(std::initializer_list<MacroEvent> events) {
    MacroEditBuffer buffer;
    for (const MacroEvent& event : events) buffer.Events[buffer.Count++] = event;
    return buffer;
}

MacroEditBuffer Filled(size_t count) {
    MacroEditBuffer buffer;
    for (size_t i = 0; i < count; ++i) buffer.Events[buffer.Count++] = MacroEvent{4, 1, 0};
    return buffer;
}

TEST(MacroEventListTest, BuildEventLines_TextsAndItemData) {
    MacroEditBuffer buffer = Buffer({{225, 1, 0}, {4, 1, 120}, {4, 2, 0}, {240, 1, 65535}, {244, 2, 0}, {225, 2, 0}});
    struct Row {
        const char* text;
        uint32_t data;
    };
    const Row expected[] = {
        {"Left Shift", 0x0001008A},  // key press of event 0
        {"A", 0x0002008A},           // key press with a pause
        {"120 ms", 0x00020087},      // its pause
        {"A", 0x00030089},           // key release
        {"Left Down", 0x00040092},   // mouse press
        {"65535 ms", 0x00040087},    // the longest pause
        {"Forward Up", 0x00050092},  // mouse release of the side button 244
        {"Left Shift", 0x00060089},  // key release
    };
    std::vector<EventLine> lines = BuildEventLines(buffer, Name);
    ASSERT_EQ(lines.size(), std::size(expected));
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].Text, expected[i].text) << i;
        EXPECT_EQ(lines[i].Data, expected[i].data) << i;
    }
    EXPECT_EQ(LineOf(lines, 3, true), 5);
    EXPECT_EQ(LineOf(lines, 3, false), 4);
    EXPECT_EQ(LineOf(lines, 0, true), -1);
}

TEST(MacroEventListTest, CaretAfterRefill_ClampsAndLeadsInTheMiddle) {
    struct Case {
        int remembered;
        size_t lines;
        int selected;
        int caret;
    };
    const Case cases[] = {
        {0, 0, -1, -1},   // empty list: nothing
        {5, 1, 0, 0},     // clamped to the only line
        {3, 20, 3, 3},    // among the first four
        {4, 20, 4, 6},    // first line past the top four: two lines lead
        {16, 20, 16, 18}, // last line before the bottom three
        {17, 20, 17, 17}, // among the last three
        {99, 20, 19, 19}, // clamped to the last line
        {-1, 20, 0, 0},   // nothing remembered: the first line
    };
    for (const Case& c : cases) {
        CaretPlace place = CaretAfterRefill(c.remembered, c.lines);
        EXPECT_EQ(place.Selected, c.selected) << c.remembered << "/" << c.lines;
        EXPECT_EQ(place.Caret, c.caret) << c.remembered << "/" << c.lines;
    }
}

TEST(MacroEventListTest, InsertEvent_PositionsAndLimit) {
    struct Case {
        size_t count;
        int position;
        std::optional<size_t> insertedAt;
        int positionAfter;
    };
    const Case cases[] = {
        {0, kAppendPosition, 0, kAppendPosition},   // append to an empty buffer
        {5, kAppendPosition, 5, kAppendPosition},   // append stays append
        {5, 0, 0, 1},                               // before the first: position advances
        {5, 3, 3, 4},                               // in the middle
        {5, 5, 5, 6},                               // at the end
        {39, kAppendPosition, 39, kAppendPosition}, // the last free place
        {40, kAppendPosition, std::nullopt, kAppendPosition},  // full: nothing
        {40, 2, std::nullopt, 2},                   // full: position unchanged
    };
    for (const Case& c : cases) {
        MacroEditBuffer buffer = Filled(c.count);
        int position = c.position;
        EXPECT_EQ(InsertEvent(buffer, position, MacroEvent{240, 1, 0}), c.insertedAt) << c.count << "@" << c.position;
        EXPECT_EQ(position, c.positionAfter);
        EXPECT_EQ(buffer.Count, c.count + (c.insertedAt ? 1 : 0));
        if (c.insertedAt) {
            EXPECT_EQ(buffer.Events[*c.insertedAt].KeyCode, 240);
        }
    }
}

TEST(MacroEventListTest, InsertClick_NeedsTwoPlaces) {
    struct Case {
        size_t count;
        bool inserted;
    };
    const Case cases[] = {
        {0, true},    // empty
        {38, true},   // exactly two free places
        {39, false},  // one place left: nothing
        {40, false},  // full
    };
    for (const Case& c : cases) {
        MacroEditBuffer buffer = Filled(c.count);
        int position = kAppendPosition;
        EXPECT_EQ(InsertClick(buffer, position, 241).has_value(), c.inserted) << c.count;
        ASSERT_EQ(buffer.Count, c.count + (c.inserted ? 2 : 0));
        if (c.inserted) {
            EXPECT_EQ(buffer.Events[c.count].Action, kMacroActionPress);
            EXPECT_EQ(buffer.Events[c.count + 1].Action, kMacroActionRelease);
        }
    }
    // Before event 1 of three: press and release keep their order there.
    MacroEditBuffer buffer = Buffer({{4, 1, 0}, {4, 2, 0}, {5, 1, 0}});
    int position = 1;
    EXPECT_EQ(InsertClick(buffer, position, 242), 2u);
    const uint8_t keys[] = {4, 242, 242, 4, 5};
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(buffer.Events[i].KeyCode, keys[i]) << i;
    EXPECT_EQ(position, 3);
}

TEST(MacroEventListTest, LineCommands_DelayInsertAndDelete) {
    const MacroEditBuffer start = Buffer({{4, 1, 0}, {4, 2, 50}, {5, 1, 0}, {5, 2, 0}});
    struct Case {
        const char* what;
        bool deleteCommand;
        uint32_t line;
        bool changed;
        size_t count;
        uint16_t delays[4];
    };
    const Case cases[] = {
        {"insert delay before event 3", false, 0x00040089, true, 4, {0, 50, 1, 0}},
        {"insert delay before event 0: nothing", false, 0x0001008A, false, 4, {0, 50, 0, 0}},
        {"insert delay where a pause exists: nothing", false, 0x0003008A, false, 4, {0, 50, 0, 0}},
        {"insert delay on a delay line: nothing", false, 0x00020087, false, 4, {0, 50, 0, 0}},
        {"delete the delay line of event 1 keeps the event", true, 0x00020087, true, 4, {0, 0, 0, 0}},
        {"delete event line 1 removes it and its pause", true, 0x00020089, true, 3, {0, 0, 0, 0}},
        {"delete a line past the end: nothing", true, 0x00090089, false, 4, {0, 50, 0, 0}},
    };
    for (const Case& c : cases) {
        MacroEditBuffer buffer = start;
        bool changed = c.deleteCommand ? DeleteLine(buffer, c.line) : InsertDelayBefore(buffer, c.line);
        EXPECT_EQ(changed, c.changed) << c.what;
        EXPECT_EQ(buffer.Count, c.count) << c.what;
        for (size_t i = 0; i < buffer.Count; ++i) EXPECT_EQ(buffer.Events[i].Delay, c.delays[i]) << c.what << " " << i;
    }
    // Deleting an event moves the later ones up.
    MacroEditBuffer buffer = start;
    DeleteLine(buffer, 0x0001008A);
    EXPECT_EQ(buffer.Events[0].Action, kMacroActionRelease);
    EXPECT_EQ(buffer.Events[1].KeyCode, 5);
}

TEST(MacroEventListTest, EditedDelay_ClampsTo1Through65535) {
    struct Case {
        const char* text;
        uint16_t delay;
    };
    const Case cases[] = {
        {"70000", 65535},      // above the range
        {"65535", 65535},      // the top
        {"65534", 65534},      // just under
        {"0", 1},              // zero becomes the shortest pause
        {"-5", 1},             // negative
        {"", 1},               // nothing typed
        {"250 ms", 250},       // the line's own text, edited
        {"  42", 42},          // leading blanks
        {"99999999999999", 65535},  // no overflow into a small number
    };
    for (const Case& c : cases) EXPECT_EQ(EditedDelay(c.text), c.delay) << c.text;
    EXPECT_EQ(DelayText(EditedDelay("70000")), "65535 ms");
}

TEST(MacroEventListTest, RepeatCount_TextAndCheckBox) {
    struct Case {
        const char* text;
        int32_t count;
    };
    const Case cases[] = {
        {"300", 255},  // above the range
        {"256", 255},  // first value above
        {"255", 255},  // the top
        {"7", 7},      // within
        {"1", 1},      // the bottom
        {"0", 1},      // zero
        {"-3", 1},     // negative
        {"abc", 1},    // no number
    };
    for (const Case& c : cases) EXPECT_EQ(RepeatCountFromText(c.text), c.count) << c.text;
    EXPECT_EQ(StoredRepeatCount(9, true), 9);
    EXPECT_EQ(StoredRepeatCount(9, false), 1);  // check box off: 1 whatever the text
}

TEST(MacroEventListTest, MouseCommandOf_FifteenCommands) {
    struct Case {
        uint32_t identifier;
        uint8_t keyCode;
        MouseInsert what;
    };
    const Case cases[] = {
        {1020, 240, MouseInsert::Press},   {1021, 240, MouseInsert::Release}, {1022, 240, MouseInsert::Click},
        {1023, 241, MouseInsert::Press},   {1024, 241, MouseInsert::Release}, {1025, 241, MouseInsert::Click},
        {1026, 242, MouseInsert::Press},   {1027, 242, MouseInsert::Release}, {1028, 242, MouseInsert::Click},
        {1029, 244, MouseInsert::Press},   {1030, 244, MouseInsert::Release}, {1031, 244, MouseInsert::Click},
        {1032, 243, MouseInsert::Press},   {1033, 243, MouseInsert::Release}, {1034, 243, MouseInsert::Click},
    };
    for (const Case& c : cases) {
        std::optional<MouseCommand> command = MouseCommandOf(c.identifier);
        ASSERT_TRUE(command) << c.identifier;
        EXPECT_EQ(command->KeyCode, c.keyCode) << c.identifier;
        EXPECT_EQ(command->What, c.what) << c.identifier;
    }
    EXPECT_FALSE(MouseCommandOf(1019));
    EXPECT_FALSE(MouseCommandOf(1035));
}

TEST(MacroEventListTest, IsNewMacroNameFree_TrimmedCaseInsensitive) {
    const std::vector<std::string> names = {"Jump", "Fire Burst"};
    struct Case {
        const char* name;
        bool free;
    };
    const Case cases[] = {
        {"Run", true},              // new
        {"jump", false},            // differs only in case
        {"  JUMP  ", false},        // and in surrounding blanks
        {"fire burst", false},      // inner blank kept
        {"Jumps", true},            // longer
        {"   ", false},             // only blanks
    };
    for (const Case& c : cases) EXPECT_EQ(IsNewMacroNameFree(c.name, names), c.free) << c.name;
}

TEST(MacroEventListTest, EditBuffer_RoundTripThroughTheRecord) {
    MacroRecord record{};
    record.EventCount = 99;  // damaged count
    EXPECT_EQ(EditBufferOf(record).Count, 40u);
    MacroEditBuffer buffer = Buffer({{4, 1, 7}});
    StoreEditBuffer(buffer, record);
    EXPECT_EQ(record.EventCount, 1);
    EXPECT_EQ(record.Events[0].Delay, 7);
    EXPECT_EQ(record.Events[1].KeyCode, 0);
}

}  // namespace
