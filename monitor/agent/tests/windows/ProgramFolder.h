// A temporary program folder for tests of Monitor.exe: the dist folder's
// files, the stand-in Option.exe, a portio.ini choosing the virtual mouse.
// Starts and ends the agent, reads its settings file, the transfer log and
// the stand-in's record; every wait polls with a generous deadline.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "profile/SettingsBlock.h"
#include "testing/MessagePump.h"
#include "testing/ProgramRun.h"
#include "testing/TempFolder.h"

// Skips a test whose program folder lacks what it needs.
#define REQUIRE_READY(folder) \
    if (!(folder).Ready()) GTEST_SKIP() << (folder).MissingReason()

namespace agenttest {

constexpr DWORD kDeadlineMilliseconds = testsupport::kWaitDeadlineMs;
using testsupport::ReadLines;
using testsupport::WaitFor;

bool FileExists(const std::string& path);

struct TransferLine {
    std::string kind;  // "SetFeature" or "WriteUSB"
    uint64_t microseconds = 0;
    std::vector<uint8_t> bytes;
};

class ProgramFolder {
public:
    enum class Portio { Virtual, Missing, Recording };

    // attached: the virtual mouse is plugged in when the agent starts.
    explicit ProgramFolder(Portio portio = Portio::Virtual, bool attached = true);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    // False when the dist folder lacks what the test needs.
    bool Ready() const { return m_ready; }
    const std::string& MissingReason() const { return m_missing; }
    const std::string& Path() const { return m_path; }

    // Copies a further program of the dist folder (Herald.exe, say) into the
    // folder, so that the agent starts it; false when the dist folder lacks it.
    bool AddFromDist(const std::string& name);

    // Starts Monitor.exe with this command line (may be empty).
    HANDLE StartAgent(const std::string& arguments = "");
    // The agent window, polled for.
    HWND WaitForAgentWindow() const;
    // WM_COMMAND 6002 to the running agent and wait for the process to end.
    bool StopAgent();
    HANDLE AgentProcess() const { return m_agent; }

    std::string SettingsValue(const char* section, const char* key) const;
    std::vector<TransferLine> Transfers() const;
    std::string TransferLogPath() const;
    // Lines of the stand-in Option's record.
    std::vector<std::string> OptionRecord() const;
    // Lines of the recording portio.dll.
    std::vector<std::string> PortioCalls() const;

private:
    bool Copy(const std::string& from, const std::string& name);

    testsupport::TempFolder m_folder{"agenttest"};
    const std::string m_path = m_folder.Path();
    bool m_ready = true;
    std::string m_missing;
    HANDLE m_agent = nullptr;
};

// Waits until the transfer log has not grown for `quietMs`: the writer is idle.
constexpr ULONGLONG kQuietLogMs = 2000;
bool WaitForQuietLog(const ProgramFolder& folder, ULONGLONG quietMs = kQuietLogMs,
                     DWORD deadlineMilliseconds = kDeadlineMilliseconds);

// The profile set of a first start: no settings file, no profile files.
std::unique_ptr<SettingsBlock> DefaultProfileSet();

// Writes the block as Option does: whole, under the settings mutex; false
// when no agent has made the block.
bool WriteSharedBlock(const SettingsBlock& block);

// Profile select commands in the log: each device write ends with one.
size_t SelectCount(const ProgramFolder& folder);

// Starts the agent; its window once the first full write is done, or null.
HWND StartAgentAndWaitForFirstWrite(ProgramFolder& folder);

// Runs portioctl of the dist folder with these arguments; its exit code
// (0 = the virtual mouse took the command), -1 when it did not end.
long RunPortioctl(const std::string& arguments, std::string* output = nullptr);

using testsupport::WaitForExit;

}  // namespace agenttest
