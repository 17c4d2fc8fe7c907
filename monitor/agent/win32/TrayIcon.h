// The agent's notification-area icon: added while the mouse is present,
// removed on removal and at shutdown. The icon handle it holds is released
// with it.
#pragma once

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
    bool IsShown() const { return m_shown; }

private:
    NOTIFYICONDATAA Data() const;

    HWND m_window = nullptr;
    UINT m_id = 0;
    UINT m_callbackMessage = 0;
    HICON m_icon = nullptr;
    std::string m_tip;
    bool m_shown = false;
};
