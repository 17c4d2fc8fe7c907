// Which fields of a profile record belong to which change group, and the
// comparison Apply makes to decide what the agent must rewrite.
#pragma once

#include "profile/SettingsBlock.h"

enum class ChangeGroup { Configuration, A, B, ReportRate, Level };

// Sets the slot change flag and the five per-slot group flags of `edit` by
// comparing it with `applied`, field by field (arrays element by element).
// The button change flags are left as they are.
void ComputeChangeFlags(SettingsBlock& edit, const SettingsBlock& applied);

// True when any field of the group differs between the two records.
bool GroupDiffers(ChangeGroup group, const ProfileRecord& left, const ProfileRecord& right);

// The fields a mouse event changes by itself (message 1257): copied from the
// applied copy's current slot into the same slot of the edit copy.
void TakeOverMouseChanges(SettingsBlock& edit, const SettingsBlock& applied);

// Clears the button change flags and change flags A and B.
void ClearButtonAndGroupFlags(SettingsBlock& block);
