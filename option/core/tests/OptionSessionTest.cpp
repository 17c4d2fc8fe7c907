// The session against in-memory files, registry, block and agent: start-up
// with and without the agent, Apply in both modes, resets, import, export.
#include <gtest/gtest.h>

#include "option/core/OptionConstants.h"
#include "option/core/OptionSession.h"
#include "option/core/tests/CoreTestSupport.h"
#include "profile/AppSettings.h"
#include "profile/MemoryRegistry.h"
#include "profile/ProfileFile.h"

namespace {

using coretest::FakeAgent;
using coretest::FakeSharedBlock;
using coretest::StoreCopies;

const std::string kFolder = "C:\\Mouse\\";

class FixedClock : public WallClock {
public:
    int64_t SecondsSince1970() const override { return 1700000000; }
};

class SessionTest : public ::testing::Test {
protected:
    SessionTest() {
        ClearBlock(*m_block.block);
        ResetProfileSet(*m_block.block);
        m_block.block->CurrentSlot = 1;
    }
    std::string Setting(const char* key) {
        std::unique_ptr<IniAccessor> file = m_files.Open(kFolder + "config.ini");
        return file->GetString("Setting", key, "missing");
    }
    std::string SlotFile(int slot) { return kFolder + "config\\Default" + std::to_string(slot) + ".gmp"; }

