// The pointer-settings system calls on Win32. Setting-change notices for the
// program's own window go to the window given at construction.
#pragma once

#include "profile/PointerSystem.h"

#include <windows.h>

class WindowsPointerSystem : public PointerSystem {
public:
    explicit WindowsPointerSystem(HWND ownWindow) : m_ownWindow(ownWindow) {}

    void SetDoubleClickTime(uint32_t milliseconds) override;
    void SetSystemParameter(uint32_t action, uint32_t uiParam, void* pvParam, uint32_t winIni) override;
    void SendToOwnWindow(uint32_t message, uintptr_t wParam, const void* lParam) override;
    void Broadcast(uint32_t flags, uint32_t recipients, uint32_t message, uintptr_t wParam, const char* text) override;

private:
    HWND m_ownWindow;
};
