// What the agent's logic needs from the platform: the mouse channels, the
// device-writer thread, the tray icon, timers, the settings files, the
// shared settings block and the windows of the other programs. The Win32
// agent window implements it; tests use a mock.
#pragma once

#include "AgentConstants.h"
#include "profile/SettingsBlock.h"

#include <cstdint>

// The two values of the on-screen display settings that an apply passes on
// to the display window (int32 at bytes 32 and 36 of the structure).
struct DisplayMessageValues {
    int32_t first = 0;
    int32_t second = 0;
};

class AgentServices {
public:
    virtual ~AgentServices() = default;

    // Blocks the agent window's thread; ends early once a removal is queued.
    virtual void Pause(unsigned milliseconds) = 0;

    // True when a presence message telling of the mouse's removal already
    // waits in the agent window's queue.
    virtual bool RemovalQueued() = 0;

    // Open_FeatureDevice then Open_ReportDevice, and the reverse pair.
    virtual void OpenChannels() = 0;
    virtual void CloseChannels() = 0;

    // Hands the device-writer thread one request with its own copy of the
    // block. False when the request could not be posted.
    virtual bool RequestDeviceWrite(int mode, intptr_t parameter, const SettingsBlock& snapshot) = 0;

    // The action engine lets go of what the mouse's buttons hold down.
    virtual void ReleaseHeldInput() = 0;

    virtual void ShowTrayIcon() = 0;
    virtual void HideTrayIcon() = 0;
    virtual void StartForegroundTimer() = 0;
    virtual void StopForegroundTimer() = 0;

    // Application settings file.
    virtual void LoadProfileSet(SettingsBlock& block) = 0;
    virtual void WriteDevicePresence(int present) = 0;
    virtual DisplayMessageValues ReloadDisplaySettings() = 0;

    // Shared settings block, copied whole under the settings mutex.
    virtual bool ReadSharedBlock(SettingsBlock& block) = 0;
    virtual bool WriteSharedBlock(const SettingsBlock& block) = 0;

    // The system's pointer settings read from the registry into a record.
    virtual void ReadPointerSettings(ProfileRecord& record) = 0;
    // The pointer settings of one record applied to the running system; the
    // record may be corrected (acceleration turned off).
    virtual void ApplyPointerSettings(ProfileRecord& record) = 0;

    // Posts to the top-level window of that exact title; false when there is none.
    virtual bool PostToWindow(const char* title, unsigned message, uintptr_t wParam, intptr_t lParam) = 0;

    virtual void Debug(const char* text) = 0;
};
