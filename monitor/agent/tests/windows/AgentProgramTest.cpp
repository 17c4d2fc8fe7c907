// Monitor.exe in a program folder of its own, driven as the other programs
// and the HID transport library drive it.
#include "ProgramFolder.h"

#include "frame/Window.h"
#include "monitor/device/DeviceWritePlan.h"
#include "profile/SettingsBlock.h"
#include "testing/MessagePump.h"
#include "testing/ProgramRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using agenttest::DefaultProfileSet;
using agenttest::ProgramFolder;
using agenttest::TransferLine;
using agenttest::WaitFor;
using agenttest::WaitForQuietLog;
using agenttest::WaitForExit;
using agenttest::WriteSharedBlock;

constexpr char kOptionTitle[] = "TARVIK-Q7 Gaming Mouse Option";
constexpr UINT kMsgApply = 1224;
constexpr UINT kMsgPresence = 1326;
constexpr UINT kMsgApplyFinished = 1256;

struct ExpectedTransfer {
    std::string kind;
    std::vector<uint8_t> bytes;
};

// What the agent must send for this block and mode, transfer by transfer.
std::vector<ExpectedTransfer> ExpectedWrite(const SettingsBlock& block, device::DeviceWriteMode mode) {
    device::MacroStore macros;
    std::vector<ExpectedTransfer> expected;
    for (const device::DeviceWriteStep& step : device::PlanDeviceWrite(block, mode, macros)) {
        if (step.StepKind == device::DeviceWriteStep::Kind::Command) {
            expected.push_back({"SetFeature", {step.Bytes.begin(), step.Bytes.begin() + device::kCommandSize}});
        } else if (step.StepKind == device::DeviceWriteStep::Kind::Chunk) {
            expected.push_back({"WriteUSB", {step.Bytes.begin(), step.Bytes.begin() + device::kChunkSize}});
        }
    }
    return expected;
}

// The write a first start sends: the default profile set in full.
std::vector<ExpectedTransfer> FullWrite() { return ExpectedWrite(*DefaultProfileSet(), device::DeviceWriteMode::Full); }

// The log from transfer `first` on is exactly `expected`.
void ExpectTransfers(const ProgramFolder& folder, size_t first, const std::vector<ExpectedTransfer>& expected) {
    const std::vector<TransferLine> actual = folder.Transfers();
    EXPECT_EQ(actual.size(), first + expected.size());
    ASSERT_GE(actual.size(), first + expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[first + i].kind, expected[i].kind) << "transfer " << i;
        EXPECT_EQ(actual[first + i].bytes, expected[i].bytes) << "transfer " << i;
    }
}

size_t TransferCount(const ProgramFolder& folder) { return folder.Transfers().size(); }

// Waits until the log holds `count` transfers and the writer is idle.
bool WaitForTransfers(const ProgramFolder& folder, size_t count) {
    return WaitFor([&] { return TransferCount(folder) >= count; }) && WaitForQuietLog(folder);
}

// Starts the agent; its window, or null when either does not come.
HWND StartAgentWindow(ProgramFolder& folder) { return folder.StartAgent() ? folder.WaitForAgentWindow() : nullptr; }

// Starts one more agent with these arguments and waits for it to end; its
// exit code, or -2 when it did not start.
long RunAgentToItsEnd(ProgramFolder& folder, const std::string& arguments) {
    HANDLE agent = folder.StartAgent(arguments);
    if (!agent) return -2;
    const long exitCode = WaitForExit(agent);
    CloseHandle(agent);
    return exitCode;
}

bool RecordHas(const ProgramFolder& folder, const std::string& line) {
    const auto record = folder.OptionRecord();
    return std::find(record.begin(), record.end(), line) != record.end();
}

void StartStandinOption(const ProgramFolder& folder) {
    HANDLE option = testsupport::StartProgram("\"" + folder.Path() + "Option.exe\"", folder.Path());
    ASSERT_NE(option, nullptr);
    CloseHandle(option);
    ASSERT_TRUE(WaitFor([] { return FindWindowA(nullptr, kOptionTitle) != nullptr; }));
}

// A program folder of its own with the virtual mouse attached.
class AgentProgram : public ::testing::Test {
protected:
    void SetUp() override { REQUIRE_READY(m_folder); }
    ProgramFolder m_folder;
};

