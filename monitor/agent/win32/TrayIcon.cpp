#include "TrayIcon.h"

#include <shellapi.h>

#include <cstring>

namespace {
// Thread message to the shell-call thread: wParam = NIM_ADD or NIM_DELETE,
// lParam = the number of the add.
constexpr UINT kMsgNotify = WM_APP;
}  // namespace

TrayIcon::~TrayIcon() {
    Close();
    if (m_icon) DestroyIcon(m_icon);
}

void TrayIcon::Prepare(HWND window, UINT id, UINT callbackMessage, const std::string& programPath,
                       const std::string& tip, UINT retryTimerId, UINT retryPeriodMs, UINT addFailedMessage) {
    // The shell-call thread reads these; they are set before it starts.
    m_shellCalls.Stop();
    m_window = window;
    m_id = id;
    m_callbackMessage = callbackMessage;
    m_retryTimerId = retryTimerId;
    m_retryPeriodMs = retryPeriodMs;
    m_addFailedMessage = addFailedMessage;
    m_tip = tip;
    if (m_icon) DestroyIcon(m_icon);
    SHFILEINFOA info{};
    SHGetFileInfoA(programPath.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON);
    m_icon = info.hIcon;
    m_shellCalls.Start(
        [this](UINT message, WPARAM shellMessage, LPARAM addNumber) {
            if (message == kMsgNotify) Notify(static_cast<DWORD>(shellMessage), static_cast<WPARAM>(addNumber));
        },
        0);
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

void TrayIcon::Notify(DWORD shellMessage, WPARAM addNumber) const {
    NOTIFYICONDATAA data = Data();
    const bool done = Shell_NotifyIconA(shellMessage, &data) != FALSE;
    if (!done && shellMessage == NIM_ADD) PostMessageA(m_window, m_addFailedMessage, addNumber, 0);
}

// Also after the shell restarted, when it holds no icon of ours any more.
bool TrayIcon::AddIcon() {
    if (!m_window) return false;
    ++m_addNumber;
    m_shown = m_shellCalls.Post(kMsgNotify, NIM_ADD, static_cast<LPARAM>(m_addNumber));
    return m_shown;
}

void TrayIcon::RemoveIcon() {
    if (!m_shown) return;
    if (!m_shellCalls.Post(kMsgNotify, NIM_DELETE, 0)) Notify(NIM_DELETE, 0);
    m_shown = false;
}

void TrayIcon::StartRetryTimer() {
    if (m_window) SetTimer(m_window, m_retryTimerId, m_retryPeriodMs, nullptr);
}

void TrayIcon::StopRetryTimer() {
    if (m_window) KillTimer(m_window, m_retryTimerId);
}

void TrayIcon::Close() {
    RemoveIcon();
    // Stop lets the thread finish every call posted before it.
    m_shellCalls.Stop();
}
