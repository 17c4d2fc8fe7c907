#include "portio/win32/WindowsHidLayer.h"

extern "C" {
#include <hidsdi.h>
}

namespace portio {

namespace {

constexpr DWORD kWriteTimeoutMs = 1000;

class WindowsHidConnection : public HidConnection {
public:
    explicit WindowsHidConnection(UniqueHandle device) : m_device(std::move(device)) {}

    bool SetFeature(std::vector<unsigned char>& report) override {
        return HidD_SetFeature(m_device.Get(), report.data(), static_cast<ULONG>(report.size())) != FALSE;
    }

    bool GetFeature(std::vector<unsigned char>& report) override {
        return HidD_GetFeature(m_device.Get(), report.data(), static_cast<ULONG>(report.size())) != FALSE;
    }

    // An output report that the device does not take within the timeout is
    // cancelled rather than left to block the caller.
    bool Write(const std::vector<unsigned char>& report) override {
        UniqueHandle done(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        if (!done) return false;
        OVERLAPPED overlapped{};
        overlapped.hEvent = done.Get();
        DWORD written = 0;
        if (!WriteFile(m_device.Get(), report.data(), static_cast<DWORD>(report.size()), nullptr, &overlapped)) {
            if (GetLastError() != ERROR_IO_PENDING) return false;
            if (WaitForSingleObject(done.Get(), kWriteTimeoutMs) != WAIT_OBJECT_0) CancelIoEx(m_device.Get(), &overlapped);
        }
        return GetOverlappedResult(m_device.Get(), &overlapped, &written, TRUE) && written == report.size();
    }

    void Cancel() override { CancelIoEx(m_device.Get(), nullptr); }

private:
    UniqueHandle m_device;
};

}  // namespace

std::vector<HidInterface> WindowsHidLayer::Find(int vendorId, int productId) {
    return FindHidInterfaces(vendorId, productId);
}

std::shared_ptr<HidConnection> WindowsHidLayer::Open(const HidInterface& device, HidChannel channel) {
    // Output reports are written overlapped so that a stuck one can time out.
    const DWORD flags = channel == HidChannel::Output ? FILE_FLAG_OVERLAPPED : 0;
    UniqueHandle handle = OpenHidInterface(device.Path, GENERIC_READ | GENERIC_WRITE, flags);
    if (!handle) return nullptr;
    return std::make_shared<WindowsHidConnection>(std::move(handle));
}

}  // namespace portio
