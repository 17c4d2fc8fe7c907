// The HID calls under the hardware backend: finding the mouse's interfaces
// and moving whole reports over an open channel. The Windows HID API stands
// behind it in the library; tests put a fake in its place.
#pragma once

#include "portio/win32/HidDevices.h"

#include <memory>
#include <vector>

namespace portio {

// One open channel of one interface; closed when the last user drops it,
// so that a transfer running on another thread keeps it open to its end.
class HidConnection {
public:
    virtual ~HidConnection() = default;
    // Each report starts with its report-id byte.
    virtual bool SetFeature(std::vector<unsigned char>& report) = 0;
    virtual bool GetFeature(std::vector<unsigned char>& report) = 0;
    virtual bool Write(const std::vector<unsigned char>& report) = 0;
    // Ends a transfer that waits for the device (it then fails).
    virtual void Cancel() = 0;
};

class HidLayer {
public:
    virtual ~HidLayer() = default;
    virtual std::vector<HidInterface> Find(int vendorId, int productId) = 0;
    // Null when the channel cannot be opened (yet).
    virtual std::shared_ptr<HidConnection> Open(const HidInterface& device, HidChannel channel) = 0;
};

}  // namespace portio
