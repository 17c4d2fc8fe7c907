#include "portio/VirtualMouse.h"
#include "portio/tests/ProtocolBytes.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace portio {
namespace {

TEST(CheckByte_KnownCommands, MatchTheWireExamples) {
    struct Row {
        std::array<uint8_t, 8> Bytes;
    };
    const Row rows[] = {
        {{0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFC}},  // profile select, slot 0
        {{0x01, 0x88, 0x02, 0x00, 0x00, 0x00, 0x00, 0x74}},  // opening command
        {{0x0F, 0x50, 0x80, 0x00, 0x00, 0x00, 0x00, 0x20}},  // macro 80: sum wraps past 256
    };
    for (const Row& row : rows) EXPECT_EQ(CheckByte(row.Bytes.data()), row.Bytes[7]);
}

TEST(ReceiveCommand_CheckByte, RejectsEveryWrongValue) {
    const auto good = MakeCommand(kProfileSelectCommand, 3, 0);
    unsigned rejected = 0;
    for (int check = 0; check < 256; ++check) {
        if (check == good[7]) continue;
        VirtualMouse mouse;
        auto bytes = good;
        bytes[7] = static_cast<uint8_t>(check);
        EXPECT_FALSE(mouse.ReceiveCommand(bytes.data(), kCommandLength)) << check;
        EXPECT_EQ(mouse.State().CurrentProfile, -1);
        rejected += mouse.State().Counters.BadCheckBytes;
    }
    EXPECT_EQ(rejected, 255u);
}

TEST(ReceiveCommand_SimpleCommands, KeepPerSlotValues) {
    VirtualMouse mouse;
    struct Row {
        uint8_t Code, First, Second;
    };
    const Row rows[] = {
        {kOpeningCommand, 0x88, 0x02},
        {kReportRateCommand, 1, 8},     // slot 0: 125 Hz
        {kReportRateCommand, 5, 1},     // slot 4: 1000 Hz
        {kLevelCommand, 2, 3},          // slot 1: level 3
        {kLevelCommand, 5, 5},          // slot 4: level 5
        {kProfileSelectCommand, 4, 0},  // current profile slot 3
    };
    for (const Row& row : rows) {
        const auto command = MakeCommand(row.Code, row.First, row.Second);
        EXPECT_TRUE(mouse.ReceiveCommand(command.data(), kCommandLength)) << int(row.Code);
    }
    const MouseState& state = mouse.State();
    EXPECT_EQ(state.CurrentProfile, 3);
    EXPECT_EQ(state.Counters.Openings, 1u);
    EXPECT_EQ(state.Counters.Commands, 6u);
    EXPECT_TRUE(state.Slots[0].RateKnown);
    EXPECT_EQ(state.Slots[0].RateCode, 8);
    EXPECT_EQ(state.Slots[4].RateCode, 1);
    EXPECT_FALSE(state.Slots[1].RateKnown);
    EXPECT_EQ(state.Slots[1].Level, 3);
    EXPECT_EQ(state.Slots[4].Level, 5);
    EXPECT_FALSE(state.Slots[0].LevelKnown);
}

TEST(ReceiveCommand_BadInput, CountedByKind) {
    struct Row {
        const char* What;
        std::vector<uint8_t> Bytes;
        unsigned MouseCounters::*Counter;
    };
    const auto select = MakeCommand(kProfileSelectCommand, 1, 0);
    const auto slotZero = MakeCommand(kLevelCommand, 0, 1);
    const auto slotSix = MakeCommand(kReportRateCommand, 6, 1);
    const auto unknown = MakeCommand(0x07, 1, 0);
    const Row rows[] = {
        {"short command", std::vector<uint8_t>(select.begin(), select.begin() + 7), &MouseCounters::BadLengths},
        {"64-byte command", std::vector<uint8_t>(64, 0), &MouseCounters::BadLengths},
        {"slot parameter 0", std::vector<uint8_t>(slotZero.begin(), slotZero.end()), &MouseCounters::BadParameters},
        {"slot parameter 6", std::vector<uint8_t>(slotSix.begin(), slotSix.end()), &MouseCounters::BadParameters},
        {"unknown code", std::vector<uint8_t>(unknown.begin(), unknown.end()), &MouseCounters::UnknownCommands},
    };
    for (const Row& row : rows) {
        VirtualMouse mouse;
        EXPECT_FALSE(mouse.ReceiveCommand(row.Bytes.data(), static_cast<int>(row.Bytes.size()))) << row.What;
        EXPECT_EQ(mouse.State().Counters.*row.Counter, 1u) << row.What;
        EXPECT_EQ(mouse.State().Counters.Commands, 0u) << row.What;
        EXPECT_FALSE(mouse.State().Slots[0].LevelKnown) << row.What;
    }
    VirtualMouse mouse;
    EXPECT_FALSE(mouse.ReceiveCommand(nullptr, kCommandLength));
    EXPECT_EQ(mouse.State().Counters.BadLengths, 1u);
}

// Malformed but correctly checksummed commands: rejected, counted, and the
// chunks of a refused data command swallowed with it.
TEST(ReceiveCommand_StrictBytes, MalformedCommandsCounted) {
    struct Row {
        const char* What;
        std::array<uint8_t, 8> Bytes;  // the check byte is recomputed
        unsigned MouseCounters::*Counter;
    };
    const Row rows[] = {
        {"opening with byte 1 = 0x87", {0x01, 0x87, 0x02}, &MouseCounters::BadOpenings},
        {"opening with byte 2 = 0x00", {0x01, 0x88, 0x00}, &MouseCounters::BadOpenings},
        {"opening 01 00 00", {0x01, 0x00, 0x00}, &MouseCounters::BadOpenings},
        {"configuration with byte 2 = 0x00", {0x0C, 0x01, 0x00}, &MouseCounters::BadDataMarks},
        {"button map with byte 2 = 0x7F", {0x0D, 0x05, 0x7F}, &MouseCounters::BadDataMarks},
        {"macro 80 with byte 2 = 0x40", {0x0F, 0x50, 0x40}, &MouseCounters::BadDataMarks},
        {"select with byte 3 = 1", {0x02, 0x01, 0x00, 0x01}, &MouseCounters::NonZeroReserved},
        {"opening with byte 6 = 0xFF", {0x01, 0x88, 0x02, 0, 0, 0, 0xFF}, &MouseCounters::NonZeroReserved},
        {"button map with byte 4 = 0x80", {0x0D, 0x01, 0x80, 0, 0x80}, &MouseCounters::NonZeroReserved},
    };
    const ReportData data = MakeData(5);
    for (const Row& row : rows) {
        VirtualMouse mouse;
        auto bytes = row.Bytes;
        bytes[7] = CheckByte(bytes.data());
        EXPECT_FALSE(mouse.ReceiveCommand(bytes.data(), kCommandLength)) << row.What;
        if (CommandCarriesData(bytes[0])) {
            mouse.ReceiveChunk(data.data(), kChunkLength);
            mouse.ReceiveChunk(data.data() + kChunkLength, kChunkLength);
        }
        const MouseState& state = mouse.State();
        EXPECT_EQ(state.Counters.*row.Counter, 1u) << row.What;
        EXPECT_EQ(state.Counters.Violations(), 1u) << row.What;
        EXPECT_EQ(state.Counters.Commands + state.Counters.Openings + state.Counters.Reports, 0u) << row.What;
        EXPECT_EQ(state.CurrentProfile, -1) << row.What;
        for (const SlotState& slot : state.Slots) EXPECT_FALSE(slot.ConfigurationKnown || slot.ButtonMapKnown);
        EXPECT_FALSE(state.Macros[79].Known) << row.What;
    }
}

TEST(ReceiveChunk_DataReports, AssembledFromTwoChunksInOrder) {
    VirtualMouse mouse;
    const ReportData configuration = MakeData(0x10), buttons = MakeData(0x40);
    SendReport(mouse, kConfigurationReport, 3, configuration);
    SendReport(mouse, kButtonMapReport, 5, buttons);
    const MouseState& state = mouse.State();
    EXPECT_TRUE(state.Slots[2].ConfigurationKnown);
    EXPECT_EQ(state.Slots[2].Configuration, configuration);
    EXPECT_FALSE(state.Slots[2].ButtonMapKnown);
    EXPECT_TRUE(state.Slots[4].ButtonMapKnown);
    EXPECT_EQ(state.Slots[4].ButtonMap, buttons);
    EXPECT_EQ(state.Counters.Reports, 2u);
    EXPECT_EQ(state.Counters.UnexpectedChunks, 0u);
    EXPECT_FALSE(mouse.AwaitingChunks());
}

TEST(ReceiveChunk_FirstChunkOnly, StoresNothingUntilTheSecond) {
    VirtualMouse mouse;
    const ReportData data = MakeData(1);
    const auto command = MakeCommand(kButtonMapReport, 1, 0x80);
    ASSERT_TRUE(mouse.ReceiveCommand(command.data(), kCommandLength));
    EXPECT_TRUE(mouse.ReceiveChunk(data.data(), kChunkLength));
    EXPECT_TRUE(mouse.AwaitingChunks());
    EXPECT_FALSE(mouse.State().Slots[0].ButtonMapKnown);
    // A new command drops the half report.
    const auto select = MakeCommand(kProfileSelectCommand, 1, 0);
    EXPECT_TRUE(mouse.ReceiveCommand(select.data(), kCommandLength));
    EXPECT_FALSE(mouse.State().Slots[0].ButtonMapKnown);
    EXPECT_EQ(mouse.State().Counters.IncompleteReports, 1u);
    EXPECT_FALSE(mouse.ReceiveChunk(data.data() + kChunkLength, kChunkLength));
    EXPECT_EQ(mouse.State().Counters.UnexpectedChunks, 1u);
}

TEST(ReceiveChunk_Unannounced, CountedAndIgnored) {
    struct Row {
        const char* What;
        std::array<uint8_t, 8> Command;  // sent before the two chunks
        bool SendCommand;
        unsigned Expected;  // unexpected chunks counted
    };
    auto badCheck = MakeCommand(kConfigurationReport, 1, 0x80);
    badCheck[7] ^= 1;
    const Row rows[] = {
        {"no command at all", {}, false, 2},
        {"command without data", MakeCommand(kLevelCommand, 1, 2), true, 2},
        {"data command with a bad check byte", badCheck, true, 2},
        {"data command for slot 6: chunks swallowed", MakeCommand(kButtonMapReport, 6, 0x80), true, 0},
        {"macro number 81: chunks swallowed", MakeCommand(kMacroReport, 81, 0x80), true, 0},
    };
    const ReportData data = MakeData(7);
    for (const Row& row : rows) {
        VirtualMouse mouse;
        if (row.SendCommand) mouse.ReceiveCommand(row.Command.data(), kCommandLength);
        mouse.ReceiveChunk(data.data(), kChunkLength);
        EXPECT_FALSE(mouse.ReceiveChunk(data.data() + kChunkLength, kChunkLength)) << row.What;
        EXPECT_EQ(mouse.State().Counters.UnexpectedChunks, row.Expected) << row.What;
        EXPECT_EQ(mouse.State().Counters.Reports, 0u) << row.What;
        for (const SlotState& slot : mouse.State().Slots) EXPECT_FALSE(slot.ConfigurationKnown || slot.ButtonMapKnown);
        for (const MacroState& macro : mouse.State().Macros) EXPECT_FALSE(macro.Known);
    }
}

TEST(ReceiveChunk_WrongLength, RejectedWithoutAdvancing) {
    VirtualMouse mouse;
    const ReportData data = MakeData(3);
    const auto command = MakeCommand(kConfigurationReport, 2, 0x80);
    mouse.ReceiveCommand(command.data(), kCommandLength);
    EXPECT_FALSE(mouse.ReceiveChunk(data.data(), 63));
    EXPECT_FALSE(mouse.ReceiveChunk(nullptr, kChunkLength));
    EXPECT_EQ(mouse.State().Counters.BadLengths, 2u);
    mouse.ReceiveChunk(data.data(), kChunkLength);
    mouse.ReceiveChunk(data.data() + kChunkLength, kChunkLength);
    EXPECT_EQ(mouse.State().Slots[1].Configuration, data);
}

TEST(ReceiveCommand_MacroNumbers, OneToEightyKept) {
    VirtualMouse mouse;
    for (int number : {1, 17, 80}) SendReport(mouse, kMacroReport, static_cast<uint8_t>(number), MakeData(number));
    SendReport(mouse, kMacroReport, 0, MakeData(0));
    const MouseState& state = mouse.State();
    int known = 0;
    for (const MacroState& macro : state.Macros) known += macro.Known;
    EXPECT_EQ(known, 3);
    EXPECT_EQ(state.Macros[0].Data, MakeData(1));
    EXPECT_EQ(state.Macros[16].Data, MakeData(17));
    EXPECT_EQ(state.Macros[79].Data, MakeData(80));
    EXPECT_EQ(state.Counters.BadParameters, 1u);
    EXPECT_EQ(state.Counters.UnexpectedChunks, 0u);
}

TEST(ReceiveCommand_RepeatedReport, LatestDataWins) {
    VirtualMouse mouse;
    SendReport(mouse, kButtonMapReport, 1, MakeData(1));
    SendReport(mouse, kButtonMapReport, 1, MakeData(9));
    EXPECT_EQ(mouse.State().Slots[0].ButtonMap, MakeData(9));
    EXPECT_EQ(mouse.State().Counters.Reports, 2u);
}

}  // namespace
}  // namespace portio
