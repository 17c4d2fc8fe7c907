#include "option/core/ChangeGroups.h"

#include <cstddef>
#include <cstring>

namespace {

struct GroupField {
    ChangeGroup group;
    size_t offset;
    size_t size;
};

#define FIELD(group, name) GroupField{ChangeGroup::group, offsetof(ProfileRecord, name), sizeof(ProfileRecord::name)}

// Fields without a group (names, pointer settings, button entries, ...) are
// not compared.
const GroupField kGroupFields[] = {
    FIELD(Configuration, LightIntensity),
    FIELD(Configuration, BreathSpeed),
    FIELD(A, TimeCloseFlag),
    FIELD(A, HDDKeyboard),
    FIELD(Configuration, XYSynchronous),
    FIELD(Configuration, Sensitivity_X),
    FIELD(Configuration, Sensitivity_Y),
    FIELD(Configuration, XYCpiFlag),
    FIELD(Configuration, CpiLevel_X),
    FIELD(Configuration, CpiLevel_Y),
    FIELD(Level, CpiStep),
    FIELD(Configuration, dpiStepFlag),
    FIELD(Configuration, dpiIndicator),
    FIELD(ReportRate, PollingRate),
    FIELD(A, LiftLevel),
    FIELD(Configuration, LightSwitch),
    FIELD(Configuration, LightType),
    FIELD(Configuration, ColorFlag),
    FIELD(Configuration, ColorOptions),
    FIELD(A, ColorChangeMode),
    FIELD(A, BTOption),
    FIELD(B, OTGSpeed),
    FIELD(Configuration, DPIColor),
    FIELD(Configuration, LightEffectSwitch1),
    FIELD(Configuration, LightEffectSwitch2),
    FIELD(Configuration, LightEffectType1),
    FIELD(Configuration, LightEffectType2),
    FIELD(Configuration, ColorOptions1),
    FIELD(Configuration, ColorOptions2),
    FIELD(Configuration, XuanCaiDirection),
    FIELD(Configuration, XuanCaiSpeed),
    FIELD(Configuration, XuanCaiSpecielSpeed),
    FIELD(Configuration, NeonSpeed),
    FIELD(Configuration, NeonSpecielSpeed),
    FIELD(Configuration, NeonIntensity),
    FIELD(Configuration, QiSeSpeed),
    FIELD(Configuration, QiSeIntensity),
    FIELD(Configuration, QiSeType),
    FIELD(Configuration, QiSeSpecielSpeed),
    FIELD(Configuration, ClQiSeColor),
    FIELD(Configuration, DanSeSpeed),
    FIELD(Configuration, DanSeSpecielSpeed),
    FIELD(Configuration, DanSeIntensity),
    FIELD(Configuration, DanSeType),
};

#undef FIELD

int32_t Flag(bool set) { return set ? 1 : 0; }

}  // namespace

bool GroupDiffers(ChangeGroup group, const ProfileRecord& left, const ProfileRecord& right) {
    const auto* leftBytes = reinterpret_cast<const unsigned char*>(&left);
    const auto* rightBytes = reinterpret_cast<const unsigned char*>(&right);
    for (const GroupField& field : kGroupFields) {
        if (field.group != group) continue;
        if (memcmp(leftBytes + field.offset, rightBytes + field.offset, field.size) != 0) return true;
    }
    return false;
}

void ComputeChangeFlags(SettingsBlock& edit, const SettingsBlock& applied) {
    edit.SlotChanged = Flag(edit.CurrentSlot != applied.CurrentSlot);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const ProfileRecord& now = edit.Profiles[slot];
        const ProfileRecord& before = applied.Profiles[slot];
        edit.ConfigChanged[slot] = Flag(GroupDiffers(ChangeGroup::Configuration, now, before));
        edit.ChangedA[slot] = Flag(GroupDiffers(ChangeGroup::A, now, before));
        edit.ChangedB[slot] = Flag(GroupDiffers(ChangeGroup::B, now, before));
        edit.RateChanged[slot] = Flag(GroupDiffers(ChangeGroup::ReportRate, now, before));
        edit.LevelChanged[slot] = Flag(GroupDiffers(ChangeGroup::Level, now, before));
    }
}

void TakeOverMouseChanges(SettingsBlock& edit, const SettingsBlock& applied) {
    const int slot = EffectiveSlot(applied.CurrentSlot);
    const ProfileRecord& from = applied.Profiles[slot];
    ProfileRecord& to = edit.Profiles[slot];
    to.CpiStep = from.CpiStep;
    to.Sensitivity_X = from.Sensitivity_X;
    to.Sensitivity_Y = from.Sensitivity_Y;
    to.PollingRate = from.PollingRate;
}

void ClearButtonAndGroupFlags(SettingsBlock& block) {
    memset(block.ButtonChanged, 0, sizeof block.ButtonChanged);
    memset(block.ChangedA, 0, sizeof block.ChangedA);
    memset(block.ChangedB, 0, sizeof block.ChangedB);
}
