// The real mouse through the Windows HID API. Commands go out as feature
// reports and data chunks as output reports, each behind a report-id byte
// 0 and padded to the collection's report length. Input reports of the
// vendor collection become event messages (format in portio/InputReport.h);
// arrival and removal come from device broadcasts and a periodic check.
#pragma once

#include "portio/win32/Backend.h"
#include "portio/win32/InputReader.h"
#include "portio/win32/UniqueHandle.h"
#include "portio/win32/WindowThread.h"

#include <mutex>
#include <vector>

namespace portio {

class HidBackend : public Backend {
public:
    HidBackend();
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
    // On the watch thread: compares presence with the last check, posts
    // the presence message on a change and keeps the input reader going.
    void CheckDevice();
    void OnInputReport(const std::vector<unsigned char>& report);
    // A buffer of the channel's report length: report id 0, then the data.
    static std::vector<unsigned char> PadReport(const unsigned char* buffer, int length, int reportLength);

    std::mutex m_lock;
    int m_vendorId;
    int m_productId;
    UniqueHandle m_feature;
    int m_featureLength = 0;
    UniqueHandle m_output;
    int m_outputLength = 0;
    HWND m_monitorWindow = nullptr;
    UINT m_eventMessage = 0;
    UINT m_presenceMessage = 0;
    bool m_present = false;
    std::vector<unsigned char> m_lastInput;
    WindowThread m_watchThread;
    InputReader m_reader;
};

}  // namespace portio
