// Benchmark, not a test: how long the agent takes from the mouse's attach to
// its full write. Runs Monitor.exe with the virtual mouse detached, plugs it
// in through the virtual mouse's control window and timestamps each step:
// the presence message posted, the agent's debug output for each step of
// the arrival (caught as a debug-output monitor does), the first and the
// last transfer of the full write. Then 20 quick detach/attach cycles
// (50-150 ms apart) and the time from the last attach to the last transfer
// of a full write, made the way the first argument names: "posted" (the
// presence messages posted to the agent as the library posts them),
// "portioctl", or, without one, the control window's messages. All times are
// the performance counter in milliseconds from the attach, the clock the
// transfer log also uses.
#include "ProgramFolder.h"

#include "monitor/agent/AgentConstants.h"
#include "monitor/device/DeviceWritePlan.h"
#include "portio/ControlProtocol.h"
#include "portio/TransferLog.h"
#include "profile/SettingsBlock.h"

#include <atomic>
#include <cstring>
#include <cstdio>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kCycles = 20;
constexpr int kShortestGapMs = 50;
constexpr int kLongestGapMs = 150;
constexpr int kReplugGapMs = 100;
constexpr DWORD kWriteDeadlineMs = 180000;
constexpr ULONGLONG kQuietMs = 3000;
constexpr DWORD kDebugBufferSize = 4096;
constexpr DWORD kDebugWaitMs = 100;

uint64_t NowMicroseconds() {
    LARGE_INTEGER counter{}, frequency{};
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return portio::TicksToMicroseconds(counter.QuadPart, frequency.QuadPart);
}

// The receiving end of OutputDebugStringA for every process of the session:
// the shared buffer "DBWIN_BUFFER" (process id, then the text) and its two events.
class DebugOutputMonitor {
public:
    struct Line {
        uint64_t microseconds;
        std::string text;
    };

    bool Start() {
        m_bufferReady = CreateEventA(nullptr, FALSE, FALSE, "DBWIN_BUFFER_READY");
        m_dataReady = CreateEventA(nullptr, FALSE, FALSE, "DBWIN_DATA_READY");
        m_mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kDebugBufferSize, "DBWIN_BUFFER");
        if (!m_bufferReady || !m_dataReady || !m_mapping) return false;
        m_view = static_cast<const char*>(MapViewOfFile(m_mapping, FILE_MAP_READ, 0, 0, kDebugBufferSize));
        if (!m_view) return false;
        m_thread = std::thread([this] { Run(); });
        return true;
    }

    ~DebugOutputMonitor() {
        m_stop = true;
        if (m_thread.joinable()) m_thread.join();
        if (m_view) UnmapViewOfFile(m_view);
        for (HANDLE handle : {m_mapping, m_dataReady, m_bufferReady}) {
            if (handle) CloseHandle(handle);
        }
    }

    std::vector<Line> Lines() {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_lines;
    }

private:
    void Run() {
        SetEvent(m_bufferReady);
        while (!m_stop) {
            if (WaitForSingleObject(m_dataReady, kDebugWaitMs) != WAIT_OBJECT_0) continue;
            const uint64_t now = NowMicroseconds();
            std::string text(m_view + sizeof(DWORD), strnlen(m_view + sizeof(DWORD), kDebugBufferSize - sizeof(DWORD)));
            while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
            {
                std::lock_guard<std::mutex> guard(m_lock);
                m_lines.push_back({now, text});
            }
            SetEvent(m_bufferReady);
        }
    }

    HANDLE m_bufferReady = nullptr;
    HANDLE m_dataReady = nullptr;
    HANDLE m_mapping = nullptr;
    const char* m_view = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_lock;
    std::vector<Line> m_lines;
};

// The transfers of one full write of the default profile set, in order.
std::vector<std::vector<uint8_t>> FullWriteTransfers() {
    auto block = std::make_unique<SettingsBlock>();
    ClearBlock(*block);
    ResetProfileSet(*block);
    device::MacroStore macros;
    std::vector<std::vector<uint8_t>> transfers;
    for (const auto& step : device::PlanDeviceWrite(*block, device::DeviceWriteMode::Full, macros)) {
        if (step.StepKind == device::DeviceWriteStep::Kind::Command) {
            transfers.emplace_back(step.Bytes.begin(), step.Bytes.begin() + device::kCommandSize);
        } else if (step.StepKind == device::DeviceWriteStep::Kind::Chunk) {
            transfers.emplace_back(step.Bytes.begin(), step.Bytes.begin() + device::kChunkSize);
        }
    }
    return transfers;
}

// The index just past the last complete full write that begins at or after
// `from` in the log, or 0 when there is none yet.
size_t CompleteFullWriteEnd(const std::vector<agenttest::TransferLine>& log, size_t from,
                            const std::vector<std::vector<uint8_t>>& full) {
    size_t end = 0;
    for (size_t start = from; start + full.size() <= log.size(); ++start) {
        size_t matched = 0;
        while (matched < full.size() && log[start + matched].bytes == full[matched]) ++matched;
        if (matched == full.size()) end = start + full.size();
    }
    return end;
}

