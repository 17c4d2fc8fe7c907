#include "portio/win32/HidBackend.h"

#include "portio/InputReport.h"
#include "portio/PortioApi.h"
#include "portio/Protocol.h"
#include "portio/win32/DeviceWatchWindow.h"

#include <algorithm>
#include <cstring>

namespace portio {

namespace {

constexpr int kReportIdLength = 1;

}  // namespace

HidBackend::HidBackend(std::unique_ptr<HidLayer> layer)
    : m_layer(std::move(layer)), m_vendorId(kVendorId), m_productId(kProductId) {}

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

void HidBackend::PostPresence(bool present) {
    if (m_monitorWindow) PostMessageA(m_monitorWindow, m_presenceMessage, present ? 1 : 0, 0);
}

void HidBackend::CheckDevice() {
    int vendorId, productId;
    bool outputOpen;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        vendorId = m_vendorId;
        productId = m_productId;
        outputOpen = static_cast<bool>(m_output.Connection);
    }
    const std::vector<HidInterface> interfaces = m_layer->Find(vendorId, productId);
    const HidInterface* output = ChooseInterface(interfaces, HidChannel::Output, kReportIdLength + kChunkLength);
    // Listed is not enough: the caller can only use the mouse once the
    // output channel opens.
    const bool present = output && (outputOpen || m_layer->Open(*output, HidChannel::Output));
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (present != m_present) PostPresence(present);
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

void HidBackend::Close(Channel& channel) {
    // A transfer still running on the old connection ends now and fails.
    if (channel.Connection) channel.Connection->Cancel();
    channel = Channel();
}

int HidBackend::OpenFeature() {
    int vendorId, productId;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        Close(m_feature);
        vendorId = m_vendorId;
        productId = m_productId;
    }
    const auto interfaces = m_layer->Find(vendorId, productId);
    const HidInterface* chosen = ChooseInterface(interfaces, HidChannel::Feature, kReportIdLength + kCommandLength);
    if (!chosen) return 0;
    Channel opened{m_layer->Open(*chosen, HidChannel::Feature), chosen->FeatureReportId, chosen->FeatureLength};
    std::lock_guard<std::mutex> guard(m_lock);
    m_feature = opened;
    return static_cast<bool>(m_feature.Connection);
}

int HidBackend::CloseFeature() {
    std::lock_guard<std::mutex> guard(m_lock);
    Close(m_feature);
    return 1;
}

int HidBackend::OpenReport() {
    int vendorId, productId;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        Close(m_output);
        vendorId = m_vendorId;
        productId = m_productId;
    }
    const auto interfaces = m_layer->Find(vendorId, productId);
    const HidInterface* chosen = ChooseInterface(interfaces, HidChannel::Output, kReportIdLength + kChunkLength);
    Channel opened;
    if (chosen) opened = {m_layer->Open(*chosen, HidChannel::Output), chosen->OutputReportId, chosen->OutputLength};
    const bool present = static_cast<bool>(opened.Connection);
    std::lock_guard<std::mutex> guard(m_lock);
    m_output = opened;
    // The caller takes the result as presence; a caller told "present"
    // before learns that it is gone, and the checks tell it when it is back.
    if (m_present && !present) PostPresence(false);
    m_present = present;
    return present;
}

int HidBackend::CloseReport() {
    std::lock_guard<std::mutex> guard(m_lock);
    Close(m_output);
    return 1;
}

HidBackend::Channel HidBackend::Snapshot(const Channel& channel) {
    std::lock_guard<std::mutex> guard(m_lock);
    return channel;
}

std::vector<unsigned char> HidBackend::BuildReport(const Channel& channel, const unsigned char* buffer, int length) {
    std::vector<unsigned char> report(static_cast<size_t>(channel.ReportLength), 0);
    report[0] = channel.ReportId;
    std::memcpy(report.data() + kReportIdLength, buffer, static_cast<size_t>(length));
    return report;
}

int HidBackend::SetFeature(unsigned char* buffer, int length) {
    const Channel channel = Snapshot(m_feature);
    if (!channel.Connection || !buffer || length <= 0 || length > channel.ReportLength - kReportIdLength) return 0;
    std::vector<unsigned char> report = BuildReport(channel, buffer, length);
    return channel.Connection->SetFeature(report) ? 1 : 0;
}

int HidBackend::WriteUsb(unsigned char* buffer, int length) {
    const Channel channel = Snapshot(m_output);
    if (!channel.Connection || !buffer || length <= 0 || length > channel.ReportLength - kReportIdLength) return 0;
    return channel.Connection->Write(BuildReport(channel, buffer, length)) ? 1 : 0;
}

int HidBackend::GetFeature(unsigned char* buffer, int length) {
    const Channel channel = Snapshot(m_feature);
    if (!channel.Connection || !buffer || length <= 0 || channel.ReportLength <= kReportIdLength) return 0;
    std::vector<unsigned char> report(static_cast<size_t>(channel.ReportLength), 0);
    report[0] = channel.ReportId;
    if (!channel.Connection->GetFeature(report)) return 0;
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
