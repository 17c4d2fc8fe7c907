// What the action engine needs from the agent that hosts it: the agent copy
// of the shared settings block and its write-back under the settings mutex,
// the on-screen display settings, the mouse's presence, the agent window's
// timers and window handle, the two worker-thread messages, the pointer
// settings and the debugger output.
#pragma once

#include "profile/OsdSettings.h"
#include "profile/SettingsBlock.h"

#include <cstdint>

namespace actions {

class EngineHost {
public:
    virtual ~EngineHost() = default;

    virtual SettingsBlock& Settings() = 0;
    // The whole agent copy into the shared block, under the settings mutex.
    virtual void WriteBackSettings() = 0;
    virtual const OsdSettings& DisplaySettings() = 0;
    virtual bool MousePresent() = 0;

    // Timers of the agent window; starting a running timer restarts it.
    virtual void StartTimer(unsigned timerId, unsigned milliseconds) = 0;
    virtual void StopTimer(unsigned timerId) = 0;
    virtual uintptr_t OwnWindow() = 0;

    // Thread message 1648 to the macro-player thread.
    virtual bool PostPlayMacro() = 0;
    // Thread message 1649 with wParam 3 (select the current slot) to the
    // device-writer thread.
    virtual bool RequestSelectWrite() = 0;

    // The pointer settings of a record stored in the registry, and those of
    // the current record put into effect.
    virtual void StorePointerSettings(const ProfileRecord& record) = 0;
    virtual void ApplyPointerSettings(ProfileRecord& record) = 0;

    virtual void Debug(const char* text) = 0;
};

}  // namespace actions
