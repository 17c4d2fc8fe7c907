// The library's entry points. The backend is chosen once, at the first
// call, from portio.ini beside the library. No exception leaves an entry
// point: a failure is a 0 result.
#include "portio/PortioApi.h"
#include "portio/win32/HidBackend.h"
#include "portio/win32/LibrarySettings.h"
#include "portio/win32/VirtualBackend.h"
#include "portio/win32/WindowsHidLayer.h"

#include <memory>
#include <type_traits>

namespace {

using portio::Backend;

Backend& TheBackend() {
    static const std::unique_ptr<Backend> backend = []() -> std::unique_ptr<Backend> {
        const portio::LibrarySettings settings = portio::ReadLibrarySettings(portio::LibraryFolder());
        if (settings.VirtualMouse) return std::make_unique<portio::VirtualBackend>(settings);
        return std::make_unique<portio::HidBackend>(std::make_unique<portio::WindowsHidLayer>());
    }();
    return *backend;
}

template <typename Call>
int Guarded(Call call) {
    try {
        return call(TheBackend());
    } catch (...) {
        OutputDebugStringA("portio: entry point failed\n");
        return 0;
    }
}

}  // namespace

extern "C" {

int Set_VIDPID(int vendorId, int productId) {
    return Guarded([&](Backend& backend) { return backend.SetVidPid(vendorId, productId); });
}
int Open_DevMonitor(HWND window, UINT eventMessage, UINT presenceMessage) {
    return Guarded([&](Backend& backend) { return backend.OpenMonitor(window, eventMessage, presenceMessage); });
}
int Close_DevMonitor() {
    return Guarded([](Backend& backend) { return backend.CloseMonitor(); });
}
int Open_FeatureDevice() {
    return Guarded([](Backend& backend) { return backend.OpenFeature(); });
}
int Close_FeatureDevice() {
    return Guarded([](Backend& backend) { return backend.CloseFeature(); });
}
int Open_ReportDevice() {
    return Guarded([](Backend& backend) { return backend.OpenReport(); });
}
int Close_ReportDevice() {
    return Guarded([](Backend& backend) { return backend.CloseReport(); });
}
int SetFeature(unsigned char* buffer, int length) {
    return Guarded([&](Backend& backend) { return backend.SetFeature(buffer, length); });
}
int WriteUSB(unsigned char* buffer, int length) {
    return Guarded([&](Backend& backend) { return backend.WriteUsb(buffer, length); });
}
int GetFeature(unsigned char* buffer, int length) {
    return Guarded([&](Backend& backend) { return backend.GetFeature(buffer, length); });
}
int ReadUSB(unsigned char* buffer, int length) {
    return Guarded([&](Backend& backend) { return backend.ReadUsb(buffer, length); });
}

}  // extern "C"

// The exported functions have exactly the types a loader casts them to.
static_assert(std::is_same_v<decltype(&Set_VIDPID), Set_VIDPIDFunction>);
static_assert(std::is_same_v<decltype(&Open_DevMonitor), Open_DevMonitorFunction>);
static_assert(std::is_same_v<decltype(&Close_DevMonitor), Close_DevMonitorFunction>);
static_assert(std::is_same_v<decltype(&Open_FeatureDevice), Open_FeatureDeviceFunction>);
static_assert(std::is_same_v<decltype(&Close_FeatureDevice), Close_FeatureDeviceFunction>);
static_assert(std::is_same_v<decltype(&Open_ReportDevice), Open_ReportDeviceFunction>);
static_assert(std::is_same_v<decltype(&Close_ReportDevice), Close_ReportDeviceFunction>);
static_assert(std::is_same_v<decltype(&SetFeature), SetFeatureFunction>);
static_assert(std::is_same_v<decltype(&WriteUSB), WriteUSBFunction>);
static_assert(std::is_same_v<decltype(&GetFeature), GetFeatureFunction>);
static_assert(std::is_same_v<decltype(&ReadUSB), ReadUSBFunction>);
