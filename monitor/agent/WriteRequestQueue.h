// Requests for the device-writer thread, each with its own copy of the
// agent's settings block taken when the request was made: a write that runs
// never sees the agent copy half-replaced by a later apply. The agent window
// pushes a request and posts thread message 1649; the writer pops one
// request per message, so both stay in step (a message whose request was
// dropped finds none and does nothing).
#pragma once

#include "profile/SettingsBlock.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>

struct WriteRequest {
    int mode = 0;             // 1 changed parts, 2 everything, 3 select only
    intptr_t parameter = 0;   // lParam of the thread message
    std::unique_ptr<SettingsBlock> snapshot;
};

class WriteRequestQueue {
public:
    void Push(int mode, intptr_t parameter, const SettingsBlock& block);
    // Takes back the newest request when its message could not be posted.
    void DropNewest();
    // The oldest request still worth running; false when there is none. A
    // full write with a newer full write queued behind it is dropped: the
    // newer one writes every part again, from a newer copy, so quick
    // re-plugs cost one full write rather than one each.
    bool PopOldest(WriteRequest& request);
    size_t Size() const;

private:
    mutable std::mutex m_mutex;
    std::deque<WriteRequest> m_requests;
};
