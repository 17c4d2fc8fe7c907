#include "portio/win32/DeviceWatchWindow.h"

#include <dbt.h>
extern "C" {
#include <hidsdi.h>
}

namespace portio {

namespace {
constexpr UINT_PTR kPollTimerId = 1;
}

DeviceWatchWindow::~DeviceWatchWindow() {
    if (m_notification) UnregisterDeviceNotification(m_notification);
    if (Handle()) KillTimer(Handle(), kPollTimerId);
}

bool DeviceWatchWindow::Create() {
    if (!Window::Create(kDeviceWatchWindowClass, "", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 0, 0)) return false;
    DEV_BROADCAST_DEVICEINTERFACE_A filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    HidD_GetHidGuid(&filter.dbcc_classguid);
    m_notification = RegisterDeviceNotificationA(Handle(), &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    SetTimer(Handle(), kPollTimerId, kDevicePollPeriodMs, nullptr);
    // The first check at once, to start reading events without waiting a period.
    PostMessageA(Handle(), WM_TIMER, kPollTimerId, 0);
    return true;
}

LRESULT DeviceWatchWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DEVICECHANGE:
        if (wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVECOMPLETE) OnCheck();
        return TRUE;
    case WM_TIMER: return wParam == kPollTimerId ? OnCheck() : 0;
    default: return DefaultProcessing(message, wParam, lParam);
    }
}

LRESULT DeviceWatchWindow::OnCheck() {
    m_onChange();
    return 0;
}

}  // namespace portio
