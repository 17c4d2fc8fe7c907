// Herald.exe in a program folder of its own, sent the notices Monitor sends
// and looked at the way a user meets it: on screen, above everything,
// never taking the focus or the pointer's clicks.
#include "herald/HeraldConstants.h"
#include "testing/DistFolder.h"
#include "testing/MessagePump.h"
#include "testing/PointerInput.h"
#include "testing/ProgramRun.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr char kTitle[] = "Zelkor_510-7716_Gaming_Mouse_Normal_OSD";
constexpr UINT kMsgNotice = 1324;
constexpr UINT kMsgDisplaySettings = 1326;
constexpr char kTestWindowClass[] = "HeraldTestBackdrop";
// Generous: Wine starts a process in about a second.
constexpr DWORD kDeadlineMs = 30000;

// Clicks that reached the backdrop window.
int g_backdropClicks = 0;

LRESULT CALLBACK BackdropProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) ++g_backdropClicks;
    return DefWindowProcA(window, message, wParam, lParam);
}

// A program folder holding Herald.exe, config.ini and the config folder.
class HeraldFolder {
public:
    HeraldFolder() {
        CreateDirectoryA((Path() + "config").c_str(), nullptr);
        m_ready = CopyFileA((testsupport::DistFolder() + "Herald.exe").c_str(), (Path() + "Herald.exe").c_str(),
                            FALSE) != FALSE;
    }
    ~HeraldFolder() {
        for (HANDLE process : m_processes) {
            if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
                HWND window = FindWindowA(nullptr, kTitle);
                if (window) PostMessageA(window, WM_CLOSE, 0, 0);
                if (WaitForSingleObject(process, kDeadlineMs) == WAIT_TIMEOUT) TerminateProcess(process, 1);
            }
            CloseHandle(process);
        }
    }

    bool Ready() const { return m_ready; }
    const std::string& Path() const { return m_folder.Path(); }

    HANDLE Start() {
        HANDLE process = testsupport::StartProgram("\"" + Path() + "Herald.exe\"", Path());
        if (process) m_processes.push_back(process);
        return process;
    }

    void WriteSetting(const char* section, const char* key, const std::string& value) const {
        WritePrivateProfileStringA(section, key, value.c_str(), (Path() + "config.ini").c_str());
    }
    void WriteProfileName(int slot, const std::string& name) const {
        const std::string file = Path() + "config\\Default" + std::to_string(slot) + ".gmp";
        WritePrivateProfileStringA("Setting", "ProFileName", name.c_str(), file.c_str());
    }

private:
    testsupport::TempFolder m_folder{"heraldtest"};
    bool m_ready = false;
    std::vector<HANDLE> m_processes;
};

// The window titled as the display window that belongs to this process.
HWND WaitForWindowOf(HANDLE process) {
    HWND found = nullptr;
    testsupport::PumpUntil(
        [&] {
            HWND window = FindWindowA(nullptr, kTitle);
            DWORD owner = 0;
            if (window) GetWindowThreadProcessId(window, &owner);
            if (window && owner == GetProcessId(process)) found = window;
            return found != nullptr;
        },
        kDeadlineMs);
    return found;
}

