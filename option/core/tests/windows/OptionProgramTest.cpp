// Option.exe with Monitor.exe and the virtual mouse in a program folder of
// their own, driven by pointer clicks at the centres of the skin rectangles.
#include <gtest/gtest.h>

#include "OptionFolder.h"

namespace {

using optiontest::kOpeningCommand;
using optiontest::OptionFolder;
using optiontest::SelectCommand;
using optiontest::WaitFor;

constexpr char kMainSkin[] = "skin_main.ini";
constexpr char kResetAllSkin[] = "skin_reset_all_warn.ini";
// Keys of the main window's skin.
constexpr int kFirstSlotKey = 5;
constexpr int kOkKey = 12;
constexpr int kApplyKey = 14;
constexpr int kResetAllKey = 45;
constexpr int kWarningOkKey = 1;

#define REQUIRE_READY(folder) \
    if (!(folder).Ready()) GTEST_SKIP() << (folder).MissingReason()

TEST(OptionProgram_WithAgent, SelectSlotThreeAndApplySelectsProfileFour) {
    OptionFolder folder;
    REQUIRE_READY(folder);
    ASSERT_TRUE(folder.StartAgent());
    const size_t selectsBefore = folder.CountTransfers(SelectCommand(4));
    HWND option = folder.StartOption();
    ASSERT_NE(option, nullptr);
    ASSERT_TRUE(folder.Click(option, kMainSkin, kFirstSlotKey + 3));
    ASSERT_TRUE(folder.Click(option, kMainSkin, kApplyKey));
    EXPECT_TRUE(folder.WaitForTransferCount(SelectCommand(4), selectsBefore + 1));
    EXPECT_TRUE(WaitFor([&] { return folder.Setting("Setting", "CurrentProfile") == "3"; }));
}

TEST(OptionProgram_WithAgent, SecondOptionEndsAtOnce) {
    OptionFolder folder;
    REQUIRE_READY(folder);
    HWND option = folder.StartOption();
    ASSERT_NE(option, nullptr);
    EXPECT_EQ(folder.RunSecondOption(), 0);
    // The first one still runs, alone.
    EXPECT_EQ(WaitForSingleObject(folder.OptionProcess(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(FindWindowExA(nullptr, option, nullptr, "TARVIK-Q7 Gaming Mouse Option"), nullptr);
}

TEST(OptionProgram_WithoutAgent, EditsTheStoredFiles) {
    OptionFolder folder;
    REQUIRE_READY(folder);
    HWND option = folder.StartOption();
    ASSERT_NE(option, nullptr);
    ASSERT_TRUE(folder.Click(option, kMainSkin, kFirstSlotKey + 4));
    // OK applies (without an agent the buttons come back at once) and closes.
    ASSERT_TRUE(folder.Click(option, kMainSkin, kOkKey));
    EXPECT_TRUE(folder.WaitForOptionEnd());
    EXPECT_EQ(folder.Setting("Setting", "CurrentProfile"), "4");
    for (int slot = 0; slot < 5; ++slot) {
        const std::string file = folder.Path() + "config\\Default" + std::to_string(slot) + ".gmp";
        char name[64] = {};
        GetPrivateProfileStringA("Setting", "ProFileName", "", name, sizeof name, file.c_str());
        EXPECT_EQ(std::string(name), "Default" + std::to_string(slot + 1)) << file;
        EXPECT_EQ(GetFileAttributesA((file + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES) << file;
    }
}

TEST(OptionProgram_WithAgent, RestartedAgentStartsAndWritesTheMouse) {
    OptionFolder folder;
    REQUIRE_READY(folder);
    ASSERT_TRUE(folder.StartAgent());
    HWND option = folder.StartOption();
    ASSERT_NE(option, nullptr);
    // Option has read the block under the settings mutex by now.
    ASSERT_TRUE(folder.Click(option, kMainSkin, kFirstSlotKey + 1));
    folder.KillAgent();
    // The new agent must not take the open Option for a running agent.
    ASSERT_TRUE(folder.StartAgent());
    EXPECT_EQ(folder.CountTransfers(kOpeningCommand), 2u);
    const size_t selectsBefore = folder.CountTransfers(SelectCommand(2));
    ASSERT_TRUE(folder.Click(option, kMainSkin, kApplyKey));
    EXPECT_TRUE(folder.WaitForTransferCount(SelectCommand(2), selectsBefore + 1));
    EXPECT_TRUE(WaitFor([&] { return folder.Setting("Setting", "CurrentProfile") == "1"; }));
}

TEST(OptionProgram_WithAgent, ResetAllAfterConfirmingSelectsProfileOne) {
    OptionFolder folder;
    REQUIRE_READY(folder);
    ASSERT_TRUE(folder.StartAgent());
    HWND option = folder.StartOption();
    ASSERT_NE(option, nullptr);
    ASSERT_TRUE(folder.Click(option, kMainSkin, kFirstSlotKey + 2));
    ASSERT_TRUE(folder.Click(option, kMainSkin, kApplyKey));
    ASSERT_TRUE(WaitFor([&] { return folder.Setting("Setting", "CurrentProfile") == "2"; }));
    // Commands wait until the agent has answered the apply.
    ASSERT_TRUE(WaitFor([&] { return folder.ControlEnabled(option, kMainSkin, kApplyKey); }));
    const size_t openingsBefore = folder.CountTransfers(kOpeningCommand);
    const size_t selectsBefore = folder.CountTransfers(SelectCommand(1));
    ASSERT_TRUE(folder.Click(option, kMainSkin, kResetAllKey));
    HWND warning = folder.WaitForDialog(option);
    ASSERT_NE(warning, nullptr);
    // The main window is frozen while the warning is open.
    EXPECT_FALSE(IsWindowEnabled(option));
    ASSERT_TRUE(folder.Click(warning, kResetAllSkin, kWarningOkKey));
    EXPECT_TRUE(folder.WaitForTransferCount(SelectCommand(1), selectsBefore + 1));
    EXPECT_TRUE(WaitFor([&] { return folder.Setting("Setting", "CurrentProfile") == "0"; }));
    EXPECT_GT(folder.CountTransfers(kOpeningCommand), openingsBefore);
    EXPECT_TRUE(IsWindowEnabled(option));
    EXPECT_TRUE(WaitFor([&] { return folder.ControlEnabled(option, kMainSkin, kApplyKey); }));
}

}  // namespace
