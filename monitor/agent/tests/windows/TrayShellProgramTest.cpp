// Monitor.exe's tray icon against a stand-in shell: a window of the shell's
// tray class in this process, which is where Shell_NotifyIcon sends its
// requests (WM_COPYDATA with the request in dwData). The stand-in refuses
// the first adds as a shell that is not ready yet, restarts, and sees the
// removal.
#include "ProgramFolder.h"

#include "testing/MessagePump.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using agenttest::ProgramFolder;

constexpr char kTrayClass[] = "Shell_TrayWnd";
constexpr DWORD kDeadlineMs = 60000;

struct Request {
    ULONG_PTR kind;  // NIM_ADD, NIM_DELETE, ...
    HWND owner;
    bool accepted;
};

class StandInShell {
public:
    StandInShell() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kTrayClass;
        RegisterClassA(&windowClass);
        // Topmost, so that the shell's search by class finds it before a real
        // tray window that Wine's desktop process may have made.
        m_window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kTrayClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~StandInShell() {
        if (m_window) DestroyWindow(m_window);
        UnregisterClassA(kTrayClass, GetModuleHandleA(nullptr));
    }
    StandInShell(const StandInShell&) = delete;
    StandInShell& operator=(const StandInShell&) = delete;

    // Up, and the window the shell's search finds.
    bool Up() const { return m_window != nullptr && FindWindowA(kTrayClass, nullptr) == m_window; }

    static std::vector<Request> s_requests;
    static bool s_accepting;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != WM_COPYDATA) return DefWindowProcA(window, message, wParam, lParam);
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        s_requests.push_back({data->dwData, reinterpret_cast<HWND>(wParam), s_accepting});
        return s_accepting ? TRUE : FALSE;
    }

    HWND m_window = nullptr;
};

std::vector<Request> StandInShell::s_requests;
bool StandInShell::s_accepting = true;

size_t CountRequests(ULONG_PTR kind, HWND owner, bool accepted) {
    size_t count = 0;
    for (const Request& request : StandInShell::s_requests)
        count += request.kind == kind && request.owner == owner && request.accepted == accepted;
    return count;
}

TEST(AgentTray_StandInShell, IconAddedWhenTheShellTakesItLateAndAfterTheShellRestarts) {
    // A shell that is not ready yet refuses the agent's first add.
    StandInShell shell;
    if (!shell.Up()) GTEST_SKIP() << "the shell's own tray window is found before the stand-in";
    StandInShell::s_requests.clear();
    StandInShell::s_accepting = false;
    ProgramFolder folder;
    REQUIRE_READY(folder);
    folder.StartAgent();
    HWND agent = folder.WaitForAgentWindow();
    ASSERT_NE(agent, nullptr);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return CountRequests(NIM_ADD, agent, false) >= 1; }, kDeadlineMs));

    // The shell is ready now: the retry timer adds the icon.
    StandInShell::s_accepting = true;
    EXPECT_TRUE(testsupport::PumpUntil([&] { return CountRequests(NIM_ADD, agent, true) == 1; }, kDeadlineMs));

    // The shell restarted: its broadcast brings the icon back.
    StandInShell::s_requests.clear();
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return CountRequests(NIM_ADD, agent, true) == 1; }, kDeadlineMs));

    // The mouse unplugged: the icon goes.
    StandInShell::s_requests.clear();
    std::string output;
    EXPECT_EQ(agenttest::RunPortioctl("detach", &output), 0) << output;
    EXPECT_TRUE(testsupport::PumpUntil([&] { return CountRequests(NIM_DELETE, agent, true) == 1; }, kDeadlineMs));
}

}  // namespace
