// One way of reaching the mouse behind the library's eleven entry points.
#pragma once

#include <windows.h>

namespace portio {

class Backend {
public:
    virtual ~Backend() = default;
    virtual int SetVidPid(int vendorId, int productId) = 0;
    virtual int OpenMonitor(HWND window, UINT eventMessage, UINT presenceMessage) = 0;
    virtual int CloseMonitor() = 0;
    virtual int OpenFeature() = 0;
    virtual int CloseFeature() = 0;
    virtual int OpenReport() = 0;
    virtual int CloseReport() = 0;
    virtual int SetFeature(unsigned char* buffer, int length) = 0;
    virtual int WriteUsb(unsigned char* buffer, int length) = 0;
    virtual int GetFeature(unsigned char* buffer, int length) = 0;
    virtual int ReadUsb(unsigned char* buffer, int length) = 0;
};

}  // namespace portio
