#include "TrayIcon.h"

#include <shellapi.h>

#include <cstring>

namespace {
// Thread message to the shell-call thread: wParam = NIM_ADD or NIM_DELETE.
constexpr UINT kMsgNotify = WM_APP;
}  // namespace

TrayIcon::~TrayIcon() {
    Close();
    if (m_icon) DestroyIcon(m_icon);
}

void TrayIcon::Prepare(HWND window, UINT id, UINT callbackMessage, const std::string& programPath,
                       const std::string& tip) {
    // The shell-call thread reads these; they are set before it starts.
    m_shellCalls.Stop();
    m_window = window;
    m_id = id;
    m_callbackMessage = callbackMessage;
    m_tip = tip;
    if (m_icon) DestroyIcon(m_icon);
    SHFILEINFOA info{};
    SHGetFileInfoA(programPath.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON);
    m_icon = info.hIcon;
    m_shellCalls.Start([this](UINT message, WPARAM shellMessage, LPARAM) {
        if (message == kMsgNotify) Notify(static_cast<DWORD>(shellMessage));
    }, 0);
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

void TrayIcon::Notify(DWORD shellMessage) const {
    NOTIFYICONDATAA data = Data();
    Shell_NotifyIconA(shellMessage, &data);
}

bool TrayIcon::Add() {
    if (m_shown || !m_window) return m_shown;
    m_shown = m_shellCalls.Post(kMsgNotify, NIM_ADD, 0);
    return m_shown;
}

void TrayIcon::Remove() {
    if (!m_shown) return;
    if (!m_shellCalls.Post(kMsgNotify, NIM_DELETE, 0)) Notify(NIM_DELETE);
    m_shown = false;
}

void TrayIcon::Close() {
    Remove();
    // Stop lets the thread finish every call posted before it.
    m_shellCalls.Stop();
}
