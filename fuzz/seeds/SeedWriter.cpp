// Writes the seed inputs of the fuzz targets that read files and records,
// made from the real default files and records:
//   fuzz_seed_writer <corpus folder>
// Each target's seeds go to <corpus folder>/<target>/. Input bytes that the
// targets read as numbers sit at the end of a seed, where the fuzzed-data
// reader takes them from.
#include "monitor/agent/NoticeRecord.h"
#include "monitor/device/DeviceWritePlan.h"
#include "option/macros/MacroList.h"
#include "option/macros/MemoryIniFileStore.h"
#include "portio/TransferLog.h"
#include "profile/AppSettings.h"
#include "profile/FunctionCodes.h"
#include "profile/MemoryIniFiles.h"
#include "profile/ProfileFile.h"
#include "profile/StructuredValue.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

constexpr char kFolder[] = "C:\\Program\\";

void WriteSeed(const std::filesystem::path& corpus, const char* target, const char* name, const std::string& bytes) {
    const std::filesystem::path folder = corpus / target;
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

// A profile whose buttons use a macro, a key combination and a program.
void FillUsedProfile(ProfileRecord& record) {
    FillDefaults(record, 2);
    CopyText(record.ProFileName, "Shooter");
    ButtonAssignmentEntry& macro = record.MacroKeyInfo[3];
    macro.FunctionCode = kFunctionMacro;
    CopyText(macro.Name, "reload");
    macro.RepeatCount = 2;
    macro.ItemCount = 2;
    const uint8_t events[] = {0x15, 1, 50, 0, 0x15, 2, 0x10, 0x27};
    memcpy(macro.Data, events, sizeof events);
    ButtonAssignmentEntry& combination = record.MacroKeyInfo[4];
    combination.FunctionCode = kFunctionKeyCombination;
    combination.ItemCount = 1;
    combination.Data[0] = 0x06;
    combination.Data[1] = 0x04;
    ButtonAssignmentEntry& program = record.MacroKeyInfo[5];
    program.FunctionCode = kFunctionLaunchProgram;
    CopyText(program.ProgramPath, "%ProgramFiles%\\Game\\game.exe");
}

void ProfileSeeds(const std::filesystem::path& corpus) {
    for (int slot : {0, 2}) {
        auto record = std::make_unique<ProfileRecord>();
        memset(record.get(), 0, sizeof(ProfileRecord));
        if (slot == 0) FillDefaults(*record, slot);
        else FillUsedProfile(*record);
        MemoryIniFiles files;
        WriteProfileFile(*record, files, SlotProfilePath(kFolder, slot));
        const std::string text = files.Text(SlotProfilePath(kFolder, slot));
        const std::string name = "default-slot" + std::to_string(slot + 1) + ".gmp";
        WriteSeed(corpus, "fuzz_profile_file", name.c_str(), std::string(1, static_cast<char>(slot)) + text);
    }
}

void AppSettingsSeeds(const std::filesystem::path& corpus) {
    MemoryIniFiles files;
    AppSettingsFile settings(files, kFolder);
    settings.WriteCurrentSlot(1);
    settings.WriteMouseType(0);
    settings.WriteDevicePresence(1);
    OsdSettings display;
    DefaultOsdSettings(display);
    settings.WriteOsdSettings(display);
    settings.WriteMacroNotice(4, "reload");
    settings.WriteNoticeMessage("CPI: 1600");
    // Trailing bytes: with a slot file, notice data, notice kind.
    const std::string text = files.Text(AppSettingsPath(kFolder));
    WriteSeed(corpus, "fuzz_app_settings", "config.ini", text + std::string("\x01\x00\x00\x01\x00\x00\x00\x00\x00\x00", 10));
    WriteSeed(corpus, "fuzz_structured_value", "osd-settings",
              EncodeStructuredValue(&display, sizeof display) + std::string("\x00\x00\x01", 3));
}

void MacroSeeds(const std::filesystem::path& corpus) {
    MemoryIniFileStore store;
    MacroList list(store, kFolder);
    const struct {
        const char* name;
        int32_t repeat;
        std::vector<MacroEvent> events;
    } macros[] = {{"reload", 1, {{0x15, 1, 50}, {0x15, 2, 0}}},
                  {"combo", 3, {{0xE0, 1, 10}, {0x06, 1, 1300}, {0x06, 2, 10}, {0xE0, 2, 0}}}};
    for (const auto& macro : macros) {
        MacroRecord record{};
        SetMacroName(record, macro.name);
        record.RepeatCount = macro.repeat;
        record.EventCount = static_cast<int32_t>(macro.events.size());
        std::copy(macro.events.begin(), macro.events.end(), record.Events);
        list.Append(record);
    }
    list.Save();
    list.Export(1, "C:\\export.macro");
    // The two texts end at a backslash and another character.
    WriteSeed(corpus, "fuzz_macro_file", "sequence-and-export",
              store.Text(list.FilePath()) + "\\x" + store.Text("C:\\export.macro") + "\\x" + std::string(8, '\x01'));
}

void NoticeSeeds(const std::filesystem::path& corpus) {
    std::string record(kNoticeRecordSize, '\0');
    memcpy(&record[1], "Profile 2: Shooter", strlen("Profile 2: Shooter"));
    WriteSeed(corpus, "fuzz_notice_record", "profile-text", record);
    WriteSeed(corpus, "fuzz_notice_record", "unterminated", std::string(1, '\0') + std::string(kNoticeTextCapacity, 'x'));
}

void TransferSeeds(const std::filesystem::path& corpus) {
    auto block = std::make_unique<SettingsBlock>();
    ResetProfileSet(*block);
    device::MacroStore macros;
    const auto steps = device::PlanDeviceWrite(*block, device::DeviceWriteMode::Full, macros);
    // The first command and the first chunk of a full write, as logged.
    for (const auto& step : steps) {
        if (step.StepKind == device::DeviceWriteStep::Kind::Command && step.Bytes[0] == 0x0C) {
            WriteSeed(corpus, "fuzz_virtual_mouse", "configuration-command-line",
                      portio::FormatTransferLine(1000, portio::kSetFeatureTransfer, step.Bytes.data(), device::kCommandSize));
        } else if (step.StepKind == device::DeviceWriteStep::Kind::Chunk) {
            WriteSeed(corpus, "fuzz_virtual_mouse", "chunk-line",
                      portio::FormatTransferLine(2000, portio::kWriteUSBTransfer, step.Bytes.data(), device::kChunkSize));
            break;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: fuzz_seed_writer <corpus folder>\n");
        return 2;
    }
    const std::filesystem::path corpus = argv[1];
    ProfileSeeds(corpus);
    AppSettingsSeeds(corpus);
    MacroSeeds(corpus);
    NoticeSeeds(corpus);
    TransferSeeds(corpus);
    return 0;
}
