// A hidden window with a message loop of its own, so that it answers even
// while the thread that loaded the library is busy or asleep. The thread
// holds a reference on the library and releases it as it ends, so that an
// unload without Stop() cannot pull the code from under it.
#pragma once

#include "frame/Window.h"

#include <functional>
#include <memory>

namespace portio {

class WindowThread {
public:
    // Creates the window on the new thread; the factory runs there.
    using Factory = std::function<std::unique_ptr<Window>()>;

    WindowThread() = default;
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;
    ~WindowThread();

    // Returns once the window exists; false when it could not be made.
    bool Start(Factory factory, const char* className);
    void Stop();
    bool Running() const { return m_thread != nullptr; }
    DWORD ThreadId() const { return m_threadId; }

private:
    static DWORD WINAPI Run(void* parameter);

    Factory m_factory;
    const char* m_className = nullptr;
    HANDLE m_thread = nullptr;
    DWORD m_threadId = 0;
    HANDLE m_ready = nullptr;
    bool m_created = false;
};

}  // namespace portio
