// The mouse's event reports on its vendor input channel, as the hardware
// backend reads them:
//   byte 0     report id
//   bytes 1-2  event type, high byte first
//   bytes 3-4  event data, high byte first
//   the rest   ignored
// Each becomes one event message (wParam = type, lParam = data). A report
// with type and data both 0 is the idle report and carries no event.
#pragma once

#include <cstdint>

namespace portio {

constexpr int kInputReportMinimumLength = 5;

struct DeviceEvent {
    unsigned Type = 0;  // 16 bits
    unsigned Data = 0;  // 16 bits
};

// False when the report is too short or idle.
bool DecodeInputReport(const uint8_t* report, int length, DeviceEvent& event);

}  // namespace portio
