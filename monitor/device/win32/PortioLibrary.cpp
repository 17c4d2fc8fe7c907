#include "PortioLibrary.h"

PortioLibrary::~PortioLibrary() { Unload(); }

template <typename Function>
void PortioLibrary::Bind(Function& pointer, const char* name) {
    pointer = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(m_module, name)));
}

bool PortioLibrary::Load(const std::string& programFolder) {
    Unload();
    const std::string path = programFolder + portio::kLibraryFileName;
    m_module = LoadLibraryA(path.c_str());
    if (!m_module) {
        OutputDebugStringA("PortioLibrary: portio.dll not loaded\n");
        return false;
    }
    Bind(m_setVidPid, portio::kSet_VIDPIDName);
    Bind(m_openDevMonitor, portio::kOpen_DevMonitorName);
    Bind(m_closeDevMonitor, portio::kClose_DevMonitorName);
    Bind(m_openFeatureDevice, portio::kOpen_FeatureDeviceName);
    Bind(m_closeFeatureDevice, portio::kClose_FeatureDeviceName);
    Bind(m_openReportDevice, portio::kOpen_ReportDeviceName);
    Bind(m_closeReportDevice, portio::kClose_ReportDeviceName);
    Bind(m_setFeature, portio::kSetFeatureName);
    Bind(m_writeUsb, portio::kWriteUSBName);
    Bind(m_getFeature, portio::kGetFeatureName);
    Bind(m_readUsb, portio::kReadUSBName);
    return true;
}

void PortioLibrary::ClearPointers() {
    m_setVidPid = nullptr;
    m_openDevMonitor = nullptr;
    m_closeDevMonitor = nullptr;
    m_openFeatureDevice = nullptr;
    m_closeFeatureDevice = nullptr;
    m_openReportDevice = nullptr;
    m_closeReportDevice = nullptr;
    m_setFeature = nullptr;
    m_writeUsb = nullptr;
    m_getFeature = nullptr;
    m_readUsb = nullptr;
}

void PortioLibrary::Unload() {
    ClearPointers();
    if (m_module) {
        FreeLibrary(m_module);
        m_module = nullptr;
    }
}

int PortioLibrary::BoundCount() const {
    const void* pointers[] = {
        reinterpret_cast<const void*>(m_setVidPid),         reinterpret_cast<const void*>(m_openDevMonitor),
        reinterpret_cast<const void*>(m_closeDevMonitor),   reinterpret_cast<const void*>(m_openFeatureDevice),
        reinterpret_cast<const void*>(m_closeFeatureDevice), reinterpret_cast<const void*>(m_openReportDevice),
        reinterpret_cast<const void*>(m_closeReportDevice), reinterpret_cast<const void*>(m_setFeature),
        reinterpret_cast<const void*>(m_writeUsb),          reinterpret_cast<const void*>(m_getFeature),
        reinterpret_cast<const void*>(m_readUsb),
    };
    int count = 0;
    for (const void* pointer : pointers) count += pointer != nullptr;
    return count;
}

int PortioLibrary::Set_VIDPID(int vendorId, int productId) {
    return m_setVidPid ? m_setVidPid(vendorId, productId) : 0;
}
int PortioLibrary::Open_DevMonitor(HWND window, UINT eventMessage, UINT presenceMessage) {
    return m_openDevMonitor ? m_openDevMonitor(window, eventMessage, presenceMessage) : 0;
}
int PortioLibrary::Close_DevMonitor() { return m_closeDevMonitor ? m_closeDevMonitor() : 0; }
int PortioLibrary::Open_FeatureDevice() { return m_openFeatureDevice ? m_openFeatureDevice() : 0; }
int PortioLibrary::Close_FeatureDevice() { return m_closeFeatureDevice ? m_closeFeatureDevice() : 0; }
int PortioLibrary::Open_ReportDevice() { return m_openReportDevice ? m_openReportDevice() : 0; }
int PortioLibrary::Close_ReportDevice() { return m_closeReportDevice ? m_closeReportDevice() : 0; }
int PortioLibrary::SetFeature(unsigned char* buffer, int length) {
    return m_setFeature ? m_setFeature(buffer, length) : 0;
}
int PortioLibrary::WriteUSB(unsigned char* buffer, int length) { return m_writeUsb ? m_writeUsb(buffer, length) : 0; }
