// One request of the device-writer thread run through the real device
// writer against a recording transport: what reaches the mouse, and what the
// agent window is told afterwards (Option's buttons back, the second
// profile notice).
#include "monitor/agent/AgentConstants.h"
#include "monitor/agent/WriteRequestRunner.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Keeps every transfer, so that the button maps can be read back.
class RecordingTransport : public device::DeviceTransport, public device::Sleeper {
public:
    int SetFeature(const uint8_t* bytes, int length) override { return Keep(true, bytes, length); }
    int WriteUSB(const uint8_t* bytes, int length) override { return Keep(false, bytes, length); }
    void Sleep(unsigned) override {}

    size_t Count() const { return m_transfers.size(); }
    // The first chunk of the button map report of a slot (buttons 0..15);
    // empty when the write did not send one.
    std::vector<uint8_t> ButtonMap(int slot) const {
        for (size_t i = 0; i + 1 < m_transfers.size(); ++i)
            if (m_transfers[i].command && m_transfers[i].bytes[0] == 0x0D && m_transfers[i].bytes[1] == slot + 1)
                return m_transfers[i + 1].bytes;
        return {};
    }
    bool SentMacro(int number) const {
        for (const Transfer& transfer : m_transfers)
            if (transfer.command && transfer.bytes[0] == 0x0F && transfer.bytes[1] == number) return true;
        return false;
    }

private:
    struct Transfer {
        bool command;
        std::vector<uint8_t> bytes;
    };
    int Keep(bool command, const uint8_t* bytes, int length) {
        m_transfers.push_back({command, std::vector<uint8_t>(bytes, bytes + length)});
        return 1;
    }
    std::vector<Transfer> m_transfers;
};

// The real device writer over a recording transport, the mouse present.
struct Runner {
    Runner() { link.State = device::kDevicePresent; }
    WriteOutcome Run(bool shuttingDown = false) {
        const std::atomic<bool> stopping{shuttingDown};
        return RunWriteRequest(requests, writer, stopping);
    }

    device::DeviceLinkState link;
    RecordingTransport transport;
    device::DeviceWriter writer{transport, transport, link};
    WriteRequestQueue requests;
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
        Runner runner;
        runner.requests.Push(row.kind, 0, *Profiles(row.currentSlot));
        runner.link.State = row.stateWhenTaken;

        const WriteOutcome outcome = runner.Run(row.shuttingDown);

        EXPECT_EQ(runner.transport.Count() > 0, row.sent);
        EXPECT_EQ(outcome.applyFinished, row.applyFinished);
        EXPECT_EQ(outcome.selectWrittenSlot.value_or(-1), row.noticeSlot);
        EXPECT_EQ(runner.requests.Size(), 0u);
    }
}

// A message without a request (its request was taken back) does nothing.
TEST(RunWriteRequest_EmptyQueue, WritesAndAnnouncesNothing) {
    Runner runner;
    const WriteOutcome outcome = runner.Run();
    EXPECT_EQ(runner.transport.Count(), 0u);
    EXPECT_FALSE(outcome.applyFinished);
    EXPECT_FALSE(outcome.selectWrittenSlot.has_value());
}

// A profile that leaves no button with the left-button function is never
// written: the left-button position goes out as the left button.
TEST(RunWriteRequest_NoLeftButton, WritesTheLeftButtonPositionAsTheLeftButton) {
    const std::vector<uint8_t> left = {0x01, 0x00, 0xF0, 0x00};
    const std::vector<uint8_t> right = {0x01, 0x00, 0xF1, 0x00};
    const std::vector<uint8_t> nothing = {0x00, 0x00, 0x00, 0x00};
    struct Row {
        const char* what;
        int kind;
        int slot;
        void (*change)(SettingsBlock& block, int slot);
        std::vector<int> restored;
        std::vector<uint8_t> button0;  // map entry 0 sent; empty: no map sent
        std::vector<uint8_t> button3;
    } rows[] = {
        // Every button cleared to "nothing", as a damaged file once gave.
        {"all nothing, full write", agent::kWriteEverything, 0,
         [](SettingsBlock& b, int s) { for (auto& e : b.Profiles[s].MacroKeyInfo) e.FunctionCode = 0; },
         {0}, left, nothing},
        // Button 1 holds a macro instead: its macro block is not sent either.
        {"macro on button 1, full write", agent::kWriteEverything, 2,
         [](SettingsBlock& b, int s) {
             b.Profiles[s].MacroKeyInfo[0].FunctionCode = 16;
             b.Profiles[s].MacroKeyInfo[0].ItemCount = 1;
             b.Profiles[s].MacroKeyInfo[0].Data[0] = 4;
         },
         {2}, left, {0x01, 0x00, 0xF4, 0x00}},
        // The left button moved to button 4: kept as the user chose.
        {"left button moved, full write", agent::kWriteEverything, 1,
         [](SettingsBlock& b, int s) {
             b.Profiles[s].MacroKeyInfo[0].FunctionCode = 2;
             b.Profiles[s].MacroKeyInfo[3].FunctionCode = 1;
         },
         {}, right, left},
        // An apply that rewrites the slot's buttons mends it too.
        {"right button twice, apply", agent::kWriteChanged, 4,
         [](SettingsBlock& b, int s) {
             b.Profiles[s].MacroKeyInfo[0].FunctionCode = 2;
             b.ButtonChanged[s][5] = 1;
         },
         {4}, left, {0x01, 0x00, 0xF4, 0x00}},
        // An apply that leaves the slot's buttons alone sends no map: nothing to mend.
        {"right button twice, apply without button flags", agent::kWriteChanged, 3,
         [](SettingsBlock& b, int s) { b.Profiles[s].MacroKeyInfo[0].FunctionCode = 2; }, {}, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Runner runner;
        auto block = Profiles(0);
        row.change(*block, row.slot);
        runner.requests.Push(row.kind, 0, *block);

        const WriteOutcome outcome = runner.Run();

        EXPECT_EQ(outcome.leftButtonRestoredSlots, row.restored);
        const std::vector<uint8_t> map = runner.transport.ButtonMap(row.slot);
        if (row.button0.empty()) {
            EXPECT_TRUE(map.empty());
            continue;
        }
        ASSERT_EQ(map.size(), 64u);
        EXPECT_EQ(std::vector<uint8_t>(map.begin(), map.begin() + 4), row.button0);
        EXPECT_EQ(std::vector<uint8_t>(map.begin() + 12, map.begin() + 16), row.button3);
        EXPECT_FALSE(runner.transport.SentMacro(row.slot * 16 + 1)) << "macro of button 1";
    }
}

}  // namespace
