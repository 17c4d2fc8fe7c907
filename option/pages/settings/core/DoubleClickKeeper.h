// The double-click slider sets the system's double-click time at once so
// that the user can try it. Until the edit copy is applied that change is
// only a trial: the keeper remembers the system's time from before the first
// trial and puts it back when the edits are dropped.
#pragma once

#include <cstdint>

class PointerSystem;

class DoubleClickKeeper {
public:
    // systemTimeBefore: the system's double-click time before this change.
    void Try(PointerSystem& system, uint32_t systemTimeBefore, uint32_t milliseconds);
    // Apply made the trial value the profile's: nothing to put back.
    void Applied() { m_pending = false; }
    // Edits dropped: the system gets its earlier time back (once).
    void Restore(PointerSystem& system);
    bool Pending() const { return m_pending; }

private:
    bool m_pending = false;
    uint32_t m_original = 0;
};