TEST_F(AgentProgram, Start_MousePresentFirstFullWriteSendsEveryTransferInOrder) {
    ASSERT_NE(StartAgentWindow(m_folder), nullptr);
    const auto expected = FullWrite();
    ASSERT_TRUE(WaitForTransfers(m_folder, expected.size())) << TransferCount(m_folder) << " of " << expected.size();
    ExpectTransfers(m_folder, 0, expected);
    const auto transfers = m_folder.Transfers();
    // The same write written out: 22 commands, and two chunks after each of
    // the ten reports.
    const std::vector<std::vector<uint8_t>> commands = {
        {0x01, 0x88, 0x02, 0, 0, 0, 0, 0x74},  // opening
        // Report rate code 2 of slots 0..4.
        {0x03, 0x01, 0x02, 0, 0, 0, 0, 0xF9}, {0x03, 0x02, 0x02, 0, 0, 0, 0, 0xF8},
        {0x03, 0x03, 0x02, 0, 0, 0, 0, 0xF7}, {0x03, 0x04, 0x02, 0, 0, 0, 0, 0xF6},
        {0x03, 0x05, 0x02, 0, 0, 0, 0, 0xF5},
        // Level 1 of slots 0..4.
        {0x04, 0x01, 0x01, 0, 0, 0, 0, 0xF9}, {0x04, 0x02, 0x01, 0, 0, 0, 0, 0xF8},
        {0x04, 0x03, 0x01, 0, 0, 0, 0, 0xF7}, {0x04, 0x04, 0x01, 0, 0, 0, 0, 0xF6},
        {0x04, 0x05, 0x01, 0, 0, 0, 0, 0xF5},
        // Configuration reports of slots 0..4.
        {0x0C, 0x01, 0x80, 0, 0, 0, 0, 0x72}, {0x0C, 0x02, 0x80, 0, 0, 0, 0, 0x71},
        {0x0C, 0x03, 0x80, 0, 0, 0, 0, 0x70}, {0x0C, 0x04, 0x80, 0, 0, 0, 0, 0x6F},
        {0x0C, 0x05, 0x80, 0, 0, 0, 0, 0x6E},
        // Button maps of slots 0..4.
        {0x0D, 0x01, 0x80, 0, 0, 0, 0, 0x71}, {0x0D, 0x02, 0x80, 0, 0, 0, 0, 0x70},
        {0x0D, 0x03, 0x80, 0, 0, 0, 0, 0x6F}, {0x0D, 0x04, 0x80, 0, 0, 0, 0, 0x6E},
        {0x0D, 0x05, 0x80, 0, 0, 0, 0, 0x6D},
        {0x02, 0x01, 0, 0, 0, 0, 0, 0xFC},  // select slot 0
    };
    std::vector<std::vector<uint8_t>> sentCommands;
    for (const TransferLine& line : transfers)
        if (line.kind == "SetFeature") sentCommands.push_back(line.bytes);
    EXPECT_EQ(sentCommands, commands);
    EXPECT_EQ(transfers.size(), 42u);
    // A first start (no stored slot) selects profile 1.
    EXPECT_EQ(transfers.back().bytes, (std::vector<uint8_t>{0x02, 0x01, 0, 0, 0, 0, 0, 0xFC}));
    EXPECT_EQ(m_folder.SettingsValue("Setting", "Device"), "1");
}

// The stored current slot decides the select command that ends the first
// write; a damaged one selects profile 1.
TEST(AgentStart_StoredSlot, DecidesTheSelectCommand) {
    struct Row {
        const char* stored;
        std::vector<uint8_t> select;
    } rows[] = {
        {"3", {0x02, 0x04, 0, 0, 0, 0, 0, 0xF9}},  // a valid slot
        {"9", {0x02, 0x01, 0, 0, 0, 0, 0, 0xFC}},  // outside 0..4: slot 0
    };
    for (const Row& row : rows) {
        ProgramFolder folder;
        REQUIRE_READY(folder);
        WritePrivateProfileStringA("Setting", "CurrentProfile", row.stored, (folder.Path() + "config.ini").c_str());
        ASSERT_NE(folder.StartAgent(), nullptr);
        const size_t full = FullWrite().size();
        ASSERT_TRUE(WaitFor([&] { return TransferCount(folder) >= full; })) << row.stored;
        EXPECT_EQ(folder.Transfers()[full - 1].bytes, row.select) << row.stored;
    }
}

