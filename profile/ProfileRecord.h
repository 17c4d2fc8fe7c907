// The profile record: every setting of one profile. The layout is shared
// memory between Monitor and Option and must stay byte-exact.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kSlotCount = 5;
constexpr int kButtonCount = 16;
constexpr int kLevelCount = 5;
constexpr int kMacroEventCapacity = 40;

#pragma pack(push, 1)

// One button position: what the button does and the data its function needs.
struct ButtonAssignmentEntry {
    uint8_t ButtonIndex;
    uint8_t FunctionCode;
    char Name[26];          // macro name for function code 16
    int32_t RepeatCount;    // macro repeat count
    int32_t MacroOption;    // 0..2, low byte sent to the mouse
    uint16_t ItemCount;     // macro events in Data (0..40); 1 for a key combination
    uint8_t Data[160];      // macro events, or key code + modifier bits
    char ProgramPath[262];  // program started by function code 17
};

struct ProfileRecord {
    char ProFileName[250];
    char GameFile[502];
    int32_t DbleClickSpeed;
    int32_t ScrollWheelSpeed;
    int32_t ScrollWheelFlag;
    int32_t MouseSpeed;
    int32_t Acceleration;
    int32_t AccelerationFlag;
    int32_t TiltSpeed;
    int32_t LightIntensity;
    int32_t BreathSpeed;
    int32_t TimeCloseFlag;
    int32_t MediaOption;
    int32_t HDDKeyboard;
    int32_t Orientation;
    int32_t XYSynchronous;
    int32_t Sensitivity_X;
    int32_t Sensitivity_Y;
    int32_t XYCpiFlag;
    int32_t CpiLevel_X[kLevelCount];
    int32_t CpiLevel_Y[kLevelCount];
    int32_t CpiStep;
    int32_t dpiStepFlag[kLevelCount];
    uint8_t dpiIndicator[kLevelCount];
    uint8_t DpiIndicationType;
    uint8_t Reserved1[2];
    int32_t PollingRate;
    int32_t LiftSwitch;
    int32_t LiftLevel;
    int32_t LightSwitch;
    int32_t LightType;
    int32_t ColorFlag;
    int32_t ColorOptions[8];
    int32_t ColorChangeMode;
    int32_t BTOption;
    int32_t OTGSpeed;
    int32_t DPIColor[kLevelCount];
    uint8_t BtnConfiguration;
    uint8_t Color1Type;
    uint8_t Color2Type;
    uint8_t LightEffectSwitch1;
    uint8_t LightEffectSwitch2;
    uint8_t LightEffectType1;
    uint8_t LightEffectType2;
    uint8_t ColorOptions1;  // a field of its own, not ColorOptions[1]
    uint8_t ColorOptions2;
    uint8_t ColorChangeModeOptions1;
    uint8_t ColorChangeModeOptions2;
    uint8_t FireOrOnToGoStatusIndicatorSetting;
    uint8_t ProfileSwitchIndictor;
    uint8_t Reserved2[3];
    ButtonAssignmentEntry MacroKeyInfo[kButtonCount];
    int32_t XuanCaiDirection;
    int32_t XuanCaiSpeed;
    int32_t XuanCaiSpecielSpeed;
    int32_t NeonSpeed;
    int32_t NeonSpecielSpeed;
    int32_t NeonIntensity;
    int32_t QiSeSpeed;
    int32_t QiSeIntensity;
    int32_t QiSeType;
    int32_t QiSeSpecielSpeed;
    int32_t ClQiSeColor[7];
    int32_t DanSeSpeed;
    int32_t DanSeSpecielSpeed;
    int32_t DanSeIntensity;
    int32_t DanSeType;
};

#pragma pack(pop)

static_assert(sizeof(ButtonAssignmentEntry) == 460, "button assignment entry is 460 bytes");
static_assert(offsetof(ButtonAssignmentEntry, ButtonIndex) == 0);
static_assert(offsetof(ButtonAssignmentEntry, FunctionCode) == 1);
static_assert(offsetof(ButtonAssignmentEntry, Name) == 2);
static_assert(offsetof(ButtonAssignmentEntry, RepeatCount) == 28);
static_assert(offsetof(ButtonAssignmentEntry, MacroOption) == 32);
static_assert(offsetof(ButtonAssignmentEntry, ItemCount) == 36);
static_assert(offsetof(ButtonAssignmentEntry, Data) == 38);
static_assert(offsetof(ButtonAssignmentEntry, ProgramPath) == 198);