size_t FirstTransferAfter(const std::vector<agenttest::TransferLine>& log, uint64_t microseconds) {
    size_t index = 0;
    while (index < log.size() && log[index].microseconds < microseconds) ++index;
    return index;
}

double Milliseconds(uint64_t from, uint64_t to) { return (static_cast<double>(to) - static_cast<double>(from)) / 1000.0; }

bool Flap(HWND agent, const std::string& way, bool attach) {
    if (way == "posted") return PostMessageA(agent, agent::kMsgDevicePresence, attach ? 1 : 0, 0) != 0;
    if (way == "portioctl") return agenttest::RunPortioctl(attach ? "attach" : "detach") == 0;
    return testsupport::PlugVirtualMouse(attach);
}

void PrintAgentLines(DebugOutputMonitor& debug, uint64_t from, uint64_t to, uint64_t origin) {
    for (const auto& line : debug.Lines()) {
        if (line.microseconds >= from && line.microseconds <= to)
            printf("  %9.1f ms  %s\n", Milliseconds(origin, line.microseconds), line.text.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string way = argc > 1 ? argv[1] : "control window";
    agenttest::ProgramFolder folder(agenttest::ProgramFolder::Portio::Virtual, false);
    if (!folder.Ready()) {
        printf("not run: %s\n", folder.MissingReason().c_str());
        return 0;
    }
    DebugOutputMonitor debug;
    if (!debug.Start()) printf("no debug output monitor: the steps of the agent are not shown\n");
    const auto full = FullWriteTransfers();
    HWND agent = nullptr;
    if (!folder.StartAgent() || !(agent = folder.WaitForAgentWindow()) ||
        !agenttest::WaitFor([] { return FindWindowA(portio::kControlWindowClass, portio::kControlWindowTitle); })) {
        printf("agent did not start\n");
        return 1;
    }

    // A first attach, then a replug as a user does it: unplugged and plugged
    // in again after a moment.
    for (const bool replug : {false, true}) {
        const size_t from = folder.Transfers().size();
        if (replug) {
            testsupport::PlugVirtualMouse(false);
            Sleep(kReplugGapMs);
        }
        const uint64_t attached = NowMicroseconds();
        if (!testsupport::PlugVirtualMouse(true)) {
            printf("virtual mouse refused the attach\n");
            return 1;
        }
        size_t end = 0;
        if (!agenttest::WaitFor([&] { return (end = CompleteFullWriteEnd(folder.Transfers(), from, full)) != 0; },
                                kWriteDeadlineMs)) {
            printf("no full write after the attach\n");
            return 1;
        }
        const auto log = folder.Transfers();
        const uint64_t firstTransfer = log[end - full.size()].microseconds;
        const uint64_t lastTransfer = log[end - 1].microseconds;
        printf("%s (presence message posted at 0 ms):\n", replug ? "replug, attached 100 ms after the detach" : "first attach");
        PrintAgentLines(debug, attached - kReplugGapMs * 1000, lastTransfer, attached);
        printf("  %9.1f ms  first transfer\n", Milliseconds(attached, firstTransfer));
        printf("  %9.1f ms  last transfer (%zu transfers)\n", Milliseconds(attached, lastTransfer), full.size());
        agenttest::WaitForQuietLog(folder, kQuietMs, kWriteDeadlineMs);
    }

    // Quick cycles, each a detach and an attach; the last one leaves the mouse attached.
    std::mt19937 random(11);
    std::uniform_int_distribution<int> gap(kShortestGapMs, kLongestGapMs);
    const uint64_t cyclesStarted = NowMicroseconds();
    uint64_t lastAttach = 0;
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        if (cycle > 0) Sleep(gap(random));
        Flap(agent, way, false);
        Sleep(gap(random));
        Flap(agent, way, true);
        lastAttach = NowMicroseconds();
    }
    const size_t from = FirstTransferAfter(folder.Transfers(), lastAttach);
    size_t end = 0;
    if (!agenttest::WaitFor([&] { return (end = CompleteFullWriteEnd(folder.Transfers(), from, full)) != 0; },
                            kWriteDeadlineMs)) {
        printf("no full write after the last attach\n");
        return 1;
    }
    // A later full write may follow (the quiet wait itself is not measured).
    agenttest::WaitForQuietLog(folder, kQuietMs, kWriteDeadlineMs);
    const auto log = folder.Transfers();
    end = CompleteFullWriteEnd(log, from, full);
    printf("%d attach cycles (%s) in %.1f ms; from the last attach:\n", kCycles, way.c_str(),
           Milliseconds(cyclesStarted, lastAttach));
    PrintAgentLines(debug, cyclesStarted, log[end - 1].microseconds, lastAttach);
    printf("  %9.1f ms  first transfer of the full write\n", Milliseconds(lastAttach, log[end - full.size()].microseconds));
    printf("  %9.1f ms  last transfer of the full write\n", Milliseconds(lastAttach, log[end - 1].microseconds));
    folder.StopAgent();
    return 0;
}
