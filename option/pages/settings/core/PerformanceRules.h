// What the performance page does to the profile record: the double-click,
// pointer-speed, scroll-line and resolution scales, the pointer-speed table
// both ways and the acceleration pair. Row and scale indexes count from 0;
// an index outside a row selects no button.
#pragma once

#include <cstdint>

#include "profile/ProfileRecord.h"

constexpr int kScaleSteps = 10;
constexpr int kResolutionChoices = 8;
constexpr int kReportRateChoices = 4;
constexpr int kWheelModes = 2;

// Slider ranges: double-click 0..700 (free), the others snap.
constexpr int32_t kDoubleClickSliderMaximum = 700;
constexpr int32_t kPointerSliderMinimum = 1;
constexpr int32_t kPointerSliderMaximum = 11;
constexpr int32_t kLinesSliderMinimum = 1;
constexpr int32_t kLinesSliderMaximum = 10;

constexpr int32_t kAccelerationOn = 8;

// The double-click time: 900 - 70 m for step m = 1..10, 900 - v for slider value v.
int32_t DoubleClickTimeOfStep(int step);
int32_t DoubleClickTimeOfSlider(int32_t value);
int32_t DoubleClickSliderOf(int32_t doubleClickTime);
int DoubleClickStepIndexOf(int32_t doubleClickTime);

// The pointer speed: 2 n for step n = 1..10; the table for positions 1..11.
int32_t PointerSpeedOfStep(int step);
int32_t PointerSpeedOfPosition(int32_t position);
int32_t PointerPositionOfSpeed(int32_t speed);
int PointerSpeedStepIndexOf(int32_t speed);

// The resolution row (entry 4 of CpiLevel_X): choices 1..8.
constexpr int kResolutionChoiceLevel = 4;
const char* ResolutionChoiceLabel(int32_t choice);
int ResolutionChoiceIndexOf(int32_t choice);

void SetAcceleration(ProfileRecord& record, bool on);

// Which button of each row and scale the page shows selected.
struct PerformanceSelection {
    int wheelMode;
    int reportRate;
    int resolution;
    int scrollLines;
    int pointerSpeed;
    int doubleClick;
    bool acceleration;
};
PerformanceSelection SelectionOf(const ProfileRecord& record);

// The page fields of the record, kept to undo the page's edits.
struct PerformanceFields {
    int32_t DbleClickSpeed, MouseSpeed, ScrollWheelSpeed, TiltSpeed, ScrollWheelFlag, AccelerationFlag,
        Acceleration, PollingRate, ResolutionChoice;
};
PerformanceFields PerformanceFieldsOf(const ProfileRecord& record);
void RestorePerformanceFields(ProfileRecord& record, const PerformanceFields& fields);