    FakeSharedBlock m_block;
    FakeAgent m_agent;
    MemoryIniFileStore m_files;
    StoreCopies m_copies{m_files};
    MemoryRegistry m_registry;
    FixedClock m_clock;
    OptionSession m_session{OptionServices{m_block, m_agent, m_files, m_copies, m_registry, m_clock, kFolder}};
};

TEST_F(SessionTest, Start_Attached_ReadsTheBlockAndClearsButtonAndGroupFlags) {
    m_block.block->ButtonChanged[1][3] = 1;
    m_block.block->ChangedA[2] = 1;
    m_block.block->ChangedB[4] = 1;
    m_block.block->ConfigChanged[0] = 1;
    m_block.block->Profiles[1].LightType = 0;
    m_session.Start();
    EXPECT_EQ(m_session.Edit().CurrentSlot, 1);
    EXPECT_EQ(m_session.Edit().Profiles[1].LightType, 0);
    EXPECT_EQ(m_session.Applied().ButtonChanged[1][3], 0);
    EXPECT_EQ(m_session.Applied().ChangedA[2], 0);
    EXPECT_EQ(m_session.Applied().ChangedB[4], 0);
    // Only those three kinds are cleared.
    EXPECT_EQ(m_session.Applied().ConfigChanged[0], 1);
}

TEST_F(SessionTest, Start_WithoutAgent_LoadsTheStoredFiles) {
    m_block.agentRunning = false;
    m_files.SetValue(kFolder + "config.ini", "Setting", "CurrentProfile", "2");
    ProfileRecord stored{};
    FillDefaults(stored, 2);
    stored.PollingRate = 1;
    WriteProfileFile(stored, m_files, SlotFile(2));
    m_session.Start();
    EXPECT_FALSE(m_session.Attached());
    EXPECT_EQ(m_session.Edit().CurrentSlot, 2);
    EXPECT_EQ(m_session.Edit().Profiles[2].PollingRate, 1);
}

TEST_F(SessionTest, Apply_SlotSelected_WritesFlagsFilesAndTellsTheAgent) {
    m_session.Start();
    m_session.SelectSlot(3);
    EXPECT_TRUE(m_session.Apply(option::kApplyCompare));
    EXPECT_EQ(m_block.block->CurrentSlot, 3);
    EXPECT_EQ(m_block.block->SlotChanged, 1);
    for (int slot = 0; slot < kSlotCount; ++slot)
        EXPECT_EQ(m_block.block->ConfigChanged[slot] + m_block.block->RateChanged[slot] +
                      m_block.block->LevelChanged[slot] + m_block.block->ChangedA[slot] + m_block.block->ChangedB[slot],
                  0);
    EXPECT_EQ(m_agent.applyModes, std::vector<int>{option::kApplyCompare});
    EXPECT_EQ(m_agent.appletNotices, 1);
    EXPECT_EQ(Setting("CurrentProfile"), "3");
    for (int slot = 0; slot < kSlotCount; ++slot) EXPECT_TRUE(m_files.FileExists(SlotFile(slot))) << slot;
    // Saved through temporary files, none of which is left.
    EXPECT_FALSE(m_files.FileExists(SlotFile(0) + ".tmp"));
    std::unique_ptr<IniAccessor> settings = m_files.Open(kFolder + "config.ini");
    EXPECT_NE(settings->GetString("HidAccessCode", "Code", ""), "");
    // The copies agree afterwards: a second apply finds nothing changed.
    EXPECT_EQ(memcmp(&m_session.Applied(), &m_session.Edit(), sizeof(SettingsBlock)), 0);
}

// A slot file that cannot be saved: the session says so, the old file stays,
// and the next Apply that can write saves the edit.
TEST_F(SessionTest, Apply_SlotFileNotSaved_ReportedAndSavedByTheNextApply) {
    m_session.Start();
    ASSERT_TRUE(m_session.Apply(option::kApplyCompare));
    EXPECT_TRUE(m_session.LastApplySaved());
    struct Row {
        const char* what;
        int slot;        // the slot edited, whose file fails
        bool failWrite;  // else the replacement fails (slot 0's comes first)
    };
    const Row rows[] = {
        {"temporary file not written", 1, true},
        {"target not replaced", 0, false},
    };
    for (const Row& row : rows) {
        m_session.SelectSlot(row.slot);
        m_session.SetOrientation(1);
        if (row.failWrite) m_files.FailWritesTo(SlotFile(row.slot) + ".tmp");
        else m_files.FailNextReplace();
        m_session.Apply(option::kApplyCompare);
        EXPECT_FALSE(m_session.LastApplySaved()) << row.what;
        EXPECT_EQ(m_files.Open(SlotFile(row.slot))->GetInt("Setting", "Orientation", -1), 0) << row.what;
        m_files = MemoryIniFileStore{};
        m_session.Apply(option::kApplyCompare);
        EXPECT_TRUE(m_session.LastApplySaved()) << row.what;
        EXPECT_EQ(m_files.Open(SlotFile(row.slot))->GetInt("Setting", "Orientation", -1), 1) << row.what;
        m_session.SetOrientation(0);
        m_session.Apply(option::kApplyCompare);
    }
}

// config.ini is replaced whole: the agent's keys stay, and a save cut short
// leaves the file as it was.
TEST_F(SessionTest, Apply_ConfigIniNotSaved_KeepsTheWholeFile) {
    m_files.SetValue(kFolder + "config.ini", "Setting", "FWVersion", "104");
    m_session.Start();
    m_session.Apply(option::kApplyCompare);
    m_files.FailWritesTo(kFolder + "config.ini.tmp");
    m_session.SelectSlot(3);
    m_session.Apply(option::kApplyCompare);
    EXPECT_FALSE(m_session.LastApplySaved());
    EXPECT_EQ(Setting("CurrentProfile"), "1");
    EXPECT_EQ(Setting("FWVersion"), "104");
}

TEST_F(SessionTest, Apply_SelectedButNotApplied_LeavesFilesAndAgentAlone) {
    m_session.Start();
    m_session.SelectSlot(3);
    EXPECT_EQ(Setting("CurrentProfile"), "missing");
    EXPECT_TRUE(m_agent.applyModes.empty());
    EXPECT_EQ(m_block.block->CurrentSlot, 1);
}

TEST_F(SessionTest, Apply_WithoutAgentWindow_NoAnswerIsDue) {
    m_session.Start();
    m_agent.windowExists = false;
    EXPECT_FALSE(m_session.Apply(option::kApplyCompare));
    EXPECT_EQ(m_agent.appletNotices, 1);
}

TEST_F(SessionTest, Apply_AgentStartedAfterUs_AttachesAndWritesTheBlock) {
    m_block.agentRunning = false;
    m_session.Start();
    m_block.agentRunning = true;
    m_session.SelectSlot(4);
    m_session.Apply(option::kApplyCompare);
    EXPECT_TRUE(m_session.Attached());
    EXPECT_EQ(m_block.writes, 1);
    EXPECT_EQ(m_block.block->CurrentSlot, 4);
}

TEST_F(SessionTest, ResetAll_FromSlotThree_LeavesSlotZeroAndMarksEverything) {
    m_session.Start();
    m_session.SelectSlot(3);
    m_session.Edit().Profiles[3].LightType = 0;
    m_session.ResetAll();
    m_session.Apply(option::kApplyMarked);
    const SettingsBlock& written = *m_block.block;
    EXPECT_EQ(written.CurrentSlot, 0);
    EXPECT_EQ(written.Profiles[3].LightType, 2);  // the default
    EXPECT_EQ(written.SlotChanged, 1);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(written.ConfigChanged[slot], 1);
        EXPECT_EQ(written.RateChanged[slot], 1);
        EXPECT_EQ(written.LevelChanged[slot], 1);
        EXPECT_EQ(written.ButtonChanged[slot][15], 1);
    }
    EXPECT_EQ(m_agent.applyModes, std::vector<int>{option::kApplyMarked});
    EXPECT_EQ(Setting("CurrentProfile"), "0");
}

