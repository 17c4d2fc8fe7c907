// The button assignment page in a host window, driven as a user drives it:
// real pointer clicks at the centres of buttons, menu items and skin
// rectangles, real keystrokes; then the host's edit copy is read.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <thread>

#include "option/core/win32/WarningDialog.h"
#include "option/macros/tests/MacroTestSupport.h"
#include "option/pages/win32/ButtonPage.h"
#include "option/pages/win32/PageSkins.h"
#include "option/pages/win32/tests/TestHost.h"
#include "option/pages/win32/tests/UserInput.h"
#include "skin/core/SkinMessages.h"
#include "skin/win32/MenuFrameHook.h"
#include "skin/win32/SkinButton.h"
#include "skin/win32/WindowSkin.h"
#include "testing/ClickUntil.h"
#include "testing/DistFolder.h"
#include "testing/MessagePump.h"
#include "testing/TempFolder.h"

namespace {

using namespace userinput;

// Positions of the function menu's items: five popups, then the items.
constexpr int kMacroPopup = 0;
constexpr int kMediaPopup = 1;
constexpr int kFirstPlainItem = 5;                       // 1001
constexpr int kKeyCombinationItem = kFirstPlainItem + 4;  // 1005
constexpr int kDisableItem = kFirstPlainItem + 5;         // 1006
constexpr int kRightButtonItem = kFirstPlainItem + 1;     // 1002
constexpr int kLaunchProgramItem = kFirstPlainItem + 13;  // after 1001..1012 and 1076
constexpr int kPlayerSettingsItem = 8;                    // in the media popup
constexpr int kWinampItem = 2;                            // in the player menu

// A script of user actions run beside the window's own thread; it records
// the first failure and leaves no menu or dialog open behind it.
class Driver {
public:
    void Run(const std::function<void(Driver&)>& script) {
        m_thread = std::thread([this, script] {
            script(*this);
            if (!m_failure.empty()) CloseEverything();
            m_done = true;
        });
    }
    bool Done() const { return m_done; }
    void Join() {
        if (m_thread.joinable()) m_thread.join();
    }
    const std::string& Failure() const { return m_failure; }

    bool Check(bool condition, const char* what) {
        if (!condition && m_failure.empty()) m_failure = what;
        return condition && m_failure.empty();
    }
    // Clicks item `index` of the newest of `level` open menus.
    bool ClickMenuItem(size_t level, int index) {
        HWND menu = WaitForMenus(level);
        if (!Check(menu != nullptr, "menu did not open")) return false;
        ClickAt(MenuItemCentre(menu, index));
        return true;
    }
    // With `done`, the click is given again while it shows no effect: for
    // the first click after a menu or dialog closed or a dialog opened.
    bool ClickSkinKey(const char* title, const char* skinFile, int key,
                      const std::function<bool(HWND)>& done = nullptr) {
        HWND dialog = WaitForWindow(title);
        if (!Check(dialog != nullptr, title)) return false;
        const POINT centre = SkinCentre(dialog, skinFile, key);
        if (!done) return ClickAt(centre), true;
        return Check(testsupport::ClickUntil(centre, [&] { return done(dialog); }, title), title);
    }

private:
    void CloseEverything() {
        // Every dialog of ours is a top-level window of the dialog class.
        HWND dialog = nullptr;
        while ((dialog = FindWindowExA(nullptr, dialog, "FrameDialog", nullptr)))
            if (IsWindowVisible(dialog)) PostMessageA(dialog, WM_CLOSE, 0, 0);
        for (HWND menu : OpenMenus()) PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    }

