// The eleven entry points of the HID transport library portio.dll, as a
// loader binds them by name with GetProcAddress. All return non-zero on
// success; Open_ReportDevice returning non-zero means the mouse is present.
#pragma once

#include <windows.h>

extern "C" {
typedef int (*Set_VIDPIDFunction)(int vendorId, int productId);
// From this call on the library posts eventMessage (wParam = event type,
// lParam = event data in the low 16 bits) for each mouse event, and
// presenceMessage with wParam 1 (attached) or 0 (gone) to the window.
typedef int (*Open_DevMonitorFunction)(HWND window, UINT eventMessage, UINT presenceMessage);
typedef int (*Close_DevMonitorFunction)();
typedef int (*Open_FeatureDeviceFunction)();
typedef int (*Close_FeatureDeviceFunction)();
typedef int (*Open_ReportDeviceFunction)();
typedef int (*Close_ReportDeviceFunction)();
// One 8-byte command.
typedef int (*SetFeatureFunction)(unsigned char* buffer, int length);
// One 64-byte data chunk.
typedef int (*WriteUSBFunction)(unsigned char* buffer, int length);
typedef int (*GetFeatureFunction)(unsigned char* buffer, int length);
typedef int (*ReadUSBFunction)(unsigned char* buffer, int length);
}

namespace portio {

constexpr char kLibraryFileName[] = "portio.dll";

// Export names, exactly as GetProcAddress wants them.
constexpr char kSet_VIDPIDName[] = "Set_VIDPID";
constexpr char kOpen_DevMonitorName[] = "Open_DevMonitor";
constexpr char kClose_DevMonitorName[] = "Close_DevMonitor";
constexpr char kOpen_FeatureDeviceName[] = "Open_FeatureDevice";
constexpr char kClose_FeatureDeviceName[] = "Close_FeatureDevice";
constexpr char kOpen_ReportDeviceName[] = "Open_ReportDevice";
constexpr char kClose_ReportDeviceName[] = "Close_ReportDevice";
constexpr char kSetFeatureName[] = "SetFeature";
constexpr char kWriteUSBName[] = "WriteUSB";
constexpr char kGetFeatureName[] = "GetFeature";
constexpr char kReadUSBName[] = "ReadUSB";

// The mouse the agent selects with Set_VIDPID.
constexpr int kVendorId = 0x1017;
constexpr int kProductId = 0x2001;

}  // namespace portio
