// The agent's notification-area icon: the shell calls behind the tray
// keeper, which decides when it is added, retried and removed. The icon
// handle it holds is released with it.
#pragma once

#include <windows.h>

#include <string>

#include "monitor/agent/TrayKeeper.h"

class TrayIcon : public agent::TrayShell {
public:
    TrayIcon() = default;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon() override;

    // Remembers where the icon goes and which timer of the window retries a
    // failed add; the icon is the small icon of the program file, obtained
    // through the shell.
    void Prepare(HWND window, UINT id, UINT callbackMessage, const std::string& programPath, const std::string& tip,
                 UINT retryTimerId, UINT retryPeriodMs);

    bool AddIcon() override;
    void RemoveIcon() override;
    void StartRetryTimer() override;
    void StopRetryTimer() override;

private:
    NOTIFYICONDATAA Data() const;

    HWND m_window = nullptr;
    UINT m_id = 0;
    UINT m_callbackMessage = 0;
    UINT m_retryTimerId = 0;
    UINT m_retryPeriodMs = 0;
    HICON m_icon = nullptr;
    std::string m_tip;
    bool m_shown = false;
};
