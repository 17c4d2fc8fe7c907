// The device write's transport and sleeper on the bound portio.dll and the
// system's Sleep.
#pragma once

#include "monitor/device/DeviceTransport.h"
#include "monitor/device/win32/PortioLibrary.h"

class PortioTransport : public device::DeviceTransport {
public:
    explicit PortioTransport(PortioLibrary& library) : m_library(library) {}
    int SetFeature(const uint8_t* bytes, int length) override;
    int WriteUSB(const uint8_t* bytes, int length) override;

private:
    PortioLibrary& m_library;
};

class SystemSleeper : public device::Sleeper {
public:
    void Sleep(unsigned milliseconds) override;
};
