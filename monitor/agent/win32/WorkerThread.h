// A worker thread that is a plain message loop fed by thread messages, as
// the agent's macro-player and device-writer threads are. Start returns only
// once the thread's queue exists, so the first PostThreadMessage cannot be
// lost; Stop posts WM_QUIT and waits for the thread without time-out.
#pragma once

#include <windows.h>

#include <functional>

class WorkerThread {
public:
    using Handler = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;

    WorkerThread() = default;
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;
    ~WorkerThread();

    bool Start(Handler handler, unsigned stackSize);
    bool Post(UINT message, WPARAM wParam, LPARAM lParam) const;
    void Stop();

    bool IsRunning() const { return m_thread != nullptr; }
    DWORD Id() const { return m_threadId; }

private:
    static DWORD WINAPI ThreadProcedure(void* parameter);
    void Loop();

    Handler m_handler;
    HANDLE m_thread = nullptr;
    HANDLE m_ready = nullptr;
    DWORD m_threadId = 0;
};
