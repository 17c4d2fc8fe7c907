// Finding macros by name, comparing button copies with the list, the
// start-up merge and the push back to the buttons.
#include <gtest/gtest.h>

#include <memory>

#include "option/macros/MacroList.h"
#include "option/macros/MemoryIniFileStore.h"
#include "option/macros/tests/MacroTestSupport.h"

namespace {

const MacroRecord kJump = MakeMacro("Jump", 2, {{44, 1, 10}, {44, 2, 0}});
const MacroRecord kFire = MakeMacro("Fire", 5, {{240, 1, 30}, {240, 2, 30}, {240, 1, 30}, {240, 2, 0}});

class MacroListTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_block = std::make_unique<SettingsBlock>();
        ResetProfileSet(*m_block);
    }
    ButtonAssignmentEntry& Button(int slot, int button) { return m_block->Profiles[slot].MacroKeyInfo[button]; }

    MemoryIniFileStore m_store;
    MacroList m_list{m_store, "C:\\Mouse\\"};
    std::unique_ptr<SettingsBlock> m_block;
};

TEST_F(MacroListTest, Find_ComparesTrimmedNamesWithoutCase) {
    m_list.Append(kJump);
    m_list.Append(MakeMacro("  Fire ", 1, {}));
    struct Case {
        const char* name;
        int position;
    };
    const Case cases[] = {
        {"Jump", 0},    // as stored
        {"jUMP", 0},    // case does not count
        {" Jump\t", 0}, // surrounding blanks do not count
        {"Fire", 1},    // blanks of the stored name do not count either
        {"Ju mp", -1},  // inner blanks do
        {"Jump2", -1},  // a longer name is another name
        {"", -1},       // no empty name is listed
    };
    for (const Case& c : cases) EXPECT_EQ(m_list.Find(c.name), c.position) << '"' << c.name << '"';
}

TEST_F(MacroListTest, EntryEqualsRecord_NeedsNameCountsAndCountedEvents) {
    struct Case {
        const char* what;
        void (*change)(ButtonAssignmentEntry&);
        bool equal;
    };
    const Case cases[] = {
        {"an exact copy", [](ButtonAssignmentEntry&) {}, true},
        {"the name in other case", [](ButtonAssignmentEntry& e) { e.Name[0] = 'j'; }, true},
        {"another repeat count", [](ButtonAssignmentEntry& e) { e.RepeatCount = 3; }, false},
        {"another event count", [](ButtonAssignmentEntry& e) { e.ItemCount = 1; }, false},
        {"another delay in a counted event", [](ButtonAssignmentEntry& e) { e.Data[6] = 9; }, false},
        {"bytes after the counted events", [](ButtonAssignmentEntry& e) { e.Data[8] = 77; }, true},
        {"another name", [](ButtonAssignmentEntry& e) { e.Name[1] = 'a'; }, false},
        {"an option the record does not hold", [](ButtonAssignmentEntry& e) { e.MacroOption = 2; }, true},
    };
    for (const Case& c : cases) {
        ButtonAssignmentEntry entry = MakeMacroButton("Jump", 2, {{44, 1, 10}, {44, 2, 0}});
        c.change(entry);
        EXPECT_EQ(EntryEqualsRecord(entry, kJump), c.equal) << c.what;
    }
}

TEST_F(MacroListTest, Merge_AddsUnknownAndUpdatesDifferingMacros) {
    m_list.Append(kJump);
    m_list.Append(kFire);
    // Slot 0 button 3: "Jump" with other events and repeat count: overwrites.
    Button(0, 3) = MakeMacroButton("JUMP", 9, {{45, 1, 1}});
    // Slot 1 button 8: a macro the list does not know: appended, repeat 0.
    Button(1, 8) = MakeMacroButton("Dash", 4, {{7, 1, 5}, {7, 2, 5}});
    // Slot 2 button 0: an exact copy of "Fire": nothing changes.
    Button(2, 0) = MakeMacroButton("Fire", 5, {{240, 1, 30}, {240, 2, 30}, {240, 1, 30}, {240, 2, 0}});
    // Slot 4 button 15: "Dash" again, different: the later button wins.
    Button(4, 15) = MakeMacroButton("dash", 6, {{8, 1, 0}});
    // A name on a button that is not a macro button is ignored.
    Button(3, 2) = MakeMacroButton("Ghost", 1, {});
    Button(3, 2).FunctionCode = 5;
    // A macro button without a name is ignored.
    Button(3, 4) = MakeMacroButton("", 1, {{4, 1, 0}});

    m_list.MergeFromProfiles(*m_block);

    ASSERT_EQ(m_list.Count(), 3u);
    const MacroRecord& jump = m_list.At(0);
    EXPECT_EQ(MacroName(jump), "Jump");  // the list keeps its own spelling
    EXPECT_EQ(jump.RepeatCount, 9);
    EXPECT_EQ(jump.EventCount, 1);
    EXPECT_EQ(jump.Events[0].KeyCode, 45);
    EXPECT_EQ(jump.Events[1].KeyCode, 0);  // all 160 event bytes are taken over
    EXPECT_EQ(memcmp(&m_list.At(1), &kFire, sizeof kFire), 0);
    const MacroRecord& dash = m_list.At(2);
    EXPECT_EQ(MacroName(dash), "Dash");
    EXPECT_EQ(dash.RepeatCount, 6);  // overwritten by the later button
    EXPECT_EQ(dash.EventCount, 1);
    EXPECT_EQ(dash.Events[0].KeyCode, 8);
    // The button entries themselves are not touched by the merge.
    EXPECT_EQ(Button(1, 8).RepeatCount, 4);
}

