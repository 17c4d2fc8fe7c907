// Message pumping for tests of windows living on the test's own thread, and
// waiting for what other processes do.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Generous: a skin loads and a window paints in well under a second.
constexpr DWORD kPumpDeadlineMs = 15000;

// Dispatches every message already queued.
void PumpPending();

// Dispatches messages until the condition holds or the deadline passes.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = kPumpDeadlineMs);

// Generous: Wine starts a process in about a second, a full write of the
// mouse takes several seconds.
constexpr DWORD kWaitDeadlineMs = 60000;

// Polls, without pumping, until the condition holds or the deadline passes:
// for effects in other processes (a window shown, a file written).
bool WaitFor(const std::function<bool()>& condition, DWORD deadlineMs = kWaitDeadlineMs);

// Polls until the count has not changed for `quietMs` (a writer gone idle).
bool WaitForQuiet(const std::function<size_t()>& count, ULONGLONG quietMs, DWORD deadlineMs = kWaitDeadlineMs);

// The non-empty lines of a text file, without their line ends.
std::vector<std::string> ReadLines(const std::string& path);

}  // namespace testsupport