// Empty until the window has made its text field (it is found by its title
// before that); only the characters the call reports count.
std::string ShownText(HWND herald) {
    HWND field = GetDlgItem(herald, herald::kShownTextId);
    if (!field) return "";
    char text[512];
    const int length = GetWindowTextA(field, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

// A full-screen window of the test's own, in the foreground, under the notice.
HWND CreateBackdrop() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = BackdropProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kTestWindowClass;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    RegisterClassA(&windowClass);
    HWND backdrop = CreateWindowExA(0, kTestWindowClass, "Herald test backdrop", WS_POPUP | WS_VISIBLE, 0, 0,
                                    GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(backdrop);
    testsupport::PumpUntil([&] { return GetForegroundWindow() == backdrop; }, kDeadlineMs);
    return backdrop;
}

// A program folder of its own with Herald.exe.
class HeraldProgram : public ::testing::Test {
protected:
    void SetUp() override {
        if (!m_folder.Ready()) GTEST_SKIP() << "Herald.exe missing from the dist folder";
    }
    // Starts Herald.exe; its display window, or null.
    HWND StartHerald() {
        m_process = m_folder.Start();
        return m_process ? WaitForWindowOf(m_process) : nullptr;
    }

    HeraldFolder m_folder;
    HANDLE m_process = nullptr;  // the last one started; the folder closes it
};

struct NoticeRow {
    const char* what;
    WPARAM kind;
    LPARAM data;
    std::string expected;
};

TEST_F(HeraldProgram, Notices_ShowTheirTextOnTopWithoutTakingTheFocus) {
    m_folder.WriteProfileName(0, "Office");
    m_folder.WriteProfileName(4, "Sniper");
    m_folder.WriteSetting("OSDData", "Message", "CPI: 1600");
    m_folder.WriteSetting("MacroOSD", "Number", "3");
    m_folder.WriteSetting("MacroOSD", "MacroName", "Reload");

    HWND backdrop = CreateBackdrop();
    HWND herald = StartHerald();
    ASSERT_NE(herald, nullptr);
    EXPECT_FALSE(IsWindowVisible(herald)) << "no notice yet";

    const NoticeRow rows[] = {
        // Profile of the first slot, named in its profile file.
        {"profile slot 0", 40, 0 << 16, "Profile 1: Office"},
        // Profile of the last slot.
        {"profile slot 4", 40, 4 << 16, "Profile 5: Sniper"},
        // A slot without a profile file shows its default name.
        {"profile slot 2, no file", 40, 2 << 16, "Profile 3: Default3"},
        // The DPI notice: the text Monitor wrote.
        {"text", 50, 0, "CPI: 1600"},
        // The macro a button started.
        {"macro", 70, 0, "Macro: Reload"},
    };
    for (const NoticeRow& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(PostMessageA(herald, kMsgNotice, row.kind, row.data));
        // Poll briskly: the notice is up for about two seconds.
        EXPECT_TRUE(testsupport::PumpUntil(
            [&] { return IsWindowVisible(herald) && ShownText(herald) == row.expected; }, kDeadlineMs))
            << "shown: \"" << ShownText(herald) << "\"";
        const LONG_PTR exStyle = GetWindowLongPtrA(herald, GWL_EXSTYLE);
        const std::initializer_list<LONG_PTR> clickThrough = {WS_EX_LAYERED, WS_EX_TRANSPARENT, WS_EX_TOOLWINDOW,
                                                              WS_EX_TOPMOST, WS_EX_NOACTIVATE};
        for (LONG_PTR flag : clickThrough) {
            EXPECT_EQ(exStyle & flag, flag) << "extended style " << std::hex << flag;
        }
        EXPECT_EQ(GetForegroundWindow(), backdrop);
        // It fades out by itself; the window hides just before its text clears.
        EXPECT_TRUE(testsupport::PumpUntil([&] { return !IsWindowVisible(herald) && ShownText(herald).empty(); },
                                           kDeadlineMs))
            << "visible: " << IsWindowVisible(herald) << ", shown: \"" << ShownText(herald) << "\"";
    }

    ASSERT_TRUE(PostMessageA(herald, WM_CLOSE, 0, 0));
    EXPECT_EQ(WaitForSingleObject(m_process, kDeadlineMs), WAIT_OBJECT_0);
    DestroyWindow(backdrop);
}

TEST_F(HeraldProgram, Notices_NothingToShowKeepsTheWindowHidden) {
    m_folder.WriteSetting("OSDData", "Message", "");
    HWND herald = StartHerald();
    ASSERT_NE(herald, nullptr);

    // An empty message, a kind Monitor never sends, a slot beyond the fifth;
    // then a real notice, so that the three were surely handled before it.
    PostMessageA(herald, kMsgNotice, 50, 0);
    PostMessageA(herald, kMsgNotice, 60, 0);
    PostMessageA(herald, kMsgNotice, 40, 5 << 16);
    m_folder.WriteProfileName(1, "Games");
    PostMessageA(herald, kMsgNotice, 40, 1 << 16);
    std::vector<std::string> seen;
    testsupport::PumpUntil(
        [&] {
            const std::string text = ShownText(herald);
            if (!text.empty() && (seen.empty() || seen.back() != text)) seen.push_back(text);
            return text == "Profile 2: Games";
        },
        kDeadlineMs);
    EXPECT_EQ(seen, std::vector<std::string>{"Profile 2: Games"});
}

TEST_F(HeraldProgram, Clicks_PassThroughToTheWindowBelow) {
    m_folder.WriteSetting("OSDData", "Message", "CPI: 800");
    HWND backdrop = CreateBackdrop();
    HWND herald = StartHerald();
    ASSERT_NE(herald, nullptr);

    PostMessageA(herald, kMsgNotice, 50, 0);
    ASSERT_TRUE(testsupport::PumpUntil([&] { return IsWindowVisible(herald); }, kDeadlineMs));
    RECT panel{};
    GetWindowRect(herald, &panel);
    const POINT centre{(panel.left + panel.right) / 2, (panel.top + panel.bottom) / 2};
    // Near the bottom centre of the primary monitor.
    EXPECT_NEAR(centre.x, GetSystemMetrics(SM_CXSCREEN) / 2, 2);
    EXPECT_GT(centre.y, GetSystemMetrics(SM_CYSCREEN) / 2);

    EXPECT_NE(WindowFromPoint(centre), herald);
    g_backdropClicks = 0;
    SetCursorPos(centre.x, centre.y);
    testsupport::SendClickAt(centre);
    EXPECT_TRUE(testsupport::PumpUntil([] { return g_backdropClicks > 0; }, kDeadlineMs));
    EXPECT_EQ(GetForegroundWindow(), backdrop);
    DestroyWindow(backdrop);
}

TEST_F(HeraldProgram, Settings_RenamedProfileShowsOnTheNoticeStillUp) {
    m_folder.WriteProfileName(2, "Old name");
    HWND herald = StartHerald();
    ASSERT_NE(herald, nullptr);

    PostMessageA(herald, kMsgNotice, 40, 2 << 16);
    ASSERT_TRUE(testsupport::PumpUntil([&] { return ShownText(herald) == "Profile 3: Old name"; }, kDeadlineMs));
    m_folder.WriteProfileName(2, "New name");
    PostMessageA(herald, kMsgDisplaySettings, 0, 0);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return ShownText(herald) == "Profile 3: New name"; }, kDeadlineMs));
}

TEST_F(HeraldProgram, Lifetime_SecondStartLeavesAndCloseEnds) {
    HWND herald = StartHerald();
    ASSERT_NE(herald, nullptr);
    HANDLE first = m_process;

    HANDLE second = m_folder.Start();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(WaitForSingleObject(second, kDeadlineMs), WAIT_OBJECT_0) << "a second Herald stays";
    EXPECT_EQ(FindWindowA(nullptr, kTitle), herald);

    ASSERT_TRUE(PostMessageA(herald, WM_CLOSE, 0, 0));
    ASSERT_EQ(WaitForSingleObject(first, kDeadlineMs), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(first, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(FindWindowA(nullptr, kTitle), nullptr);
}

}  // namespace
