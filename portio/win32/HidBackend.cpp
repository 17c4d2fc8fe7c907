#include "portio/win32/HidBackend.h"

#include "portio/InputReport.h"
#include "portio/PortioApi.h"
#include "portio/Protocol.h"
#include "portio/win32/DeviceWatchWindow.h"
#include "portio/win32/HidDevices.h"

extern "C" {
#include <hidsdi.h>
}

#include <algorithm>
#include <cstring>

namespace portio {

namespace {

constexpr DWORD kWriteTimeoutMs = 1000;
constexpr int kReportIdLength = 1;

// An output report that the device does not take within the timeout is
// cancelled rather than left to block the caller.
bool WriteWithTimeout(HANDLE device, const std::vector<unsigned char>& report) {
    UniqueHandle done(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!done) return false;
    OVERLAPPED overlapped{};
    overlapped.hEvent = done.Get();
    DWORD written = 0;
    if (!WriteFile(device, report.data(), static_cast<DWORD>(report.size()), nullptr, &overlapped)) {
        if (GetLastError() != ERROR_IO_PENDING) return false;
        if (WaitForSingleObject(done.Get(), kWriteTimeoutMs) != WAIT_OBJECT_0) CancelIo(device);
    }
    return GetOverlappedResult(device, &overlapped, &written, TRUE) && written == report.size();
}

}  // namespace

HidBackend::HidBackend() : m_vendorId(kVendorId), m_productId(kProductId) {}

HidBackend::~HidBackend() {
    m_watchThread.Stop();
    m_reader.Stop();
}

int HidBackend::SetVidPid(int vendorId, int productId) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_vendorId = vendorId;
    m_productId = productId;
    return 1;
}

int HidBackend::OpenMonitor(HWND window, UINT eventMessage, UINT presenceMessage) {
    if (!IsWindow(window)) return 0;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_monitorWindow = window;
        m_eventMessage = eventMessage;
        m_presenceMessage = presenceMessage;
        // The caller learns the first presence from Open_ReportDevice;
        // messages report changes from here on.
        m_present = !FindHidInterfaces(m_vendorId, m_productId).empty();
    }
    const bool started = m_watchThread.Start(
        [this]() {
            auto watch = std::make_unique<DeviceWatchWindow>([this]() { CheckDevice(); });
            if (!watch->Create()) watch.reset();
            return std::unique_ptr<Window>(std::move(watch));
        },
        kDeviceWatchWindowClass);
    return started;
}

int HidBackend::CloseMonitor() {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_monitorWindow = nullptr;
    }
    m_watchThread.Stop();
    m_reader.Stop();
    return 1;
}

void HidBackend::CheckDevice() {
    int vendorId, productId;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        vendorId = m_vendorId;
        productId = m_productId;
    }
    const std::vector<HidInterface> interfaces = FindHidInterfaces(vendorId, productId);
    const bool present = !interfaces.empty();
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (present != m_present && m_monitorWindow)
            PostMessageA(m_monitorWindow, m_presenceMessage, present ? 1 : 0, 0);
        m_present = present;
    }
    if (!present) {
        m_reader.Stop();
        return;
    }
    if (m_reader.Running()) return;
    const HidInterface* input = ChooseInterface(interfaces, HidChannel::Input, kInputReportMinimumLength);
    if (input)
        m_reader.Start(input->Path, input->InputLength,
                       [this](const std::vector<unsigned char>& report) { OnInputReport(report); });
}

void HidBackend::OnInputReport(const std::vector<unsigned char>& report) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_lastInput = report;
    DeviceEvent event;
    if (m_monitorWindow && DecodeInputReport(report.data(), static_cast<int>(report.size()), event))
        PostMessageA(m_monitorWindow, m_eventMessage, event.Type, event.Data);
}

int HidBackend::OpenFeature() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_feature.Reset();
    const auto interfaces = FindHidInterfaces(m_vendorId, m_productId);
    const HidInterface* chosen = ChooseInterface(interfaces, HidChannel::Feature, kReportIdLength + kCommandLength);
    if (!chosen) return 0;
    m_feature = OpenHidInterface(chosen->Path, GENERIC_READ | GENERIC_WRITE, 0);
    m_featureLength = chosen->FeatureLength;
    return static_cast<bool>(m_feature);
}

int HidBackend::CloseFeature() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_feature.Reset();
    return 1;
}

int HidBackend::OpenReport() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_output.Reset();
    const auto interfaces = FindHidInterfaces(m_vendorId, m_productId);
    const HidInterface* chosen = ChooseInterface(interfaces, HidChannel::Output, kReportIdLength + kChunkLength);
    if (!chosen) return 0;
    m_output = OpenHidInterface(chosen->Path, GENERIC_READ | GENERIC_WRITE, FILE_FLAG_OVERLAPPED);
    m_outputLength = chosen->OutputLength;
    return static_cast<bool>(m_output);
}

int HidBackend::CloseReport() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_output.Reset();
    return 1;
}

std::vector<unsigned char> HidBackend::PadReport(const unsigned char* buffer, int length, int reportLength) {
    std::vector<unsigned char> report(static_cast<size_t>(reportLength), 0);
    std::memcpy(report.data() + kReportIdLength, buffer, static_cast<size_t>(std::min(length, reportLength - 1)));
    return report;
}

int HidBackend::SetFeature(unsigned char* buffer, int length) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_feature || !buffer || length <= 0 || length > m_featureLength - kReportIdLength) return 0;
    std::vector<unsigned char> report = PadReport(buffer, length, m_featureLength);
    return HidD_SetFeature(m_feature.Get(), report.data(), static_cast<ULONG>(report.size())) ? 1 : 0;
}

int HidBackend::WriteUsb(unsigned char* buffer, int length) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_output || !buffer || length <= 0 || length > m_outputLength - kReportIdLength) return 0;
    return WriteWithTimeout(m_output.Get(), PadReport(buffer, length, m_outputLength)) ? 1 : 0;
}

int HidBackend::GetFeature(unsigned char* buffer, int length) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_feature || !buffer || length <= 0) return 0;
    std::vector<unsigned char> report(static_cast<size_t>(m_featureLength), 0);
    if (!HidD_GetFeature(m_feature.Get(), report.data(), static_cast<ULONG>(report.size()))) return 0;
    std::memset(buffer, 0, static_cast<size_t>(length));
    std::memcpy(buffer, report.data() + kReportIdLength, std::min<size_t>(length, report.size() - kReportIdLength));
    return 1;
}

int HidBackend::ReadUsb(unsigned char* buffer, int length) {
    // The reader thread owns the input channel; this hands out the latest
    // report it saw, without the report id.
    std::lock_guard<std::mutex> guard(m_lock);
    if (!buffer || length <= 0 || m_lastInput.size() <= kReportIdLength) return 0;
    std::memset(buffer, 0, static_cast<size_t>(length));
    std::memcpy(buffer, m_lastInput.data() + kReportIdLength,
                std::min<size_t>(length, m_lastInput.size() - kReportIdLength));
    return 1;
}

}  // namespace portio
