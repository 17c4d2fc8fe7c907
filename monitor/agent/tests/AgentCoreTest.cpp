#include "monitor/agent/AgentCore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

namespace {

using ::testing::_;
using ::testing::InSequence;
using ::testing::Invoke;
using ::testing::NiceMock;
using ::testing::Return;
using ::testing::StrEq;

class MockServices : public AgentServices {
public:
    MOCK_METHOD(void, Pause, (unsigned), (override));
    MOCK_METHOD(bool, RemovalQueued, (), (override));
    MOCK_METHOD(void, OpenChannels, (), (override));
    MOCK_METHOD(void, CloseChannels, (), (override));
    MOCK_METHOD(bool, RequestDeviceWrite, (int, intptr_t, const SettingsBlock&), (override));
    MOCK_METHOD(void, ReleaseHeldInput, (), (override));
    MOCK_METHOD(void, ShowTrayIcon, (), (override));
    MOCK_METHOD(void, HideTrayIcon, (), (override));
    MOCK_METHOD(void, StartForegroundTimer, (), (override));
    MOCK_METHOD(void, StopForegroundTimer, (), (override));
    MOCK_METHOD(void, LoadProfileSet, (SettingsBlock&), (override));
    MOCK_METHOD(void, WriteDevicePresence, (int), (override));
    MOCK_METHOD(DisplayMessageValues, ReloadDisplaySettings, (), (override));
    MOCK_METHOD(bool, ReadSharedBlock, (SettingsBlock&), (override));
    MOCK_METHOD(bool, WriteSharedBlock, (const SettingsBlock&), (override));
    MOCK_METHOD(void, ReadPointerSettings, (ProfileRecord&), (override));
    MOCK_METHOD(void, ApplyPointerSettings, (ProfileRecord&), (override));
    MOCK_METHOD(bool, PostToWindow, (const char*, unsigned, uintptr_t, intptr_t), (override));
    MOCK_METHOD(void, Debug, (const char*), (override));
};

// The core over mocked services, as a test or a table row starts it.
struct CoreUnderTest {
    NiceMock<MockServices> services;
    device::DeviceLinkState link;
    AgentCore core{services, link};
};

class Agent : public ::testing::Test, protected CoreUnderTest {};

bool AllFlagsSet(const SettingsBlock& block) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        for (int button = 0; button < kButtonCount; ++button) {
            if (!IsFlagSet(block.ButtonChanged[slot][button])) return false;
        }
        if (!IsFlagSet(block.ChangedA[slot]) || !IsFlagSet(block.ChangedB[slot]) ||
            !IsFlagSet(block.RateChanged[slot]) || !IsFlagSet(block.LevelChanged[slot]) ||
            !IsFlagSet(block.ConfigChanged[slot])) {
            return false;
        }
    }
    return IsFlagSet(block.SlotChanged);
}

TEST(DisplaySettingsParameter_Values, PacksLowHalvesOfBoth) {
    struct Row {
        int32_t first, second;
        intptr_t expected;
    } rows[] = {
        {0, 0, 0},                        // defaults
        {3, 7, 0x00030007},               // plain values
        {0x12345, 0x6789A, 0x2345789A},   // only the low 16 bits of each count
        {-1, -1, static_cast<intptr_t>(0xFFFFFFFFu)},  // negative values do not spill
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DisplaySettingsParameter({row.first, row.second}), row.expected) << row.first << "," << row.second;
    }
}

TEST(LoadProfileSet_CurrentSlot, OutOfRangeBecomesSlotZero) {
    struct Row {
        int32_t stored, expected;
    } rows[] = {
        {-1, 0},  // no CurrentProfile key: first start
        {5, 0},   // damaged value above the range
        {-7, 0},  // damaged negative value
        {3, 3},   // a valid slot is kept
        {0, 0},
        {4, 4},
    };
    for (const Row& row : rows) {
        CoreUnderTest tested;
        EXPECT_CALL(tested.services, LoadProfileSet(_)).WillOnce(Invoke([&](SettingsBlock& block) {
            EXPECT_EQ(block.CurrentSlot, -1) << "loads into a cleared block";
            ResetProfileSet(block);
            block.CurrentSlot = row.stored;
        }));
        tested.core.LoadProfileSet();
        EXPECT_EQ(tested.core.Copy().CurrentSlot, row.expected) << row.stored;
    }
}

