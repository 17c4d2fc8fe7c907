// A low-level keyboard hook on a thread of its own that keeps every key the
// system sees: the test's view of input synthesised by another process.
#pragma once

#include <windows.h>

#include <mutex>
#include <vector>

namespace agenttest {

struct HookedKey {
    DWORD virtualKey;  // left and right Ctrl, Shift and Alt folded to the plain key
    bool up;
    LONGLONG counter;  // performance counter when the hook saw it
};

class KeyboardHookRecorder {
public:
    KeyboardHookRecorder();
    ~KeyboardHookRecorder();
    KeyboardHookRecorder(const KeyboardHookRecorder&) = delete;
    KeyboardHookRecorder& operator=(const KeyboardHookRecorder&) = delete;

    bool Installed() const { return m_installed; }
    std::vector<HookedKey> Keys() const;
    size_t Count() const;
    void Clear();

private:
    static DWORD WINAPI ThreadProcedure(void* parameter);
    static LRESULT CALLBACK HookProcedure(int code, WPARAM wParam, LPARAM lParam);
    void Run();

    HANDLE m_thread = nullptr;
    DWORD m_threadId = 0;
    HANDLE m_ready = nullptr;
    bool m_installed = false;
    mutable std::mutex m_mutex;
    std::vector<HookedKey> m_keys;
};

}  // namespace agenttest
