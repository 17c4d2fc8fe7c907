// One request of the device-writer thread run through the real device
// writer against a counting transport: what reaches the mouse, and what the
// agent window is told afterwards (Option's buttons back, the second
// profile notice).
#include "monitor/agent/AgentConstants.h"
#include "monitor/agent/WriteRequestRunner.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class CountingTransport : public device::DeviceTransport, public device::Sleeper {
public:
    int SetFeature(const uint8_t*, int) override { return ++transfers; }
    int WriteUSB(const uint8_t*, int) override { return ++transfers; }
    void Sleep(unsigned) override {}
    int transfers = 0;
};

std::unique_ptr<SettingsBlock> Profiles(int32_t currentSlot) {
    auto block = std::make_unique<SettingsBlock>();
    ClearBlock(*block);
    ResetProfileSet(*block);
    block->CurrentSlot = currentSlot;
    return block;
}

TEST(RunWriteRequest_Outcome, SecondProfileNoticeOnlyAfterASelectThatReachedTheMouse) {
    struct Row {
        const char* what;
        int kind;
        int32_t stateWhenTaken;
        bool shuttingDown;
        int32_t currentSlot;
        bool sent;
        bool applyFinished;
        int noticeSlot;  // -1: no second profile notice
    } rows[] = {
        // The foreground switch's select, mouse present: notice for its slot.
        {"select, present", agent::kWriteSelectOnly, device::kDevicePresent, false, 3, true, false, 3},
        // The mouse was unplugged after the request was queued: dropped, no notice.
        {"select, removed", agent::kWriteSelectOnly, device::kDeviceRemoved, false, 3, false, false, -1},
        // Never opened: dropped, no notice.
        {"select, not opened", agent::kWriteSelectOnly, device::kDeviceNotOpened, false, 2, false, false, -1},
        // The agent is ending: nothing sent, nothing announced.
        {"select, stopping", agent::kWriteSelectOnly, device::kDevicePresent, true, 3, false, false, -1},
        // A damaged current slot is announced as slot 0, the one written.
        {"select, damaged slot", agent::kWriteSelectOnly, device::kDevicePresent, false, 9, true, false, 0},
        // An apply gives Option its buttons back, written or dropped, and no profile notice.
        {"changed, present", agent::kWriteChanged, device::kDevicePresent, false, 1, true, true, -1},
        {"changed, removed", agent::kWriteChanged, device::kDeviceRemoved, false, 1, false, true, -1},
        // The full write after an arrival tells nobody.
        {"everything, present", agent::kWriteEverything, device::kDevicePresent, false, 1, true, false, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        device::DeviceLinkState link;
        CountingTransport transport;
        device::DeviceWriter writer(transport, transport, link);
        WriteRequestQueue requests;
        link.State = device::kDevicePresent;
        requests.Push(row.kind, 0, *Profiles(row.currentSlot));
        link.State = row.stateWhenTaken;
        const std::atomic<bool> shuttingDown{row.shuttingDown};

        const WriteOutcome outcome = RunWriteRequest(requests, writer, row.kind, shuttingDown);

        EXPECT_EQ(transport.transfers > 0, row.sent);
        EXPECT_EQ(outcome.applyFinished, row.applyFinished);
        EXPECT_EQ(outcome.selectWrittenSlot.value_or(-1), row.noticeSlot);
        EXPECT_EQ(requests.Size(), 0u);
    }
}

// A message without a request (its request was taken back) does nothing.
TEST(RunWriteRequest_EmptyQueue, WritesAndAnnouncesNothing) {
    device::DeviceLinkState link;
    link.State = device::kDevicePresent;
    CountingTransport transport;
    device::DeviceWriter writer(transport, transport, link);
    WriteRequestQueue requests;
    const std::atomic<bool> shuttingDown{false};
    const WriteOutcome outcome = RunWriteRequest(requests, writer, agent::kWriteChanged, shuttingDown);
    EXPECT_EQ(transport.transfers, 0);
    EXPECT_FALSE(outcome.applyFinished);
    EXPECT_FALSE(outcome.selectWrittenSlot.has_value());
}

}  // namespace
