#include "testing/PointerHandOver.h"

namespace testsupport {

namespace {
constexpr DWORD kPollMs = 20;
}  // namespace

void WaitForPointerHandOver(POINT screen, DWORD deadlineMs) {
    HWND under = WindowFromPoint(screen);
    if (!under) return;
    const DWORD thread = GetWindowThreadProcessId(under, nullptr);
    const ULONGLONG end = GetTickCount64() + deadlineMs;
    while (GetTickCount64() <= end) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(thread, &info)) return;
        // An open menu holds the capture for its owner by design.
        if (info.flags & GUI_INMENUMODE) return;
        // A window holding the capture over its whole face (Option waiting
        // for the agent) takes the press meant for its controls itself.
        if (info.hwndCapture == nullptr || info.hwndCapture == under || IsChild(info.hwndCapture, under)) return;
        Sleep(kPollMs);
    }
}

}  // namespace testsupport
