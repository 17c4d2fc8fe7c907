#include "testing/MessagePump.h"

#include <fstream>

namespace testsupport {

namespace {

constexpr DWORD kIdleWaitMs = 10;
constexpr DWORD kPollMs = 50;

}  // namespace

void PumpPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() > end) return false;
        PumpPending();
        if (condition()) return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kIdleWaitMs, QS_ALLINPUT);
    }
    return true;
}

bool WaitFor(const std::function<bool()>& condition, DWORD deadlineMs) {
    const ULONGLONG end = GetTickCount64() + deadlineMs;
    while (!condition()) {
        if (GetTickCount64() > end) return false;
        Sleep(kPollMs);
    }
    return true;
}

bool WaitForQuiet(const std::function<size_t()>& count, ULONGLONG quietMs, DWORD deadlineMs) {
    size_t last = count();
    ULONGLONG lastChange = GetTickCount64();
    return WaitFor(
        [&] {
            const size_t now = count();
            if (now != last) {
                last = now;
                lastChange = GetTickCount64();
            }
            return GetTickCount64() - lastChange > quietMs;
        },
        deadlineMs);
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

}  // namespace testsupport
