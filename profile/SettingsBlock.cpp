#include "SettingsBlock.h"

#include <cstring>

void ClearBlock(SettingsBlock& block) {
    memset(&block, 0, sizeof block);
    block.CurrentSlot = -1;
}

void ResetProfileSet(SettingsBlock& block) {
    block.CurrentSlot = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) FillDefaults(block.Profiles[slot], slot);
}

void MarkAllChanged(SettingsBlock& block) {
    for (int slot = 0; slot < kSlotCount; ++slot) MarkSlotChanged(block, slot);
}

void MarkSlotChanged(SettingsBlock& block, int slot) {
    if (slot < 0 || slot >= kSlotCount) return;
    for (int button = 0; button < kButtonCount; ++button) block.ButtonChanged[slot][button] = 1;
    block.ChangedA[slot] = 1;
    block.ChangedB[slot] = 1;
    block.RateChanged[slot] = 1;
    block.LevelChanged[slot] = 1;
    block.ConfigChanged[slot] = 1;
    block.SlotChanged = 1;
}
