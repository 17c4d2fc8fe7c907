// The macro manager in the real Option.exe, as the macro page of the main
// window: a new macro named by typing, keystrokes injected by this process
// recorded through the keyboard hook, the context menu, and the macro file
// written by OK. Driven by pointer clicks and keystrokes through the system.
#include <algorithm>
#include <cstring>

#include "KeyboardHookRecorder.h"
#include "OptionProgramFixture.h"
#include "option/pages/win32/tests/UserInput.h"
#include "testing/DistFolder.h"
#include "testing/PointerInput.h"
#include "testing/ProgramRun.h"

namespace {

using optiontest::OptionFolder;
using optiontest::WaitFor;
using userinput::OpenMenus;

constexpr char kMenuClass[] = "#32768";

constexpr int kButtonTabKey = 47;
constexpr int kFourthAssignmentKey = 23;  // entry 3
constexpr char kFourthButtonPress[] = "0x0004";  // button number 4, press
// Keys of the manager's skin.
constexpr int kCancelKey = 2;
constexpr int kNewKey = 4;
constexpr int kDeleteKey = 5;
constexpr int kRecordKey = 7;
constexpr int kRecordDelaysKey = 8;
constexpr int kRepeatKey = 9;
constexpr int kRepeatCountKey = 10;
constexpr int kEventListId = 4097;

#pragma pack(push, 1)
struct StoredMacro {
    char name[52];
    int32_t repeatCount;
    int32_t eventCount;
    uint8_t events[40][4];  // key code, action, delay (little-endian)
};
#pragma pack(pop)
static_assert(sizeof(StoredMacro) == 220, "stored macro record");

using testsupport::SendKey;

void RightClickRow(HWND list, int row) {
    RECT place{};
    GetWindowRect(list, &place);
    const int rowHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    POINT point{(place.left + place.right) / 2, place.top + rowHeight * row + rowHeight / 2};
    OptionFolder::MovePointerAndWait(point.x, point.y);
    testsupport::SendClickAt(point, true);
}

LRESULT RowCount(HWND list) { return SendMessageA(list, LB_GETCOUNT, 0, 0); }

// With the function menu open: item `index` of its macro submenu, chosen
// with the keyboard (the first item of the menu is the macro submenu).
bool ChooseInMacroSubmenu(int index) {
    if (!WaitFor([] { return OpenMenus().size() == 1; })) return false;
    testsupport::PressKey(VK_DOWN);
    testsupport::PressKey(VK_RIGHT);
    if (!WaitFor([] { return OpenMenus().size() == 2; })) return false;
    for (int i = 0; i < index; ++i) testsupport::PressKey(VK_DOWN);
    testsupport::PressKey(VK_RETURN);
    return true;
}

bool Contains(const std::vector<uint8_t>& haystack, const std::vector<uint8_t>& needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) != haystack.end();
}

// Screenshot runs set MACRO_SCREENSHOT_PAUSE and take pictures of the
// screen from outside; the pause holds a state for them, nothing waits on it.
void HoldForScreenshot() {
    char value[8] = "";
    if (GetEnvironmentVariableA("MACRO_SCREENSHOT_PAUSE", value, sizeof value)) Sleep(2000);
}

// Clicks item `index` of the newest of `level` open menus, which has
// `count` items of one height (a skin menu without separators).
bool ClickOpenMenuItem(size_t level, int index, int count) {
    if (!WaitFor([&] { return OpenMenus().size() >= level; })) return false;
    RECT place{};
    GetWindowRect(OpenMenus().back(), &place);
    const int x = (place.left + place.right) / 2;
    const int y = place.top + (place.bottom - place.top) * (2 * index + 1) / (2 * count);
    OptionFolder::ClickAt(x, y);
    return true;
}

// Runs portioctl from the dist folder; true when the virtual mouse took it.
bool Portioctl(const std::string& arguments) {
    const std::string command = "\"" + testsupport::DistFolder() + "portioctl.exe\" --wait 30 " + arguments;
    return testsupport::RunProgram(command).exitCode == 0;
}

