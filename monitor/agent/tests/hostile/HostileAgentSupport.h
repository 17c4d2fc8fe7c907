// What the hostile-input tests of Monitor.exe share: judging afterwards that
// the agent still answers and that the virtual mouse saw only well-formed
// transfers.
#pragma once

#include "ProgramFolder.h"

#include <windows.h>

namespace agenttest {

// Generous: one full write of hostile profiles takes about ten seconds.
constexpr DWORD kAnswerMs = 60000;

// Alive and answering its window messages.
bool Responsive(const ProgramFolder& folder, HWND window);

// Every logged transfer well formed, and the live mouse rejected nothing
// (GoogleTest failures otherwise).
void ExpectWellFormedTransfers(const ProgramFolder& folder);

}  // namespace agenttest
