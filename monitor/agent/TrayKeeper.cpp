#include "TrayKeeper.h"

namespace agent {

void TrayKeeper::Show() {
    m_wanted = true;
    if (!m_shown) TryAdd();
}

void TrayKeeper::Hide() {
    m_wanted = false;
    if (m_retrying) m_shell.StopRetryTimer();
    m_retrying = false;
    if (m_shown) m_shell.RemoveIcon();
    m_shown = false;
}

void TrayKeeper::OnShellRestarted() {
    // The old shell took its icons with it: ours must be added anew.
    m_shown = false;
    if (m_wanted) TryAdd();
}

void TrayKeeper::OnRetryTimer() {
    if (m_wanted && !m_shown) TryAdd();
    else if (m_retrying) {
        m_shell.StopRetryTimer();
        m_retrying = false;
    }
}

void TrayKeeper::OnAddFailed() {
    m_shown = false;
    if (m_wanted && !m_retrying) {
        m_shell.StartRetryTimer();
        m_retrying = true;
    }
}

void TrayKeeper::TryAdd() {
    m_shown = m_shell.AddIcon();
    if (m_shown && m_retrying) {
        m_shell.StopRetryTimer();
        m_retrying = false;
    } else if (!m_shown && !m_retrying) {
        m_shell.StartRetryTimer();
        m_retrying = true;
    }
}

}  // namespace agent
