// Message pumping for tests of windows living on the test's own thread.
#pragma once

#include <windows.h>

#include <functional>

namespace testsupport {

// Generous: a skin loads and a window paints in well under a second.
constexpr DWORD kPumpDeadlineMs = 15000;

// Dispatches every message already queued.
void PumpPending();

// Dispatches messages until the condition holds or the deadline passes.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = kPumpDeadlineMs);

}  // namespace testsupport