    std::thread m_thread;
    std::atomic<bool> m_done{false};
    std::string m_failure;
};

bool Closed(HWND dialog) { return !IsWindowVisible(dialog); }
bool MenuOpen(HWND) { return !OpenMenus().empty(); }

class ButtonPageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SetSkinFolder(testsupport::DistFolder() + "skins\\");
        MenuFrameHook::Install();
    }
    static void TearDownTestSuite() { MenuFrameHook::Uninstall(); }

    void SetUp() override {
        m_host.Macros().Append(MakeMacro("Jump", 3, {{44, 1, 25}, {44, 2, 0}}));
        m_host.Macros().Append(MakeMacro("Fire", 3, {{9, 1, 25}, {9, 2, 0}}));
        ASSERT_TRUE(m_host.Create(m_page));
        testsupport::PumpPending();
    }
    void TearDown() override {
        m_driver.Join();
        m_host.Destroy();
        testsupport::PumpPending();
    }

    // Runs the script while this thread keeps the windows alive.
    void Drive(const std::function<void(Driver&)>& script) {
        m_driver.Run(script);
        EXPECT_TRUE(testsupport::PumpUntil([&] { return m_driver.Done(); }, 120000));
        m_driver.Join();
        EXPECT_EQ(m_driver.Failure(), "");
        testsupport::PumpPending();
    }
    // Opens entry k's menu with a click on its button.
    void OpenMenu(Driver& driver, int entry) {
        driver.Check(testsupport::ClickUntil(CentreOf(m_page.EntryButton(entry)->Handle()), [] { return MenuOpen(nullptr); },
                                             "entry button"),
                     "menu did not open");
    }
    ButtonAssignmentEntry& Entry(int k) { return CurrentProfile(m_host.EditCopy()).MacroKeyInfo[k]; }
    bool Changed(int k) { return m_host.EditCopy().ButtonChanged[m_host.EditCopy().CurrentSlot][k] == 1; }
    std::string Caption(int k) { return m_page.EntryButton(k)->Caption(); }

    testsupport::TempFolder m_folder{"pages"};
    TestHost m_host{m_folder.Path()};
    ButtonPage m_page;
    Driver m_driver;
};

TEST_F(ButtonPageTest, Captions_ShowTheDefaultFunctions) {
    Screenshot("page");
    const char* expected[kButtonCount] = {"Left Button", "Right Button", "Middle Button", "Forward",
                                          "Backward",    "DPI Cycle",    "Mode Switch",   "Disabled",
                                          "Disabled",    "Disabled",     "Disabled",      "Disabled",
                                          "Disabled",    "Disabled",     "Scroll Up",     "Scroll Down"};
    for (int k = 0; k < kButtonCount; ++k) EXPECT_EQ(Caption(k), expected[k]) << k;
    // Each button sits at its skin rectangle, "20" + k.
    RECT place{};
    GetWindowRect(m_page.EntryButton(15)->Handle(), &place);
    POINT origin{0, 0};
    ClientToScreen(static_cast<HWND>(m_page.PageWindow()), &origin);
    EXPECT_EQ(place.left - origin.x, 383);
    EXPECT_EQ(place.top - origin.y, 261);
}

TEST_F(ButtonPageTest, DisableItem_StoresCodeSixAndItsCaption) {
    m_host.EditCopy().CurrentSlot = 2;
    m_page.Refresh();
    Drive([&](Driver& driver) {
        OpenMenu(driver, 3);
        driver.ClickMenuItem(1, kDisableItem);
        driver.Check(WaitFor([] { return OpenMenus().empty(); }), "menu stayed open");
    });
    EXPECT_EQ(Entry(3).FunctionCode, 6);
    EXPECT_EQ(Entry(3).ItemCount, 0);
    EXPECT_TRUE(Changed(3));
    EXPECT_EQ(m_host.EditCopy().Profiles[0].MacroKeyInfo[3].FunctionCode, 7);  // other slots untouched
    EXPECT_EQ(Caption(3), "Disabled");
    EXPECT_GE(m_host.RefreshCount(), 1);
}

