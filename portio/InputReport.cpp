#include "portio/InputReport.h"

namespace portio {

bool DecodeInputReport(const uint8_t* report, int length, DeviceEvent& event) {
    if (!report || length < kInputReportMinimumLength) return false;
    const unsigned type = static_cast<unsigned>(report[1] << 8 | report[2]);
    const unsigned data = static_cast<unsigned>(report[3] << 8 | report[4]);
    if (type == 0 && data == 0) return false;
    event.Type = type;
    event.Data = data;
    return true;
}

}  // namespace portio
