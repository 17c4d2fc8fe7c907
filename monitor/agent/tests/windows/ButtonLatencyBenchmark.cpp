// Benchmark, not a test: button-to-input latency of the action engine.
// Monitor.exe runs against the virtual mouse with a key button (A) on
// button 1. Each of 200 presses hands the virtual mouse's control window
// the host-button event, which it posts to the agent as the event message;
// the time runs from just before that hand-over to the key-down seen by a
// low-level keyboard hook in this process. The baseline, measured in the
// same run, is a PostMessage ping-pong with a second process (this program
// started with "echo"): one message there, one back.
#include "KeyboardHookRecorder.h"
#include "ProgramFolder.h"

#include "frame/Window.h"
#include "portio/ControlProtocol.h"
#include "profile/AppSettings.h"
#include "profile/ProfileFile.h"
#include "profile/SettingsBlock.h"
#include "profile/win32/PrivateProfileAccessor.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kPresses = 200;
constexpr int kPings = 200;
constexpr DWORD kWaitMilliseconds = 10000;
constexpr UINT kPingMessage = WM_APP + 10;  // wParam: the window to answer
constexpr UINT kPongMessage = WM_APP + 11;
constexpr char kEchoClass[] = "LatencyBenchmarkEcho";
constexpr char kEchoTitle[] = "Latency Benchmark Echo";
constexpr char kReplyClass[] = "LatencyBenchmarkReply";
constexpr UINT kKeyA = 'A';

double Frequency() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart);
}

LONGLONG Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

struct Figures {
    double median;
    double p95;
};

Figures Summarise(std::vector<double> microseconds) {
    std::sort(microseconds.begin(), microseconds.end());
    const size_t n = microseconds.size();
    return {microseconds[n / 2], microseconds[std::min(n - 1, (n * 95 + 99) / 100 - 1)]};
}

// The echo side: answers every ping at once.
class EchoWindow : public Window {
protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kPingMessage) {
            PostMessageA(reinterpret_cast<HWND>(wParam), kPongMessage, 0, 0);
            return 0;
        }
        if (message == WM_DESTROY) PostQuitMessage(0);
        return DefaultProcessing(message, wParam, lParam);
    }
};

int RunEcho() {
    EchoWindow window;
    if (!window.Create(kEchoClass, kEchoTitle, WS_POPUP, 0, 0, 0, 0, 0)) return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}

class ReplyWindow : public Window {
public:
    int Pongs = 0;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kPongMessage) {
            ++Pongs;
            return 0;
        }
        return DefaultProcessing(message, wParam, lParam);
    }
};

// Round trips of a posted message to the echo process and back.
std::vector<double> MeasurePingPong() {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string commandLine = std::string("\"") + program + "\" echo";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::vector<double> trips;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return trips;
    HWND echo = nullptr;
    agenttest::WaitFor([&] { return (echo = FindWindowA(kEchoClass, kEchoTitle)) != nullptr; });
    ReplyWindow reply;
    if (echo && reply.Create(kReplyClass, "", WS_POPUP, 0, 0, 0, 0, 0)) {
        const double frequency = Frequency();
        for (int ping = 0; ping < kPings; ++ping) {
            const int before = reply.Pongs;
            const LONGLONG start = Now();
            PostMessageA(echo, kPingMessage, reinterpret_cast<WPARAM>(reply.Handle()), 0);
            MSG message;
            while (reply.Pongs == before && GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
            trips.push_back((Now() - start) * 1e6 / frequency);
        }
        PostMessageA(echo, WM_CLOSE, 0, 0);
    }
    WaitForSingleObject(process.hProcess, kWaitMilliseconds);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return trips;
}

// Button 1 types A without modifiers.
void WriteProfiles(const agenttest::ProgramFolder& folder) {
    auto block = std::make_unique<SettingsBlock>();
    ClearBlock(*block);
    ResetProfileSet(*block);
    ButtonAssignmentEntry& entry = block->Profiles[0].MacroKeyInfo[0];
    entry.FunctionCode = 5;
    entry.ItemCount = 1;
    entry.Data[0] = 4;
    entry.Data[1] = 0x01;
    PrivateProfileFiles files;
    for (int slot = 0; slot < kSlotCount; ++slot)
        WriteProfileFile(block->Profiles[slot], files, SlotProfilePath(folder.Path(), slot));
    AppSettingsFile(files, folder.Path()).WriteCurrentSlot(0);
}

bool SendEvent(HWND control, unsigned type, unsigned data) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(control, portio::kSendEventMessage, type, data, SMTO_NORMAL, kWaitMilliseconds,
                               &result) &&
           result != 0;
}

bool WaitForKey(const agenttest::KeyboardHookRecorder& hook, size_t index, bool up, LONGLONG& seen) {
    return agenttest::WaitFor(
        [&] {
            const auto keys = hook.Keys();
            for (size_t i = index; i < keys.size(); ++i) {
                if (keys[i].virtualKey == kKeyA && keys[i].up == up) {
                    seen = keys[i].counter;
                    return true;
                }
            }
            return false;
        },
        kWaitMilliseconds);
}

int RunBenchmark() {
    agenttest::ProgramFolder folder;
    if (!folder.Ready()) {
        printf("not run: %s\n", folder.MissingReason().c_str());
        return 0;
    }
    WriteProfiles(folder);
    agenttest::KeyboardHookRecorder hook;
    if (!hook.Installed()) {
        printf("no keyboard hook\n");
        return 1;
    }
    if (!folder.StartAgent() || !folder.WaitForAgentWindow()) {
        printf("agent did not start\n");
        return 1;
    }
    // After the first full write, so that the device writer is idle.
    if (!agenttest::WaitFor([&] {
            const auto log = folder.Transfers();
            return !log.empty() && log.back().bytes[0] == 0x02;
        })) {
        printf("no first full write\n");
        return 1;
    }
    HWND control = FindWindowA(portio::kControlWindowClass, portio::kControlWindowTitle);
    if (!control) {
        printf("no virtual mouse control window\n");
        return 1;
    }

    const std::vector<double> baseline = MeasurePingPong();
    const double frequency = Frequency();
    std::vector<double> latencies;
    for (int press = 0; press < kPresses; ++press) {
        const size_t index = hook.Count();
        const LONGLONG start = Now();
        LONGLONG seen = 0;
        if (!SendEvent(control, 0x4000, 0x0001) || !WaitForKey(hook, index, false, seen)) {
            printf("press %d: no key-down\n", press);
            return 1;
        }
        latencies.push_back((seen - start) * 1e6 / frequency);
        const size_t released = hook.Count();
        if (!SendEvent(control, 0x4000, 0x0101) || !WaitForKey(hook, released - 1, true, seen)) {
            printf("press %d: no key-up\n", press);
            return 1;
        }
    }
    if (baseline.size() != kPings) {
        printf("no ping-pong baseline\n");
        return 1;
    }
    const Figures button = Summarise(latencies);
    const Figures ping = Summarise(baseline);
    printf("baseline, PostMessage round trip between two processes (%d): median %.0f us, p95 %.0f us\n", kPings,
           ping.median, ping.p95);
    printf("button event to key-down in another process's hook (%d presses): median %.0f us, p95 %.0f us\n",
           kPresses, button.median, button.p95);
    printf("ratio to the baseline: median %.2f, p95 %.2f\n", button.median / ping.median, button.p95 / ping.p95);

    folder.StopAgent();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && strcmp(argv[1], "echo") == 0) return RunEcho();
    return RunBenchmark();
}
