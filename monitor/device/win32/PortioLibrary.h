// The binding of the HID transport library portio.dll: loaded by full path
// from the program folder, its eleven entry points bound by name. The library
// or any entry point may be missing; every call then does nothing and
// returns 0, so the agent runs as with no mouse present.
#pragma once

#include "portio/PortioApi.h"

#include <string>

class PortioLibrary {
public:
    PortioLibrary() = default;
    PortioLibrary(const PortioLibrary&) = delete;
    PortioLibrary& operator=(const PortioLibrary&) = delete;
    ~PortioLibrary();

    // Loads <programFolder>portio.dll and binds what it exports. True when
    // the module itself was loaded.
    bool Load(const std::string& programFolder);
    void Unload();

    bool IsLoaded() const { return m_module != nullptr; }
    // Number of the eleven entry points that were found.
    int BoundCount() const;

    int Set_VIDPID(int vendorId, int productId);
    int Open_DevMonitor(HWND window, UINT eventMessage, UINT presenceMessage);
    int Close_DevMonitor();
    int Open_FeatureDevice();
    int Close_FeatureDevice();
    int Open_ReportDevice();
    int Close_ReportDevice();
    int SetFeature(unsigned char* buffer, int length);
    int WriteUSB(unsigned char* buffer, int length);

private:
    template <typename Function>
    void Bind(Function& pointer, const char* name);
    void ClearPointers();

    HMODULE m_module = nullptr;
    Set_VIDPIDFunction m_setVidPid = nullptr;
    Open_DevMonitorFunction m_openDevMonitor = nullptr;
    Close_DevMonitorFunction m_closeDevMonitor = nullptr;
    Open_FeatureDeviceFunction m_openFeatureDevice = nullptr;
    Close_FeatureDeviceFunction m_closeFeatureDevice = nullptr;
    Open_ReportDeviceFunction m_openReportDevice = nullptr;
    Close_ReportDeviceFunction m_closeReportDevice = nullptr;
    SetFeatureFunction m_setFeature = nullptr;
    WriteUSBFunction m_writeUsb = nullptr;
    // Bound for completeness; the agent never reads from the mouse.
    GetFeatureFunction m_getFeature = nullptr;
    ReadUSBFunction m_readUsb = nullptr;
};
