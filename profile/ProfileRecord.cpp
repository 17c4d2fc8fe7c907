#include "ProfileRecord.h"

#include "profile/TiltSpeed.h"

#include <cstdio>
#include <cstring>

const uint8_t kDefaultFunctionCodes[kButtonCount] = {1, 2, 3, 7, 8, 13, 86, 0, 0, 0, 0, 0, 0, 0, 9, 10};

void CopyText(char* field, size_t fieldSize, const char* text) {
    if (fieldSize == 0) return;
    size_t length = text ? strnlen(text, fieldSize - 1) : 0;
    if (length) memcpy(field, text, length);
    field[length] = '\0';
}

void FillDefaultEntry(ButtonAssignmentEntry& entry, int button) {
    memset(&entry, 0, sizeof entry);
    entry.ButtonIndex = static_cast<uint8_t>(button);
    entry.FunctionCode = kDefaultFunctionCodes[button];
}

void FillDefaults(ProfileRecord& record, int slot) {
    snprintf(record.ProFileName, sizeof record.ProFileName, "Default%d", slot + 1);
    record.GameFile[0] = '\0';

    record.DbleClickSpeed = 550;
    record.ScrollWheelSpeed = 3;
    record.ScrollWheelFlag = 0;
    record.MouseSpeed = 10;
    record.Acceleration = 10;
    record.AccelerationFlag = 0;
    record.TiltSpeed = kDefaultTiltSpeed;
    record.LightIntensity = 3;
    record.BreathSpeed = 1;
    record.TimeCloseFlag = 1;
    record.MediaOption = 0;
    record.HDDKeyboard = 1;
    record.Orientation = 0;
    record.XYSynchronous = 0;
    record.Sensitivity_X = 10;
    record.Sensitivity_Y = 10;
    record.XYCpiFlag = 1;
    static const int32_t kLevels[kLevelCount] = {4, 6, 8, 10, 12};
    for (int n = 0; n < kLevelCount; ++n) {
        record.CpiLevel_X[n] = kLevels[n];
        record.CpiLevel_Y[n] = kLevels[n];
        record.dpiStepFlag[n] = 1;
    }
    record.CpiStep = 0;
    record.DpiIndicationType = 1;
    record.PollingRate = 2;
    record.LightSwitch = 0;
    record.LightType = 2;
    record.ColorFlag = 1;
    static const int32_t kColorOptions[8] = {0, 1, 3, 2, 4, 5, 6, 7};
    memcpy(record.ColorOptions, kColorOptions, sizeof kColorOptions);
    record.OTGSpeed = 10;
    static const int32_t kDpiColors[kLevelCount] = {0x0000FF, 0xFF0000, 0x00FF00, 0xFF00FF, 0xFF0000};
    memcpy(record.DPIColor, kDpiColors, sizeof kDpiColors);
    record.BtnConfiguration = 4;
    record.Color1Type = 1;
    record.Color2Type = 1;
    record.LightEffectSwitch1 = 1;
    record.LightEffectSwitch2 = 0;
    record.LightEffectType1 = 0;
    record.LightEffectType2 = 1;
    record.ColorOptions1 = 1;
    record.ColorOptions2 = 1;
    record.ColorChangeModeOptions1 = 1;
    record.ColorChangeModeOptions2 = 1;
    record.FireOrOnToGoStatusIndicatorSetting = 1;
    record.ProfileSwitchIndictor = 1;

    for (int b = 0; b < kButtonCount; ++b) FillDefaultEntry(record.MacroKeyInfo[b], b);

    record.XuanCaiDirection = 0;
    record.XuanCaiSpeed = 2;
    record.XuanCaiSpecielSpeed = 1;
    record.NeonSpeed = 2;
    record.NeonSpecielSpeed = 1;
    record.NeonIntensity = 0;
    record.QiSeSpeed = 2;
    record.QiSeIntensity = 0;
    record.QiSeType = 1;
    record.QiSeSpecielSpeed = 1;
    static const int32_t kQiSeColors[7] = {0xFF00FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFFFF00, 0xFF00FF, 0xFFFFFF};
    memcpy(record.ClQiSeColor, kQiSeColors, sizeof kQiSeColors);
    record.DanSeSpeed = 2;
    record.DanSeSpecielSpeed = 1;
    record.DanSeIntensity = 2;
    record.DanSeType = 2;
}

void ResetProfile(ProfileRecord& record, int slot) {
    FillDefaults(record, slot);
}
