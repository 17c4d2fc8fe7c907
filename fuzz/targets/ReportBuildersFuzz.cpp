// The report and macro builders and the write plan from any settings block:
// every command is well formed, data reports come as two 64-byte chunks,
// nothing is written past a 128-byte block, user macros are exactly the
// encoding of the entry's events that fits, and the virtual mouse takes the
// whole write without a single rejected transfer.
#include "FuzzCheck.h"

#include "monitor/device/ButtonMapReport.h"
#include "monitor/device/ConfigurationReport.h"
#include "monitor/device/DeviceWritePlan.h"
#include "monitor/device/MacroReport.h"
#include "portio/VirtualMouse.h"

#include <cstring>
#include <memory>

namespace {

using namespace device;

constexpr size_t kMaxPatches = 16;
constexpr size_t kMaxPatchLength = 600;
constexpr uint8_t kUserMacroCode = 16;
constexpr DeviceWriteMode kModes[] = {DeviceWriteMode::Changed, DeviceWriteMode::Full, DeviceWriteMode::SelectOnly};

// The device form of a user macro written out from the event rules: repeat
// count high byte first; per event two bytes for up to 127 tens of ms, else
// four; the first event that does not fit whole ends the macro.
ReportData ExpectedUserMacro(const ButtonAssignmentEntry& entry, int& written) {
    ReportData data{};
    data[0] = static_cast<uint8_t>((entry.RepeatCount >> 8) & 0xFF);
    data[1] = static_cast<uint8_t>(entry.RepeatCount & 0xFF);
    size_t at = 2;
    written = 0;
    for (int i = 0; i < entry.ItemCount && i < kMacroEventCapacity; ++i) {
        const uint8_t key = entry.Data[4 * i];
        const bool press = entry.Data[4 * i + 1] == 1;
        const unsigned delay = entry.Data[4 * i + 2] | entry.Data[4 * i + 3] << 8;
        const unsigned tens = delay / 10;
        const size_t length = tens <= 127 ? 2 : 4;
        if (at + length > data.size()) break;
        if (length == 2) {
            data[at] = static_cast<uint8_t>((tens | 0x01) + (press ? 0 : 0x80));
            data[at + 1] = key;
        } else {
            data[at] = press ? 0x01 : 0x81;
            data[at + 1] = key;
            data[at + 2] = static_cast<uint8_t>(delay / 50);
            data[at + 3] = 0x02;
        }
        at += length;
        ++written;
    }
    return data;
}

void CheckCommand(const uint8_t* bytes) {
    unsigned sum = 0;
    for (int i = 0; i < kCommandSize; ++i) sum += bytes[i];
    FUZZ_CHECK((sum & 0xFF) == 0xFF);
    for (int i = 3; i < kCommandSize - 1; ++i) FUZZ_CHECK(bytes[i] == 0);
    switch (static_cast<CommandCode>(bytes[0])) {
    case CommandCode::Opening:
        FUZZ_CHECK(bytes[1] == kOpeningFirst && bytes[2] == kOpeningSecond);
        break;
    case CommandCode::ProfileSelect:
        FUZZ_CHECK(bytes[1] >= 1 && bytes[1] <= kSlotCount && bytes[2] == 0);
        break;
    case CommandCode::ReportRate:
        FUZZ_CHECK(bytes[1] >= 1 && bytes[1] <= kSlotCount);
        FUZZ_CHECK(bytes[2] == 8 || bytes[2] == 4 || bytes[2] == 2 || bytes[2] == 1);
        break;
    case CommandCode::Level:
        FUZZ_CHECK(bytes[1] >= 1 && bytes[1] <= kSlotCount);
        break;
    case CommandCode::Configuration:
    case CommandCode::ButtonMap:
        FUZZ_CHECK(bytes[1] >= 1 && bytes[1] <= kSlotCount && bytes[2] == kReportLength);
        break;
    case CommandCode::Macro:
        FUZZ_CHECK(bytes[1] >= 1 && bytes[1] <= kSlotCount * kButtonCount && bytes[2] == kReportLength);
        break;
    default:
        FUZZ_CHECK(!"unknown command code");
    }
}

bool CarriesData(uint8_t code) {
    return code == static_cast<uint8_t>(CommandCode::Configuration) ||
           code == static_cast<uint8_t>(CommandCode::ButtonMap) || code == static_cast<uint8_t>(CommandCode::Macro);
}

void CheckPlan(const SettingsBlock& block, DeviceWriteMode mode) {
    MacroStore macros;
    const std::vector<DeviceWriteStep> steps = PlanDeviceWrite(block, mode, macros);
    portio::VirtualMouse mouse;
    int chunksDue = 0;
    int selects = 0;
    for (const DeviceWriteStep& step : steps) {
        switch (step.StepKind) {
        case DeviceWriteStep::Kind::Command:
            FUZZ_CHECK(chunksDue == 0);
            CheckCommand(step.Bytes.data());
            chunksDue = CarriesData(step.Bytes[0]) ? kChunksPerReport : 0;
            selects += step.IsSelect;
            FUZZ_CHECK(mouse.ReceiveCommand(step.Bytes.data(), kCommandSize));
            break;
        case DeviceWriteStep::Kind::Chunk:
            FUZZ_CHECK(chunksDue > 0);
            --chunksDue;
            FUZZ_CHECK(mouse.ReceiveChunk(step.Bytes.data(), kChunkSize));
            break;
        default:
            FUZZ_CHECK(step.Milliseconds > 0);
            break;
        }
    }
    FUZZ_CHECK(chunksDue == 0 && selects == 1);
    const portio::MouseCounters& counters = mouse.State().Counters;
    FUZZ_CHECK(counters.Violations() == 0);
    FUZZ_CHECK(mouse.State().CurrentProfile == EffectiveSlot(block.CurrentSlot));
    if (mode != DeviceWriteMode::Full) return;

    // A full write leaves every report in the mouse as the builders make it.
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const portio::SlotState& state = mouse.State().Slots[slot];
        const ReportData configuration = BuildConfigurationReport(block.Profiles[slot]);
        const ReportData map = BuildButtonMap(block.Profiles[slot], slot);
        FUZZ_CHECK(state.ConfigurationKnown && state.ButtonMapKnown);
        FUZZ_CHECK(memcmp(state.Configuration.data(), configuration.data(), kReportSize) == 0);
        FUZZ_CHECK(memcmp(state.ButtonMap.data(), map.data(), kReportSize) == 0);
        for (int i = kButtonCount * 4; i < kReportSize; ++i) FUZZ_CHECK(map[i] == 0);
        for (int button = 0; button < kButtonCount; ++button) {
            const MapEntry entry = BuildMapEntry(block.Profiles[slot], slot, button);
            FUZZ_CHECK(memcmp(&map[4 * button], &entry, sizeof entry) == 0);
            const portio::MacroState& macro = mouse.State().Macros[MacroNumber(slot, button) - 1];
            FUZZ_CHECK(macro.Known == (entry.Type == kMacroEntryType));
            if (macro.Known) {
                const ReportData expected = BuildMacroBlock(block.Profiles[slot].MacroKeyInfo[button]);
                FUZZ_CHECK(memcmp(macro.Data.data(), expected.data(), kReportSize) == 0);
            }
        }
    }
}

