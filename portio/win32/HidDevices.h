// Finding the mouse's HID interfaces (one per top-level collection) by
// vendor and product id.
#pragma once

#include "frame/UniqueHandle.h"

#include <string>
#include <vector>

namespace portio {

struct HidInterface {
    std::string Path;
    unsigned short UsagePage = 0;
    unsigned short Usage = 0;
    int InputLength = 0;  // report lengths including the report-id byte
    int OutputLength = 0;
    int FeatureLength = 0;
    // The id each kind of report starts with; 0 for a device without ids.
    unsigned char InputReportId = 0;
    unsigned char OutputReportId = 0;
    unsigned char FeatureReportId = 0;
};

std::vector<HidInterface> FindHidInterfaces(int vendorId, int productId);

enum class HidChannel { Feature, Output, Input };

// The interface that carries the channel with reports of at least
// minimumLength bytes, vendor-defined collections first; nullptr if none.
const HidInterface* ChooseInterface(const std::vector<HidInterface>& interfaces, HidChannel channel,
                                    int minimumLength);

UniqueHandle OpenHidInterface(const std::string& path, DWORD access, DWORD flags);

}  // namespace portio
