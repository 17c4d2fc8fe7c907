// The system pointer settings of a profile (double-click time, pointer speed
// and acceleration, wheel lines, primary-button swap): stored in the per-user
// registry where the system keeps them, read back into the current profile,
// and applied to the running system by Monitor.
#pragma once

#include "PointerSystem.h"
#include "ProfileRecord.h"
#include "Registry.h"

extern const char kMouseKeyPath[];    // "HKEY_CURRENT_USER\Control Panel\Mouse"
extern const char kDesktopKeyPath[];  // "HKEY_CURRENT_USER\Control Panel\Desktop"

extern const char kDoubleClickSpeedValue[];
extern const char kSwapMouseButtonsValue[];
extern const char kMouseSensitivityValue[];
extern const char kMouseSpeedValue[];
extern const char kMouseThreshold1Value[];
extern const char kMouseThreshold2Value[];
extern const char kWheelScrollLinesValue[];

// One row of the system's mouse acceleration setting; row 0 is no acceleration.
struct AccelerationRow {
    int32_t Speed;
    int32_t Threshold1;
    int32_t Threshold2;
};

constexpr int kAccelerationRowCount = 20;
extern const AccelerationRow kAccelerationTable[kAccelerationRowCount];

// The row written for a record: 0 when acceleration is off or negative, the
// last row for 20 and above.
int AccelerationRowFor(const ProfileRecord& record);

// Writes the record's values to the registry. 1, or -1 when a key cannot be opened.
int WritePointerSettings(const ProfileRecord& record, Registry& registry);

// Reads the registry into the record. 1; 0 when the mouse key cannot be
// opened (record unchanged); -1 when the desktop key cannot be opened. A value
// that is missing or not a number leaves the field it feeds unchanged.
int ReadPointerSettings(ProfileRecord& record, Registry& registry);

// Puts the record's settings into effect, in the order the system expects.
// With acceleration off, acceleration values left in the registry are reset
// to 0 there and in the record.
void ApplyPointerSettings(ProfileRecord& record, Registry& registry, PointerSystem& system);
