// The click that closes a function menu lands on the button again; a menu
// closed less than 200 ms ago is not reopened by it.
#pragma once

#include <cstdint>

constexpr uint32_t kMenuReopenGuardMs = 200;

class MenuReopenGuard {
public:
    // Millisecond tick counts; they wrap after 49.7 days.
    bool MayOpen(uint32_t now) const { return !m_closed || now - m_closedAt >= kMenuReopenGuardMs; }
    void Closed(uint32_t now) {
        m_closed = true;
        m_closedAt = now;
    }

private:
    bool m_closed = false;
    uint32_t m_closedAt = 0;
};
