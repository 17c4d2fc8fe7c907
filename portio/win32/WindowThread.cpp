#include "portio/win32/WindowThread.h"

namespace portio {

namespace {
constexpr DWORD kStartTimeoutMs = 10000;
constexpr DWORD kStopTimeoutMs = 10000;
}  // namespace

WindowThread::~WindowThread() { Stop(); }

bool WindowThread::Start(Factory factory, const char* className) {
    if (m_thread) return true;
    m_factory = std::move(factory);
    m_className = className;
    m_created = false;
    m_ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!m_ready) return false;
    m_thread = CreateThread(nullptr, 0, Run, this, 0, &m_threadId);
    if (m_thread) WaitForSingleObject(m_ready, kStartTimeoutMs);
    CloseHandle(m_ready);
    m_ready = nullptr;
    if (!m_created) Stop();
    return m_created;
}

void WindowThread::Stop() {
    if (!m_thread) return;
    PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(m_thread, kStopTimeoutMs);
    CloseHandle(m_thread);
    m_thread = nullptr;
    m_threadId = 0;
}

DWORD WINAPI WindowThread::Run(void* parameter) {
    auto* self = static_cast<WindowThread*>(parameter);
    HMODULE library = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&WindowThread::Run),
                       &library);
    const char* className = self->m_className;
    try {
        std::unique_ptr<Window> window = self->m_factory();
        self->m_created = window && window->Handle();
        SetEvent(self->m_ready);
        // From here on self may be gone if Start() timed out; touch only locals.
        MSG message;
        while (window && GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        window.reset();
    } catch (...) {
        OutputDebugStringA("portio: window thread failed\n");
        SetEvent(self->m_ready);
    }
    // The class lives on after an unload unless removed; a later load at
    // another address would find its stale window procedure.
    UnregisterClassA(className, GetModuleHandleA(nullptr));
    if (library) FreeLibraryAndExitThread(library, 0);
    return 0;
}

}  // namespace portio