// A first start (no CurrentProfile) reads the system's own pointer settings
// into slot 0 before anything applies them; a stored slot had them read by
// the profile set already.
TEST(LoadProfileSet_NoStoredSlot, ReadsTheSystemPointerSettingsIntoSlotZero) {
    struct Row {
        int32_t stored;
        int reads;
    } rows[] = {
        {-1, 1},  // first start
        {7, 1},   // damaged
        {2, 0},   // stored: already read into slot 2 by the profile set
    };
    for (const Row& row : rows) {
        CoreUnderTest tested;
        ON_CALL(tested.services, LoadProfileSet(_)).WillByDefault(Invoke([&](SettingsBlock& block) {
            ResetProfileSet(block);
            block.CurrentSlot = row.stored;
        }));
        EXPECT_CALL(tested.services, ReadPointerSettings(_))
            .Times(row.reads)
            .WillRepeatedly(Invoke([&](ProfileRecord& record) {
                EXPECT_EQ(&record, &tested.core.Copy().Profiles[0]) << "slot 0, the slot then in use";
                record.DbleClickSpeed = 777;
            }));
        tested.core.LoadProfileSet();
        if (row.reads) {
            EXPECT_EQ(tested.core.Copy().Profiles[0].DbleClickSpeed, 777) << row.stored;
        }
    }
}

TEST_F(Agent, OnArrival_FromAbsentRunsTheStepsInOrderWithEveryFlagSet) {
    {
        InSequence order;
        EXPECT_CALL(services, Pause(1000u));
        EXPECT_CALL(services, OpenChannels()).WillOnce(Invoke([&] {
            EXPECT_EQ(core.State(), device::kDevicePresent) << "state is set before the channels open";
        }));
        EXPECT_CALL(services, RequestDeviceWrite(agent::kWriteEverything, 0, _))
            .WillOnce(Invoke([](int, intptr_t, const SettingsBlock& snapshot) {
                EXPECT_TRUE(AllFlagsSet(snapshot));
                return true;
            }));
        EXPECT_CALL(services, ShowTrayIcon());
        EXPECT_CALL(services, WriteDevicePresence(1));
        EXPECT_CALL(services, StartForegroundTimer());
    }
    core.OnArrival();
    EXPECT_TRUE(AllFlagsSet(core.Copy()));
}

TEST_F(Agent, OnArrival_RepeatedOnlyTheFirstActs) {
    EXPECT_CALL(services, OpenChannels()).Times(1);
    EXPECT_CALL(services, RequestDeviceWrite(_, _, _)).Times(1).WillOnce(Return(true));
    core.OnArrival();
    core.OnArrival();
}

// An arrival whose removal already waits in the queue, found before or after
// the pause, leaves everything as it was: the removal that follows then
// finds the mouse still removed and does nothing either.
TEST(OnArrival_RemovalQueued, LeavesTheMouseRemovedWithoutAWrite) {
    struct Row {
        bool queuedBefore, queuedAfterPause;
        int pauses;
    } rows[] = {
        {true, false, 0},   // unplugged again before the arrival was handled: no pause
        {false, true, 1},   // unplugged during the pause
    };
    for (const Row& row : rows) {
        CoreUnderTest tested;
        tested.core.OnOpenedAtStart(true);
        tested.core.OnRemoval();
        EXPECT_CALL(tested.services, RemovalQueued())
            .WillOnce(Return(row.queuedBefore))
            .WillRepeatedly(Return(row.queuedAfterPause));
        EXPECT_CALL(tested.services, Pause(_)).Times(row.pauses);
        EXPECT_CALL(tested.services, OpenChannels()).Times(0);
        EXPECT_CALL(tested.services, RequestDeviceWrite(_, _, _)).Times(0);
        EXPECT_CALL(tested.services, ShowTrayIcon()).Times(0);
        EXPECT_CALL(tested.services, WriteDevicePresence(_)).Times(0);
        tested.core.OnArrival();
        EXPECT_EQ(tested.core.State(), device::kDeviceRemoved) << row.pauses;
        EXPECT_CALL(tested.services, CloseChannels()).Times(0);
        tested.core.OnRemoval();
    }
}

