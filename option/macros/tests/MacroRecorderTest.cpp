// The recording step with a fake clock: held keys, pauses, the 40-event
// limit, the pause cap and the repeated keystroke across recordings.
#include <gtest/gtest.h>

#include "option/macros/MacroRecorder.h"
#include "profile/tests/UsLayout.h"

namespace {

constexpr uint32_t kVkA = 0x41;
constexpr uint32_t kVkB = 0x42;
constexpr uint32_t kVkShift = 0xA0;

class MacroRecorderTest : public ::testing::Test {
protected:
    // Feeds (virtual key, up, tick) in order.
    struct Stroke {
        uint32_t virtualKey;
        bool up;
        uint32_t tick;
    };
    MacroRecorder::StepResult Feed(std::initializer_list<Stroke> strokes) {
        MacroRecorder::StepResult result = MacroRecorder::StepResult::Ignored;
        for (const Stroke& stroke : strokes)
            result = m_recorder.Step(m_buffer, m_insert, stroke.virtualKey, stroke.up, stroke.tick);
        return result;
    }

    UsLayout m_layout;
    MacroRecorder m_recorder{m_layout};
    MacroEditBuffer m_buffer;
    int m_insert = kAppendPosition;
};

TEST_F(MacroRecorderTest, Step_HeldKeyGivesOnePressAndOneRelease) {
    m_recorder.SetRecordDelays(true);
    m_recorder.Start();
    // The keyboard repeats the press of a key held for two seconds.
    Feed({{kVkA, false, 10000}, {kVkA, false, 10500}, {kVkA, false, 10530}, {kVkA, false, 11900}, {kVkA, true, 12000}});
    ASSERT_EQ(m_buffer.Count, 2u);
    EXPECT_EQ(m_buffer.Events[0].KeyCode, 4);  // A
    EXPECT_EQ(m_buffer.Events[0].Action, kMacroActionPress);
    EXPECT_EQ(m_buffer.Events[0].Delay, 2000);  // measured from the first press
    EXPECT_EQ(m_buffer.Events[1].Action, kMacroActionRelease);
    EXPECT_EQ(m_buffer.Events[1].Delay, 0);
}

TEST_F(MacroRecorderTest, Step_PausesFollowTheRecordDelaysFlag) {
    struct Case {
        bool recordDelays;
        uint32_t secondTick;
        uint16_t firstDelay;
    };
    const Case cases[] = {
        {false, 1500, 0},           // delays off: no pause recorded
        {true, 1500, 500},          // delays on: time between the keystrokes
        {true, 1000 + 65534, 65534},  // just under the cap
        {true, 1000 + 65535, 65535},  // at the cap
        {true, 1000 + 70000, 65535},  // a pause over 65.535 s is capped
        {true, 1000 + 500000, 65535}, // far over
    };
    for (const Case& c : cases) {
        MacroRecorder recorder(m_layout);
        MacroEditBuffer buffer;
        int insert = kAppendPosition;
        recorder.SetRecordDelays(c.recordDelays);
        recorder.Start();
        recorder.Step(buffer, insert, kVkA, false, 1000);
        recorder.Step(buffer, insert, kVkA, true, c.secondTick);
        ASSERT_EQ(buffer.Count, 2u);
        EXPECT_EQ(buffer.Events[0].Delay, c.firstDelay) << c.secondTick;
        EXPECT_EQ(buffer.Events[1].Delay, 0) << c.secondTick;
    }
}

TEST_F(MacroRecorderTest, Step_PauseAcrossTheTickWrap) {
    m_recorder.SetRecordDelays(true);
    m_recorder.Start();
    Feed({{kVkA, false, 0xFFFFFF00u}, {kVkA, true, 0x00000064u}});
    EXPECT_EQ(m_buffer.Events[0].Delay, 0x100 + 0x64);
}

TEST_F(MacroRecorderTest, Step_FortiethEventFillsTheBuffer) {
    m_recorder.Start();
    for (int i = 0; i < 19; ++i)
        EXPECT_EQ(Feed({{kVkA, false, 0}, {kVkA, true, 0}}), MacroRecorder::StepResult::Inserted);
    EXPECT_EQ(Feed({{kVkB, false, 0}}), MacroRecorder::StepResult::Inserted);  // 39th
    // The 40th event is a press whose release would be the 41st.
    EXPECT_EQ(Feed({{kVkShift, false, 0}}), MacroRecorder::StepResult::InsertedAndFull);
    EXPECT_EQ(m_buffer.Count, 40u);
    EXPECT_EQ(m_buffer.Events[39].KeyCode, 225);  // left Shift
    EXPECT_EQ(m_buffer.Events[39].Action, kMacroActionPress);
}

TEST_F(MacroRecorderTest, Step_RepeatedLastKeystrokeOfThePreviousRecordingIsDropped) {
    m_recorder.Start();
    Feed({{kVkA, false, 0}, {kVkA, true, 10}});
    m_recorder.Stop();
    m_buffer = EmptyEditBuffer();
    m_recorder.Start();
    Feed({{kVkA, true, 20}, {kVkB, false, 30}});
    ASSERT_EQ(m_buffer.Count, 1u);
    EXPECT_EQ(m_buffer.Events[0].KeyCode, 5);  // B
}

TEST_F(MacroRecorderTest, Step_FirstKeystrokeOfARecordingGetsNoPauseBeforeIt) {
    m_recorder.SetRecordDelays(true);
    m_buffer.Events[0] = MacroEvent{4, kMacroActionPress, 0};
    m_buffer.Events[1] = MacroEvent{4, kMacroActionRelease, 0};
    m_buffer.Count = 2;
    m_recorder.Start();
    Feed({{kVkB, false, 5000}, {kVkB, true, 5250}});
    EXPECT_EQ(m_buffer.Events[1].Delay, 0);    // the old last event keeps no pause
    EXPECT_EQ(m_buffer.Events[2].Delay, 250);  // B down, 250 ms, B up
}

TEST_F(MacroRecorderTest, Step_RecordBeforeAnEventInsertsThereAndTimesTheEventBefore) {
    m_recorder.SetRecordDelays(true);
    // X down, X up; record before X up.
    m_buffer.Events[0] = MacroEvent{27, kMacroActionPress, 0};
    m_buffer.Events[1] = MacroEvent{27, kMacroActionRelease, 0};
    m_buffer.Count = 2;
    m_insert = 1;
    m_recorder.Start();
    Feed({{kVkA, false, 100}, {kVkA, true, 400}});
    ASSERT_EQ(m_buffer.Count, 4u);
    const uint8_t order[] = {27, 4, 4, 27};
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(m_buffer.Events[i].KeyCode, order[i]) << i;
    EXPECT_EQ(m_buffer.Events[1].Delay, 300);  // A down waits before A up
    EXPECT_EQ(m_insert, 3);
}

TEST_F(MacroRecorderTest, Step_KeyWithoutKeyCodeIsNotRecorded) {
    m_recorder.Start();
    Feed({{0xFF, false, 0}, {0x07, true, 0}});
    EXPECT_EQ(m_buffer.Count, 0u);
}

}  // namespace
