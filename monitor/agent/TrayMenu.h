// The items of the tray icon's pop-up menu: Option's item first (the
// default), the five profiles between two separators with the current one
// checked, the exit item last. The Win32 layer only appends them.
#pragma once

#include "profile/SettingsBlock.h"

#include <string>
#include <vector>

namespace agent {

struct TrayMenuItem {
    unsigned id = 0;  // the WM_COMMAND id; 0 for a separator
    std::string text;
    bool checked = false;
    bool isDefault = false;
};

// Profile items read "&N  name" (the user's slot number as the mnemonic,
// '&' in the name doubled so that it shows), or "&N" for an unnamed slot.
// openText and exitText are the language library's texts of the fixed items.
std::vector<TrayMenuItem> TrayMenuItems(const SettingsBlock& block, const std::string& openText,
                                        const std::string& exitText);

// The slot a profile item's command id chooses; -1 for every other id.
int ProfileSlotOfCommand(unsigned id);

}  // namespace agent
