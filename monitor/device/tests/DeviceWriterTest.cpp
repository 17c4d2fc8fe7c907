#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "monitor/device/ButtonMapReport.h"
#include "monitor/device/ConfigurationReport.h"
#include "monitor/device/DeviceWriter.h"
#include "monitor/device/tests/DeviceTestSupport.h"

using namespace device;
using device_test::DefaultBlock;
using device_test::Hex;

namespace {

// One line per transfer or sleep, in the order they happened.
struct Event {
    enum Kind { Command, Chunk, Sleep } kind;
    std::vector<uint8_t> bytes;
    unsigned milliseconds;
};

class RecordingLink : public DeviceTransport, public Sleeper {
public:
    explicit RecordingLink(DeviceLinkState& link) : m_link(link) {}

    int SetFeature(const uint8_t* bytes, int length) override {
        m_busySeen = m_busySeen && m_link.Busy.load();
        events.push_back({Event::Command, std::vector<uint8_t>(bytes, bytes + length), 0});
        return 1000 + static_cast<int>(events.size());
    }
    int WriteUSB(const uint8_t* bytes, int length) override {
        m_busySeen = m_busySeen && m_link.Busy.load();
        events.push_back({Event::Chunk, std::vector<uint8_t>(bytes, bytes + length), 0});
        return 1;
    }
    void Sleep(unsigned milliseconds) override {
        events.push_back({Event::Sleep, {}, milliseconds});
        ++m_sleeps;
        if (onSleep) onSleep(m_sleeps);
    }

    std::vector<Event> Transfers(Event::Kind kind) const {
        std::vector<Event> selected;
        for (const Event& event : events)
            if (event.kind == kind) selected.push_back(event);
        return selected;
    }
    std::vector<std::vector<uint8_t>> Commands() const {
        std::vector<std::vector<uint8_t>> commands;
        for (const Event& event : Transfers(Event::Command)) commands.push_back(event.bytes);
        return commands;
    }
    unsigned SleptMilliseconds() const {
        unsigned total = 0;
        for (const Event& event : Transfers(Event::Sleep)) total += event.milliseconds;
        return total;
    }
    bool BusyDuringEveryTransfer() const { return m_busySeen; }

    std::vector<Event> events;
    std::function<void(int sleepNumber)> onSleep;

private:
    DeviceLinkState& m_link;
    bool m_busySeen = true;
    int m_sleeps = 0;
};

struct WriterFixture {
    WriterFixture() : recorder(link), writer(recorder, recorder, link) { link.State = kDevicePresent; }
    DeviceLinkState link;
    RecordingLink recorder;
    DeviceWriter writer;
};

std::vector<uint8_t> Command(const DeviceCommand& command) { return {command.begin(), command.end()}; }

void PutUserMacro(ProfileRecord& record, int button, int events) {
    ButtonAssignmentEntry& entry = record.MacroKeyInfo[button];
    entry.FunctionCode = 16;
    entry.RepeatCount = 1;
    for (int event = 0; event < events; ++event) AddMacroEvent(entry, 4, event % 2 ? 2 : 1, 20);
}

}  // namespace

