// Option.exe with Monitor.exe and the virtual mouse in a program folder of
// their own, driven by pointer clicks at the centres of the skin rectangles.
#include "OptionProgramFixture.h"
#include "option/pages/FunctionMenuLayout.h"

namespace {

using optiontest::kOpeningCommand;
using optiontest::OptionFolder;
using optiontest::SelectCommand;
using optiontest::WaitFor;

constexpr int kTopButtonKey = 26;  // the assignment button of entry 6
// The shortcut dialog.
constexpr char kShortcutTitle[] = "R.ZENT Shortcut Dialog";
constexpr char kShortcutSkin[] = "skin_shortcut.ini";
constexpr int kShortcutCtrlKey = 7;  // modifier bit 2
constexpr int kShortcutOkKey = 2;
constexpr unsigned kKeyCombinationItem = 1005;
constexpr char kMenuWindowClass[] = "#32768";

using OptionProgram = OptionProgramFixture;

TEST_F(OptionProgram, WithAgent_SelectSlotThreeAndApplySelectsProfileFour) {
    ASSERT_TRUE(m_folder.StartAgent());
    const size_t selectsBefore = m_folder.CountTransfers(SelectCommand(4));
    ASSERT_TRUE(StartOption());
    ASSERT_TRUE(ClickSlotThenApply(m_folder, m_option, 3));
    EXPECT_TRUE(m_folder.WaitForTransferCount(SelectCommand(4), selectsBefore + 1));
    EXPECT_TRUE(WaitFor([&] { return m_folder.Setting("Setting", "CurrentProfile") == "3"; }));
}

TEST_F(OptionProgram, WithAgent_SecondOptionEndsAtOnce) {
    ASSERT_TRUE(StartOption());
    EXPECT_EQ(m_folder.RunSecondOption(), 0);
    // The first one still runs, alone.
    EXPECT_EQ(WaitForSingleObject(m_folder.OptionProcess(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(FindWindowExA(nullptr, m_option, nullptr, kOptionTitle), nullptr);
}

TEST_F(OptionProgram, WithoutAgent_EditsTheStoredFiles) {
    ASSERT_TRUE(StartOption());
    ASSERT_TRUE(ClickMain(kFirstSlotKey + 4));
    // OK applies (without an agent the buttons come back at once) and closes.
    ASSERT_TRUE(ClickMain(kOkKey));
    EXPECT_TRUE(m_folder.WaitForOptionEnd());
    EXPECT_EQ(m_folder.Setting("Setting", "CurrentProfile"), "4");
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const std::string file = SlotFile(m_folder, slot);
        EXPECT_EQ(ProfileValue(file, "ProFileName"), "Default" + std::to_string(slot + 1)) << file;
        EXPECT_EQ(GetFileAttributesA((file + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES) << file;
    }
}

TEST_F(OptionProgram, WithAgent_RestartedAgentStartsAndWritesTheMouse) {
    ASSERT_TRUE(m_folder.StartAgent());
    ASSERT_TRUE(StartOption());
    // Option has read the block under the settings mutex by now.
    ASSERT_TRUE(ClickMain(kFirstSlotKey + 1));
    m_folder.KillAgent();
    // The new agent must not take the open Option for a running agent.
    ASSERT_TRUE(m_folder.StartAgent());
    EXPECT_EQ(m_folder.CountTransfers(kOpeningCommand), 2u);
    const size_t selectsBefore = m_folder.CountTransfers(SelectCommand(2));
    ASSERT_TRUE(ClickMain(kApplyKey));
    EXPECT_TRUE(m_folder.WaitForTransferCount(SelectCommand(2), selectsBefore + 1));
    EXPECT_TRUE(WaitFor([&] { return m_folder.Setting("Setting", "CurrentProfile") == "1"; }));
}

TEST_F(OptionProgram, WithAgent_ResetAllAfterConfirmingSelectsProfileOne) {
    ASSERT_TRUE(m_folder.StartAgent());
    ASSERT_TRUE(StartOption());
    ASSERT_TRUE(ClickSlotThenApply(m_folder, m_option, 2));
    ASSERT_TRUE(WaitFor([&] { return m_folder.Setting("Setting", "CurrentProfile") == "2"; }));
    // Commands wait until the agent has answered the apply.
    ASSERT_TRUE(WaitFor([&] { return ApplyEnabled(); }));
    const size_t openingsBefore = m_folder.CountTransfers(kOpeningCommand);
    const size_t selectsBefore = m_folder.CountTransfers(SelectCommand(1));
    ASSERT_TRUE(ClickMain(kResetAllKey));
    HWND warning = m_folder.WaitForDialog(m_option);
    ASSERT_NE(warning, nullptr);
    // The main window is frozen while the warning is open.
    EXPECT_FALSE(IsWindowEnabled(m_option));
    ASSERT_TRUE(m_folder.Click(warning, kResetAllSkin, kWarningOkKey));
    EXPECT_TRUE(m_folder.WaitForTransferCount(SelectCommand(1), selectsBefore + 1));
    EXPECT_TRUE(WaitFor([&] { return m_folder.Setting("Setting", "CurrentProfile") == "0"; }));
    EXPECT_GT(m_folder.CountTransfers(kOpeningCommand), openingsBefore);
    EXPECT_TRUE(IsWindowEnabled(m_option));
    EXPECT_TRUE(WaitFor([&] { return ApplyEnabled(); }));
}

TEST_F(OptionProgram, WithAgent_KeyCombinationThroughTheShortcutDialogReachesTheMouse) {
    ASSERT_TRUE(m_folder.StartAgent());
    // Slot 0 (the start's current slot) gets its button map again.
    const std::vector<uint8_t> buttonMap = {0x0D, 0x01, 0x80, 0x00, 0x00, 0x00, 0x00, 0x71};
    const size_t mapsBefore = m_folder.CountTransfers(buttonMap);
    ASSERT_TRUE(StartOption());

    // Where the key-combination item sits in the function menu.
    const std::vector<FunctionMenuItem> menu = BuildFunctionMenu();
    size_t position = 0;
    while (position < menu.size() && menu[position].identifier != kKeyCombinationItem) ++position;
    ASSERT_LT(position, menu.size());

    ASSERT_TRUE(ClickMain(kTopButtonKey));
    ASSERT_NE(m_folder.WaitForWindowOfClass(kMenuWindowClass, nullptr), nullptr);
    for (size_t step = 0; step <= position; ++step) testsupport::PressKey(VK_DOWN);
    testsupport::PressKey(VK_RETURN);
    HWND shortcut = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (shortcut = FindWindowA(nullptr, kShortcutTitle)) && IsWindowVisible(shortcut); }));
    testsupport::PressKey('K');
    ASSERT_TRUE(m_folder.ClickUntilChanged(shortcut, kShortcutSkin, kShortcutCtrlKey, kShortcutCtrlKey));
    ASSERT_TRUE(m_folder.Click(shortcut, kShortcutSkin, kShortcutOkKey));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(shortcut); }));

    ASSERT_TRUE(ClickMain(kApplyKey));
    ASSERT_TRUE(m_folder.WaitForTransferCount(buttonMap, mapsBefore + 1));
    // Entry 6's map entry, bytes 24..27: a key combination (type 0), the
    // modifier byte 0x04 (Ctrl) shifted right by one, the key code of K
    // (0x0E); a key combination has no macro report.
    std::vector<uint8_t> data;
    ASSERT_TRUE(WaitFor([&] { return (data = m_folder.DataAfterLast(buttonMap)).size() >= 28; }));
    EXPECT_EQ(std::vector<uint8_t>(data.begin() + 24, data.begin() + 28), (std::vector<uint8_t>{0x00, 0x02, 0x0E, 0x00}));
    const std::vector<uint8_t> macroReportOfEntry6 = {0x0F, 0x07, 0x80, 0x00, 0x00, 0x00, 0x00, 0x69};
    EXPECT_EQ(m_folder.CountTransfers(macroReportOfEntry6), 0u);
}

}  // namespace
