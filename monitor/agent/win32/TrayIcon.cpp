#include "TrayIcon.h"

#include <shellapi.h>

#include <cstring>

TrayIcon::~TrayIcon() {
    RemoveIcon();
    if (m_icon) DestroyIcon(m_icon);
}

void TrayIcon::Prepare(HWND window, UINT id, UINT callbackMessage, const std::string& programPath,
                       const std::string& tip, UINT retryTimerId, UINT retryPeriodMs) {
    m_window = window;
    m_retryTimerId = retryTimerId;
    m_retryPeriodMs = retryPeriodMs;
    m_id = id;
    m_callbackMessage = callbackMessage;
    m_tip = tip;
    if (m_icon) DestroyIcon(m_icon);
    SHFILEINFOA info{};
    SHGetFileInfoA(programPath.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON);
    m_icon = info.hIcon;
}

NOTIFYICONDATAA TrayIcon::Data() const {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = m_window;
    data.uID = m_id;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = m_callbackMessage;
    data.hIcon = m_icon;
    // The tip field is fixed-size; a long text is cut, never overrun.
    strncpy(data.szTip, m_tip.c_str(), sizeof data.szTip - 1);
    return data;
}

// Also after the shell restarted, when it holds no icon of ours any more.
bool TrayIcon::AddIcon() {
    if (!m_window) return false;
    NOTIFYICONDATAA data = Data();
    m_shown = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
    return m_shown;
}

void TrayIcon::RemoveIcon() {
    if (!m_shown) return;
    NOTIFYICONDATAA data = Data();
    Shell_NotifyIconA(NIM_DELETE, &data);
    m_shown = false;
}

void TrayIcon::StartRetryTimer() {
    if (m_window) SetTimer(m_window, m_retryTimerId, m_retryPeriodMs, nullptr);
}

void TrayIcon::StopRetryTimer() {
    if (m_window) KillTimer(m_window, m_retryTimerId);
}
