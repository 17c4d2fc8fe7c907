#include "HostileAgentSupport.h"

#include "TransferReplay.h"

#include <gtest/gtest.h>

namespace agenttest {

namespace {

constexpr size_t kMaxFaultsShown = 10;

}  // namespace

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
