// The agent's notification-area icon: the shell calls behind the tray
// keeper, which decides when it is added, retried and removed. The icon
// handle it holds is released with it. The shell calls run on a thread of
// their own, in the order asked: the notification area may take seconds to
// answer one (Wine's takes about 2 s to delete an icon), and the agent
// window's thread must not wait for it. An add the shell refuses is reported
// back to the window with the add failure message.
#pragma once

#include <windows.h>

#include <string>

#include "monitor/agent/TrayKeeper.h"
#include "monitor/agent/win32/WorkerThread.h"

class TrayIcon : public agent::TrayShell {
public:
    TrayIcon() = default;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon() override;

    // Remembers where the icon goes, which timer of the window retries a
    // failed add and which message reports one; the icon is the small icon
    // of the program file, obtained through the shell.
    void Prepare(HWND window, UINT id, UINT callbackMessage, const std::string& programPath, const std::string& tip,
                 UINT retryTimerId, UINT retryPeriodMs, UINT addFailedMessage);

    // Handed to the shell-call thread; true unless it could not be.
    bool AddIcon() override;
    void RemoveIcon() override;
    void StartRetryTimer() override;
    void StopRetryTimer() override;
    // Whether a failure report (its wParam) is about the latest add; an
    // older add's failure has been overtaken by later calls.
    bool IsLatestAdd(WPARAM addNumber) const { return addNumber == m_addNumber; }
    // Removes the icon and waits until the shell has done so.
    void Close();

private:
    NOTIFYICONDATAA Data() const;
    void Notify(DWORD shellMessage, WPARAM addNumber) const;

    HWND m_window = nullptr;
    UINT m_id = 0;
    UINT m_callbackMessage = 0;
    UINT m_retryTimerId = 0;
    UINT m_retryPeriodMs = 0;
    UINT m_addFailedMessage = 0;
    HICON m_icon = nullptr;
    std::string m_tip;
    bool m_shown = false;
    WPARAM m_addNumber = 0;
    WorkerThread m_shellCalls;
};
