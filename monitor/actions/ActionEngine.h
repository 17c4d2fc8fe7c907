// What the agent hands to the action engine: the device events the agent
// does not handle itself, the periodic foreground check, the key and media
// repeat timers, texts sent by other programs, macro playing on the player
// thread, the second profile notice after a select-only write, and the
// shutdown. The agent window routes each of these here.
#pragma once

#include <cstdint>
#include <string>

class ActionEngine {
public:
    virtual ~ActionEngine() = default;

    // Device events, as decoded (agent window thread).
    virtual void ScrollStep(int step) = 0;
    virtual void DeviceStateNotice(uint16_t type, uint16_t data) = 0;
    virtual void ButtonAction(uint16_t data) = 0;
    virtual void ProgramLaunch(int button) = 0;
    virtual void MediaCommand(int command, int release) = 0;

    // Timer 500 (every 2000 ms while the mouse is present).
    virtual void ForegroundCheck() = 0;
    // Timers 101 and 102.
    virtual void RepeatTimer(unsigned timerId) = 0;
    // Text of a WM_COPYDATA notice record.
    virtual void TextNotice(const std::string& text) = 0;
    // The device-writer thread told the mouse the new current slot.
    virtual void ProfileSelectWritten(int slot) = 0;

    // Thread message 1648 on the macro-player thread.
    virtual void PlayMacro() = 0;

    // The mouse was unplugged: no release comes for what its buttons hold,
    // so the repeat timers stop, held combinations go up and the playing
    // macro is asked to stop. Later events act as before.
    virtual void DeviceRemoved() = 0;

    // Agent shutdown, before the macro-player thread is stopped: repeat
    // timers stop, held combinations are released, the playing macro stops.
    virtual void BeginShutdown() = 0;
    // After the macro-player thread has ended: keys macros left held go up.
    virtual void FinishShutdown() = 0;
};
