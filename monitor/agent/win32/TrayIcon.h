// The agent's notification-area icon: added while the mouse is present,
// removed on removal and at shutdown. The icon handle it holds is released
// with it. The shell calls run on a thread of their own, in the order asked:
// the notification area may take seconds to answer one (Wine's takes about
// 2 s to delete an icon), and the agent window's thread must not wait for it.
#pragma once

#include "monitor/agent/win32/WorkerThread.h"

#include <windows.h>

#include <string>

class TrayIcon {
public:
    TrayIcon() = default;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon();

    // Remembers where the icon goes; the icon is the small icon of the
    // program file, obtained through the shell.
    void Prepare(HWND window, UINT id, UINT callbackMessage, const std::string& programPath, const std::string& tip);
    bool Add();
    void Remove();
    // Removes the icon and waits until the shell has done so.
    void Close();
    bool IsShown() const { return m_shown; }

private:
    NOTIFYICONDATAA Data() const;
    void Notify(DWORD shellMessage) const;

    HWND m_window = nullptr;
    UINT m_id = 0;
    UINT m_callbackMessage = 0;
    HICON m_icon = nullptr;
    std::string m_tip;
    bool m_shown = false;
    WorkerThread m_shellCalls;
};
