// Assigning menu choices to buttons: the left-button rule, each dialog
// path with OK and Cancel, what lands in the entry and the change flag.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "option/macros/MemoryIniFileStore.h"
#include "option/macros/tests/MacroTestSupport.h"
#include "option/pages/ButtonAssignment.h"

namespace {

// Dialogs answering from fields set by the test, recording what they saw.
class ScriptedDialogs : public AssignmentDialogs {
public:
    void ShowClickWarning() override { ++warnings; }
    bool ChooseShortcut(uint8_t& keyCode, uint8_t& modifiers) override {
        presetKey = keyCode;
        presetModifiers = modifiers;
        keyCode = answerKey;
        modifiers = answerModifiers;
        return ok;
    }
    bool ChooseProgram(std::string& path) override {
        presetPath = path;
        path = answerPath;
        return ok;
    }
    bool ChoosePlayer(int32_t& option) override {
        presetPlayer = option;
        option = answerPlayer;
        return ok;
    }
    bool ChooseMacro(int32_t& option, int& index) override {
        presetOption = option;
        presetMacro = index;
        option = answerOption;
        index = answerMacro;
        return ok;
    }
    bool OpenMacroManager() override {
        ++managerOpened;
        return ok;
    }

    bool ok = true;
    uint8_t answerKey = 0, answerModifiers = 0;
    std::string answerPath;
    int32_t answerPlayer = 0, answerOption = 0;
    int answerMacro = -1;

    int warnings = 0, managerOpened = 0;
    int presetKey = -1, presetModifiers = -1, presetPlayer = -1, presetOption = -1, presetMacro = -2;
    std::string presetPath = "unset";
};

class ButtonAssignmentTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_block = std::make_unique<SettingsBlock>();
        ResetProfileSet(*m_block);
        m_block->CurrentSlot = 3;
        m_macros.Append(MakeMacro("Jump", 2, {{44, 1, 15}, {44, 2, 0}}));
        m_macros.Append(MakeMacro("Fire", 7, {{9, 1, 15}, {9, 2, 0}}));
    }
    ProfileRecord& Current() { return m_block->Profiles[3]; }
    ButtonAssignmentEntry& Button(int b) { return Current().MacroKeyInfo[b]; }
    AssignResult Assign(int button, uint32_t id) { return AssignFunction(*m_block, button, id, m_macros, m_dialogs); }
    bool Changed(int button) { return m_block->ButtonChanged[3][button] == 1; }
    // Some bytes in every area an assignment may clear.
    void Dirty(int b) {
        strcpy(Button(b).Name, "old");
        Button(b).ItemCount = 3;
        memset(Button(b).Data, 0x5A, sizeof Button(b).Data);
        strcpy(Button(b).ProgramPath, "C:\\old.exe");
        Button(b).MacroOption = 1;
    }

    std::unique_ptr<SettingsBlock> m_block;
    MemoryIniFileStore m_store;
    MacroList m_macros{m_store, "C:\\Mouse\\"};
    ScriptedDialogs m_dialogs;
};

TEST_F(ButtonAssignmentTest, LeftButtonRule_CountsTheSixteenCodes) {
    struct Case {
        const char* what;
        int otherLeft;  // another button given code 1 first (-1: none)
        int button;
        uint8_t newCode;
        bool keeps;
    };
    const Case cases[] = {
        {"the only left button becomes right", -1, 0, 2, false},
        {"the only left button stays left", -1, 0, 1, true},
        {"another button changes", -1, 4, 2, true},
        {"a second left button exists", 9, 0, 2, true},
        {"the left button moves to the wheel position", -1, 15, 1, true},
        {"the only left button on entry 15 is replaced", 15, 0, 6, true},
    };
    for (const Case& c : cases) {
        ProfileRecord record{};
        FillDefaults(record, 0);
        if (c.otherLeft >= 0) record.MacroKeyInfo[c.otherLeft].FunctionCode = 1;
        EXPECT_EQ(KeepsLeftButton(record, c.button, c.newCode), c.keeps) << c.what;
    }
    ProfileRecord none{};
    EXPECT_FALSE(KeepsLeftButton(none, 3, 2));  // no left button anywhere
    EXPECT_TRUE(KeepsLeftButton(none, 3, 1));
}

