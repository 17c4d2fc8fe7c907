#include "option/macros/win32/MacroRecordHook.h"

#include <cstdio>

namespace {

HHOOK g_hook = nullptr;
HWND g_target = nullptr;

void Trace(const char* format, unsigned long long value) {
    char line[64];
    snprintf(line, sizeof line, format, value);
    OutputDebugStringA(line);
}

LRESULT CALLBACK RecordHookProcedure(int code, WPARAM, LPARAM lParam) {
    if (code < 0) return 1;
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    Trace("%x\n", key->vkCode);
    PostMessageA(g_target, kMsgCapturedKeystroke, key->vkCode, key->flags & kCapturedKeyUpFlag);
    return 1;
}

}  // namespace

bool InstallRecordHook(HWND target) {
    g_target = target;
    if (!g_hook) g_hook = SetWindowsHookExA(WH_KEYBOARD_LL, RecordHookProcedure, GetModuleHandleA(nullptr), 0);
    Trace("Hhook: %x\r\n", reinterpret_cast<unsigned long long>(g_hook));
    return g_hook != nullptr;
}

void RemoveRecordHook() {
    if (!g_hook) return;
    Trace("Hhook: %x\r\n", reinterpret_cast<unsigned long long>(g_hook));
    OutputDebugStringA(UnhookWindowsHookEx(g_hook) ? "UnHhook: Success \r\n" : "UnHhook: Fail \r\n");
    g_hook = nullptr;
    g_target = nullptr;
}

bool RecordHookInstalled() { return g_hook != nullptr; }
