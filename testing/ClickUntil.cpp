#include "testing/ClickUntil.h"

#include <cstdio>

#include "testing/MessagePump.h"
#include "testing/PointerHandOver.h"
#include "testing/PointerInput.h"

namespace testsupport {

namespace {
constexpr int kClickAttempts = 3;
constexpr DWORD kClickEffectMs = 15000;
// How long a move may take to reach the program under load.
constexpr DWORD kHandOverMs = 10000;
}  // namespace

bool ClickUntil(POINT screen, const std::function<bool()>& done, const std::string& what) {
    for (int attempt = 1; attempt <= kClickAttempts; ++attempt) {
        if (attempt > 1) {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            GetGUIThreadInfo(GetWindowThreadProcessId(WindowFromPoint(screen), nullptr), &info);
            fprintf(stderr, "click %d on %s: foreground %p, active %p, focus %p, capture %p\n", attempt, what.c_str(),
                    static_cast<void*>(GetForegroundWindow()), static_cast<void*>(info.hwndActive),
                    static_cast<void*>(info.hwndFocus), static_cast<void*>(info.hwndCapture));
        }
        MovePointerTo(screen);
        WaitForPointerHandOver(screen, kHandOverMs);
        SendClickAt(screen);
        // Pumped: windows of the calling thread (if any) must stay alive.
        if (PumpUntil(done, kClickEffectMs)) return true;
    }
    return false;
}

}  // namespace testsupport
