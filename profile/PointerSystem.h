// The system calls that put pointer settings into effect, as a small
// interface: SystemParametersInfoA, SetDoubleClickTime and the setting-change
// notices. The Windows adapter passes the numbers below through unchanged.
#pragma once

#include <cstdint>

// SystemParametersInfoA actions and flags (checked against <windows.h> by the adapter).
constexpr uint32_t kSpiSetMouse = 4;
constexpr uint32_t kSpiSetMouseSpeed = 113;
constexpr uint32_t kSpiSetWheelScrollLines = 105;
constexpr uint32_t kSpifSendChange = 2;

constexpr uint32_t kWmSettingChange = 0x1A;
constexpr uint32_t kBsfNoHang = 8;
constexpr uint32_t kBsmApplications = 8;

class PointerSystem {
public:
    virtual ~PointerSystem() = default;
    virtual void SetDoubleClickTime(uint32_t milliseconds) = 0;
    // Failures are of no interest to the callers.
    virtual void SetSystemParameter(uint32_t action, uint32_t uiParam, void* pvParam, uint32_t winIni) = 0;
    // SendMessageA to the program's own window (nothing when it has none).
    virtual void SendToOwnWindow(uint32_t message, uintptr_t wParam, const void* lParam) = 0;
    // BroadcastSystemMessageA with lParam pointing at the text.
    virtual void Broadcast(uint32_t flags, uint32_t recipients, uint32_t message, uintptr_t wParam,
                           const char* text) = 0;
};
