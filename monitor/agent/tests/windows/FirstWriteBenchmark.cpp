// Benchmark, not a test: how close the first full write comes to the pauses
// the protocol mandates. Runs Monitor.exe with the virtual mouse, takes the
// duration of the first full write from the transfer log and divides it by
// the sum of the mandated pauses. Prints the ratio (1.0 = no overhead).
#include "ProgramFolder.h"

#include "monitor/device/DeviceWritePlan.h"
#include "profile/SettingsBlock.h"

#include <cstdio>
#include <memory>

int main() {
    agenttest::ProgramFolder folder;
    if (!folder.Ready()) {
        printf("not run: %s\n", folder.MissingReason().c_str());
        return 0;
    }
    auto block = std::make_unique<SettingsBlock>();
    ClearBlock(*block);
    ResetProfileSet(*block);
    device::MacroStore macros;
    size_t transfers = 0;
    for (const auto& step : device::PlanDeviceWrite(*block, device::DeviceWriteMode::Full, macros)) {
        transfers += step.StepKind == device::DeviceWriteStep::Kind::Command ||
                     step.StepKind == device::DeviceWriteStep::Kind::Chunk;
    }
    const unsigned mandated = device::MandatedPauseMilliseconds(*block, device::DeviceWriteMode::Full);

    const ULONGLONG started = GetTickCount64();
    if (!folder.StartAgent() || !folder.WaitForAgentWindow()) {
        printf("agent did not start\n");
        return 1;
    }
    if (!agenttest::WaitFor([&] { return folder.Transfers().size() >= transfers; }, 120000)) {
        printf("first full write incomplete: %zu of %zu transfers\n", folder.Transfers().size(), transfers);
        return 1;
    }
    const auto log = folder.Transfers();
    // The write ends with the 200 ms pause after the select command.
    const double measured = (log[transfers - 1].microseconds - log[0].microseconds) / 1000.0 + 200.0;
    printf("transfers: %zu\n", transfers);
    printf("window-to-last-transfer wall time: %llu ms\n", static_cast<unsigned long long>(GetTickCount64() - started));
    printf("first full write: %.1f ms, mandated pauses: %u ms, ratio: %.3f\n", measured, mandated,
           measured / mandated);
    folder.StopAgent();
    return 0;
}