TEST(Write_ChangedModeNoFlags, SendsOpeningAndSelectOnly) {
    struct Row {
        const char* what;
        int32_t currentSlot;
        bool otherFlagValues, abortLeft;
        const char* select;
    };
    const Row rows[] = {
        {"slot 3", 3, false, false, "02 04 00 00 00 00 00 F9"},
        // Flag values other than 1 count as unchanged.
        {"flags other than 1", 0, true, false, "02 01 00 00 00 00 00 FC"},
        // An abort left from an earlier write is cleared at the start.
        {"abort left", 0, false, true, "02 01 00 00 00 00 00 FC"},
        // A current slot out of range selects slot 0.
        {"slot -1", -1, false, false, "02 01 00 00 00 00 00 FC"},
        {"slot 5", 5, false, false, "02 01 00 00 00 00 00 FC"},
        {"slot 100", 100, false, false, "02 01 00 00 00 00 00 FC"},
    };
    for (const Row& row : rows) {
        WriterFixture fixture;
        fixture.link.Abort = row.abortLeft;
        SettingsBlock block = DefaultBlock();
        block.CurrentSlot = row.currentSlot;
        if (row.otherFlagValues) {
            block.RateChanged[0] = 2;
            block.LevelChanged[1] = -1;
            block.ConfigChanged[2] = 0x101;
            block.ButtonChanged[3][4] = 7;
        }
        const std::optional<int> result = fixture.writer.Write(block, DeviceWriteMode::Changed);
        const std::vector<std::vector<uint8_t>> expected = {Hex("01 88 02 00 00 00 00 74"), Hex(row.select)};
        EXPECT_EQ(fixture.recorder.Commands(), expected) << row.what;
        EXPECT_TRUE(fixture.recorder.Transfers(Event::Chunk).empty()) << row.what;
        EXPECT_EQ(fixture.recorder.SleptMilliseconds(), 400u) << row.what;
        // The result of the select command, the 4th event.
        EXPECT_EQ(result, std::optional<int>(1000 + 4)) << row.what;
        EXPECT_FALSE(fixture.link.Busy.load()) << row.what;
    }
}

TEST(Write_FullModeDefaultBlock, SendsEveryPartInOrder) {
    WriterFixture fixture;
    SettingsBlock block = DefaultBlock();
    block.Profiles[2].PollingRate = 0;
    block.Profiles[3].CpiStep = 2;
    const std::optional<int> result = fixture.writer.Write(block, DeviceWriteMode::Full);

    const std::vector<std::vector<uint8_t>> expected = {
        Hex("01 88 02 00 00 00 00 74"),  // opening
        // Report rate of slots 0..4 (slot 2 at rate 0: code 8).
        Hex("03 01 02 00 00 00 00 F9"), Hex("03 02 02 00 00 00 00 F8"), Hex("03 03 08 00 00 00 00 F1"),
        Hex("03 04 02 00 00 00 00 F6"), Hex("03 05 02 00 00 00 00 F5"),
        // Level of slots 0..4 (slot 3 at level 2).
        Hex("04 01 01 00 00 00 00 F9"), Hex("04 02 01 00 00 00 00 F8"), Hex("04 03 01 00 00 00 00 F7"),
        Hex("04 04 03 00 00 00 00 F4"), Hex("04 05 01 00 00 00 00 F5"),
        // Configuration reports of slots 0..4.
        Hex("0C 01 80 00 00 00 00 72"), Hex("0C 02 80 00 00 00 00 71"), Hex("0C 03 80 00 00 00 00 70"),
        Hex("0C 04 80 00 00 00 00 6F"), Hex("0C 05 80 00 00 00 00 6E"),
        // Button maps of slots 0..4.
        Hex("0D 01 80 00 00 00 00 71"), Hex("0D 02 80 00 00 00 00 70"), Hex("0D 03 80 00 00 00 00 6F"),
        Hex("0D 04 80 00 00 00 00 6E"), Hex("0D 05 80 00 00 00 00 6D"),
        Hex("02 01 00 00 00 00 00 FC"),  // select slot 0
    };
    EXPECT_EQ(fixture.recorder.Commands(), expected);

    // Five configuration and five button map reports, two chunks each.
    EXPECT_EQ(fixture.recorder.Transfers(Event::Chunk).size(), 20u);
    // 200 opening + 5 x 200 rate + 5 x 200 level + 5 x (2 x 100 + 200)
    // configuration + 5 x (2 x 100 + 100) button map + 200 select.
    EXPECT_EQ(fixture.recorder.SleptMilliseconds(), 5900u);
    EXPECT_EQ(MandatedPauseMilliseconds(block, DeviceWriteMode::Full), 5900u);
    for (const Event& sleep : fixture.recorder.Transfers(Event::Sleep)) EXPECT_EQ(sleep.milliseconds, 100u);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, 1000 + static_cast<int>(fixture.recorder.events.size()) - 2);
    EXPECT_TRUE(fixture.recorder.BusyDuringEveryTransfer());
}