void CheckEntry(const ButtonAssignmentEntry& entry) {
    int written = 0;
    const ReportData expected = ExpectedUserMacro(entry, written);
    const UserMacro macro = BuildUserMacro(entry);
    FUZZ_CHECK(macro.EventsWritten == written);
    FUZZ_CHECK(macro.EventsWritten <= kMacroEventCapacity);
    FUZZ_CHECK(macro.Data == expected);
    const ReportData block = BuildMacroBlock(entry);
    if (entry.FunctionCode == kUserMacroCode)
        FUZZ_CHECK(block == (entry.ItemCount > 0 ? expected : ReportData{}));
    else if (const auto keys = ChordKeys(entry.FunctionCode))
        FUZZ_CHECK(block == BuildChordMacro(*keys));
    else
        FUZZ_CHECK(block == ReportData{});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    auto block = std::make_unique<SettingsBlock>();
    ClearBlock(*block);
    ResetProfileSet(*block);
    auto* bytes = reinterpret_cast<uint8_t*>(block.get());
    // Patches land in the button entries half the time, anywhere otherwise.
    const size_t patches = input.ConsumeIntegralInRange<size_t>(0, kMaxPatches);
    for (size_t i = 0; i < patches && input.remaining_bytes() > 0; ++i) {
        size_t offset;
        if (input.ConsumeBool()) {
            const int slot = input.ConsumeIntegralInRange(0, kSlotCount - 1);
            const int button = input.ConsumeIntegralInRange(0, kButtonCount - 1);
            offset = offsetof(SettingsBlock, Profiles) + sizeof(ProfileRecord) * slot +
                     offsetof(ProfileRecord, MacroKeyInfo) + sizeof(ButtonAssignmentEntry) * button +
                     input.ConsumeIntegralInRange<size_t>(0, sizeof(ButtonAssignmentEntry) - 1);
        } else {
            offset = input.ConsumeIntegralInRange<size_t>(0, sizeof(SettingsBlock) - 1);
        }
        const std::vector<uint8_t> patch =
            input.ConsumeBytes<uint8_t>(std::min(kMaxPatchLength, sizeof(SettingsBlock) - offset));
        if (!patch.empty()) memcpy(bytes + offset, patch.data(), patch.size());
    }

    for (DeviceWriteMode mode : kModes) CheckPlan(*block, mode);
    for (const ProfileRecord& profile : block->Profiles)
        for (const ButtonAssignmentEntry& entry : profile.MacroKeyInfo) CheckEntry(entry);
    return 0;
}
