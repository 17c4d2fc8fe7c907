#include "monitor/device/DeviceLinkState.h"

namespace device {

void RequestAbort(DeviceLinkState& link) {
    if (link.Busy.load()) link.Abort.store(true);
}

bool MarkPresent(DeviceLinkState& link) {
    return link.State.exchange(kDevicePresent) != kDevicePresent;
}

bool MarkRemoved(DeviceLinkState& link) {
    // The state goes first: a write that starts after this sees the mouse
    // gone, one that started before is busy and gets the abort.
    const bool changed = link.State.exchange(kDeviceRemoved) != kDeviceRemoved;
    RequestAbort(link);
    return changed;
}

bool ArrivalApplies(int32_t state) { return state != kDevicePresent; }

bool RemovalApplies(int32_t state) { return state != kDeviceRemoved; }

}  // namespace device
