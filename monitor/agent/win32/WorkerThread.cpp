#include "WorkerThread.h"

WorkerThread::~WorkerThread() { Stop(); }

bool WorkerThread::Start(Handler handler, unsigned stackSize) {
    if (m_thread) return false;
    m_handler = std::move(handler);
    m_ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!m_ready) return false;
    m_thread = CreateThread(nullptr, stackSize, ThreadProcedure, this, 0, &m_threadId);
    if (m_thread) WaitForSingleObject(m_ready, INFINITE);
    CloseHandle(m_ready);
    m_ready = nullptr;
    return m_thread != nullptr;
}

bool WorkerThread::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
    return m_thread && PostThreadMessageA(m_threadId, message, wParam, lParam);
}

void WorkerThread::Stop() {
    if (!m_thread) return;
    PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(m_thread, INFINITE);
    CloseHandle(m_thread);
    m_thread = nullptr;
    m_threadId = 0;
}

DWORD WINAPI WorkerThread::ThreadProcedure(void* parameter) {
    static_cast<WorkerThread*>(parameter)->Loop();
    return 0;
}

void WorkerThread::Loop() {
    MSG message;
    // The first call creates the thread's message queue.
    PeekMessageA(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    SetEvent(m_ready);
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        try {
            if (m_handler) m_handler(message.message, message.wParam, message.lParam);
        } catch (...) {
            OutputDebugStringA("WorkerThread: exception in thread message handler\n");
        }
    }
}
