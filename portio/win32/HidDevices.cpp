#include "portio/win32/HidDevices.h"

#include <windows.h>
// hidsdi.h brings the usage types hidpi.h needs; both after windows.h.
// MinGW's HID headers declare C functions without extern "C".
extern "C" {
#include <hidsdi.h>
#include <hidpi.h>
}
#include <setupapi.h>

#include <memory>
#include <vector>

namespace portio {

namespace {

constexpr unsigned short kVendorDefinedUsagePage = 0xFF00;

struct DeviceInfoSetCloser {
    void operator()(void* set) const { SetupDiDestroyDeviceInfoList(set); }
};

// The id of the first report of the kind, from its value or else its
// button capabilities; 0 when the collection has no such report.
unsigned char FirstReportId(PHIDP_PREPARSED_DATA preparsed, HIDP_REPORT_TYPE type, USHORT valueCount,
                            USHORT buttonCount) {
    if (valueCount > 0) {
        std::vector<HIDP_VALUE_CAPS> values(valueCount);
        USHORT count = valueCount;
        if (HidP_GetValueCaps(type, values.data(), &count, preparsed) == HIDP_STATUS_SUCCESS && count > 0)
            return values[0].ReportID;
    }
    if (buttonCount > 0) {
        std::vector<HIDP_BUTTON_CAPS> buttons(buttonCount);
        USHORT count = buttonCount;
        if (HidP_GetButtonCaps(type, buttons.data(), &count, preparsed) == HIDP_STATUS_SUCCESS && count > 0)
            return buttons[0].ReportID;
    }
    return 0;
}

// Attributes and capabilities of one interface; false when it cannot be
// opened (e.g. taken exclusively by the system) or is not the mouse.
bool Describe(const std::string& path, int vendorId, int productId, HidInterface& found) {
    // No access rights needed to read attributes and capabilities.
    UniqueHandle device = OpenHidInterface(path, 0, 0);
    if (!device) return false;
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof attributes;
    if (!HidD_GetAttributes(device.Get(), &attributes)) return false;
    if (attributes.VendorID != vendorId || attributes.ProductID != productId) return false;
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!HidD_GetPreparsedData(device.Get(), &preparsed)) return false;
    HIDP_CAPS caps{};
    const bool described = HidP_GetCaps(preparsed, &caps) == HIDP_STATUS_SUCCESS;
    if (described) {
        found.InputReportId =
            FirstReportId(preparsed, HidP_Input, caps.NumberInputValueCaps, caps.NumberInputButtonCaps);
        found.OutputReportId =
            FirstReportId(preparsed, HidP_Output, caps.NumberOutputValueCaps, caps.NumberOutputButtonCaps);
        found.FeatureReportId =
            FirstReportId(preparsed, HidP_Feature, caps.NumberFeatureValueCaps, caps.NumberFeatureButtonCaps);
    }
    HidD_FreePreparsedData(preparsed);
    if (!described) return false;
    found.Path = path;
    found.UsagePage = caps.UsagePage;
    found.Usage = caps.Usage;
    found.InputLength = caps.InputReportByteLength;
    found.OutputLength = caps.OutputReportByteLength;
    found.FeatureLength = caps.FeatureReportByteLength;
    return true;
}

int ChannelLength(const HidInterface& candidate, HidChannel channel) {
    switch (channel) {
    case HidChannel::Feature: return candidate.FeatureLength;
    case HidChannel::Output: return candidate.OutputLength;
    case HidChannel::Input: return candidate.InputLength;
    }
    return 0;
}

}  // namespace

std::vector<HidInterface> FindHidInterfaces(int vendorId, int productId) {
    std::vector<HidInterface> interfaces;
    GUID hidClass;
    HidD_GetHidGuid(&hidClass);
    HDEVINFO rawSet = SetupDiGetClassDevsA(&hidClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (rawSet == INVALID_HANDLE_VALUE) return interfaces;
    std::unique_ptr<void, DeviceInfoSetCloser> set(rawSet);
    for (DWORD index = 0;; ++index) {
        SP_DEVICE_INTERFACE_DATA data{};
        data.cbSize = sizeof data;
        if (!SetupDiEnumDeviceInterfaces(rawSet, nullptr, &hidClass, index, &data)) break;
        DWORD size = 0;
        SetupDiGetDeviceInterfaceDetailA(rawSet, &data, nullptr, 0, &size, nullptr);
        if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) continue;
        std::unique_ptr<BYTE[]> buffer(new BYTE[size]);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.get());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        if (!SetupDiGetDeviceInterfaceDetailA(rawSet, &data, detail, size, nullptr, nullptr)) continue;
        HidInterface found;
        if (Describe(detail->DevicePath, vendorId, productId, found)) interfaces.push_back(found);
    }
    return interfaces;
}

const HidInterface* ChooseInterface(const std::vector<HidInterface>& interfaces, HidChannel channel,
                                    int minimumLength) {
    const HidInterface* chosen = nullptr;
    for (const HidInterface& candidate : interfaces) {
        if (ChannelLength(candidate, channel) < minimumLength) continue;
        if (candidate.UsagePage >= kVendorDefinedUsagePage) return &candidate;
        if (!chosen) chosen = &candidate;
    }
    return chosen;
}

UniqueHandle OpenHidInterface(const std::string& path, DWORD access, DWORD flags) {
    return UniqueHandle(CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    flags, nullptr));
}

}  // namespace portio