bool VisibleMenuOpen() {
    HWND menu = FindWindowA(kMenuClass, nullptr);
    return menu && IsWindowVisible(menu);
}

// The macro manager of a started Option, on the macro page or opened from a
// function menu, and the macro file its OK writes.
class MacroManagerProgram : public OptionProgramFixture {
protected:
    // Starts Option and shows the macro page; false when a window is missing.
    bool OpenPage() {
        HWND manager = nullptr;
        return StartOption() && m_folder.ClickUntil(m_option, kMainSkin, kMacroTabKey, [&] {
            return (manager = OptionFolder::WaitForShownChild(m_option, kManagerTitle, 0)) != nullptr;
        }) && TakeManager(manager);
    }
    bool TakeManager(HWND manager) {
        m_manager = manager;
        m_names = GetDlgItem(manager, kMacroNameListId);
        m_events = GetDlgItem(manager, kEventListId);
        return m_manager && m_names && m_events;
    }
    // One new macro typed into the in-place edit of the empty name list and
    // committed with Return; false when the list was not empty or the name
    // not committed (the edit still there or the new macro not selected).
    bool AddMacro(const char* name) {
        if (RowCount(m_names) != 0 || !ClickManager(kNewKey)) return false;
        if (!WaitFor([&] { return RowCount(m_names) == 1; })) return false;
        testsupport::TypeText(name);
        testsupport::PressKey(VK_RETURN);
        return WaitFor([&] { return FindWindowExA(m_names, nullptr, "Edit", nullptr) == nullptr; }) &&
               WaitFor([&] { return SendMessageA(m_names, LB_GETCURSEL, 0, 0) == 0; });
    }
    bool ClickManager(int key) const { return m_folder.Click(m_manager, kManagerSkin, key); }
    bool OkEnabled() const { return m_folder.ControlEnabled(m_manager, kManagerSkin, kManagerOkKey); }
    // Starts (with pauses when asked) or stops recording; OK is out of reach
    // while it records.
    bool SetRecording(bool on, bool withPauses = false) const {
        if (withPauses && !ClickManager(kRecordDelaysKey)) return false;
        return ClickManager(kRecordKey) && WaitFor([&] { return OkEnabled() != on; });
    }
    std::string MacroFile() const { return m_folder.Path() + "config\\sequence.dat"; }
    int StoredMacroCount() const { return GetPrivateProfileIntA("Macros", "number", -1, MacroFile().c_str()); }
    bool FirstStoredMacro(StoredMacro& stored) const {
        return GetPrivateProfileStructA("Macros", "0", &stored, sizeof stored, MacroFile().c_str()) != FALSE;
    }

    HWND m_manager = nullptr;
    HWND m_names = nullptr;
    HWND m_events = nullptr;
};

