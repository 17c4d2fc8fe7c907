// The virtual mouse behind the entry points: transfers go to the protocol
// core and the transfer log; a control window on its own thread lets a
// controller plug it in and out and make it send events.
//
// Only transfers that reach the mouse are logged: while it is detached or
// the channel is closed a transfer fails (returns 0) and leaves no line.
// A transfer of the wrong size reaches the mouse (logged, counted as a bad
// length) but returns 0.
#pragma once

#include "portio/VirtualMouse.h"
#include "portio/win32/Backend.h"
#include "portio/win32/ControlWindow.h"
#include "portio/win32/LibrarySettings.h"
#include "portio/win32/TransferLogFile.h"
#include "portio/win32/WindowThread.h"

#include <array>
#include <mutex>

namespace portio {

class VirtualBackend : public Backend, private VirtualMouseControl {
public:
    explicit VirtualBackend(const LibrarySettings& settings);
    ~VirtualBackend() override;

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
    bool Attach() override;
    bool Detach() override;
    bool SendEvent(unsigned type, unsigned data) override;
    std::string StateText(int form) override;

    // Present and answering to the selected ids; call with the lock held.
    bool Reachable() const;
    void PostPresence(bool attached);

    std::mutex m_lock;
    VirtualMouse m_mouse;
    TransferLogFile m_log;
    WindowThread m_controlThread;
    bool m_attached;
    bool m_featureOpen = false;
    bool m_reportOpen = false;
    int m_vendorId;
    int m_productId;
    HWND m_monitorWindow = nullptr;
    UINT m_eventMessage = 0;
    UINT m_presenceMessage = 0;
    std::array<unsigned char, kCommandLength> m_lastCommand{};
};

}  // namespace portio