TEST(Write_Report, SendsCommandThenTwoChunksEachFollowedBy100ms) {
    WriterFixture fixture;
    SettingsBlock block = DefaultBlock();
    block.ConfigChanged[1] = 1;
    fixture.writer.Write(block, DeviceWriteMode::Changed);

    const std::vector<Event>& events = fixture.recorder.events;
    // opening, 2 sleeps, then the configuration report of slot 1: its command,
    // the chunks each followed by 100 ms, the report's 200 ms pause, the next command.
    ASSERT_GE(events.size(), 11u);
    std::vector<Event::Kind> kinds;
    for (size_t i = 3; i <= 10; ++i) kinds.push_back(events[i].kind);
    const std::vector<Event::Kind> expectedKinds = {Event::Command, Event::Chunk, Event::Sleep, Event::Chunk,
                                                    Event::Sleep,   Event::Sleep, Event::Sleep, Event::Command};
    EXPECT_EQ(kinds, expectedKinds);
    EXPECT_EQ(events[3].bytes, Command(ConfigurationCommand(1)));
    const ReportData report = BuildConfigurationReport(block.Profiles[1]);
    EXPECT_EQ(events[4].bytes, std::vector<uint8_t>(report.begin(), report.begin() + 64));
    EXPECT_EQ(events[6].bytes, std::vector<uint8_t>(report.begin() + 64, report.end()));
}

TEST(Write_ChangedButtons, SendsMapAndMacrosOfThatSlotOnly) {
    WriterFixture fixture;
    SettingsBlock block = DefaultBlock();
    block.CurrentSlot = 1;
    block.RateChanged[2] = 1;
    block.ButtonChanged[1][7] = 1;
    block.Profiles[1].MacroKeyInfo[3].FunctionCode = 51;  // Ctrl+C, macro 20
    PutUserMacro(block.Profiles[1], 7, 4);                 // macro 24
    PutUserMacro(block.Profiles[0], 0, 4);                 // slot 0 unchanged
    fixture.writer.Write(block, DeviceWriteMode::Changed);

    const std::vector<std::vector<uint8_t>> expected = {
        Hex("01 88 02 00 00 00 00 74"),  // opening
        Hex("03 03 02 00 00 00 00 F7"),  // report rate of slot 2
        Hex("0D 02 80 00 00 00 00 70"),  // button map of slot 1
        Hex("0F 14 80 00 00 00 00 5C"),  // macro 20
        Hex("0F 18 80 00 00 00 00 58"),  // macro 24
        Hex("02 02 00 00 00 00 00 FB"),  // select slot 1
    };
    EXPECT_EQ(fixture.recorder.Commands(), expected);
    EXPECT_EQ(fixture.recorder.Transfers(Event::Chunk).size(), 6u);
    // 200 + 200 + (200 + 100) + 200 + 200 + 200.
    EXPECT_EQ(fixture.recorder.SleptMilliseconds(), 1300u);
    EXPECT_EQ(MandatedPauseMilliseconds(block, DeviceWriteMode::Changed), 1300u);
    EXPECT_TRUE(fixture.writer.Macros().IsPresent(20));
    EXPECT_TRUE(fixture.writer.Macros().IsPresent(24));
    EXPECT_FALSE(fixture.writer.Macros().IsPresent(1));
}

TEST(Write_MacroOnLastButtonOfLastSlot, UsesMacroNumber80) {
    WriterFixture fixture;
    SettingsBlock block = DefaultBlock();
    PutUserMacro(block.Profiles[4], 15, 2);
    fixture.writer.Write(block, DeviceWriteMode::Full);

    const std::vector<Event> commands = fixture.recorder.Transfers(Event::Command);
    const std::vector<Event> chunks = fixture.recorder.Transfers(Event::Chunk);
    ASSERT_EQ(commands.size(), 23u);
    EXPECT_EQ(commands[21].bytes, Hex("0F 50 80 00 00 00 00 20"));
    // Button map of slot 4: chunks 18 and 19; button 15 at bytes 60..63.
    ASSERT_EQ(chunks.size(), 22u);
    EXPECT_EQ(std::vector<uint8_t>(chunks[18].bytes.begin() + 60, chunks[18].bytes.end()), Hex("09 00 50 02"));
    // The macro block: repeat 1, press A (u = 2 | 1), release A.
    EXPECT_EQ(std::vector<uint8_t>(chunks[20].bytes.begin(), chunks[20].bytes.begin() + 7), Hex("00 01 03 04 83 04 00"));
    EXPECT_EQ(MandatedPauseMilliseconds(block, DeviceWriteMode::Full), 5900u + 200u);
}

