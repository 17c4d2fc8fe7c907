#include "option/pages/settings/core/LightingRules.h"

#include <iterator>

namespace {

// Red, green, yellow, blue, magenta, cyan, white: the mouse's palette.
constexpr uint32_t kDanSeColours[kDanSeColourCount] = {0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000,
                                                       0xFF00FF, 0xFFFF00, 0xFFFFFF};

bool KnownMode(int32_t lightType) { return lightType >= 0 && lightType < kLightModeCount; }

}  // namespace

LightMode ShownLightMode(int32_t lightType) {
    return KnownMode(lightType) ? static_cast<LightMode>(lightType) : LightMode::DanSe;
}

unsigned LightModeNameId(int32_t lightType) {
    return KnownMode(lightType) ? kLightModeFirstStringId + static_cast<unsigned>(lightType) : 0;
}

int LightModeOfMenuItem(unsigned item) {
    return item >= kLightModeMenuFirstId && item < kLightModeMenuFirstId + kLightModeCount
               ? static_cast<int>(item - kLightModeMenuFirstId)
               : -1;
}

int32_t& LightSpeed(ProfileRecord& record, LightMode mode) {
    switch (mode) {
    case LightMode::DanDian: return record.NeonSpeed;
    case LightMode::XuanCai: return record.XuanCaiSpeed;
    case LightMode::QiSe: return record.QiSeSpeed;
    default: return record.DanSeSpeed;
    }
}

int32_t& LightSpecialSpeed(ProfileRecord& record, LightMode mode) {
    switch (mode) {
    case LightMode::DanDian: return record.NeonSpecielSpeed;
    case LightMode::XuanCai: return record.XuanCaiSpecielSpeed;
    case LightMode::QiSe: return record.QiSeSpecielSpeed;
    default: return record.DanSeSpecielSpeed;
    }
}

bool SpecialSpeedUsable(int32_t speed) { return speed == kLightSpeedMaximum; }

void SetDanSeColour(ProfileRecord& record, int colourIndex) {
    if (record.CpiStep < 0 || record.CpiStep >= static_cast<int32_t>(std::size(record.ColorOptions))) return;
    record.ColorOptions[record.CpiStep] = colourIndex;
}

int DanSeColourIndexOf(const ProfileRecord& record) {
    if (record.CpiStep < 0 || record.CpiStep >= static_cast<int32_t>(std::size(record.ColorOptions))) return -1;
    return record.ColorOptions[record.CpiStep];
}

uint32_t DanSeButtonColour(int colourIndex) {
    return colourIndex >= 0 && colourIndex < kDanSeColourCount ? kDanSeColours[colourIndex] : 0;
}

int PairIndexOf(const ProfileRecord& record, LightMode mode) {
    switch (mode) {
    case LightMode::DanSe: return record.DanSeType - 1;
    case LightMode::XuanCai: return record.XuanCaiDirection;
    case LightMode::QiSe: return record.QiSeType;
    default: return -1;
    }
}

void SetPairIndex(ProfileRecord& record, LightMode mode, int index) {
    switch (mode) {
    case LightMode::DanSe: record.DanSeType = index + 1; break;
    case LightMode::XuanCai: record.XuanCaiDirection = index; break;
    case LightMode::QiSe: record.QiSeType = index; break;
    default: break;
    }
}

int32_t* ToggleField(ProfileRecord& record, LightMode mode) {
    switch (mode) {
    case LightMode::DanDian: return &record.NeonIntensity;
    case LightMode::XuanCai: return &record.LightSwitch;
    case LightMode::QiSe: return &record.QiSeIntensity;
    default: return nullptr;
    }
}