// Every field at its byte offset: the record is shared memory between the
// two programs, so a field moved by one byte breaks the other program.
static_assert(sizeof(ProfileRecord) == 8440, "profile record is 8440 bytes");
// Texts and system pointer settings.
static_assert(offsetof(ProfileRecord, ProFileName) == 0);
static_assert(offsetof(ProfileRecord, GameFile) == 250);
static_assert(offsetof(ProfileRecord, DbleClickSpeed) == 752);
static_assert(offsetof(ProfileRecord, ScrollWheelSpeed) == 756);
static_assert(offsetof(ProfileRecord, ScrollWheelFlag) == 760);
static_assert(offsetof(ProfileRecord, MouseSpeed) == 764);
static_assert(offsetof(ProfileRecord, Acceleration) == 768);
static_assert(offsetof(ProfileRecord, AccelerationFlag) == 772);
static_assert(offsetof(ProfileRecord, TiltSpeed) == 776);
// Device settings, sensitivity and resolution levels.
static_assert(offsetof(ProfileRecord, LightIntensity) == 780);
static_assert(offsetof(ProfileRecord, BreathSpeed) == 784);
static_assert(offsetof(ProfileRecord, TimeCloseFlag) == 788);
static_assert(offsetof(ProfileRecord, MediaOption) == 792);
static_assert(offsetof(ProfileRecord, HDDKeyboard) == 796);
static_assert(offsetof(ProfileRecord, Orientation) == 800);
static_assert(offsetof(ProfileRecord, XYSynchronous) == 804);
static_assert(offsetof(ProfileRecord, Sensitivity_X) == 808);
static_assert(offsetof(ProfileRecord, Sensitivity_Y) == 812);
static_assert(offsetof(ProfileRecord, XYCpiFlag) == 816);
static_assert(offsetof(ProfileRecord, CpiLevel_X) == 820);
static_assert(offsetof(ProfileRecord, CpiLevel_Y) == 840);
static_assert(offsetof(ProfileRecord, CpiStep) == 860);
static_assert(offsetof(ProfileRecord, dpiStepFlag) == 864);
static_assert(offsetof(ProfileRecord, dpiIndicator) == 884);
static_assert(offsetof(ProfileRecord, DpiIndicationType) == 889);
static_assert(offsetof(ProfileRecord, Reserved1) == 890);
static_assert(offsetof(ProfileRecord, PollingRate) == 892);
static_assert(offsetof(ProfileRecord, LiftSwitch) == 896);
static_assert(offsetof(ProfileRecord, LiftLevel) == 900);
// Lighting.
static_assert(offsetof(ProfileRecord, LightSwitch) == 904);
static_assert(offsetof(ProfileRecord, LightType) == 908);
static_assert(offsetof(ProfileRecord, ColorFlag) == 912);
static_assert(offsetof(ProfileRecord, ColorOptions) == 916);
static_assert(offsetof(ProfileRecord, ColorChangeMode) == 948);
static_assert(offsetof(ProfileRecord, BTOption) == 952);
static_assert(offsetof(ProfileRecord, OTGSpeed) == 956);
static_assert(offsetof(ProfileRecord, DPIColor) == 960);
// Byte-wide fields.
static_assert(offsetof(ProfileRecord, BtnConfiguration) == 980);
static_assert(offsetof(ProfileRecord, Color1Type) == 981);
static_assert(offsetof(ProfileRecord, Color2Type) == 982);
static_assert(offsetof(ProfileRecord, LightEffectSwitch1) == 983);
static_assert(offsetof(ProfileRecord, LightEffectSwitch2) == 984);
static_assert(offsetof(ProfileRecord, LightEffectType1) == 985);
static_assert(offsetof(ProfileRecord, LightEffectType2) == 986);
static_assert(offsetof(ProfileRecord, ColorOptions1) == 987);
static_assert(offsetof(ProfileRecord, ColorOptions2) == 988);
static_assert(offsetof(ProfileRecord, ColorChangeModeOptions1) == 989);
static_assert(offsetof(ProfileRecord, ColorChangeModeOptions2) == 990);
static_assert(offsetof(ProfileRecord, FireOrOnToGoStatusIndicatorSetting) == 991);
static_assert(offsetof(ProfileRecord, ProfileSwitchIndictor) == 992);
static_assert(offsetof(ProfileRecord, Reserved2) == 993);
// Button assignment entries.
static_assert(offsetof(ProfileRecord, MacroKeyInfo) == 996);
static_assert(offsetof(ProfileRecord, MacroKeyInfo) + 15 * sizeof(ButtonAssignmentEntry) == 7896);
// Lighting effects.
static_assert(offsetof(ProfileRecord, XuanCaiDirection) == 8356);
static_assert(offsetof(ProfileRecord, XuanCaiSpeed) == 8360);
static_assert(offsetof(ProfileRecord, XuanCaiSpecielSpeed) == 8364);
static_assert(offsetof(ProfileRecord, NeonSpeed) == 8368);
static_assert(offsetof(ProfileRecord, NeonSpecielSpeed) == 8372);
static_assert(offsetof(ProfileRecord, NeonIntensity) == 8376);
static_assert(offsetof(ProfileRecord, QiSeSpeed) == 8380);
static_assert(offsetof(ProfileRecord, QiSeIntensity) == 8384);
static_assert(offsetof(ProfileRecord, QiSeType) == 8388);
static_assert(offsetof(ProfileRecord, QiSeSpecielSpeed) == 8392);
static_assert(offsetof(ProfileRecord, ClQiSeColor) == 8396);
static_assert(offsetof(ProfileRecord, DanSeSpeed) == 8424);
static_assert(offsetof(ProfileRecord, DanSeSpecielSpeed) == 8428);
static_assert(offsetof(ProfileRecord, DanSeIntensity) == 8432);
static_assert(offsetof(ProfileRecord, DanSeType) == 8436);

// Default function codes of the 16 buttons (14 and 15 are wheel up and down).
extern const uint8_t kDefaultFunctionCodes[kButtonCount];

// The default entry of button position 0..15: all zero but its index and
// function code.
void FillDefaultEntry(ButtonAssignmentEntry& entry, int button);

// Sets every field that has a default; fields without one (dpiIndicator,
// LiftSwitch, LiftLevel, ColorChangeMode, BTOption) keep their value.
void FillDefaults(ProfileRecord& record, int slot);

// Same as FillDefaults: resets the record of one slot.
void ResetProfile(ProfileRecord& record, int slot);

// Copies text into a fixed field, cutting it to the field and terminating it.
void CopyText(char* field, size_t fieldSize, const char* text);

template <size_t N>
void CopyText(char (&field)[N], const char* text) {
    CopyText(field, N, text);
}
