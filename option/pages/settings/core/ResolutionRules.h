// What the resolution page does to the profile record: the level values and
// their texts, the sensitivity link, the level notices of the level controls
// and the two page operations.
#pragma once

#include <cstdint>

#include "profile/SettingsBlock.h"

constexpr int32_t kLevelValueMinimum = 1;
constexpr int32_t kLevelValueMaximum = 12;
// The preset buttons of a level control offer the values 1..8.
constexpr int kLevelPresetCount = 8;
constexpr int32_t kFallbackLevelValue = 4;  // what a value outside 1..12 is shown as

// "250" .. "4000"; "1000" for a value outside 1..12.
const char* LevelValueText(int32_t value);
// The position a level's value slider shows for a record value.
int32_t LevelSliderValue(int32_t value);

// The level control notice MSG_DPI_LEVEL: wParam = (kind << 16) | value,
// lParam = the control's identifier 500 + level.
constexpr uint32_t kLevelControlFirstId = 500;
enum class LevelNoticeKind : uint32_t { Enabled = 1, Value = 2, Current = 3 };
uint32_t LevelNoticeWParam(LevelNoticeKind kind, uint32_t value);

// What a level notice asks of the page.
enum class LevelNoticeResult { Ignored, Changed, CurrentChanged };
LevelNoticeResult ApplyLevelNotice(ProfileRecord& record, uint32_t identifier, uint32_t wParam);

// The inner controls of a level control: the enable toggle may be used
// unless the level is current (the current level cannot be switched off);
// the presets, slider and current button follow the enabled flag.
struct LevelControlState {
    int32_t value = kFallbackLevelValue;
    bool enabled = true;
    bool current = false;
};
bool EnableToggleUsable(const LevelControlState& state);
bool InnerControlsUsable(const LevelControlState& state);
LevelControlState LevelStateFromRecord(const ProfileRecord& record, int level);

// The two sensitivity sliders: X is 201, Y is 202. With XYSynchronous 0 the
// axes move together; the result says whether the other slider must follow.
enum class SensitivityAxis { X, Y };
bool SetSensitivity(ProfileRecord& record, SensitivityAxis axis, int32_t value);
// The link toggle: XYSynchronous = its new state; linking copies X into Y.
// True when Y was changed.
bool SetSensitivityLink(ProfileRecord& record, bool independent);

// Page button "20": the resolution settings of the slot's default profile
// (levels, their flags and colours, the current level, sensitivity and link).
void ResetResolutionSettings(ProfileRecord& record, int slot);
// Page button "21": the current slot's resolution settings into the other
// four slots of the edit copy (Apply finds the differences).
void CopyResolutionSettingsToAllSlots(SettingsBlock& block);
