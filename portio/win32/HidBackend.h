// The real mouse through a HID layer (the Windows HID API in the library).
// Commands go out as feature reports and data chunks as output reports,
// each behind the report id and padded to the report length the device
// reports for that channel. Input reports of the vendor collection become
// event messages (format in portio/InputReport.h); arrival and removal come
// from device broadcasts and a periodic check.
//
// "Present" means what Open_ReportDevice tells its caller: the output
// channel can be opened. A check that finds it openable after a failed open
// posts the presence message, so a caller that started without the mouse
// learns when it comes.
//
// The lock guards the backend's state only; transfers run outside it on a
// connection each holds for its duration, so a slow device never stalls the
// checks, the input reports or the closing of a channel.
#pragma once

#include "portio/win32/Backend.h"
#include "portio/win32/HidLayer.h"
#include "portio/win32/InputReader.h"
#include "portio/win32/WindowThread.h"

#include <memory>
#include <mutex>
#include <vector>

namespace portio {

class HidBackend : public Backend {
public:
    explicit HidBackend(std::unique_ptr<HidLayer> layer);
    ~HidBackend() override;

    int SetVidPid(int vendorId, int productId) override;
    int OpenMonitor(HWND window, UINT eventMessage, UINT presenceMessage) override;
    int CloseMonitor() override;
    int OpenFeature() override;
    int CloseFeature() override;
    int OpenReport() override;
    int CloseReport() override;
    int SetFeature(unsigned char* buffer, int length) override;
    int WriteUsb(unsigned char* buffer, int length) override;
    int GetFeature(unsigned char* buffer, int length) override;
    int ReadUsb(unsigned char* buffer, int length) override;

private:
    struct Channel {
        std::shared_ptr<HidConnection> Connection;
        unsigned char ReportId = 0;
        int ReportLength = 0;  // with the report-id byte
    };

    // On the watch thread: compares presence with what the caller was last
    // told, posts the presence message on a change and keeps the input
    // reader going.
    void CheckDevice();
    void OnInputReport(const std::vector<unsigned char>& report);
    void PostPresence(bool present);
    Channel Snapshot(const Channel& channel);
    static void Close(Channel& channel);
    // The report id, the data, zeros up to the report length.
    static std::vector<unsigned char> BuildReport(const Channel& channel, const unsigned char* buffer, int length);

    std::unique_ptr<HidLayer> m_layer;
    std::mutex m_lock;
    int m_vendorId;
    int m_productId;
    Channel m_feature;
    Channel m_output;
    HWND m_monitorWindow = nullptr;
    UINT m_eventMessage = 0;
    UINT m_presenceMessage = 0;
    bool m_present = false;
    std::vector<unsigned char> m_lastInput;
    WindowThread m_watchThread;
    InputReader m_reader;
};

}  // namespace portio
