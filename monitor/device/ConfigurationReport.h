// The 128-byte configuration report of one slot: lighting, sensitivity,
// resolution levels and colours.
#pragma once

#include <cstdint>

#include "monitor/device/DeviceCommand.h"
#include "profile/ProfileRecord.h"

namespace device {

// Report bytes 71, 72 and 73.
struct LightingBytes {
    uint8_t Mode;
    uint8_t Rate;
    uint8_t Option;
};

bool operator==(const LightingBytes& left, const LightingBytes& right);

// Chosen by LightType and the fields of the chosen effect.
LightingBytes LightingFor(const ProfileRecord& record);

ReportData BuildConfigurationReport(const ProfileRecord& record);

}  // namespace device