TEST_F(MacroManagerProgram, RecordsInjectedKeystrokesAndOkWritesTheMacroFile) {
    // New macro: the name is typed into the in-place edit; blanks around it go.
    ASSERT_TRUE(OpenPage());
    ASSERT_TRUE(AddMacro("  Jump "));

    // Record with pauses: Shift held over A, then a pause before the release.
    ASSERT_TRUE(SetRecording(true, true));
    auto lastLineIs = [&](LRESULT lines, LRESULT data) {
        const LRESULT count = RowCount(m_events);
        return count >= lines && SendMessageA(m_events, LB_GETITEMDATA, count - 1, 0) == data;
    };
    SendKey(VK_LSHIFT, false);
    ASSERT_TRUE(WaitFor([&] { return RowCount(m_events) >= 1; }));
    SendKey('A', false);
    SendKey('A', false);  // the keyboard's auto-repeat: dropped
    SendKey('A', true);
    // The pause runs from the moment Option takes A up, so wait for that first.
    ASSERT_TRUE(WaitFor([&] { return lastLineIs(3, 0x00030089); }));
    Sleep(300);  // a pause to be recorded, not a wait for the other process
    SendKey(VK_LSHIFT, true);
    // The last line is the event line of the fourth event, Shift up.
    ASSERT_TRUE(WaitFor([&] { return lastLineIs(5, 0x00040089); }));
    // Recording swallows the keyboard; the event list is out of reach.
    EXPECT_FALSE(IsWindowEnabled(m_events));
    HoldForScreenshot();
    ASSERT_TRUE(SetRecording(false));
    // Item data of the lines: event number and kind; pauses (any short
    // ones between the keystrokes, and the long one after A up) in between.
    std::vector<LRESULT> eventLines;
    bool longPauseLine = false;
    for (LRESULT row = 0; row < RowCount(m_events); ++row) {
        const LRESULT data = SendMessageA(m_events, LB_GETITEMDATA, row, 0);
        if ((data & 0xFFFF) == 0x87) longPauseLine = longPauseLine || data == 0x00030087;
        else eventLines.push_back(data);
    }
    const std::vector<LRESULT> expectedLines = {0x0001008A, 0x0002008A, 0x00030089, 0x00040089};
    EXPECT_EQ(eventLines, expectedLines);
    EXPECT_TRUE(longPauseLine);

    // The context menu opens on the event list after the recording.
    RightClickRow(m_events, 0);
    ASSERT_TRUE(WaitFor(VisibleMenuOpen));
    // Mouse events, left button, click: inserted before the event of the
    // right-clicked first line, press and release.
    const LRESULT linesBefore = RowCount(m_events);
    ASSERT_TRUE(ClickOpenMenuItem(1, 3, 6));
    ASSERT_TRUE(WaitFor([] { return OpenMenus().size() == 2; }));
    ASSERT_TRUE(ClickOpenMenuItem(2, 0, 5));
    ASSERT_TRUE(WaitFor([] { return OpenMenus().size() == 3; }));
    HoldForScreenshot();
    ASSERT_TRUE(ClickOpenMenuItem(3, 2, 3));
    ASSERT_TRUE(WaitFor([] { return !VisibleMenuOpen(); }));
    ASSERT_TRUE(WaitFor([&] { return RowCount(m_events) == linesBefore + 2; }));

    ASSERT_TRUE(ClickManager(kManagerOkKey));
    ASSERT_TRUE(WaitFor([&] { return StoredMacroCount() == 1; }));
    StoredMacro stored{};
    ASSERT_TRUE(FirstStoredMacro(stored));
    EXPECT_STREQ(stored.name, "Jump");
    EXPECT_EQ(stored.repeatCount, 1);
    ASSERT_EQ(stored.eventCount, 6);
    // Left click, then Shift down, A down, A up, Shift up.
    const uint8_t expected[6][2] = {{240, 1}, {240, 2}, {225, 1}, {4, 1}, {4, 2}, {225, 2}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(stored.events[i][0], expected[i][0]) << i;
        EXPECT_EQ(stored.events[i][1], expected[i][1]) << i;
    }
    EXPECT_EQ(stored.events[0][2] | stored.events[1][2], 0);  // inserted without pauses
    const int pause = stored.events[4][2] | (stored.events[4][3] << 8);
    EXPECT_GE(pause, 250);  // at least the 300 ms slept, less the tick's grain
    EXPECT_LT(pause, 65535);
}

