#include "KeyboardHookRecorder.h"

namespace agenttest {

namespace {

// The one recorder whose hook runs (hook procedures get no context).
KeyboardHookRecorder* g_recorder = nullptr;
std::vector<HookedKey>* g_keys = nullptr;
std::mutex* g_mutex = nullptr;

DWORD Folded(DWORD virtualKey) {
    switch (virtualKey) {
    case VK_LCONTROL:
    case VK_RCONTROL: return VK_CONTROL;
    case VK_LSHIFT:
    case VK_RSHIFT: return VK_SHIFT;
    case VK_LMENU:
    case VK_RMENU: return VK_MENU;
    default: return virtualKey;
    }
}

}  // namespace

KeyboardHookRecorder::KeyboardHookRecorder() {
    g_recorder = this;
    g_keys = &m_keys;
    g_mutex = &m_mutex;
    m_ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    m_thread = CreateThread(nullptr, 0, ThreadProcedure, this, 0, &m_threadId);
    if (m_thread) WaitForSingleObject(m_ready, INFINITE);
}

KeyboardHookRecorder::~KeyboardHookRecorder() {
    if (m_thread) {
        PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
    }
    if (m_ready) CloseHandle(m_ready);
    g_recorder = nullptr;
}

DWORD WINAPI KeyboardHookRecorder::ThreadProcedure(void* parameter) {
    static_cast<KeyboardHookRecorder*>(parameter)->Run();
    return 0;
}

void KeyboardHookRecorder::Run() {
    MSG message;
    PeekMessageA(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, HookProcedure, GetModuleHandleA(nullptr), 0);
    m_installed = hook != nullptr;
    SetEvent(m_ready);
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    if (hook) UnhookWindowsHookEx(hook);
}

LRESULT CALLBACK KeyboardHookRecorder::HookProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g_recorder) {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool up = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
        std::lock_guard<std::mutex> lock(*g_mutex);
        g_keys->push_back({Folded(key->vkCode), up, now.QuadPart});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<HookedKey> KeyboardHookRecorder::Keys() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_keys;
}

size_t KeyboardHookRecorder::Count() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_keys.size();
}

void KeyboardHookRecorder::Clear() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_keys.clear();
}

}  // namespace agenttest
