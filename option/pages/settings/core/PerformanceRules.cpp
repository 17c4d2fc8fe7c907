#include "option/pages/settings/core/PerformanceRules.h"

namespace {

constexpr int32_t kDoubleClickBase = 900;
constexpr int32_t kDoubleClickStep = 70;
constexpr int32_t kPointerSpeedStep = 2;
constexpr int32_t kFallbackPointerSpeed = 10;
constexpr int32_t kFallbackPointerPosition = 6;
constexpr int32_t kMaximumPointerSpeed = 20;

// Position 1..11 -> speed.
constexpr int32_t kPointerSpeeds[] = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
constexpr const char* kResolutionLabels[kResolutionChoices] = {"400",  "800",  "1200", "1600",
                                                                "2000", "2400", "3200", "4000"};

}  // namespace

int32_t DoubleClickTimeOfStep(int step) { return kDoubleClickBase - kDoubleClickStep * step; }
int32_t DoubleClickTimeOfSlider(int32_t value) { return kDoubleClickBase - value; }
int32_t DoubleClickSliderOf(int32_t doubleClickTime) { return kDoubleClickBase - doubleClickTime; }
int DoubleClickStepIndexOf(int32_t doubleClickTime) {
    return (kDoubleClickBase - doubleClickTime) / kDoubleClickStep - 1;
}

int32_t PointerSpeedOfStep(int step) { return kPointerSpeedStep * step; }

int32_t PointerSpeedOfPosition(int32_t position) {
    if (position < kPointerSliderMinimum || position > kPointerSliderMaximum) return kFallbackPointerSpeed;
    return kPointerSpeeds[position - kPointerSliderMinimum];
}

int32_t PointerPositionOfSpeed(int32_t speed) {
    if (speed < 0 || speed > kMaximumPointerSpeed) return kFallbackPointerPosition;
    if (speed <= 1) return 1;
    // 2 -> 2, 3..4 -> 3, 5..6 -> 4, ... 19..20 -> 11.
    return (speed + 1) / 2 + 1;
}

int PointerSpeedStepIndexOf(int32_t speed) { return speed / kPointerSpeedStep - 1; }

const char* ResolutionChoiceLabel(int32_t choice) {
    return kResolutionLabels[ResolutionChoiceIndexOf(choice) < 0 ? 0 : choice - 1];
}

int ResolutionChoiceIndexOf(int32_t choice) { return choice >= 1 && choice <= kResolutionChoices ? choice - 1 : -1; }

void SetAcceleration(ProfileRecord& record, bool on) {
    record.AccelerationFlag = on ? 1 : 0;
    record.Acceleration = on ? kAccelerationOn : 0;
}

PerformanceSelection SelectionOf(const ProfileRecord& record) {
    PerformanceSelection selection;
    selection.wheelMode = record.ScrollWheelFlag;
    selection.reportRate = record.PollingRate;
    selection.resolution = ResolutionChoiceIndexOf(record.CpiLevel_X[kResolutionChoiceLevel]);
    selection.scrollLines = record.ScrollWheelSpeed - 1;
    selection.pointerSpeed = PointerSpeedStepIndexOf(record.MouseSpeed);
    selection.doubleClick = DoubleClickStepIndexOf(record.DbleClickSpeed);
    selection.acceleration = record.AccelerationFlag == 1;
    return selection;
}

PerformanceFields PerformanceFieldsOf(const ProfileRecord& record) {
    return PerformanceFields{record.DbleClickSpeed,  record.MouseSpeed,       record.ScrollWheelSpeed,
                             record.TiltSpeed,       record.ScrollWheelFlag,  record.AccelerationFlag,
                             record.Acceleration,    record.PollingRate,      record.CpiLevel_X[kResolutionChoiceLevel]};
}

void RestorePerformanceFields(ProfileRecord& record, const PerformanceFields& fields) {
    record.DbleClickSpeed = fields.DbleClickSpeed;
    record.MouseSpeed = fields.MouseSpeed;
    record.ScrollWheelSpeed = fields.ScrollWheelSpeed;
    record.TiltSpeed = fields.TiltSpeed;
    record.ScrollWheelFlag = fields.ScrollWheelFlag;
    record.AccelerationFlag = fields.AccelerationFlag;
    record.Acceleration = fields.Acceleration;
    record.PollingRate = fields.PollingRate;
    record.CpiLevel_X[kResolutionChoiceLevel] = fields.ResolutionChoice;
}