TEST_F(MacroManagerProgram, PauseEditAndRepeatCountAreClampedAndStoredByOk) {
    ASSERT_TRUE(OpenPage());
    ASSERT_TRUE(AddMacro("Loop"));

    // A down, a pause, A up: three lines.
    ASSERT_TRUE(SetRecording(true, true));
    SendKey('A', false);
    ASSERT_TRUE(WaitFor([&] { return RowCount(m_events) == 1; }));  // taken by Option: the pause starts now
    Sleep(100);  // the pause to be recorded
    SendKey('A', true);
    ASSERT_TRUE(WaitFor([&] { return RowCount(m_events) == 3; }));
    ASSERT_TRUE(SetRecording(false));
    ASSERT_EQ(SendMessageA(m_events, LB_GETITEMDATA, 1, 0), 0x00010087);

    // Edit on the pause line; 70000 is more than a pause can hold.
    RightClickRow(m_events, 1);
    ASSERT_TRUE(WaitFor(VisibleMenuOpen));
    ASSERT_TRUE(ClickOpenMenuItem(1, 4, 6));
    ASSERT_TRUE(WaitFor([&] { return FindWindowExA(m_events, nullptr, "Edit", nullptr) != nullptr; }));
    testsupport::TypeText("70000");
    testsupport::PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return FindWindowExA(m_events, nullptr, "Edit", nullptr) == nullptr; }));

    // Repeat count 300: more than 255. The box is checked for a new macro.
    ASSERT_TRUE(ClickManager(kRepeatCountKey));
    for (int i = 0; i < 3; ++i) testsupport::PressKey(VK_BACK);
    // The numeric field takes the digit keys themselves.
    for (WORD digit : {'3', '0', '0'}) testsupport::PressKey(digit);
    testsupport::PressKey(VK_RETURN);
    ASSERT_TRUE(ClickManager(kManagerOkKey));
    StoredMacro stored{};
    ASSERT_TRUE(WaitFor([&] { return FirstStoredMacro(stored); }));
    EXPECT_STREQ(stored.name, "Loop");
    ASSERT_EQ(stored.eventCount, 2);
    EXPECT_EQ(stored.events[0][2] | (stored.events[0][3] << 8), 65535);
    EXPECT_EQ(stored.repeatCount, 255);

    // Repeat off: 1, whatever the count says.
    ASSERT_TRUE(ClickManager(kRepeatKey));
    ASSERT_TRUE(ClickManager(kManagerOkKey));
    EXPECT_TRUE(WaitFor([&] { return FirstStoredMacro(stored) && stored.repeatCount == 1; }));

    // Loop on entry 3, deleted, then Cancel: Apply writes the button still playing it.
    ASSERT_TRUE(ClickMain(kFourthAssignmentKey) && ChooseInMacroSubmenu(1));
    ASSERT_TRUE(WaitFor([] { return OpenMenus().empty(); }) && ClickManager(kDeleteKey));
    ASSERT_TRUE(m_folder.Click(m_folder.WaitForDialog(m_option), "skin_delete_macro_warn.ini", kWarningOkKey));
    ASSERT_TRUE(m_folder.ClickUntil(m_manager, kManagerSkin, kCancelKey, [&] { return RowCount(m_names) == 1; }));
    ASSERT_TRUE(ClickMain(kApplyKey));
    uint8_t entry[460] = {};  // a button assignment entry; byte 1 is its function code
    EXPECT_TRUE(WaitFor([&] { return GetPrivateProfileStructA("Setting", "MacroKeyInfo3", entry, sizeof entry,
        SlotFile(m_folder, 0).c_str()) && entry[1] == 16; })) << int(entry[1]);
}

// Recording swallows the keyboard, so it must end when its window can no
// longer be reached: here the page is hidden by another tab.
TEST_F(MacroManagerProgram, RecordingEndsWhenThePageIsHidden) {
    ASSERT_TRUE(OpenPage());
    ASSERT_TRUE(AddMacro("Held"));
    ASSERT_TRUE(SetRecording(true));
    SendKey('C', false);
    ASSERT_TRUE(WaitFor([&] { return RowCount(m_events) == 1; }));

    ASSERT_TRUE(ClickMain(kButtonTabKey));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(m_manager); }));
    SendKey('C', true);  // not captured any more
    ASSERT_TRUE(ClickMain(kMacroTabKey));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(m_manager) != FALSE; }));
    EXPECT_TRUE(WaitFor([&] { return OkEnabled(); }));
    EXPECT_TRUE(IsWindowEnabled(m_names));
    EXPECT_EQ(RowCount(m_events), 1);  // the press recorded before, kept
    // OK stores what was recorded.
    ASSERT_TRUE(ClickManager(kManagerOkKey));
    StoredMacro stored{};
    ASSERT_TRUE(WaitFor([&] { return FirstStoredMacro(stored); }));
    EXPECT_EQ(stored.eventCount, 1);
    EXPECT_EQ(stored.events[0][0], 6);  // C
}

