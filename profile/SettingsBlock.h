// The shared settings block: current slot, the five profile records, the
// mouse type and the change flags. Both programs keep private copies of it
// and copy it whole into and out of the named shared memory.
#pragma once

#include "ProfileRecord.h"

#pragma pack(push, 1)

struct SettingsBlock {
    int32_t CurrentSlot;  // 0..4; -1 in a freshly cleared block
    ProfileRecord Profiles[kSlotCount];
    int32_t MouseType;
    int32_t ButtonChanged[kSlotCount][kButtonCount];
    int32_t ChangedA[kSlotCount];
    int32_t ChangedB[kSlotCount];
    int32_t SlotChanged;
    int32_t RateChanged[kSlotCount];
    int32_t LevelChanged[kSlotCount];
    int32_t ConfigChanged[kSlotCount];
};

#pragma pack(pop)

static_assert(sizeof(SettingsBlock) == 42632, "shared settings block is 42632 bytes");
static_assert(offsetof(SettingsBlock, Profiles) == 4);
static_assert(offsetof(SettingsBlock, Profiles) + sizeof(ProfileRecord) * 4 == 4 + 8440 * 4);
static_assert(offsetof(SettingsBlock, MouseType) == 42204);
static_assert(offsetof(SettingsBlock, ButtonChanged) == 42208);
static_assert(offsetof(SettingsBlock, ChangedA) == 42528);
static_assert(offsetof(SettingsBlock, ChangedB) == 42548);
static_assert(offsetof(SettingsBlock, SlotChanged) == 42568);
static_assert(offsetof(SettingsBlock, RateChanged) == 42572);
static_assert(offsetof(SettingsBlock, LevelChanged) == 42592);
static_assert(offsetof(SettingsBlock, ConfigChanged) == 42612);

// A flag counts as set only when it holds exactly 1.
inline bool IsFlagSet(int32_t flag) { return flag == 1; }

// The slot a record is indexed by: a current slot outside 0..4 (missing or
// damaged CurrentProfile) is used as slot 0.
inline int EffectiveSlot(int32_t currentSlot) {
    return currentSlot >= 0 && currentSlot < kSlotCount ? currentSlot : 0;
}

inline ProfileRecord& CurrentProfile(SettingsBlock& block) {
    return block.Profiles[EffectiveSlot(block.CurrentSlot)];
}
inline const ProfileRecord& CurrentProfile(const SettingsBlock& block) {
    return block.Profiles[EffectiveSlot(block.CurrentSlot)];
}

// Current slot -1, everything else zero.
void ClearBlock(SettingsBlock& block);

// Current slot 0 and the default profile of every slot.
void ResetProfileSet(SettingsBlock& block);

// Every change flag 1.
void MarkAllChanged(SettingsBlock& block);

// All flags of one slot and the slot change flag 1.
void MarkSlotChanged(SettingsBlock& block, int slot);
