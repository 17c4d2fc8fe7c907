// What the lighting pages do to the profile record: the mode, the speed and
// special speed of each mode, the pairs and toggles, the DanSe colour of the
// current level and the QiSe colours. The mode menu shares the function
// menus' guard against reopening on the click that closed it.
#pragma once

#include <cstdint>

#include "option/pages/MenuReopenGuard.h"
#include "profile/ProfileRecord.h"

enum class LightMode : int32_t { DanSe = 0, DanDian = 1, XuanCai = 2, QiSe = 3 };
constexpr int kLightModeCount = 4;

constexpr unsigned kLightModeFirstStringId = 1072;
constexpr unsigned kLightModeMenuFirstId = 1001;
constexpr int kLightModeMenuWidth = 72;

constexpr int32_t kLightSpeedMinimum = 1;
constexpr int32_t kLightSpeedMaximum = 4;
constexpr int32_t kSpecialSpeedMinimum = 1;
constexpr int32_t kSpecialSpeedMaximum = 12;
constexpr int kDanSeColourCount = 7;
constexpr int kQiSeColourCount = 7;

// The sub-page shown for LightType: DanSe for an unknown mode.
LightMode ShownLightMode(int32_t lightType);
// The mode name's string number; 0 (an empty caption) for an unknown mode.
unsigned LightModeNameId(int32_t lightType);
// The mode of a menu item 1001..1004; -1 for any other.
int LightModeOfMenuItem(unsigned item);

// The speed and special-speed fields of each mode.
int32_t& LightSpeed(ProfileRecord& record, LightMode mode);
int32_t& LightSpecialSpeed(ProfileRecord& record, LightMode mode);
// The special speed applies at the top speed only.
bool SpecialSpeedUsable(int32_t speed);

// DanSe colour buttons: entry CpiStep of ColorOptions; a CpiStep outside the
// array changes nothing and selects no button.
void SetDanSeColour(ProfileRecord& record, int colourIndex);
int DanSeColourIndexOf(const ProfileRecord& record);
// The colours of the DanSe buttons, 0x00BBGGRR, by colour index 0..6.
uint32_t DanSeButtonColour(int colourIndex);

// The pairs: DanSe type 1 or 2 (index + 1), XuanCai direction and QiSe type
// 0 or 1; DanDian has none (-1, nothing written).
int PairIndexOf(const ProfileRecord& record, LightMode mode);
void SetPairIndex(ProfileRecord& record, LightMode mode, int index);
// The toggle: NeonIntensity, LightSwitch, QiSeIntensity; DanSe has none.
int32_t* ToggleField(ProfileRecord& record, LightMode mode);

