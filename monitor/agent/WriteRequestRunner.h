// The device-writer thread's handling of one request message: it takes the
// next queued request, gives every button map it writes a left button,
// writes it unless the agent is stopping, and says what the agent window must
// be told afterwards.
#pragma once

#include "monitor/agent/WriteRequestQueue.h"
#include "monitor/device/DeviceWriter.h"

#include <atomic>
#include <optional>
#include <vector>

struct WriteOutcome {
    // Option waits for this after an apply, also when the write was dropped.
    bool applyFinished = false;
    // The slot of the second profile notice: only a select-only write whose
    // select reached the mouse brings it.
    std::optional<int> selectWrittenSlot;
    // Slots whose button map had no left button: their left-button position
    // was written as the left button instead.
    std::vector<int> leftButtonRestoredSlots;
};

// What follows a write depends on the request taken, not on the message:
// a message may find a later request when a stale full write was dropped.
WriteOutcome RunWriteRequest(WriteRequestQueue& requests, device::DeviceWriter& writer,
                             const std::atomic<bool>& shuttingDown);
