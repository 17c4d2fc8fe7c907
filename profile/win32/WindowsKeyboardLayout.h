// The active keyboard layout through MapVirtualKeyA.
#pragma once

#include "profile/KeyTables.h"

class WindowsKeyboardLayout : public KeyboardLayout {
public:
    uint32_t MapKey(uint32_t code, uint32_t mapType) override;
};
