// Keeps the agent's tray icon shown while it should be: an add that fails
// because the shell is not up yet is retried on a timer, and a shell that
// restarts (and so lost every icon) gets the icon again.
#pragma once

namespace agent {

// The shell side and the retry timer, Win32 in the agent, fakes in tests.
class TrayShell {
public:
    virtual ~TrayShell() = default;
    // True when the shell took the icon, or took the call: a refusal that
    // comes later is told through TrayKeeper::OnAddFailed.
    virtual bool AddIcon() = 0;
    virtual void RemoveIcon() = 0;
    virtual void StartRetryTimer() = 0;
    virtual void StopRetryTimer() = 0;
};

class TrayKeeper {
public:
    explicit TrayKeeper(TrayShell& shell) : m_shell(shell) {}

    void Show();
    void Hide();
    // The shell announced a new taskbar ("TaskbarCreated").
    void OnShellRestarted();
    void OnRetryTimer();
    // The shell refused the latest add after AddIcon returned.
    void OnAddFailed();

    bool Shown() const { return m_shown; }

private:
    void TryAdd();

    TrayShell& m_shell;
    bool m_wanted = false;
    bool m_shown = false;
    bool m_retrying = false;
};

}  // namespace agent