TEST_F(ButtonAssignmentTest, RefusedChoices_ShowTheWarningAndChangeNothing) {
    // Entry 0 holds the only left button.
    const uint32_t ids[] = {1002, 1006, 1005, 1017, 1050, 1100, 1076, 1016};
    for (uint32_t id : ids) {
        ButtonAssignmentEntry before = Button(0);
        int warnings = m_dialogs.warnings;
        EXPECT_EQ(Assign(0, id), AssignResult::Refused) << id;
        EXPECT_EQ(m_dialogs.warnings, warnings + 1) << id;
        EXPECT_EQ(memcmp(&Button(0), &before, sizeof before), 0) << id;
        EXPECT_FALSE(Changed(0)) << id;
    }
    // No dialog was opened for a refused choice.
    EXPECT_EQ(m_dialogs.presetKey, -1);
    EXPECT_EQ(m_dialogs.presetPath, "unset");
    // The player choice leaves the entry alone, so it is never refused.
    EXPECT_EQ(Assign(0, 1048), AssignResult::Unchanged);
}

TEST_F(ButtonAssignmentTest, PlainChoices_StoreTheCodeAndClearTheData) {
    struct Case {
        uint32_t id;
        uint8_t code;
    };
    const Case cases[] = {
        {1006, 6},    // disabled
        {1002, 2},    // right button
        {1013, 13},   // resolution cycle
        {1025, 25},   // media player
        {1042, 42},   // search
        {1076, 86},   // mode switch
        {1016, 0},    // an identifier without a function: no function
        {1024, 24},   // open the configuration program
    };
    for (const Case& c : cases) {
        Dirty(4);
        m_block->ButtonChanged[3][4] = 0;
        ASSERT_EQ(Assign(4, c.id), AssignResult::Assigned) << c.id;
        const ButtonAssignmentEntry& entry = Button(4);
        EXPECT_EQ(entry.FunctionCode, c.code) << c.id;
        EXPECT_EQ(entry.ItemCount, 0) << c.id;
        for (uint8_t byte : entry.Data) ASSERT_EQ(byte, 0) << c.id;
        for (char byte : entry.Name) ASSERT_EQ(byte, 0) << c.id;
        EXPECT_EQ(entry.ButtonIndex, 4) << c.id;
        EXPECT_TRUE(Changed(4)) << c.id;
    }
    // Only the current slot's record and flag were touched.
    EXPECT_EQ(m_block->Profiles[0].MacroKeyInfo[4].FunctionCode, 8);
    EXPECT_EQ(m_block->ButtonChanged[0][4], 0);
}

TEST_F(ButtonAssignmentTest, KeyCombination_TakesTheCapturedKeyOnOk) {
    Dirty(2);
    Button(2).Data[0] = 30;
    Button(2).Data[1] = 0xE4;  // bits above 4 are not toggles
    m_dialogs.answerKey = 58;
    m_dialogs.answerModifiers = 0x0A;
    m_dialogs.ok = false;
    EXPECT_EQ(Assign(2, 1005), AssignResult::Cancelled);
    EXPECT_EQ(m_dialogs.presetKey, 30);
    EXPECT_EQ(m_dialogs.presetModifiers, 0x04);
    EXPECT_EQ(Button(2).FunctionCode, 3);
    EXPECT_FALSE(Changed(2));

    m_dialogs.ok = true;
    ASSERT_EQ(Assign(2, 1005), AssignResult::Assigned);
    EXPECT_EQ(Button(2).FunctionCode, 5);
    EXPECT_EQ(Button(2).ItemCount, 1);
    EXPECT_EQ(Button(2).Data[0], 58);
    EXPECT_EQ(Button(2).Data[1], 0x0A);
    for (char byte : Button(2).Name) ASSERT_EQ(byte, 0);
    EXPECT_TRUE(Changed(2));
}

TEST_F(ButtonAssignmentTest, LaunchProgram_PresetOnlyForAProgramButton) {
    Dirty(6);
    m_dialogs.answerPath = "C:\\Games\\game.exe";
    ASSERT_EQ(Assign(6, 1017), AssignResult::Assigned);
    EXPECT_EQ(m_dialogs.presetPath, "");  // code 86 before: no preset
    EXPECT_EQ(Button(6).FunctionCode, 17);
    EXPECT_STREQ(Button(6).ProgramPath, "C:\\Games\\game.exe");
    for (size_t i = strlen("C:\\Games\\game.exe"); i < sizeof Button(6).ProgramPath; ++i)
        ASSERT_EQ(Button(6).ProgramPath[i], 0) << i;

    // Now preset with its own path; Cancel and an empty path change nothing.
    for (bool ok : {false, true}) {
        m_dialogs.ok = ok;
        m_dialogs.answerPath = ok ? "" : "C:\\other.exe";
        EXPECT_EQ(Assign(6, 1017), AssignResult::Cancelled);
        EXPECT_EQ(m_dialogs.presetPath, "C:\\Games\\game.exe");
        EXPECT_STREQ(Button(6).ProgramPath, "C:\\Games\\game.exe");
    }
    // A path longer than the field keeps 261 characters.
    m_dialogs.ok = true;
    m_dialogs.answerPath = std::string(300, 'p');
    ASSERT_EQ(Assign(6, 1017), AssignResult::Assigned);
    EXPECT_EQ(strnlen(Button(6).ProgramPath, 262), 261u);
}