TEST_F(ButtonPageTest, OnlyLeftButton_IsKeptWithTheClickWarning) {
    Drive([&](Driver& driver) {
        OpenMenu(driver, 0);
        if (!driver.ClickMenuItem(1, kRightButtonItem)) return;
        HWND warning = WaitForOwnedDialog(m_host.Handle());
        if (!driver.Check(warning != nullptr, "no click warning")) return;
        Screenshot("click_warning");
        testsupport::ClickUntil(SkinCentre(warning, warning::kClickSkin, 1), [&] { return Closed(warning); }, "OK");
        driver.Check(WaitForOwnedDialogGone(m_host.Handle()), "warning stayed open");
    });
    EXPECT_EQ(m_page.LastResult(), AssignResult::Refused);
    EXPECT_EQ(Entry(0).FunctionCode, 1);
    EXPECT_FALSE(Changed(0));
    EXPECT_EQ(Caption(0), "Left Button");
}

TEST_F(ButtonPageTest, ShortcutDialog_CapturesTheLastKeyAndTheToggles) {
    Drive([&](Driver& driver) {
        OpenMenu(driver, 4);
        if (!driver.ClickMenuItem(1, kKeyCombinationItem)) return;
        HWND dialog = WaitForWindow(shortcutdialog::kTitle);
        if (!driver.Check(dialog != nullptr, "no shortcut dialog")) return;
        HWND field = GetDlgItem(dialog, shortcutdialog::kKeyFieldId);
        auto fieldText = [field] {
            char text[64] = "";
            GetWindowTextA(field, text, sizeof text);
            return std::string(text);
        };
        // Two keys in a row: only the last one counts.
        PressKey('K');
        driver.Check(WaitFor([&] { return fieldText() == "K"; }), "K not shown");
        PressKey(VK_F5);
        driver.Check(WaitFor([&] { return fieldText() == "F5"; }), "F5 not shown");
        // The toggle of bit 2, labelled Ctrl.
        driver.ClickSkinKey(shortcutdialog::kTitle, shortcutdialog::kSkinFile, shortcutdialog::kFirstToggle + 2,
                            [](HWND shown) {
                                auto* toggle = dynamic_cast<SkinButton*>(SubclassedControl::FromHandle(WindowFromPoint(
                                    SkinCentre(shown, shortcutdialog::kSkinFile, shortcutdialog::kFirstToggle + 2))));
                                return toggle && toggle->Selected();
                            });
        Screenshot("shortcut_dialog");
        driver.ClickSkinKey(shortcutdialog::kTitle, shortcutdialog::kSkinFile, shortcutdialog::kOk);
        driver.Check(WaitForWindowGone(shortcutdialog::kTitle), "shortcut dialog stayed open");
    });
    EXPECT_EQ(Entry(4).FunctionCode, 5);
    EXPECT_EQ(Entry(4).ItemCount, 1);
    EXPECT_EQ(Entry(4).Data[0], 62);  // F5
    EXPECT_EQ(Entry(4).Data[1], 0x04);
    EXPECT_TRUE(Changed(4));
    // The page names bit 2 "Shift+".
    EXPECT_EQ(Caption(4), "Shift+F5");
}

TEST_F(ButtonPageTest, ShortcutDialog_ShowsThePresetKeyAndCancelKeepsTheEntry) {
    // Entry 9 holds A with modifier bits 1 and 3.
    Entry(9).FunctionCode = 5;
    Entry(9).ItemCount = 1;
    Entry(9).Data[0] = 4;
    Entry(9).Data[1] = 0x0A;
    m_page.Refresh();
    EXPECT_EQ(Caption(9), "Ctrl+Alt+A");
    ButtonAssignmentEntry before = Entry(9);
    std::string presetText;
    Drive([&](Driver& driver) {
        OpenMenu(driver, 9);
        if (!driver.ClickMenuItem(1, kKeyCombinationItem)) return;
        HWND dialog = WaitForWindow(shortcutdialog::kTitle);
        if (!driver.Check(dialog != nullptr, "no shortcut dialog")) return;
        char text[64] = "";
        GetWindowTextA(GetDlgItem(dialog, shortcutdialog::kKeyFieldId), text, sizeof text);
        presetText = text;
        PressKey('Q');
        driver.ClickSkinKey(shortcutdialog::kTitle, shortcutdialog::kSkinFile, shortcutdialog::kCancel, Closed);
        driver.Check(WaitForWindowGone(shortcutdialog::kTitle), "shortcut dialog stayed open");
    });
    EXPECT_EQ(presetText, "A");
    EXPECT_EQ(memcmp(&Entry(9), &before, sizeof before), 0);
    EXPECT_FALSE(Changed(9));
}

