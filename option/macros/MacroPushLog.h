// What pushing the macro list to the buttons changed, so that a cancelled
// macro manager can take it back: each entry a push visited, as it was
// before the first push and as the last push left it.
#pragma once

#include <vector>

#include "profile/SettingsBlock.h"

class MacroPushLog {
public:
    void Note(int slot, int button, const ButtonAssignmentEntry& before, const ButtonAssignmentEntry& after);
    // Puts back every noted entry that still holds what the push left there
    // (one changed since, on the button page for instance, stays as it is),
    // marks it changed for the agent, and forgets the log.
    void Undo(SettingsBlock& block);
    void Forget() { m_entries.clear(); }

private:
    struct Entry {
        int Slot;
        int Button;
        ButtonAssignmentEntry Before;
        ButtonAssignmentEntry After;
    };
    std::vector<Entry> m_entries;
};