TEST(Write_MacroStore, IsEmptiedForEachWrite) {
    WriterFixture fixture;
    SettingsBlock block = DefaultBlock();
    PutUserMacro(block.Profiles[0], 2, 2);
    fixture.writer.Write(block, DeviceWriteMode::Full);
    EXPECT_TRUE(fixture.writer.Macros().IsPresent(3));

    fixture.recorder.events.clear();
    block.ButtonChanged[1][0] = 1;
    fixture.writer.Write(block, DeviceWriteMode::Changed);
    EXPECT_FALSE(fixture.writer.Macros().IsPresent(3));
    for (const auto& command : fixture.recorder.Commands()) EXPECT_NE(command[0], 0x0F) << "no macro report";
}

TEST(Write_AbortDuringPause, StopsAtThatPauseAndSendsNothingMore) {
    struct Row {
        const char* what;
        int abortAtSleep;  // the sleep during which the mouse goes away
    };
    const Row rows[] = {
        {"first round of the opening pause", 1},
        {"second round of the opening pause", 2},
        {"first chunk pause of a configuration report", 23},
        {"last round of the last button map pause", 57},
        {"final select pause", 58},
    };
    for (const Row& row : rows) {
        WriterFixture fixture;
        fixture.recorder.onSleep = [&](int sleepNumber) {
            if (sleepNumber == row.abortAtSleep) MarkRemoved(fixture.link);
        };
        const std::optional<int> result = fixture.writer.Write(DefaultBlock(), DeviceWriteMode::Full);

        const std::vector<Event>& events = fixture.recorder.events;
        ASSERT_FALSE(events.empty()) << row.what;
        EXPECT_EQ(events.back().kind, Event::Sleep) << row.what << ": nothing sent after the abort";
        EXPECT_EQ(static_cast<int>(fixture.recorder.Transfers(Event::Sleep).size()), row.abortAtSleep)
            << row.what << ": no further sleep";
        ASSERT_TRUE(result.has_value()) << row.what;
        EXPECT_EQ(*result, 0) << row.what;
        EXPECT_FALSE(fixture.link.Busy.load()) << row.what;
    }
}

TEST(Write_MouseNotPresent, DropsTheRequest) {
    for (int32_t state : {kDeviceNotOpened, kDeviceRemoved}) {
        WriterFixture fixture;
        fixture.link.State = state;
        EXPECT_FALSE(fixture.writer.Write(DefaultBlock(), DeviceWriteMode::Full).has_value()) << state;
        EXPECT_TRUE(fixture.recorder.events.empty()) << state;
        EXPECT_FALSE(fixture.link.Busy.load()) << state;
    }
}

TEST(Write_SelectOnly, SendsSelectThenPlainSleep) {
    WriterFixture fixture;
    SettingsBlock block = DefaultBlock();
    block.CurrentSlot = 2;
    MarkAllChanged(block);
    // A plain sleep is not cut short by an abort.
    fixture.recorder.onSleep = [&](int) { MarkRemoved(fixture.link); };
    const std::optional<int> result = fixture.writer.Write(block, DeviceWriteMode::SelectOnly);

    ASSERT_EQ(fixture.recorder.events.size(), 2u);
    EXPECT_EQ(fixture.recorder.events[0].bytes, Hex("02 03 00 00 00 00 00 FA"));
    EXPECT_EQ(fixture.recorder.events[1].kind, Event::Sleep);
    EXPECT_EQ(fixture.recorder.events[1].milliseconds, 200u);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, 1001);
    EXPECT_EQ(MandatedPauseMilliseconds(block, DeviceWriteMode::SelectOnly), 200u);
}

