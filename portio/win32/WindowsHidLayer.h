// The HID layer of the Windows HID API (hid.dll, setupapi.dll).
#pragma once

#include "portio/win32/HidLayer.h"

namespace portio {

class WindowsHidLayer : public HidLayer {
public:
    std::vector<HidInterface> Find(int vendorId, int productId) override;
    std::shared_ptr<HidConnection> Open(const HidInterface& device, HidChannel channel) override;
};

}  // namespace portio
