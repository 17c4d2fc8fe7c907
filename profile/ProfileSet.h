// Loading and saving the profile set: the current slot and mouse type from
// the application settings file, the five slot profile files, and the system
// pointer settings of the current slot from or to the registry.
#pragma once

#include "IniAccessor.h"
#include "Registry.h"
#include "SettingsBlock.h"

#include <string>

// Reads into the block's current slot, mouse type and five records; the change
// flags are left alone. A slot whose file is missing or holds no key of a
// profile gets its default profile.
// A current slot outside 0..4 (no config.ini, damaged key) stays as read and
// the registry is not read; callers index records through EffectiveSlot().
// Always true.
bool LoadProfileSet(SettingsBlock& block, IniFileSystem& files, Registry& registry, const std::string& programFolder);

// Writes the current slot's pointer settings to the registry first (when the
// slot is 0..4), then CurrentProfile and MouseType, then the five slot
// profile files. Write failures are ignored; always true.
bool SaveProfileSet(const SettingsBlock& block, IniFileSystem& files, Registry& registry,
                    const std::string& programFolder);
