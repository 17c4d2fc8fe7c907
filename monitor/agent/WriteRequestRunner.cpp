#include "monitor/agent/WriteRequestRunner.h"

#include "monitor/agent/AgentConstants.h"

WriteOutcome RunWriteRequest(WriteRequestQueue& requests, device::DeviceWriter& writer, int kind,
                             const std::atomic<bool>& shuttingDown) {
    WriteOutcome outcome;
    WriteRequest request;
    if (!requests.PopOldest(request)) return outcome;
    std::optional<int> written;
    if (!shuttingDown) written = writer.Write(*request.snapshot, static_cast<device::DeviceWriteMode>(request.mode));
    if (kind == agent::kWriteChanged) {
        outcome.applyFinished = true;
    } else if (kind == agent::kWriteSelectOnly && written && !shuttingDown) {
        outcome.selectWrittenSlot = EffectiveSlot(request.snapshot->CurrentSlot);
    }
    return outcome;
}