TEST_F(MacroListTest, Merge_NewRecordHasRepeatZeroShownAndPlayedAsOne) {
    Button(0, 9) = MakeMacroButton("Dash", 4, {{7, 1, 5}, {7, 2, 5}});
    m_list.MergeFromProfiles(*m_block);
    ASSERT_EQ(m_list.Count(), 1u);
    EXPECT_EQ(m_list.At(0).RepeatCount, 0);
    EXPECT_EQ(EffectiveRepeatCount(m_list.At(0).RepeatCount), 1);
    EXPECT_EQ(EffectiveRepeatCount(-3), 1);
    EXPECT_EQ(EffectiveRepeatCount(255), 255);
}

TEST_F(MacroListTest, Merge_DamagedCountsStayInsideTheRecord) {
    // A count beyond the 40 events of a damaged file must not read past them.
    Button(0, 9) = MakeMacroButton("Big", 1, {{4, 1, 0}});
    Button(0, 9).ItemCount = 500;
    memset(Button(0, 9).Name, 'n', sizeof Button(0, 9).Name);
    m_list.MergeFromProfiles(*m_block);
    ASSERT_EQ(m_list.Count(), 1u);
    EXPECT_EQ(m_list.At(0).EventCount, 40);
    EXPECT_EQ(MacroName(m_list.At(0)), std::string(26, 'n'));
}

TEST_F(MacroListTest, Push_RefreshesCopiesAndDisablesDeletedMacros) {
    m_list.Append(kJump);
    // A stale copy of "Jump": refreshed from the list, option kept.
    Button(0, 3) = MakeMacroButton("jump", 1, {{4, 1, 0}});
    Button(0, 3).MacroOption = 2;
    memset(Button(0, 3).Name + 5, 'q', 5);  // garbage after the terminator
    // A copy of a macro deleted from the list: disabled (code 6).
    Button(2, 7) = MakeMacroButton("Gone", 1, {{4, 1, 0}});
    // Not a macro button: untouched and not marked.
    Button(1, 1).FunctionCode = 2;

    m_list.PushToButtons(*m_block);

    const ButtonAssignmentEntry& jump = Button(0, 3);
    EXPECT_EQ(jump.FunctionCode, 16);
    EXPECT_STREQ(jump.Name, "Jump");
    for (size_t i = 5; i < sizeof jump.Name; ++i) EXPECT_EQ(jump.Name[i], 0) << i;
    EXPECT_EQ(jump.ItemCount, 2);
    EXPECT_EQ(jump.RepeatCount, 2);
    EXPECT_EQ(jump.MacroOption, 2);
    EXPECT_EQ(memcmp(jump.Data, kJump.Events, sizeof jump.Data), 0);
    EXPECT_EQ(Button(2, 7).FunctionCode, 6);
    // Exactly the two macro buttons are marked for rewriting.
    for (int slot = 0; slot < kSlotCount; ++slot)
        for (int button = 0; button < kButtonCount; ++button) {
            bool expected = (slot == 0 && button == 3) || (slot == 2 && button == 7);
            EXPECT_EQ(m_block->ButtonChanged[slot][button], expected ? 1 : 0) << slot << "," << button;
        }
}

TEST_F(MacroListTest, CopyMacroToEntry_KeepsCodeAndOption) {
    ButtonAssignmentEntry entry{};
    entry.FunctionCode = 5;
    entry.MacroOption = 1;
    memset(entry.Name, 'x', sizeof entry.Name);
    memset(entry.Data, 0xEE, sizeof entry.Data);
    CopyMacroToEntry(kFire, entry);
    EXPECT_EQ(entry.FunctionCode, 5);
    EXPECT_EQ(entry.MacroOption, 1);
    EXPECT_STREQ(entry.Name, "Fire");
    for (size_t i = 4; i < sizeof entry.Name; ++i) EXPECT_EQ(entry.Name[i], 0) << i;
    EXPECT_EQ(entry.ItemCount, 4);
    EXPECT_EQ(entry.RepeatCount, 5);
    // All 160 bytes come from the record, the unused ones as zero.
    EXPECT_EQ(memcmp(entry.Data, kFire.Events, sizeof entry.Data), 0);
}

}  // namespace
