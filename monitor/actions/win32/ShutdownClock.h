// The engine's pauses on Win32: a sleep that ends at once when the agent
// shuts down, so that a macro with long pauses never holds up the exit.
#pragma once

#include "monitor/actions/Clock.h"

#include <windows.h>

namespace actions {

class ShutdownClock : public Clock {
public:
    ShutdownClock();
    ~ShutdownClock() override;
    ShutdownClock(const ShutdownClock&) = delete;
    ShutdownClock& operator=(const ShutdownClock&) = delete;

    void Sleep(unsigned milliseconds) override;
    // Every sleep, running or to come, returns at once.
    void Interrupt();

private:
    HANDLE m_shutdown;
};

}  // namespace actions
