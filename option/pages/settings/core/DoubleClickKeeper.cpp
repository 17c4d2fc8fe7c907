#include "option/pages/settings/core/DoubleClickKeeper.h"

#include "profile/PointerSystem.h"

void DoubleClickKeeper::Try(PointerSystem& system, uint32_t systemTimeBefore, uint32_t milliseconds) {
    if (!m_pending) {
        m_original = systemTimeBefore;
        m_pending = true;
    }
    system.SetDoubleClickTime(milliseconds);
}

void DoubleClickKeeper::Restore(PointerSystem& system) {
    if (!m_pending) return;
    m_pending = false;
    system.SetDoubleClickTime(m_original);
}