TEST_F(SessionTest, ResetCurrent_MarksOnlyThatSlot) {
    m_session.Start();
    m_session.Edit().Profiles[1].LightType = 0;
    m_session.Edit().Profiles[2].LightType = 0;
    m_session.ResetCurrent();
    m_session.Apply(option::kApplyMarked);
    EXPECT_EQ(m_block.block->Profiles[1].LightType, 2);
    EXPECT_EQ(m_block.block->Profiles[2].LightType, 0);
    EXPECT_EQ(m_block.block->ConfigChanged[1], 1);
    EXPECT_EQ(m_block.block->ConfigChanged[2], 0);
    EXPECT_EQ(m_block.block->ButtonChanged[1][0], 1);
    EXPECT_EQ(m_block.block->ButtonChanged[2][0], 0);
}

TEST_F(SessionTest, MouseChangedSettings_KeepsUnappliedEdits) {
    m_session.Start();
    m_session.Edit().Profiles[1].LightType = 3;
    m_block.block->Profiles[1].CpiStep = 4;
    m_block.block->Profiles[1].PollingRate = 0;
    m_session.OnSettingsChangedByMouse();
    EXPECT_EQ(m_session.Edit().Profiles[1].CpiStep, 4);
    EXPECT_EQ(m_session.Edit().Profiles[1].PollingRate, 0);
    EXPECT_EQ(m_session.Edit().Profiles[1].LightType, 3);
}

TEST_F(SessionTest, SlotChangedByAgent_ReplacesTheEditCopy) {
    m_session.Start();
    m_session.Edit().Profiles[1].LightType = 3;
    m_block.block->CurrentSlot = 4;
    m_session.OnSlotChangedByAgent();
    EXPECT_EQ(m_session.Edit().CurrentSlot, 4);
    EXPECT_EQ(m_session.Edit().Profiles[1].LightType, 2);
    // Nothing read (the block or its mutex not had): 1255 and 1254 keep the edits.
    m_session.Edit().Profiles[1].LightType = 3;
    m_block.attached = false;
    m_session.OnSlotChangedByAgent();
    m_session.OnFirmwareChanged();
    EXPECT_EQ(m_session.Edit().Profiles[1].LightType, 3);
}

TEST_F(SessionTest, FirmwareChanged_ShowsVersionsAboveFiveHundred) {
    m_files.SetValue(kFolder + "config.ini", "Setting", "FWVersion", "600");
    m_session.Start();
    EXPECT_EQ(m_session.FirmwareText(), "N/A");
    m_session.OnFirmwareChanged();
    EXPECT_EQ(m_session.FirmwareText(), "6.00");
}

TEST_F(SessionTest, Import_ProfileFile_CopiesReadsAndMarksSixButtons) {
    m_session.Start();
    ProfileRecord chosen{};
    FillDefaults(chosen, 0);
    chosen.LightType = 1;
    snprintf(chosen.ProFileName, sizeof chosen.ProFileName, "%s", "Shooter");
    WriteProfileFile(chosen, m_files, "D:\\chosen.gmp");
    EXPECT_EQ(m_session.Import("  D:\\chosen.gmp "), ImportResult::Imported);
    EXPECT_EQ(m_session.Edit().Profiles[1].LightType, 1);
    EXPECT_STREQ(m_session.Edit().Profiles[1].ProFileName, "Shooter");
    for (int button = 0; button < kButtonCount; ++button)
        EXPECT_EQ(m_session.Edit().ButtonChanged[1][button], button < 6 ? 1 : 0) << button;
    std::unique_ptr<IniAccessor> slotFile = m_files.Open(SlotFile(1));
    EXPECT_EQ(slotFile->GetString("Setting", "ProFileName", ""), "Shooter");
    ASSERT_EQ(m_copies.attributes.size(), 1u);
    EXPECT_EQ(m_copies.attributes[0].first, SlotFile(1));
    EXPECT_EQ(m_copies.attributes[0].second, 0x22u);
}