TEST_F(ButtonAssignmentTest, PlayerChoice_ChangesMediaOptionOnly) {
    Current().MediaOption = 2;
    ButtonAssignmentEntry before = Button(7);
    m_dialogs.answerPlayer = 3;
    m_dialogs.ok = false;
    EXPECT_EQ(Assign(7, 1048), AssignResult::Cancelled);
    EXPECT_EQ(Current().MediaOption, 2);
    m_dialogs.ok = true;
    EXPECT_EQ(Assign(7, 1048), AssignResult::Unchanged);
    EXPECT_EQ(m_dialogs.presetPlayer, 2);
    EXPECT_EQ(Current().MediaOption, 3);
    EXPECT_EQ(memcmp(&Button(7), &before, sizeof before), 0);
    EXPECT_FALSE(Changed(7));
}

TEST_F(ButtonAssignmentTest, SelectMacro_CopiesTheChosenMacroAndOption) {
    // Button 9 carries a stale copy of "Fire"; button 10 a deleted macro.
    Button(9).FunctionCode = 16;
    strcpy(Button(9).Name, "fire");
    Button(9).MacroOption = 1;
    Button(10).FunctionCode = 16;
    strcpy(Button(10).Name, "Gone");

    m_dialogs.ok = false;
    EXPECT_EQ(Assign(9, 1050), AssignResult::Cancelled);
    EXPECT_EQ(m_dialogs.presetOption, 1);
    EXPECT_EQ(m_dialogs.presetMacro, 1);  // the macro whose name the entry holds
    // The copies were pushed before the dialog opened: deleted macro disabled.
    EXPECT_EQ(Button(10).FunctionCode, 6);
    EXPECT_EQ(Button(9).RepeatCount, 7);

    m_dialogs.ok = true;
    m_dialogs.answerMacro = 0;
    m_dialogs.answerOption = 2;
    ASSERT_EQ(Assign(9, 1050), AssignResult::Assigned);
    EXPECT_EQ(Button(9).FunctionCode, 16);
    EXPECT_STREQ(Button(9).Name, "Jump");
    EXPECT_EQ(Button(9).MacroOption, 2);
    EXPECT_EQ(Button(9).RepeatCount, 2);
    EXPECT_EQ(Button(9).ItemCount, 2);
    EXPECT_EQ(memcmp(Button(9).Data, m_macros.At(0).Events, 160), 0);
    EXPECT_TRUE(Changed(9));

    // OK without a chosen macro changes nothing.
    m_dialogs.answerMacro = -1;
    Dirty(11);
    EXPECT_EQ(Assign(11, 1050), AssignResult::Cancelled);
    EXPECT_STREQ(Button(11).Name, "old");
}

TEST_F(ButtonAssignmentTest, MacroNumber_CopiesThatMacroAndKeepsTheOption) {
    Dirty(12);
    ASSERT_EQ(Assign(12, 1101), AssignResult::Assigned);
    EXPECT_EQ(Button(12).FunctionCode, 16);
    EXPECT_STREQ(Button(12).Name, "Fire");
    EXPECT_EQ(Button(12).MacroOption, 1);
    EXPECT_EQ(Button(12).RepeatCount, 7);
    EXPECT_EQ(Button(12).Data[0], 9);
    EXPECT_EQ(Button(12).Data[8], 0);  // the rest of the events area from the record
    EXPECT_TRUE(Changed(12));
    // A number past the list is not a macro any more.
    Dirty(13);
    EXPECT_EQ(Assign(13, 1102), AssignResult::Cancelled);
    EXPECT_STREQ(Button(13).Name, "old");
    EXPECT_FALSE(Changed(13));
}

TEST_F(ButtonAssignmentTest, MacroManager_OpensWithoutChangingTheEntry) {
    ButtonAssignmentEntry before = Button(3);
    EXPECT_EQ(Assign(3, 1049), AssignResult::Unchanged);
    EXPECT_EQ(m_dialogs.managerOpened, 1);
    EXPECT_EQ(memcmp(&Button(3), &before, sizeof before), 0);
    EXPECT_FALSE(Changed(3));
}

}  // namespace