TEST(MandatedPauseMilliseconds_Modes, SumsEveryPause) {
    struct Row {
        const char* what;
        DeviceWriteMode mode;
        void (*set)(SettingsBlock&);
        unsigned expected;
    };
    const Row rows[] = {
        {"changed, nothing", DeviceWriteMode::Changed, [](SettingsBlock&) {}, 400},
        {"changed, everything", DeviceWriteMode::Changed, [](SettingsBlock& b) { MarkAllChanged(b); }, 5900},
        {"changed, one level", DeviceWriteMode::Changed, [](SettingsBlock& b) { b.LevelChanged[4] = 1; }, 600},
        // Built-in chords on all 16 buttons of slot 0: 16 macro reports.
        {"full, 16 chords", DeviceWriteMode::Full,
         [](SettingsBlock& b) { for (auto& e : b.Profiles[0].MacroKeyInfo) e.FunctionCode = 59; }, 5900 + 16 * 200},
        {"select only", DeviceWriteMode::SelectOnly, [](SettingsBlock& b) { MarkAllChanged(b); }, 200},
    };
    for (const Row& row : rows) {
        SettingsBlock block = DefaultBlock();
        row.set(block);
        EXPECT_EQ(MandatedPauseMilliseconds(block, row.mode), row.expected) << row.what;
        WriterFixture fixture;
        fixture.writer.Write(block, row.mode);
        EXPECT_EQ(fixture.recorder.SleptMilliseconds(), row.expected) << row.what << ": the write itself";
    }
}

TEST(DeviceLinkState_PresenceChanges, ActOnlyOnAChange) {
    DeviceLinkState link;
    EXPECT_TRUE(ArrivalApplies(link.State));
    EXPECT_TRUE(MarkPresent(link));
    EXPECT_FALSE(ArrivalApplies(link.State));
    EXPECT_FALSE(MarkPresent(link)) << "second attach";
    EXPECT_TRUE(RemovalApplies(link.State));
    EXPECT_TRUE(MarkRemoved(link));
    EXPECT_FALSE(MarkRemoved(link)) << "second removal";
    EXPECT_FALSE(RemovalApplies(link.State));
    EXPECT_EQ(link.State.load(), kDeviceRemoved);
}

TEST(RequestAbort_Idle, LeavesNoAbortForTheNextWrite) {
    DeviceLinkState link;
    RequestAbort(link);
    EXPECT_FALSE(link.Abort.load());
    MarkRemoved(link);
    EXPECT_FALSE(link.Abort.load());
    link.Busy = true;
    RequestAbort(link);
    EXPECT_TRUE(link.Abort.load());
}

// Shutdown raises the stop flag before it tries the abort; a write that
// took its request but was not yet busy then must not run to its end.
TEST(Write_Stopping, RaisedBeforeTheWriteIsBusyDropsIt) {
    WriterFixture fixture;
    fixture.link.Stopping = true;
    RequestAbort(fixture.link);  // not busy yet: no abort raised
    EXPECT_FALSE(fixture.writer.Write(DefaultBlock(), DeviceWriteMode::Full).has_value());
    EXPECT_TRUE(fixture.recorder.events.empty());
    EXPECT_FALSE(fixture.link.Busy.load());
}

TEST(Write_Stopping, RaisedDuringTheWriteEndsItAtTheNextPause) {
    WriterFixture fixture;
    fixture.recorder.onSleep = [&](int sleepNumber) {
        if (sleepNumber == 3) fixture.link.Stopping = true;
    };
    const std::optional<int> result = fixture.writer.Write(DefaultBlock(), DeviceWriteMode::Full);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, 0);
    EXPECT_EQ(fixture.recorder.Transfers(Event::Sleep).size(), 3u);
    EXPECT_EQ(fixture.recorder.events.back().kind, Event::Sleep) << "nothing sent after the stop";
}
