#include "monitor/actions/win32/Win32Windows.h"

#include "monitor/actions/ActionConstants.h"

#include <windows.h>

namespace actions {

static_assert(kWmKeyDown == WM_KEYDOWN && kWmKeyUp == WM_KEYUP && kWmCommand == WM_COMMAND);
static_assert(kWmHScroll == WM_HSCROLL && kWmAppCommand == WM_APPCOMMAND);
static_assert(kSbLineLeft == SB_LINELEFT && kSbLineRight == SB_LINERIGHT);
static_assert(kStyleHScroll == WS_HSCROLL && kSbsVert == SBS_VERT && kSbsSizeBox == SBS_SIZEBOX);

namespace {

// A player that hangs must not hang the agent with it.
constexpr UINT kSendTimeoutMilliseconds = 5000;
constexpr int kClassNameCapacity = 256;

HWND Handle(WindowId window) { return reinterpret_cast<HWND>(window); }
WindowId Id(HWND window) { return reinterpret_cast<WindowId>(window); }

}  // namespace

WindowId Win32Windows::Find(const char* className, const char* title) { return Id(FindWindowA(className, title)); }

bool Win32Windows::Post(WindowId window, unsigned message, uintptr_t wParam, intptr_t lParam) {
    return PostMessageA(Handle(window), message, wParam, lParam) != FALSE;
}

intptr_t Win32Windows::Send(WindowId window, unsigned message, uintptr_t wParam, intptr_t lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(Handle(window), message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                        kSendTimeoutMilliseconds, &result);
    return static_cast<intptr_t>(result);
}

void Win32Windows::BringToFront(WindowId window) {
    // SetForegroundWindow only works from the thread that has the input, so
    // the agent's thread shares the foreground thread's input for the call.
    const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const DWORD ownThread = GetWindowThreadProcessId(Handle(m_ownWindow), nullptr);
    const bool attached = foregroundThread && ownThread && foregroundThread != ownThread &&
                          AttachThreadInput(foregroundThread, ownThread, TRUE);
    SetForegroundWindow(Handle(window));
    if (attached) AttachThreadInput(foregroundThread, ownThread, FALSE);
}

uint32_t Win32Windows::ForegroundProcessId() {
    HWND foreground = GetForegroundWindow();
    if (!foreground) return 0;
    DWORD processId = 0;
    GetWindowThreadProcessId(foreground, &processId);
    return processId;
}

WindowId Win32Windows::WindowAt(ScreenPoint point) { return Id(WindowFromPoint(POINT{point.X, point.Y})); }

WindowId Win32Windows::DesktopWindow() { return Id(GetDesktopWindow()); }

std::string Win32Windows::ClassName(WindowId window) {
    char name[kClassNameCapacity] = {};
    const int length = GetClassNameA(Handle(window), name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

WindowId Win32Windows::Parent(WindowId window) { return Id(GetParent(Handle(window))); }

uint32_t Win32Windows::Style(WindowId window) {
    return static_cast<uint32_t>(GetWindowLongPtrA(Handle(window), GWL_STYLE));
}

WindowRect Win32Windows::Rect(WindowId window) {
    RECT rect{};
    GetWindowRect(Handle(window), &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

WindowId Win32Windows::ChildAt(WindowId window, ScreenPoint point) {
    POINT client{point.X, point.Y};
    ScreenToClient(Handle(window), &client);
    return Id(ChildWindowFromPoint(Handle(window), client));
}

WindowId Win32Windows::FirstChild(WindowId window) { return Id(GetWindow(Handle(window), GW_CHILD)); }
WindowId Win32Windows::NextSibling(WindowId window) { return Id(GetWindow(Handle(window), GW_HWNDNEXT)); }
WindowId Win32Windows::PreviousSibling(WindowId window) { return Id(GetWindow(Handle(window), GW_HWNDPREV)); }

}  // namespace actions
