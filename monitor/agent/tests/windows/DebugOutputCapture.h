// Collects what another process writes with OutputDebugStringA, by attaching
// to it as its debugger on a thread of its own (the debugger thread must be
// the one that waits for the debug events). Detaches again, leaving the
// process running, when the capture ends.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace agenttest {

class DebugOutputCapture {
public:
    explicit DebugOutputCapture(DWORD processId);
    ~DebugOutputCapture();
    DebugOutputCapture(const DebugOutputCapture&) = delete;
    DebugOutputCapture& operator=(const DebugOutputCapture&) = delete;

    // True once the debugger is attached (false when attaching failed).
    bool WaitUntilAttached();
    bool Holds(const std::string& text) const;

private:
    void Run();
    void Keep(const DEBUG_EVENT& event);

    const DWORD m_processId;
    HANDLE m_process = nullptr;
    std::atomic<int> m_attached{0};  // 0 not yet, 1 attached, -1 failed
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::vector<std::string> m_texts;
    std::thread m_thread;
};

}  // namespace agenttest
