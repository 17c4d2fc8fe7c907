// Monitor.exe started on a damaged settings file or damaged slot profile
// files: it runs, writes the mouse with well-formed transfers only, selects
// the slot the readable settings name (slot 1 when none), and never writes a
// profile file.
#include "HostileAgentSupport.h"

#include "profile/AppSettings.h"
#include "profile/OsdSettings.h"
#include "profile/ProfileFile.h"
#include "profile/win32/PrivateProfileAccessor.h"
#include "testing/DamagedFiles.h"

#include <gtest/gtest.h>


namespace {

using namespace agenttest;
using testsupport::Damage;

constexpr int kAnySlot = -1;

// The five default slot profile files and a settings file with slot 4
// current; the slot files' bytes, for checking that they stay as they are.
std::vector<std::string> WriteGoodFiles(const ProgramFolder& folder, int32_t currentSlot) {
    const auto block = DefaultProfileSet();
    PrivateProfileFiles files;
    std::vector<std::string> slotFiles;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const std::string path = SlotProfilePath(folder.Path(), slot);
        WriteProfileFile(block->Profiles[slot], files, path);
        slotFiles.push_back(testsupport::ReadWholeFile(path));
    }
    AppSettingsFile settings(files, folder.Path());
    settings.WriteCurrentSlot(currentSlot);
    OsdSettings display{};
    DefaultOsdSettings(display);
    settings.WriteOsdSettings(display);
    return slotFiles;
}

std::vector<uint8_t> SelectCommand(int slot) {
    std::vector<uint8_t> command = {0x02, static_cast<uint8_t>(slot + 1), 0, 0, 0, 0, 0, 0};
    command[7] = static_cast<uint8_t>(0xFF - command[0] - command[1]);
    return command;
}

// The first select command of the log: the end of the first full write.
std::vector<uint8_t> FirstSelect(const ProgramFolder& folder) {
    for (const TransferLine& line : folder.Transfers())
        if (line.kind == "SetFeature" && line.bytes.size() == 8 && line.bytes[0] == 0x02) return line.bytes;
    return {};
}

// Starts the agent: it answers, its first select names `selected` (any slot
// for kAnySlot), it sends only well-formed transfers and leaves every slot
// file as `slotFiles` holds it.
void ExpectAgentRunsOn(ProgramFolder& folder, int selected, const std::vector<std::string>& slotFiles) {
    HWND window = StartAgentAndWaitForFirstWrite(folder);
    ASSERT_NE(window, nullptr);
    if (selected != kAnySlot) {
        EXPECT_EQ(FirstSelect(folder), SelectCommand(selected));
    }
    EXPECT_TRUE(Responsive(folder, window));
    ExpectWellFormedTransfers(folder);
    for (int slot = 0; slot < kSlotCount; ++slot)
        EXPECT_EQ(testsupport::ReadWholeFile(SlotProfilePath(folder.Path(), slot)), slotFiles[slot]) << "slot " << slot;
}

TEST(DamagedFiles_AgentSettingsFile, StartsSelectsTheReadableSlotAndWritesWellFormed) {
    struct Row {
        Damage damage;
        int selected;  // slot of the first select command
    };
    const Row rows[] = {
        {Damage::Missing, 0},          // no settings: slot 1
        {Damage::Empty, 0},
        {Damage::Truncated, 3},        // CurrentProfile stands before the cut
        {Damage::RandomBytes, 0},
        {Damage::Zeros, 0},
        {Damage::Binary, kAnySlot},    // the slot line itself may be hit
        {Damage::OneDigitChanged, 3},  // the display settings' checksum fails
        {Damage::LongLine, 0},
        {Damage::WideText, 3},         // the profile functions read UTF-16 files
        {Damage::Directory, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testsupport::DamageName(row.damage));
        ProgramFolder folder;
        REQUIRE_READY(folder);
        const std::vector<std::string> slotFiles = WriteGoodFiles(folder, 3);
        const std::string settingsPath = folder.Path() + kAppSettingsFileName;
        ASSERT_TRUE(testsupport::WriteDamagedFile(settingsPath, testsupport::ReadWholeFile(settingsPath), row.damage));
        ASSERT_NO_FATAL_FAILURE(ExpectAgentRunsOn(folder, row.selected, slotFiles));
    }
}

TEST(DamagedFiles_AgentSlotFiles, StartsAndWritesWellFormedWithoutTouchingAFile) {
    // One agent run per group of five, a damage per slot; the good files of
    // the other slots must stay byte for byte.
    const Damage runs[][kSlotCount] = {
        {Damage::Empty, Damage::RandomBytes, Damage::Zeros, Damage::OneDigitChanged, Damage::Truncated},
        {Damage::Binary, Damage::Directory, Damage::LongLine, Damage::WideText, Damage::Missing},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(testsupport::DamageName(run[0]));
        ProgramFolder folder;
        REQUIRE_READY(folder);
        std::vector<std::string> files = WriteGoodFiles(folder, 0);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const std::string path = SlotProfilePath(folder.Path(), slot);
            ASSERT_TRUE(testsupport::WriteDamagedFile(path, files[slot], run[slot])) << slot;
            files[slot] = testsupport::ReadWholeFile(path);
        }
        ASSERT_NO_FATAL_FAILURE(ExpectAgentRunsOn(folder, 0, files));
    }
}

}  // namespace
