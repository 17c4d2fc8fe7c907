#include "WindowsPointerSystem.h"

static_assert(kSpiSetMouse == SPI_SETMOUSE);
static_assert(kSpiSetMouseSpeed == SPI_SETMOUSESPEED);
static_assert(kSpiSetWheelScrollLines == SPI_SETWHEELSCROLLLINES);
static_assert(kSpifSendChange == SPIF_SENDCHANGE);
static_assert(kWmSettingChange == WM_SETTINGCHANGE);
static_assert(kBsfNoHang == BSF_NOHANG);
static_assert(kBsmApplications == BSM_APPLICATIONS);

void WindowsPointerSystem::SetDoubleClickTime(uint32_t milliseconds) { ::SetDoubleClickTime(milliseconds); }

void WindowsPointerSystem::SetSystemParameter(uint32_t action, uint32_t uiParam, void* pvParam, uint32_t winIni) {
    SystemParametersInfoA(action, uiParam, pvParam, winIni);
}

void WindowsPointerSystem::SendToOwnWindow(uint32_t message, uintptr_t wParam, const void* lParam) {
    if (m_ownWindow) SendMessageA(m_ownWindow, message, wParam, reinterpret_cast<LPARAM>(lParam));
}

void WindowsPointerSystem::Broadcast(uint32_t flags, uint32_t recipients, uint32_t message, uintptr_t wParam,
                                     const char* text) {
    DWORD recipientSet = recipients;
    BroadcastSystemMessageA(flags, &recipientSet, message, wParam, reinterpret_cast<LPARAM>(text));
}
