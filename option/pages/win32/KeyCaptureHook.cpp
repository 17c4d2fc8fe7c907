#include "option/pages/win32/KeyCaptureHook.h"

#include <cstdio>

#include "option/pages/win32/PageSkins.h"

namespace {

constexpr int kLowLevelKeyboardHook = 13;  // WH_KEYBOARD_LL
constexpr DWORD kKeyUpFlag = 0x80;         // LLKHF_UP

HWND g_target = nullptr;

void DebugHandle(const char* format, HHOOK hook) {
    char line[64];
    snprintf(line, sizeof line, format, static_cast<unsigned>(reinterpret_cast<uintptr_t>(hook)));
    OutputDebugStringA(line);
}

LRESULT CALLBACK CaptureKey(int code, WPARAM, LPARAM lParam) {
    if (code < 0) return 1;
    const auto* record = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    char line[16];
    snprintf(line, sizeof line, "%x\n", static_cast<unsigned>(record->vkCode));
    OutputDebugStringA(line);
    if (g_target) PostMessageA(g_target, shortcutdialog::kKeyMessage, record->vkCode, record->flags & kKeyUpFlag);
    // Not passed on: while capturing, keystrokes reach no other program.
    return 1;
}

}  // namespace

bool KeyCaptureHook::Install(HWND target) {
    Remove();
    g_target = target;
    m_hook = SetWindowsHookExA(kLowLevelKeyboardHook, CaptureKey, GetModuleHandleA(nullptr), 0);
    DebugHandle("Hhook: %x\r\n", m_hook);
    return m_hook != nullptr;
}

void KeyCaptureHook::Remove() {
    if (!m_hook) return;
    DebugHandle("Hhook: %x\r\n", m_hook);
    OutputDebugStringA(UnhookWindowsHookEx(m_hook) ? "UnHhook: Success \r\n" : "UnHhook: Fail \r\n");
    m_hook = nullptr;
    g_target = nullptr;
}