TEST_F(Agent, OnRemoval_WhilePresentRunsTheStepsInOrderAndClosesOption) {
    core.OnOpenedAtStart(true);
    link.Busy = true;  // a write is running
    {
        InSequence order;
        EXPECT_CALL(services, ReleaseHeldInput());
        EXPECT_CALL(services, CloseChannels()).WillOnce(Invoke([&] {
            EXPECT_EQ(core.State(), device::kDeviceRemoved) << "writer sees removal before the channels close";
            EXPECT_TRUE(link.Abort.load()) << "the running write is aborted before the channels close";
        }));
        EXPECT_CALL(services, HideTrayIcon());
        EXPECT_CALL(services, StopForegroundTimer());
        EXPECT_CALL(services, WriteDevicePresence(0));
        EXPECT_CALL(services, PostToWindow(StrEq(agent::kOptionWindowTitle), agent::kMsgClose, 0u, 0));
    }
    core.OnRemoval();
    // A second removal changes nothing.
    core.OnRemoval();
}

TEST_F(Agent, OnRemoval_ThenArrivalWritesEverythingAgain) {
    core.OnOpenedAtStart(true);
    core.OnRemoval();
    EXPECT_CALL(services, RequestDeviceWrite(agent::kWriteEverything, 0, _)).WillOnce(Return(true));
    EXPECT_CALL(services, WriteDevicePresence(1));
    core.OnArrival();
    EXPECT_TRUE(core.IsPresent());
}

// Apply with the mouse present: the writer gets a changed-mode request whose
// snapshot is the block Option wrote, and it (not the agent) answers Option.
TEST_F(Agent, OnApply_MousePresentHandsTheWriterTheNewBlock) {
    core.OnOpenedAtStart(true);
    {
        InSequence order;
        EXPECT_CALL(services, ReadSharedBlock(_)).WillOnce(Invoke([](SettingsBlock& block) {
            ClearBlock(block);
            ResetProfileSet(block);
            block.CurrentSlot = 2;
            block.RateChanged[2] = 1;
            return true;
        }));
        EXPECT_CALL(services, ApplyPointerSettings(_)).WillOnce(Invoke([&](ProfileRecord& record) {
            EXPECT_EQ(&record, &core.Copy().Profiles[2]) << "the current slot's record";
        }));
        EXPECT_CALL(services, ReloadDisplaySettings()).WillOnce(Return(DisplayMessageValues{2, 9}));
        EXPECT_CALL(services, PostToWindow(StrEq(agent::kDisplayWindowTitle), agent::kMsgDisplaySettings, 0u,
                                           0x00020009));
        EXPECT_CALL(services, RequestDeviceWrite(agent::kWriteChanged, 1, _))
            .WillOnce(Invoke([](int, intptr_t, const SettingsBlock& snapshot) {
                EXPECT_EQ(snapshot.CurrentSlot, 2);
                EXPECT_EQ(snapshot.RateChanged[2], 1);
                return true;
            }));
    }
    EXPECT_CALL(services, PostToWindow(StrEq(agent::kOptionWindowTitle), _, _, _)).Times(0);
    core.OnApply(1);
}

