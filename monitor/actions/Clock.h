// Pauses of the engine (agent window thread and macro-player thread). The
// Win32 adapter sleeps, but wakes at once when the agent shuts down so that
// a long macro never holds up the exit; tests advance a fake time.
#pragma once

namespace actions {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void Sleep(unsigned milliseconds) = 0;
};

}  // namespace actions
