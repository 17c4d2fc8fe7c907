#include "option/macros/MacroPushLog.h"

#include <cstring>

void MacroPushLog::Note(int slot, int button, const ButtonAssignmentEntry& before, const ButtonAssignmentEntry& after) {
    for (Entry& entry : m_entries)
        if (entry.Slot == slot && entry.Button == button) {
            entry.After = after;
            return;
        }
    m_entries.push_back(Entry{slot, button, before, after});
}

void MacroPushLog::Undo(SettingsBlock& block) {
    for (const Entry& entry : m_entries) {
        ButtonAssignmentEntry& current = block.Profiles[entry.Slot].MacroKeyInfo[entry.Button];
        if (memcmp(&current, &entry.After, sizeof current) != 0) continue;
        current = entry.Before;
        block.ButtonChanged[entry.Slot][entry.Button] = 1;
    }
    Forget();
}