// Apply with no mouse, or a request that could not be posted: Option is
// answered at once so that its buttons come back.
TEST(OnApply_NoWriter, AnswersOptionAtOnce) {
    struct Row {
        bool present;
        bool posted;
        bool optionExists;
    } rows[] = {
        {false, false, true},   // mouse absent
        {true, false, true},    // request could not be posted
        {false, false, false},  // no Option window: only the debug strings
    };
    for (const Row& row : rows) {
        CoreUnderTest tested;
        tested.core.OnOpenedAtStart(row.present);
        ON_CALL(tested.services, RequestDeviceWrite(_, _, _)).WillByDefault(Return(row.posted));
        EXPECT_CALL(tested.services, RequestDeviceWrite(_, _, _)).Times(row.present ? 1 : 0);
        EXPECT_CALL(tested.services, PostToWindow(StrEq(agent::kDisplayWindowTitle), agent::kMsgDisplaySettings, _, _));
        EXPECT_CALL(tested.services, PostToWindow(StrEq(agent::kOptionWindowTitle), agent::kMsgApplyFinished, 0u, 0))
            .WillOnce(Return(row.optionExists));
        EXPECT_CALL(tested.services, Debug(StrEq(agent::kDebugApplyEnableButtons)));
        EXPECT_CALL(tested.services, Debug(StrEq(agent::kDebugApplyNoOption))).Times(row.optionExists ? 0 : 1);
        tested.core.OnApply(0);
    }
}

// A block whose current slot is damaged is never used to index a record.
TEST_F(Agent, OnApply_DamagedSlotInBlockUsesSlotZero) {
    EXPECT_CALL(services, ReadSharedBlock(_)).WillOnce(Invoke([](SettingsBlock& block) {
        ClearBlock(block);
        return true;
    }));
    EXPECT_CALL(services, ApplyPointerSettings(_)).WillOnce(Invoke([&](ProfileRecord& record) {
        EXPECT_EQ(&record, &core.Copy().Profiles[0]);
    }));
    core.OnApply(0);
    EXPECT_EQ(core.Copy().CurrentSlot, 0);
}

// A failed read leaves the copy as it was.
TEST_F(Agent, OnReadBlock_FailureKeepsTheCopy) {
    core.Copy().CurrentSlot = 3;
    core.Copy().Profiles[3].MouseSpeed = 17;
    EXPECT_CALL(services, ReadSharedBlock(_)).WillOnce(Return(false));
    core.OnReadBlock();
    EXPECT_EQ(core.Copy().CurrentSlot, 3);
    EXPECT_EQ(core.Copy().Profiles[3].MouseSpeed, 17);
}

TEST_F(Agent, OnReadBlockAndApplyPointer_AppliesTheNewCurrentRecord) {
    InSequence order;
    EXPECT_CALL(services, ReadSharedBlock(_)).WillOnce(Invoke([](SettingsBlock& block) {
        block.CurrentSlot = 4;
        return true;
    }));
    EXPECT_CALL(services, ApplyPointerSettings(_)).WillOnce(Invoke([&](ProfileRecord& record) {
        EXPECT_EQ(&record, &core.Copy().Profiles[4]);
    }));
    core.OnReadBlockAndApplyPointer();
}

TEST_F(Agent, OnFirstWriteTimer_RequestsAFullWriteOfTheCopy) {
    core.Copy().CurrentSlot = 1;
    EXPECT_CALL(services, RequestDeviceWrite(agent::kWriteEverything, 0, _))
        .WillOnce(Invoke([](int, intptr_t, const SettingsBlock& snapshot) {
            EXPECT_EQ(snapshot.CurrentSlot, 1);
            return true;
        }));
    core.OnFirstWriteTimer();
}

TEST_F(Agent, SelectSlot_RangeWritesTheBlockOnlyForRealSlots) {
    EXPECT_CALL(services, WriteSharedBlock(_)).WillOnce(Invoke([](const SettingsBlock& block) {
        EXPECT_EQ(block.CurrentSlot, 4);
        return true;
    }));
    EXPECT_TRUE(core.SelectSlot(4));
    EXPECT_FALSE(core.SelectSlot(5));
    EXPECT_FALSE(core.SelectSlot(-1));
    EXPECT_EQ(core.Copy().CurrentSlot, 4);
}

}  // namespace
