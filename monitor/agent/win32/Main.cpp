// Monitor.exe: one instance per desktop; a second start forwards "open
// Option" to the first when asked to, and ends.
#include "monitor/agent/AgentConstants.h"
#include "monitor/agent/win32/AgentWindow.h"

#include <objbase.h>
#include <windows.h>

#include <memory>

namespace {

class InstanceMutex {
public:
    explicit InstanceMutex(const char* name) : m_handle(CreateMutexA(nullptr, FALSE, name)) {
        m_alreadyRunning = GetLastError() == ERROR_ALREADY_EXISTS;
    }
    ~InstanceMutex() {
        if (m_handle) CloseHandle(m_handle);
    }
    InstanceMutex(const InstanceMutex&) = delete;
    InstanceMutex& operator=(const InstanceMutex&) = delete;
    bool AlreadyRunning() const { return m_alreadyRunning; }

private:
    HANDLE m_handle;
    bool m_alreadyRunning = false;
};

int RunAgent(bool openOptionAfterStart) {
    InstanceMutex instance(agent::kInstanceMutexName);
    if (instance.AlreadyRunning()) {
        if (openOptionAfterStart) {
            HWND running = FindWindowA(nullptr, agent::kAgentWindowTitle);
            if (running) PostMessageA(running, WM_COMMAND, agent::kCommandOpenOption, 0);
        }
        return 0;
    }
    const bool comInitialised = SUCCEEDED(CoInitialize(nullptr));
    int exitCode = 0;
    {
        auto window = std::make_unique<AgentWindow>(openOptionAfterStart);
        if (window->Create()) {
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0) > 0) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            exitCode = static_cast<int>(message.wParam);
        }
    }
    if (comInitialised) CoUninitialize();
    return exitCode;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    try {
        return RunAgent(commandLine && commandLine[0] == '1');
    } catch (...) {
        OutputDebugStringA("Monitor: unexpected exception\n");
        return 1;
    }
}
