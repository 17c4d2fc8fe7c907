// Option.exe used by the keyboard alone: keystrokes through the system move
// the focus (found as the focused control's window text), press buttons and
// move a slider; the effects are read from the mouse's transfers and files.
#include <algorithm>

#include "OptionProgramFixture.h"

namespace {

using optiontest::SelectCommand;
using optiontest::WaitFor;

// Window texts: the hints and captions of skin_main.ini and skin_performance.ini.
constexpr char kSlotThreeText[] = "Edit profile 3";
constexpr char kApplyText[] = "Write the changes to the mouse";
constexpr char kPerformanceTabText[] = "Report rate and pointer settings";
constexpr char kTiltSliderText[] = "Horizontal scrolling speed of the tilt wheel";
constexpr int kMostTabs = 150;

class KeyboardProgram : public OptionProgramFixture {
protected:
    HWND Focus() const {
        GUITHREADINFO info{sizeof info};
        GetGUIThreadInfo(GetWindowThreadProcessId(m_option, nullptr), &info);
        return info.hwndFocus;
    }
    static std::string Text(HWND window) {
        char text[512] = {};
        GetWindowTextA(window, text, sizeof text);
        return text;
    }
    static void Press(BYTE key, bool shift = false) {
        if (shift) keybd_event(VK_SHIFT, 0, 0, 0);
        keybd_event(key, 0, 0, 0);
        keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
        if (shift) keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    }
    // Tab (Shift+Tab) until the control with this window text has the focus.
    bool TabTo(const std::string& text, bool backwards = false) const {
        for (int tabs = 0; tabs < kMostTabs && Text(Focus()) != text; ++tabs) {
            const HWND before = Focus();
            Press(VK_TAB, backwards);
            if (!WaitFor([&] { return Focus() != before; })) return false;
        }
        return Text(Focus()) == text;
    }
};

TEST_F(KeyboardProgram, SlotThreeApplyThenTiltSliderByKeys_ReachTheMouseAndTheSlotFile) {
    ASSERT_TRUE(m_folder.StartAgent());
    const size_t selectsBefore = m_folder.CountTransfers(SelectCommand(3));
    ASSERT_TRUE(StartOption());
    ASSERT_TRUE(TabTo(kSlotThreeText));
    Press(VK_SPACE);
    // Backwards from the slot buttons round the top of the window to Apply.
    ASSERT_TRUE(TabTo(kApplyText, true));
    Press(VK_SPACE);
    EXPECT_TRUE(m_folder.WaitForTransferCount(SelectCommand(3), selectsBefore + 1));
    EXPECT_TRUE(WaitFor([&] { return m_folder.Setting("Setting", "CurrentProfile") == "2"; }));
    ASSERT_TRUE(WaitFor([&] { return ApplyEnabled(); }));

    ASSERT_TRUE(TabTo(kPerformanceTabText));
    Press(VK_SPACE);
    ASSERT_TRUE(TabTo(kTiltSliderText));
    Press(VK_RIGHT);  // 3 -> 4
    Press(VK_PRIOR);  // a fifth of 1..10, rounded up: 4 -> 6
    ASSERT_TRUE(TabTo(kApplyText));
    Press(VK_SPACE);
    EXPECT_TRUE(WaitFor([&] { return ProfileValue(SlotFile(m_folder, 2), "TiltSpeed") == "6"; }));
}

TEST_F(KeyboardProgram, MainWindowControls_AreNamedAndInReadingOrder) {
    ASSERT_TRUE(StartOption());
    std::vector<std::string> texts;  // of the buttons, in the order Tab visits them
    for (HWND child = GetWindow(m_option, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char type[32] = {};
        GetClassNameA(child, type, sizeof type);
        if (lstrcmpiA(type, "Button") == 0) texts.push_back(Text(child));
    }
    ASSERT_EQ(texts.size(), 40u);  // every key of the table but the page area
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 3),
              (std::vector<std::string>{"Minimise the window", "Close without applying", "Edit profile 1"}));
    EXPECT_EQ(std::count(texts.begin(), texts.end(), std::string()), 0);
    // Hints, and the caption of the left button's assignment.
    for (const char* text : {kSlotThreeText, kApplyText, kPerformanceTabText, "Left Button"})
        EXPECT_EQ(std::count(texts.begin(), texts.end(), text), 1) << text;
}

}  // namespace