TEST_F(AgentProgram, Start_WithOneOpensOptionOnceTheMouseIsFound) {
    ASSERT_NE(m_folder.StartAgent("1"), nullptr);
    EXPECT_TRUE(WaitFor([] { return FindWindowA(nullptr, kOptionTitle) != nullptr; }));
    EXPECT_TRUE(WaitFor([&] { return RecordHas(m_folder, "start"); }));
}

TEST_F(AgentProgram, SecondInstance_WithoutArgumentEndsAndLeavesTheFirst) {
    HWND first = StartAgentWindow(m_folder);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(RunAgentToItsEnd(m_folder, ""), 0);
    EXPECT_EQ(FindWindowA(nullptr, "TARVIK-Q7 Gaming Mouse Monitor"), first);
    EXPECT_EQ(WaitForSingleObject(m_folder.AgentProcess(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(m_folder.OptionRecord().empty()) << "Option was not asked for";
}

TEST_F(AgentProgram, SecondInstance_WithOneOpensOptionThenRestoresIt) {
    ASSERT_NE(StartAgentWindow(m_folder), nullptr);
    EXPECT_EQ(RunAgentToItsEnd(m_folder, "1"), 0);
    HWND option = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (option = FindWindowA(nullptr, kOptionTitle)) != nullptr; }));

    // Minimised, it is restored rather than started again.
    ShowWindow(option, SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(option) != FALSE; }));
    EXPECT_EQ(RunAgentToItsEnd(m_folder, "1"), 0);
    EXPECT_TRUE(WaitFor([&] { return IsIconic(option) == FALSE; }));
    const auto record = m_folder.OptionRecord();
    EXPECT_EQ(std::count(record.begin(), record.end(), "start"), 1);
}

TEST_F(AgentProgram, Apply_AllFlagsZeroSendsOnlyOpeningAndSelectThenAnswersOption) {
    StartStandinOption(m_folder);
    HWND agentWindow = StartAgentWindow(m_folder);
    ASSERT_NE(agentWindow, nullptr);
    const size_t full = FullWrite().size();
    ASSERT_TRUE(WaitForTransfers(m_folder, full));

    auto block = DefaultProfileSet();
    block->CurrentSlot = 2;
    ASSERT_TRUE(WriteSharedBlock(*block));
    EXPECT_EQ(SendMessageA(agentWindow, kMsgApply, 0, 0), 0);
    ASSERT_TRUE(WaitFor([&] { return RecordHas(m_folder, "message 1256 0 0"); }));

    const std::vector<ExpectedTransfer> expected = {
        {"SetFeature", {0x01, 0x88, 0x02, 0, 0, 0, 0, 0x74}},  // opening
        {"SetFeature", {0x02, 0x03, 0, 0, 0, 0, 0, 0xFA}},     // select slot 2
    };
    ExpectTransfers(m_folder, full, expected);
}

TEST_F(AgentProgram, Removal_StopsARunningFullWriteAndClosesOption) {
    StartStandinOption(m_folder);
    HWND agentWindow = StartAgentWindow(m_folder);
    ASSERT_NE(agentWindow, nullptr);
    const size_t full = FullWrite().size();
    ASSERT_TRUE(WaitFor([&] { return TransferCount(m_folder) >= 3; }));

    const size_t beforeRemoval = TransferCount(m_folder);
    PostMessageA(agentWindow, kMsgPresence, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return m_folder.SettingsValue("Setting", "Device") == "0"; }));
    EXPECT_TRUE(WaitFor([&] { return RecordHas(m_folder, "close"); }));
    ASSERT_TRUE(WaitForQuietLog(m_folder));
    const size_t after = TransferCount(m_folder);
    EXPECT_LT(after, full) << "the write was not stopped";
    // At most the transfer under way and the rest of its report.
    EXPECT_LE(after, beforeRemoval + 3);
}

