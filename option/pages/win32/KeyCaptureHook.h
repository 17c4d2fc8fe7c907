// The low-level keyboard hook that captures keystrokes for one window of
// this program: every key press and release is posted to the target as
// WM_USER + 10 (virtual-key code, key-up flag) and reaches no other program
// while the hook is installed.
#pragma once

#include <windows.h>

class KeyCaptureHook {
public:
    KeyCaptureHook() = default;
    KeyCaptureHook(const KeyCaptureHook&) = delete;
    KeyCaptureHook& operator=(const KeyCaptureHook&) = delete;
    ~KeyCaptureHook() { Remove(); }

    // One hook per process: installing again moves it to the new target.
    bool Install(HWND target);
    void Remove();

private:
    HHOOK m_hook = nullptr;
};
