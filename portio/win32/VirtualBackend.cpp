#include "portio/win32/VirtualBackend.h"

#include "portio/ControlProtocol.h"
#include "portio/PortioApi.h"
#include "portio/StateReport.h"
#include "portio/TransferLog.h"

#include <algorithm>
#include <cstring>

namespace portio {

namespace {
constexpr unsigned kEventDataMask = 0xFFFF;
}

VirtualBackend::VirtualBackend(const LibrarySettings& settings)
    : m_attached(settings.Attached), m_vendorId(kVendorId), m_productId(kProductId) {
    m_log.Open(settings.LogPath);
}

VirtualBackend::~VirtualBackend() { m_controlThread.Stop(); }

bool VirtualBackend::Reachable() const {
    return m_attached && m_vendorId == kVendorId && m_productId == kProductId;
}

int VirtualBackend::SetVidPid(int vendorId, int productId) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_vendorId = vendorId;
    m_productId = productId;
    return 1;
}

int VirtualBackend::OpenMonitor(HWND window, UINT eventMessage, UINT presenceMessage) {
    if (!IsWindow(window)) return 0;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_monitorWindow = window;
        m_eventMessage = eventMessage;
        m_presenceMessage = presenceMessage;
    }
    const bool started = m_controlThread.Start(
        [this]() {
            auto control = std::make_unique<ControlWindow>(static_cast<VirtualMouseControl&>(*this));
            if (!control->Create()) control.reset();
            return std::unique_ptr<Window>(std::move(control));
        },
        kControlWindowClass);
    if (!started) OutputDebugStringA("portio: no virtual mouse control window\n");
    return 1;
}

int VirtualBackend::CloseMonitor() {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_monitorWindow = nullptr;
    }
    // Outside the lock: the control thread may be waiting for it.
    m_controlThread.Stop();
    return 1;
}

int VirtualBackend::OpenFeature() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_featureOpen = Reachable();
    return m_featureOpen;
}

int VirtualBackend::CloseFeature() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_featureOpen = false;
    return 1;
}

int VirtualBackend::OpenReport() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_reportOpen = Reachable();
    return m_reportOpen;
}

int VirtualBackend::CloseReport() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_reportOpen = false;
    return 1;
}

int VirtualBackend::SetFeature(unsigned char* buffer, int length) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_attached || !m_featureOpen || !buffer || length <= 0) return 0;
    m_log.Write(kSetFeatureTransfer, buffer, length);
    const bool accepted = m_mouse.ReceiveCommand(buffer, length);
    if (accepted) std::memcpy(m_lastCommand.data(), buffer, kCommandLength);
    return length == kCommandLength;
}

int VirtualBackend::WriteUsb(unsigned char* buffer, int length) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_attached || !m_reportOpen || !buffer || length <= 0) return 0;
    m_log.Write(kWriteUSBTransfer, buffer, length);
    m_mouse.ReceiveChunk(buffer, length);
    return length == kChunkLength;
}

int VirtualBackend::GetFeature(unsigned char* buffer, int length) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_attached || !m_featureOpen || !buffer || length <= 0) return 0;
    // The mouse answers a feature read with the last command it accepted.
    std::memset(buffer, 0, static_cast<size_t>(length));
    std::memcpy(buffer, m_lastCommand.data(), std::min<size_t>(length, m_lastCommand.size()));
    return 1;
}

int VirtualBackend::ReadUsb(unsigned char*, int) {
    // The virtual mouse queues no input reports: its events arrive as the
    // monitor's event messages.
    return 0;
}

void VirtualBackend::PostPresence(bool attached) {
    if (m_monitorWindow) PostMessageA(m_monitorWindow, m_presenceMessage, attached ? 1 : 0, 0);
}

bool VirtualBackend::Attach() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_attached = true;
    PostPresence(true);
    return true;
}

bool VirtualBackend::Detach() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_attached = false;
    // Unplugging ends the channels: the host must open them again.
    m_featureOpen = false;
    m_reportOpen = false;
    PostPresence(false);
    return true;
}

bool VirtualBackend::SendEvent(unsigned type, unsigned data) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_attached || !m_monitorWindow) return false;
    return PostMessageA(m_monitorWindow, m_eventMessage, type, data & kEventDataMask) != 0;
}

std::string VirtualBackend::StateText(int form) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (form == kRawState) return DumpMouseState(m_mouse.State());
    std::string text = std::string("Virtual mouse: ") + (m_attached ? "attached" : "detached") +
                       ", feature channel " + (m_featureOpen ? "open" : "closed") + ", report channel " +
                       (m_reportOpen ? "open" : "closed") + "\n";
    return text + DescribeMouseState(m_mouse.State());
}

}  // namespace portio
