#include "option/pages/settings/core/ResolutionRules.h"

namespace {

constexpr const char* kLevelTexts[kLevelValueMaximum] = {"250",  "500",  "750",  "1000", "1250", "1500",
                                                         "1750", "2000", "2500", "3000", "3500", "4000"};
constexpr uint32_t kKindShift = 16;
constexpr uint32_t kValueMask = 0xFFFF;

bool InRange(int32_t value) { return value >= kLevelValueMinimum && value <= kLevelValueMaximum; }

void CopyResolutionSettings(const ProfileRecord& from, ProfileRecord& to) {
    to.XYSynchronous = from.XYSynchronous;
    to.Sensitivity_X = from.Sensitivity_X;
    to.Sensitivity_Y = from.Sensitivity_Y;
    to.CpiStep = from.CpiStep;
    for (int level = 0; level < kLevelCount; ++level) {
        to.CpiLevel_X[level] = from.CpiLevel_X[level];
        to.dpiStepFlag[level] = from.dpiStepFlag[level];
        to.DPIColor[level] = from.DPIColor[level];
    }
}

}  // namespace

const char* LevelValueText(int32_t value) {
    return kLevelTexts[(InRange(value) ? value : kFallbackLevelValue) - kLevelValueMinimum];
}

int32_t LevelSliderValue(int32_t value) { return InRange(value) ? value : kFallbackLevelValue; }

uint32_t LevelNoticeWParam(LevelNoticeKind kind, uint32_t value) {
    return (static_cast<uint32_t>(kind) << kKindShift) | (value & kValueMask);
}

LevelNoticeResult ApplyLevelNotice(ProfileRecord& record, uint32_t identifier, uint32_t wParam) {
    if (identifier < kLevelControlFirstId || identifier >= kLevelControlFirstId + kLevelCount)
        return LevelNoticeResult::Ignored;
    const int level = static_cast<int>(identifier - kLevelControlFirstId);
    const int32_t value = static_cast<int32_t>(wParam & kValueMask);
    switch (static_cast<LevelNoticeKind>(wParam >> kKindShift)) {
    case LevelNoticeKind::Enabled: record.dpiStepFlag[level] = value; return LevelNoticeResult::Changed;
    case LevelNoticeKind::Value: record.CpiLevel_X[level] = value; return LevelNoticeResult::Changed;
    case LevelNoticeKind::Current: record.CpiStep = level; return LevelNoticeResult::CurrentChanged;
    default: return LevelNoticeResult::Ignored;
    }
}

bool EnableToggleUsable(const LevelControlState& state) { return !state.current; }

bool InnerControlsUsable(const LevelControlState& state) { return state.enabled; }

LevelControlState LevelStateFromRecord(const ProfileRecord& record, int level) {
    LevelControlState state;
    state.value = record.CpiLevel_X[level];
    state.enabled = record.dpiStepFlag[level] == 1;
    state.current = record.CpiStep == level;
    return state;
}

bool SetSensitivity(ProfileRecord& record, SensitivityAxis axis, int32_t value) {
    (axis == SensitivityAxis::X ? record.Sensitivity_X : record.Sensitivity_Y) = value;
    if (record.XYSynchronous != 0) return false;
    (axis == SensitivityAxis::X ? record.Sensitivity_Y : record.Sensitivity_X) = value;
    return true;
}

bool SetSensitivityLink(ProfileRecord& record, bool independent) {
    record.XYSynchronous = independent ? 1 : 0;
    if (independent || record.Sensitivity_X == record.Sensitivity_Y) return false;
    record.Sensitivity_Y = record.Sensitivity_X;
    return true;
}

void ResetResolutionSettings(ProfileRecord& record, int slot) {
    ProfileRecord defaults = record;
    FillDefaults(defaults, slot);
    CopyResolutionSettings(defaults, record);
}

void CopyResolutionSettingsToAllSlots(SettingsBlock& block) {
    const int current = EffectiveSlot(block.CurrentSlot);
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (slot != current) CopyResolutionSettings(block.Profiles[current], block.Profiles[slot]);
}
