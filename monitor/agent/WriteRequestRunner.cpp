#include "monitor/agent/WriteRequestRunner.h"

#include "monitor/agent/AgentConstants.h"
#include "monitor/device/LeftButtonGuard.h"

WriteOutcome RunWriteRequest(WriteRequestQueue& requests, device::DeviceWriter& writer,
                             const std::atomic<bool>& shuttingDown) {
    WriteOutcome outcome;
    WriteRequest request;
    if (!requests.PopOldest(request)) return outcome;
    const auto mode = static_cast<device::DeviceWriteMode>(request.mode);
    std::optional<int> written;
    if (!shuttingDown) {
        for (int slot = 0; slot < kSlotCount; ++slot)
            if (device::WritesButtonMap(*request.snapshot, mode, slot) &&
                device::RestoreLeftButton(request.snapshot->Profiles[slot]))
                outcome.leftButtonRestoredSlots.push_back(slot);
        written = writer.Write(*request.snapshot, mode);
    }
    if (request.mode == agent::kWriteChanged) {
        outcome.applyFinished = true;
    } else if (request.mode == agent::kWriteSelectOnly && written && !shuttingDown) {
        outcome.selectWrittenSlot = EffectiveSlot(request.snapshot->CurrentSlot);
    }
    return outcome;
}
