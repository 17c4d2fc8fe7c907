// What a device write needs from the outside: the two transfer calls of the
// HID transport library and a way to sleep. The Win32 binding and the tests
// implement these.
#pragma once

#include <cstdint>

namespace device {

class DeviceTransport {
public:
    virtual ~DeviceTransport() = default;
    // One 8-byte command; the library's result.
    virtual int SetFeature(const uint8_t* bytes, int length) = 0;
    // One 64-byte data chunk; the library's result.
    virtual int WriteUSB(const uint8_t* bytes, int length) = 0;
};

class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void Sleep(unsigned milliseconds) = 0;
};

}  // namespace device