TEST_F(ButtonPageTest, LaunchProgram_StoresTheTypedPath) {
    Drive([&](Driver& driver) {
        OpenMenu(driver, 5);
        if (!driver.ClickMenuItem(1, kLaunchProgramItem)) return;
        auto fieldFocused = [](HWND dialog) {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) &&
                   info.hwndFocus == GetDlgItem(dialog, programdialog::kPathFieldId);
        };
        if (!driver.ClickSkinKey(programdialog::kTitle, programdialog::kSkinFile, programdialog::kPathField,
                                 fieldFocused))
            return;
        TypeText("C:\\Games\\run.exe");
        HWND field = GetDlgItem(FindWindowA(nullptr, programdialog::kTitle), programdialog::kPathFieldId);
        driver.Check(WaitFor([&] { return GetWindowTextLengthA(field) == 16; }), "path not typed");
        Screenshot("launch_program_dialog");
        driver.ClickSkinKey(programdialog::kTitle, programdialog::kSkinFile, programdialog::kOk);
        driver.Check(WaitForWindowGone(programdialog::kTitle), "program dialog stayed open");
    });
    EXPECT_EQ(Entry(5).FunctionCode, 17);
    EXPECT_STREQ(Entry(5).ProgramPath, "C:\\Games\\run.exe");
    EXPECT_EQ(Caption(5), "run.exe");
    EXPECT_TRUE(Changed(5));
}

TEST_F(ButtonPageTest, PlayerChoice_SetsMediaOptionFromItsMenu) {
    CurrentProfile(m_host.EditCopy()).MediaOption = 2;
    Drive([&](Driver& driver) {
        OpenMenu(driver, 6);
        if (!driver.ClickMenuItem(1, kMediaPopup)) return;
        if (!driver.ClickMenuItem(2, kPlayerSettingsItem)) return;
        HWND dialog = WaitForWindow(playerdialog::kTitle);
        if (!driver.Check(dialog != nullptr, "no player dialog")) return;
        Screenshot("player_dialog");
        if (!driver.ClickSkinKey(playerdialog::kTitle, playerdialog::kSkinFile, playerdialog::kPlayer, MenuOpen)) return;
        Screenshot("player_menu");
        driver.ClickMenuItem(1, kWinampItem);
        driver.Check(WaitFor([] { return OpenMenus().empty(); }), "player menu stayed open");
        driver.ClickSkinKey(playerdialog::kTitle, playerdialog::kSkinFile, playerdialog::kOk, Closed);
        driver.Check(WaitForWindowGone(playerdialog::kTitle), "player dialog stayed open");
    });
    EXPECT_EQ(CurrentProfile(m_host.EditCopy()).MediaOption, 3);
    EXPECT_EQ(Entry(6).FunctionCode, 86);  // the entry itself stays
    EXPECT_FALSE(Changed(6));
}

