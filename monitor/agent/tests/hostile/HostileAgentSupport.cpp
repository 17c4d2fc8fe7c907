#include "HostileAgentSupport.h"

#include "TransferReplay.h"

#include <gtest/gtest.h>

namespace agenttest {

namespace {

constexpr uint8_t kProfileSelectCode = 0x02;
constexpr size_t kMaxFaultsShown = 10;

}  // namespace

size_t SelectCount(const ProgramFolder& folder) {
    size_t count = 0;
    for (const TransferLine& line : folder.Transfers())
        count += line.kind == "SetFeature" && !line.bytes.empty() && line.bytes[0] == kProfileSelectCode;
    return count;
}

HWND StartAgentAndWaitForFirstWrite(ProgramFolder& folder) {
    if (!folder.StartAgent()) return nullptr;
    HWND window = folder.WaitForAgentWindow();
    if (!window || !WaitFor([&] { return SelectCount(folder) >= 1; })) return nullptr;
    return window;
}

bool Responsive(const ProgramFolder& folder, HWND window) {
    DWORD_PTR result = 0;
    return WaitForSingleObject(folder.AgentProcess(), 0) == WAIT_TIMEOUT &&
           SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerMs, &result) != 0;
}

void ExpectWellFormedTransfers(const ProgramFolder& folder) {
    const ReplayResult replay = ReplayTransferLog(folder.TransferLogPath());
    EXPECT_GT(replay.transfers, 0u);
    EXPECT_EQ(replay.transfers, replay.lines);
    EXPECT_TRUE(replay.faults.empty()) << replay.faults.size() << " faults";
    for (size_t i = 0; i < replay.faults.size() && i < kMaxFaultsShown; ++i) ADD_FAILURE() << replay.faults[i];
    EXPECT_EQ(LiveProtocolViolations(), 0);
}

}  // namespace agenttest