TEST_F(SessionTest, Import_OwnSlotFileInAnyCase_NeitherCopiesNorDeletes) {
    ProfileRecord own{};
    FillDefaults(own, 1);
    own.LightType = 3;
    WriteProfileFile(own, m_files, SlotFile(1));
    m_session.Start();
    m_session.Edit().Profiles[1].LightType = 0;
    std::string otherCase = "c:\\MOUSE\\CONFIG\\default1.GMP";
    EXPECT_EQ(m_session.Import(otherCase), ImportResult::Imported);
    EXPECT_TRUE(m_copies.copies.empty());
    EXPECT_TRUE(m_files.FileExists(SlotFile(1)));
    EXPECT_EQ(m_session.Edit().Profiles[1].LightType, 3);  // re-read from it
}

TEST_F(SessionTest, Import_NotAProfileOrUnreadable_ChangesNothing) {
    m_session.Start();
    m_session.Edit().Profiles[1].LightType = 0;
    m_files.SetValue("D:\\notes.gmp", "Other", "Key", "1");
    struct Case {
        const char* path;
        ImportResult result;
    };
    const Case cases[] = {
        {"D:\\notes.gmp", ImportResult::NotAProfile},  // no key of the profile file
        {"D:\\missing.gmp", ImportResult::Unreadable},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(m_session.Import(c.path), c.result) << c.path;
        EXPECT_EQ(m_session.Edit().Profiles[1].LightType, 0) << c.path;
        EXPECT_EQ(m_session.Edit().ButtonChanged[1][0], 0) << c.path;
        EXPECT_FALSE(m_files.FileExists(SlotFile(1))) << c.path;
    }
    EXPECT_TRUE(m_copies.copies.empty());
}

TEST_F(SessionTest, Import_CopyFails_KeepsTheSlotFileWhole) {
    ProfileRecord own{};
    FillDefaults(own, 1);
    WriteProfileFile(own, m_files, SlotFile(1));
    const std::string before = m_files.Text(SlotFile(1));
    ProfileRecord chosen{};
    FillDefaults(chosen, 0);
    WriteProfileFile(chosen, m_files, "D:\\chosen.gmp");
    m_session.Start();
    m_copies.failCopies = true;
    EXPECT_EQ(m_session.Import("D:\\chosen.gmp"), ImportResult::CopyFailed);
    EXPECT_EQ(m_files.Text(SlotFile(1)), before);
    EXPECT_FALSE(m_files.FileExists(SlotFile(1) + ".tmp"));
    m_copies.failCopies = false;
    m_files.FailNextReplace();
    EXPECT_EQ(m_session.Import("D:\\chosen.gmp"), ImportResult::CopyFailed);
    EXPECT_EQ(m_files.Text(SlotFile(1)), before);
}

TEST_F(SessionTest, Export_OverAnExistingFile_LeavesNoneOfItsKeys) {
    m_session.Start();
    m_files.SetValue("D:\\out.gmp", "Setting", "Stale", "1");
    m_files.SetValue("D:\\out.gmp", "Other", "Key", "2");
    EXPECT_TRUE(m_session.Export("D:\\out.gmp"));
    const std::string text = m_files.Text("D:\\out.gmp");
    EXPECT_EQ(text.find("Stale"), std::string::npos);
    EXPECT_EQ(text.find("[Other]"), std::string::npos);
    std::unique_ptr<IniAccessor> file = m_files.Open("D:\\out.gmp");
    EXPECT_EQ(file->GetString("Setting", "ProFileName", ""), "Default2");
}

TEST_F(SessionTest, Export_WriteFails_KeepsTheOldFile) {
    m_session.Start();
    m_files.SetValue("D:\\out.gmp", "Setting", "ProFileName", "Old");
    m_files.FailWritesTo("D:\\out.gmp.tmp");
    EXPECT_FALSE(m_session.Export("D:\\out.gmp"));
    std::unique_ptr<IniAccessor> file = m_files.Open("D:\\out.gmp");
    EXPECT_EQ(file->GetString("Setting", "ProFileName", ""), "Old");
}

}  // namespace
