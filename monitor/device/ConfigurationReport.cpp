#include "monitor/device/ConfigurationReport.h"

#include <algorithm>

#include "monitor/device/DeviceCodes.h"

namespace device {

namespace {

// LightType values.
constexpr int32_t kSingleColour = 0;
constexpr int32_t kNeon = 1;
constexpr int32_t kColourCycle = 2;
constexpr int32_t kSevenColours = 3;

constexpr LightingBytes kLightingOff = {0, 0, 0};
constexpr LightingBytes kLightingUnknownType = {2, 1, 2};
constexpr uint8_t kLightingOption = 0x80;

// Rates of the preset speeds 1, 2 and 3.
constexpr uint8_t kPresetRates[] = {37, 25, 15};
constexpr uint8_t kSingleColourPresetRates[] = {50, 25, 15};

// The rate of a speed outside the presets: the special speed x 2 + 13.
uint8_t CustomRate(int32_t specialSpeed) {
    return static_cast<uint8_t>(static_cast<uint32_t>(specialSpeed) * 2 + 13);
}

// Only the low 8 bits are sent; unsigned arithmetic keeps odd stored values
// from overflowing.
uint8_t TimesTen(int32_t value) { return static_cast<uint8_t>(static_cast<uint32_t>(value) * 10); }

uint8_t RateFor(int32_t speed, const uint8_t (&presets)[3], int32_t specialSpeed) {
    return speed >= 1 && speed <= 3 ? presets[speed - 1] : CustomRate(specialSpeed);
}

LightingBytes SingleColour(const ProfileRecord& record) {
    if (record.DanSeType == 1) {
        switch (record.DanSeIntensity) {
        case 4: return kLightingOff;
        case 1: return {1, 5, kLightingOption};
        case 2: return {1, 15, kLightingOption};
        default: return {1, 37, kLightingOption};
        }
    }
    return {2, RateFor(record.DanSeSpeed, kSingleColourPresetRates, record.DanSeSpecielSpeed),
            kLightingOption};
}

LightingBytes Neon(const ProfileRecord& record) {
    if (record.NeonIntensity == 1) return kLightingOff;
    const bool preset = record.NeonSpeed >= 1 && record.NeonSpeed <= 3;
    return {static_cast<uint8_t>(preset ? 3 : 4),
            RateFor(record.NeonSpeed, kPresetRates, record.NeonSpecielSpeed), 0};
}

LightingBytes ColourCycle(const ProfileRecord& record) {
    if (record.LightSwitch == 1) return kLightingOff;
    return {4, RateFor(record.XuanCaiSpeed, kPresetRates, record.XuanCaiSpecielSpeed),
            static_cast<uint8_t>(record.XuanCaiDirection)};
}

LightingBytes SevenColours(const ProfileRecord& record) {
    if (record.QiSeIntensity == 1) return kLightingOff;
    return {2, RateFor(record.QiSeSpeed, kPresetRates, record.QiSeSpecielSpeed), 0};
}

// Constant runs of the report: first byte and content.
struct ConstantRun {
    int First;
    int Count;
    uint8_t Bytes[8];
};

const ConstantRun kConstantRuns[] = {
    {0, 2, {0xFF, 0xFF}},
    {48, 4, {0x35, 0xD4, 0x0B, 0x04}},
    {61, 3, {0x80, 0x03, 0x00}},
    {64, 7, {0x0F, 0x00, 0x0A, 0x0A, 0x19, 0x19, 0x05}},
    {76, 8, {0x01, 0xC0, 0xF0, 0x03, 0x01, 0x01, 0x64, 0x00}},
    {89, 3, {0x07, 0x07, 0x07}},
    {97, 3, {0x07, 0x07, 0x07}},
    {100, 4, {0x7F, 0xFF, 0xFF, 0xFF}},
};

constexpr int kLightingOffset = 71;
constexpr int kSensitivityOffset = 74;
constexpr int kLevelOffsets[] = {84, 92};
constexpr int kColourOffset = 104;
constexpr int kColourCount = 8;

}  // namespace

bool operator==(const LightingBytes& left, const LightingBytes& right) {
    return left.Mode == right.Mode && left.Rate == right.Rate && left.Option == right.Option;
}

LightingBytes LightingFor(const ProfileRecord& record) {
    switch (record.LightType) {
    case kSingleColour: return SingleColour(record);
    case kNeon: return Neon(record);
    case kColourCycle: return ColourCycle(record);
    case kSevenColours: return SevenColours(record);
    default: return kLightingUnknownType;
    }
}

ReportData BuildConfigurationReport(const ProfileRecord& record) {
    ReportData report{};
    for (const ConstantRun& run : kConstantRuns)
        std::copy(run.Bytes, run.Bytes + run.Count, report.begin() + run.First);

    const LightingBytes lighting = LightingFor(record);
    report[kLightingOffset] = lighting.Mode;
    report[kLightingOffset + 1] = lighting.Rate;
    report[kLightingOffset + 2] = lighting.Option;

    report[kSensitivityOffset] = TimesTen(record.Sensitivity_X);
    report[kSensitivityOffset + 1] = TimesTen(record.Sensitivity_Y);

    for (int offset : kLevelOffsets)
        for (int level = 0; level < kLevelCount; ++level)
            report[offset + level] = LevelCode(record.CpiLevel_X[level]);

    for (int colour = 0; colour < kColourCount; ++colour) {
        const ColorTriplet triplet = PaletteColor(record.ColorOptions[colour]);
        std::copy(triplet.begin(), triplet.end(), report.begin() + kColourOffset + 3 * colour);
    }
    return report;
}

}  // namespace device
