#include "monitor/device/LeftButtonGuard.h"

#include "profile/FunctionCodes.h"

namespace device {

bool HasLeftButton(const ProfileRecord& record) {
    for (const ButtonAssignmentEntry& entry : record.MacroKeyInfo)
        if (entry.FunctionCode == kFunctionLeftButton) return true;
    return false;
}

bool RestoreLeftButton(ProfileRecord& record) {
    if (HasLeftButton(record)) return false;
    FillDefaultEntry(record.MacroKeyInfo[kLeftButtonPosition], kLeftButtonPosition);
    return true;
}

}  // namespace device
