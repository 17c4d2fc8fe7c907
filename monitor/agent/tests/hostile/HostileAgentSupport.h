// What the hostile-input tests of Monitor.exe share: starting the agent
// against the virtual mouse and judging afterwards that it still answers and
// that the mouse saw only well-formed transfers.
#pragma once

#include "ProgramFolder.h"

#include <windows.h>

#include <cstddef>

namespace agenttest {

// Generous: one full write of hostile profiles takes about ten seconds.
constexpr DWORD kAnswerMs = 60000;

// Profile select commands in the log: each device write ends with one.
size_t SelectCount(const ProgramFolder& folder);

// Starts the agent; its window once the first full write is done, or null.
HWND StartAgentAndWaitForFirstWrite(ProgramFolder& folder);

// Alive and answering its window messages.
bool Responsive(const ProgramFolder& folder, HWND window);

// Every logged transfer well formed, and the live mouse rejected nothing
// (GoogleTest failures otherwise).
void ExpectWellFormedTransfers(const ProgramFolder& folder);

}  // namespace agenttest