TEST_F(ButtonPageTest, SelectMacro_CopiesTheChosenMacroWithItsOption) {
    Drive([&](Driver& driver) {
        OpenMenu(driver, 7);
        if (!driver.ClickMenuItem(1, kMacroPopup)) return;
        Screenshot("function_menu");
        if (!driver.ClickMenuItem(2, 0)) return;
        if (!driver.ClickSkinKey(macrodialog::kTitle, macrodialog::kSkinFile, macrodialog::kMacro, MenuOpen)) return;
        if (!driver.ClickMenuItem(1, 1)) return;  // "Fire"
        driver.Check(WaitFor([] { return OpenMenus().empty(); }), "macro menu stayed open");
        driver.ClickSkinKey(macrodialog::kTitle, macrodialog::kSkinFile, macrodialog::kFirstOption + 2, [](HWND dialog) {
            POINT at = SkinCentre(dialog, macrodialog::kSkinFile, macrodialog::kFirstOption + 2);
            ScreenToClient(dialog, &at);
            auto* option = dynamic_cast<SkinButton*>(SubclassedControl::FromHandle(ChildWindowFromPoint(dialog, at)));
            return option && option->Selected();
        });
        Screenshot("macro_dialog");
        driver.ClickSkinKey(macrodialog::kTitle, macrodialog::kSkinFile, macrodialog::kOk);
        driver.Check(WaitForWindowGone(macrodialog::kTitle), "macro dialog stayed open");
    });
    EXPECT_EQ(Entry(7).FunctionCode, 16);
    EXPECT_STREQ(Entry(7).Name, "Fire");
    EXPECT_EQ(Entry(7).MacroOption, 2);
    EXPECT_EQ(Entry(7).RepeatCount, 3);
    EXPECT_EQ(Entry(7).ItemCount, 2);
    EXPECT_EQ(Entry(7).Data[0], 9);
    EXPECT_EQ(Caption(7), "Fire");
    EXPECT_TRUE(Changed(7));
}

TEST_F(ButtonPageTest, MainWindowMenu_ListsTheMacrosAndAssignsOne) {
    // The main window's assignment buttons use the same chooser with the
    // macros of the list in the macro popup: 1050, then 1100 "Jump", 1101 "Fire".
    ButtonFunctionChooser chooser(m_host, true);
    Entry(10).MacroOption = 1;
    m_driver.Run([&](Driver& driver) {
        if (!driver.ClickMenuItem(1, kMacroPopup)) return;
        if (!driver.Check(WaitForMenus(2) != nullptr, "no macro popup")) return;
        Screenshot("main_window_macro_menu");
        driver.ClickMenuItem(2, 2);
        driver.Check(WaitFor([] { return OpenMenus().empty(); }), "menu stayed open");
    });
    EXPECT_EQ(chooser.Choose(m_host.Handle(), *m_page.EntryButton(10), 10), AssignResult::Assigned);
    ASSERT_TRUE(testsupport::PumpUntil([&] { return m_driver.Done(); }));
    m_driver.Join();
    EXPECT_EQ(m_driver.Failure(), "");
    EXPECT_EQ(Entry(10).FunctionCode, 16);
    EXPECT_STREQ(Entry(10).Name, "Fire");
    EXPECT_EQ(Entry(10).MacroOption, 1);  // a macro number keeps the option
    EXPECT_TRUE(Changed(10));
    EXPECT_EQ(chooser.Caption(10, PrefixOrder::MainWindow), "Fire");
}

TEST_F(ButtonPageTest, Hover_IsPassedToTheMainWindowWithTheButtonsTag) {
    Drive([&](Driver& driver) {
        MoveTo(CentreOf(m_page.EntryButton(2)->Handle()));
        Sleep(50);
        MoveTo(CentreOf(m_page.EntryButton(11)->Handle()));
        driver.Check(true, "");
    });
    // The pointer may have started over another button: look for 202, then 211.
    auto enteredInOrder = [&] {
        const std::vector<LPARAM>& tags = m_host.HoverTags();
        auto first = std::find(tags.begin(), tags.end(), 202);
        return first != tags.end() && std::find(first, tags.end(), 211) != tags.end();
    };
    EXPECT_TRUE(testsupport::PumpUntil(enteredInOrder));
}

}  // namespace