TEST_F(AgentProgram, Arrival_BringsAFullWriteAndDeviceOne) {
    HWND agentWindow = StartAgentWindow(m_folder);
    ASSERT_NE(agentWindow, nullptr);
    const auto expected = FullWrite();
    ASSERT_TRUE(WaitForTransfers(m_folder, expected.size()));

    PostMessageA(agentWindow, kMsgPresence, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return m_folder.SettingsValue("Setting", "Device") == "0"; }));
    const size_t base = TransferCount(m_folder);
    // Two presence messages in a row: one arrival.
    PostMessageA(agentWindow, kMsgPresence, 1, 0);
    PostMessageA(agentWindow, kMsgPresence, 1, 0);
    EXPECT_TRUE(WaitFor([&] { return m_folder.SettingsValue("Setting", "Device") == "1"; }));
    ASSERT_TRUE(WaitForTransfers(m_folder, base + expected.size()));
    ExpectTransfers(m_folder, base, expected);
}

TEST(AgentWithoutPortio, RunsAsWithNoMouse) {
    ProgramFolder folder(ProgramFolder::Portio::Missing);
    REQUIRE_READY(folder);
    StartStandinOption(folder);
    HWND agentWindow = StartAgentWindow(folder);
    ASSERT_NE(agentWindow, nullptr);
    EXPECT_TRUE(WaitFor([&] { return folder.SettingsValue("Setting", "Device") == "0"; }));
    // An apply is answered at once.
    EXPECT_EQ(SendMessageA(agentWindow, kMsgApply, 0, 0), 0);
    EXPECT_TRUE(WaitFor([&] { return RecordHas(folder, "message 1256 0 0"); }));
    // Presence messages (as a library would send) do no harm.
    PostMessageA(agentWindow, kMsgPresence, 1, 0);
    EXPECT_TRUE(WaitFor([&] { return folder.SettingsValue("Setting", "Device") == "1"; }));
    EXPECT_EQ(WaitForSingleObject(folder.AgentProcess(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(folder.StopAgent());
    EXPECT_EQ(WaitForExit(folder.AgentProcess()), 0);
}

std::string EntryPoint(const std::string& line) { return line.substr(0, line.find(' ')); }
std::string ThreadOf(const std::string& line) { return line.substr(line.find(' ') + 1); }

TEST(AgentShutdown_DuringFullWrite, EndsTheWriterBeforeClosingTheMouse) {
    ProgramFolder folder(ProgramFolder::Portio::Recording);
    REQUIRE_READY(folder);
    ASSERT_NE(StartAgentWindow(folder), nullptr);
    auto transferCount = [&] {
        const auto calls = folder.PortioCalls();
        return std::count_if(calls.begin(), calls.end(), [](const std::string& line) {
            return EntryPoint(line) == "SetFeature" || EntryPoint(line) == "WriteUSB";
        });
    };
    ASSERT_TRUE(WaitFor([&] { return transferCount() >= 4; }));
    ASSERT_TRUE(folder.StopAgent());
    EXPECT_EQ(WaitForExit(folder.AgentProcess()), 0);

    const auto calls = folder.PortioCalls();
    ASSERT_GE(calls.size(), 7u);
    // Start-up order, all on the agent window's thread.
    const std::vector<std::string> opening = {"Set_VIDPID", "Open_DevMonitor", "Open_FeatureDevice",
                                              "Open_ReportDevice"};
    for (size_t i = 0; i < opening.size(); ++i) EXPECT_EQ(EntryPoint(calls[i]), opening[i]);
    const std::string mainThread = ThreadOf(calls[0]);
    // The close comes last, in order, and nothing is sent after it.
    const std::vector<std::string> closing = {"Close_FeatureDevice", "Close_ReportDevice", "Close_DevMonitor"};
    for (size_t i = 0; i < closing.size(); ++i) {
        EXPECT_EQ(EntryPoint(calls[calls.size() - closing.size() + i]), closing[i]);
    }
    for (size_t i = opening.size(); i < calls.size() - closing.size(); ++i) {
        const std::string entry = EntryPoint(calls[i]);
        EXPECT_TRUE(entry == "SetFeature" || entry == "WriteUSB") << calls[i];
        EXPECT_NE(ThreadOf(calls[i]), mainThread) << "transfers belong to the device-writer thread";
    }
    EXPECT_LT(static_cast<size_t>(transferCount()), FullWrite().size()) << "the write was not aborted";
}

// Each row kills the agent at another point of its first full write; the
// agent started next writes the mouse in full.
TEST_F(AgentProgram, Killed_DuringFullWriteRestartedAgentWritesTheMouseInFull) {
    const auto expected = FullWrite();
    const size_t killAfter[] = {
        1,                    // after the opening command
        expected.size() / 2,  // among the button maps
        expected.size() - 1,  // before the select command
    };
    for (size_t transfers : killAfter) {
        const size_t base = TransferCount(m_folder);
        HANDLE agent = m_folder.StartAgent();
        ASSERT_NE(agent, nullptr);
        ASSERT_TRUE(WaitFor([&] { return TransferCount(m_folder) >= base + transfers; }));
        TerminateProcess(agent, 1);
        ASSERT_NE(WaitForExit(agent), -1);
        if (agent != m_folder.AgentProcess()) CloseHandle(agent);
        EXPECT_LT(TransferCount(m_folder), base + expected.size()) << "killed after " << transfers;
    }
    const size_t base = TransferCount(m_folder);
    HANDLE agent = m_folder.StartAgent();
    ASSERT_NE(agent, nullptr);
    ASSERT_TRUE(WaitForTransfers(m_folder, base + expected.size()));
    ExpectTransfers(m_folder, base, expected);
    if (agent != m_folder.AgentProcess()) {
        PostMessageA(m_folder.WaitForAgentWindow(), WM_COMMAND, 6002, 0);
        EXPECT_NE(WaitForExit(agent), -1);
        CloseHandle(agent);
    }
}

// Stands in for Option: a window of its title that counts the agent's
// answers to applies and stays open when told to close.
class CountingOption : public Window {
public:
    CountingOption() { Create("CountingOption", kOptionTitle, WS_POPUP, 0, 0, 0, 10, 10); }
    int Answers() const { return m_answers; }
    int Closes() const { return m_closes; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kMsgApplyFinished) ++m_answers;
        if (message != WM_CLOSE) return DefaultProcessing(message, wParam, lParam);
        ++m_closes;
        return 0;
    }

private:
    int m_answers = 0;
    int m_closes = 0;
};

// 20 detach/attach cycles 50-150 ms apart with applies among them: the agent
// answers every apply without hanging, and the last attach brings one full
// write that is the last thing the mouse receives.
TEST_F(AgentProgram, QuickReplugging_AnswersEveryApplyAndEndsWrittenInFull) {
    CountingOption option;
    HWND agentWindow = StartAgentWindow(m_folder);
    ASSERT_NE(agentWindow, nullptr);
    const auto expected = FullWrite();
    ASSERT_TRUE(WaitFor([&] { return TransferCount(m_folder) >= expected.size(); }));

    std::mt19937 random(1326);
    std::uniform_int_distribution<int> gap(50, 150);
    int applies = 0;
    for (int cycle = 0; cycle < 20; ++cycle) {
        ASSERT_TRUE(testsupport::PlugVirtualMouse(false));
        Sleep(gap(random));
        if (cycle % 3 == 0) {
            // As Option applies: sent, with a deadline far beyond any pause.
            DWORD_PTR result = 0;
            ASSERT_NE(SendMessageTimeoutA(agentWindow, kMsgApply, 0, 0, SMTO_NORMAL, agenttest::kDeadlineMilliseconds,
                                          &result), 0)
                << "the agent hangs at cycle " << cycle;
            ++applies;
        }
        ASSERT_TRUE(testsupport::PlugVirtualMouse(true));
        Sleep(gap(random));
    }
    EXPECT_TRUE(testsupport::PumpUntil([&] { return option.Answers() == applies; }, agenttest::kDeadlineMilliseconds));
    EXPECT_TRUE(WaitFor([&] { return m_folder.SettingsValue("Setting", "Device") == "1"; }));
    ASSERT_TRUE(WaitForTransfers(m_folder, expected.size() * 2));
    testsupport::PumpPending();
    EXPECT_EQ(option.Answers(), applies);
    EXPECT_GE(option.Closes(), 1) << "each removal closes Option";
    ExpectTransfers(m_folder, TransferCount(m_folder) - expected.size(), expected);
}

}  // namespace
