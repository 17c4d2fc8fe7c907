// Checks a transfer log of the virtual mouse after the fact: every line must
// parse, and replayed through the strict protocol core every transfer must
// be accepted and every configuration report must carry the fixed bytes,
// known level codes and palette colours.
#pragma once

#include <string>
#include <vector>

namespace agenttest {

struct ReplayResult {
    size_t lines = 0;
    size_t transfers = 0;
    // One line per fault found; empty when the log is well formed.
    std::vector<std::string> faults;
};

ReplayResult ReplayTransferLog(const std::string& logPath);

// The live virtual mouse's violation count from `portioctl state`, or -1
// when portioctl gave no answer.
long LiveProtocolViolations();

}  // namespace agenttest
