#include "monitor/device/DeviceWritePlan.h"

#include <algorithm>

#include "monitor/device/ButtonMapReport.h"
#include "monitor/device/ConfigurationReport.h"
#include "monitor/device/MacroReport.h"

namespace device {

namespace {

class PlanBuilder {
public:
    explicit PlanBuilder(std::vector<DeviceWriteStep>& steps) : m_steps(steps) {}

    void Command(const DeviceCommand& command, bool isSelect = false) {
        DeviceWriteStep step = Step(DeviceWriteStep::Kind::Command, 0);
        std::copy(command.begin(), command.end(), step.Bytes.begin());
        step.IsSelect = isSelect;
        m_steps.push_back(step);
    }

    // The command, then the data in two chunks with a pause after each.
    void Report(const DeviceCommand& command, const ReportData& data) {
        Command(command);
        for (int chunk = 0; chunk < kChunksPerReport; ++chunk) {
            DeviceWriteStep step = Step(DeviceWriteStep::Kind::Chunk, 0);
            std::copy_n(data.begin() + chunk * kChunkSize, kChunkSize, step.Bytes.begin());
            m_steps.push_back(step);
            Pause(kChunkPauseMilliseconds);
        }
    }

    void Pause(unsigned milliseconds) { m_steps.push_back(Step(DeviceWriteStep::Kind::Pause, milliseconds)); }
    void Sleep(unsigned milliseconds) { m_steps.push_back(Step(DeviceWriteStep::Kind::Sleep, milliseconds)); }

private:
    static DeviceWriteStep Step(DeviceWriteStep::Kind kind, unsigned milliseconds) {
        DeviceWriteStep step{};
        step.StepKind = kind;
        step.Milliseconds = milliseconds;
        return step;
    }

    std::vector<DeviceWriteStep>& m_steps;
};

// Button map of the slot, and its macro blocks into the store.
ReportData BuildSlotButtons(const ProfileRecord& record, int slot, MacroStore& macros) {
    for (int button = 0; button < kButtonCount; ++button) {
        if (BuildMapEntry(record, slot, button).Type != kMacroEntryType) continue;
        macros.Store(MacroNumber(slot, button), BuildMacroBlock(record.MacroKeyInfo[button]));
    }
    return BuildButtonMap(record, slot);
}

}  // namespace

bool WritesButtonMap(const SettingsBlock& block, DeviceWriteMode mode, int slot) {
    if (mode == DeviceWriteMode::Full) return true;
    if (mode != DeviceWriteMode::Changed) return false;
    const auto& flags = block.ButtonChanged[slot];
    return std::any_of(std::begin(flags), std::end(flags), IsFlagSet);
}

std::vector<DeviceWriteStep> PlanDeviceWrite(const SettingsBlock& block, DeviceWriteMode mode,
                                             MacroStore& macros) {
    std::vector<DeviceWriteStep> steps;
    PlanBuilder plan(steps);
    macros.Clear();
    // A cleared (-1) or damaged current slot selects slot 0, the profile the
    // agent uses for it everywhere else.
    const int currentSlot = EffectiveSlot(block.CurrentSlot);

    if (mode == DeviceWriteMode::SelectOnly) {
        plan.Command(ProfileSelectCommand(currentSlot), true);
        plan.Sleep(kSelectOnlySleepMilliseconds);
        return steps;
    }

    const bool full = mode == DeviceWriteMode::Full;
    plan.Command(OpeningCommand());
    plan.Pause(kCommandPauseMilliseconds);

    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!full && !IsFlagSet(block.RateChanged[slot])) continue;
        plan.Command(ReportRateCommand(slot, block.Profiles[slot].PollingRate));
        plan.Pause(kCommandPauseMilliseconds);
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!full && !IsFlagSet(block.LevelChanged[slot])) continue;
        plan.Command(LevelCommand(slot, block.Profiles[slot].CpiStep));
        plan.Pause(kCommandPauseMilliseconds);
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!full && !IsFlagSet(block.ConfigChanged[slot])) continue;
        plan.Report(ConfigurationCommand(slot), BuildConfigurationReport(block.Profiles[slot]));
        plan.Pause(kCommandPauseMilliseconds);
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!WritesButtonMap(block, mode, slot)) continue;
        const ReportData buttonMap = BuildSlotButtons(block.Profiles[slot], slot, macros);
        plan.Report(ButtonMapCommand(slot), buttonMap);
        plan.Pause(kButtonMapPauseMilliseconds);
        for (int button = 0; button < kButtonCount; ++button) {
            const int number = MacroNumber(slot, button);
            if (macros.IsPresent(number)) plan.Report(MacroCommand(number), macros.Block(number));
        }
    }

    plan.Command(ProfileSelectCommand(currentSlot), true);
    plan.Pause(kCommandPauseMilliseconds);
    return steps;
}

unsigned MandatedPauseMilliseconds(const SettingsBlock& block, DeviceWriteMode mode) {
    MacroStore macros;
    unsigned total = 0;
    for (const DeviceWriteStep& step : PlanDeviceWrite(block, mode, macros))
        if (step.StepKind == DeviceWriteStep::Kind::Pause || step.StepKind == DeviceWriteStep::Kind::Sleep)
            total += step.Milliseconds;
    return total;
}

}  // namespace device