TEST_F(MacroManagerProgram, RecordWithoutAMacroShowsTheWarning) {
    ASSERT_TRUE(OpenPage());
    ASSERT_TRUE(ClickManager(kRecordKey));
    HWND warning = m_folder.WaitForDialog(m_option);
    ASSERT_NE(warning, nullptr);
    // The keyboard is not captured: the warning's own button ends it.
    ASSERT_TRUE(m_folder.Click(warning, "skin_macro_set_warn.ini", kWarningOkKey));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(warning); }));
    EXPECT_TRUE(OkEnabled());
    EXPECT_EQ(RowCount(m_events), 0);
}

TEST_F(MacroManagerProgram, ModalFromTheFunctionMenuRecordsAndTheAssignedMacroReachesTheMouse) {
    ASSERT_TRUE(m_folder.StartAgent());
    ASSERT_TRUE(StartOption());
    // Function menu of entry 3, macro submenu: "select macro", then the
    // macros (none yet), then the macro manager.
    ASSERT_TRUE(ClickMain(kFourthAssignmentKey));
    ASSERT_TRUE(ChooseInMacroSubmenu(1));
    HWND manager = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (manager = FindWindowA(nullptr, kManagerTitle)) && IsWindowVisible(manager); }));
    EXPECT_FALSE(IsWindowEnabled(m_option));  // modal over the main window
    HoldForScreenshot();  // the main window, disabled, under the manager
    ASSERT_TRUE(TakeManager(manager));

    ASSERT_TRUE(AddMacro("Fire"));
    ASSERT_TRUE(SetRecording(true));
    SendKey('B', false);
    SendKey('B', true);
    ASSERT_TRUE(WaitFor([&] { return RowCount(m_events) == 2; }));
    ASSERT_TRUE(SetRecording(false));
    ASSERT_TRUE(ClickManager(kManagerOkKey));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(m_manager); }));
    ASSERT_EQ(StoredMacroCount(), 1);
    StoredMacro stored{};
    ASSERT_TRUE(FirstStoredMacro(stored));
    EXPECT_STREQ(stored.name, "Fire");
    EXPECT_EQ(stored.eventCount, 2);

    // Assign: the macro is now the second item of the macro submenu.
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(m_option) != FALSE; }));
    ASSERT_TRUE(ClickMain(kFourthAssignmentKey));
    ASSERT_TRUE(ChooseInMacroSubmenu(1));
    ASSERT_TRUE(WaitFor([] { return OpenMenus().empty(); }));
    ASSERT_TRUE(ClickMain(kApplyKey));
    // The mouse's macro block of the button: repeat count 1 (high byte
    // first), B pressed, B released, no pauses.
    const std::vector<uint8_t> block = {0x00, 0x01, 0x01, 0x05, 0x81, 0x05, 0x00};
    ASSERT_TRUE(WaitFor([&] { return Contains(m_folder.AllTransferBytes(), block); }));

    // The button pressed on the mouse: Monitor plays the macro as real
    // input, seen by this process's own low-level keyboard hook.
    agenttest::KeyboardHookRecorder hook;
    ASSERT_TRUE(hook.Installed());
    ASSERT_TRUE(Portioctl(std::string("event 0x4000 ") + kFourthButtonPress));
    ASSERT_TRUE(WaitFor([&] { return hook.Count() >= 2; }));
    const auto keys = hook.Keys();
    ASSERT_EQ(keys.size(), 2u);
    for (size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(keys[i].virtualKey, static_cast<DWORD>('B')) << i;
        EXPECT_EQ(keys[i].up, i == 1) << i;  // pressed, then released
    }
}

}  // namespace
