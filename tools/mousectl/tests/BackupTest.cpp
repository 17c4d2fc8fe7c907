// Backup and restore: the files come back byte for byte and the agent writes all of them, a damaged
// backup is refused with its reasons before anything changes, all or nothing, each file old or new after a kill.
#include "BackupText.h"
#include "FileReplacement.h"
#include "MouseControl.h"

#include "option/core/tests/CoreTestSupport.h"
#include "option/macros/MacroList.h"
#include "profile/IniText.h"
#include "profile/MemoryRegistry.h"
#include "profile/ProfileFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

using namespace mousectl;
using Files = std::map<std::string, std::string>;

const std::string kFolder = "C:\\Mouse\\", kBackupPath = "C:\\b.ini";

// Files as bytes. Every change (write, replace, removal) is a step; step
// `failAt` fails, or, after a kill, it and every later one do nothing.
class StepStore : public IniFileStore {
public:
    Files files;
    int steps = 0, failAt = -1;
    bool killed = false;

    std::string Bytes(const std::string& path) { return FileExists(path) ? files[path] : ""; }
    std::unique_ptr<IniAccessor> Open(const std::string& name) override {
        return std::make_unique<IniText>(Bytes(name));
    }
    bool FileExists(const std::string& name) override { return files.count(name) > 0; }
    bool ReadWhole(const std::string& name, std::string& bytes) override { return bytes = Bytes(name), true; }
    bool WriteWhole(const std::string& name, const std::string& bytes) override {
        return Step() && (files[name] = bytes, true);
    }
    bool RemoveFile(const std::string& name) override { return Step() && (files.erase(name), true); }
    bool MoveOver(const std::string& from, const std::string& to) override {
        return Step() && FileExists(from) && (files[to] = Bytes(from), files.erase(from) == 1);
    }
    bool Step() { return killed ? steps++ < failAt : steps++ != failAt; }
};

struct FixedClock : WallClock {
    int64_t SecondsSince1970() const override { return 1700000000; }
};

class Restore : public ::testing::Test {
protected:
    // Slots 1..4 as Option saves them, slot 5 never saved; a macro file with
    // a lone CR, bytes of every kind, a line longer than a stored one and no
    // last line end.
    Restore() {
        ResetProfileSet(*m_block.block);
        for (int slot = 0; slot + 1 < kSlotCount; ++slot) {
            IniText text;
            WriteProfileFields(m_block.block->Profiles[slot], text);
            m_store.files[kFolder + SlotProfilePath("", slot)] = text.Bytes();
        }
        const char odd[] = "\r\\ \0\xFF\t tab and high ";
        m_store.files[kFolder + kMacroFileName] = "[Macros]\r\nnumber=1\r\n0=" + std::string(442, '0') +
                                                   std::string(odd, sizeof odd - 1) + std::string(5000, 'x');
        m_store.files[kFolder + "config.ini"] = "[Setting]\r\nCurrentProfile=2\r\nMouseType=7\r\nDevice=1\r\n";
        for (const PartFile& entry : BackupPartFiles())
            m_parts.push_back({entry.name, m_store.FileExists(kFolder + entry.name), m_store.Bytes(kFolder + entry.name)});
        m_original = m_store.files;
    }
    Outcome Run(CommandKind kind) {
        MouseControl control(OptionServices{m_block, m_agent, m_store, m_copies, m_registry, m_clock, kFolder});
        return control.Run(Command{kind, -1, kBackupPath});
    }
    std::string WithPart(size_t index, const std::string& from, const std::string& to) {
        std::vector<BackupPart> parts = m_parts;
        parts[index].bytes.replace(parts[index].bytes.find(from), from.size(), to);
        return WriteBackupText(parts);
    }

    coretest::FakeSharedBlock m_block;
    coretest::FakeAgent m_agent;
    StepStore m_store;
    MemoryIniFileStore m_unused;
    coretest::StoreCopies m_copies{m_unused};
    MemoryRegistry m_registry;
    FixedClock m_clock;
    Files m_original;
    std::vector<BackupPart> m_parts;
};

TEST_F(Restore, Run_BackupThenRestore_GivesTheFilesBackAndTheAgentWritesEverything) {
    ASSERT_EQ(Run(CommandKind::Backup).exitCode, kExitOk);
    // The backup's own line ends may lose their CRs on the way.
    std::string& backup = m_store.files[kBackupPath];
    backup.erase(std::remove(backup.begin(), backup.end(), '\r'), backup.end());
    m_store.files[kFolder + "config\\Default1.gmp"] = "[Setting]\r\nProFileName=Changed\r\n";
    m_store.files[kFolder + "config\\Default4.gmp"] = m_original[kFolder + "config\\Default0.gmp"];
    m_store.files.erase(kFolder + kMacroFileName);
    m_store.files[kFolder + "config.ini"] = "[Setting]\r\nCurrentProfile=4\r\nDevice=0\r\n";

    const Outcome outcome = Run(CommandKind::Restore);
    ASSERT_EQ(outcome.exitCode, kExitOk) << outcome.error;
    // Slot and mouse type of the backup, presence as now, the default display settings (110 at byte 140,
    // 5 at byte 344), the access code of 1700000000 seconds.
    EXPECT_EQ(m_store.Bytes(kFolder + "config.ini"),
              "[Setting]\r\nCurrentProfile=2\r\nDevice=0\r\nMouseType=7\r\n[OSDSetting]\r\nconfig=" +
                  std::string(280, '0') + "6E000000" + std::string(400, '0') + "0500000073\r\n" +
                  "[HidAccessCode]\r\nCode=00F15365" + std::string(24, '0') + "A9\r\n");
    // The rest byte for byte, slot 5's file gone again, nothing left beside them.
    for (Files* files : {&m_store.files, &m_original}) files->erase(kFolder + "config.ini");
    m_store.files.erase(kBackupPath);
    EXPECT_EQ(m_store.files, m_original);
    EXPECT_EQ(m_block.block->CurrentSlot, 2);
    EXPECT_STREQ(m_block.block->Profiles[1].ProFileName, "Default2");
    EXPECT_EQ(m_agent.applyModes, std::vector<int>{1});  // everything marked
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);           // the check value of CRC-32
}

TEST_F(Restore, Run_DamagedBackup_IsRefusedWithTheReasonAndNothingChanges) {
    const std::string good = WriteBackupText(m_parts), slot3 = "[config\\Default3.gmp]",
                      wasCut = "no [End] section after the parts): it was cut";
    auto cut = [&](const std::string& at, size_t extra) { return good.substr(0, good.find(at) + extra); };
    auto edit = [&](const std::string& from, const std::string& to) {
        return std::string(good).replace(good.find(from), from.size(), to);
    };
    const std::pair<std::string, std::string> rows[] = {
        {"", "the file is empty"},
        {std::string(kMaxBackupBytes + 1, ';'), "the file is larger than any backup (8388609 bytes, at most 8388608)"},
        {m_parts[0].bytes, "not a mousectl backup: it does not begin with [Backup] and Format=TARVIK-Q7 backup"},
        {edit("Version=1", "Version=2"), "backup version '2' is not known; this mousectl reads version 1"},
        // Cut after the header, inside a line, before the end section, inside it.
        {cut("\r\n\r\n[config", 2), wasCut},
        {cut(slot3, 300), wasCut},
        {cut("[End]", 0), wasCut},
        {cut("[End]", 3), "neither [section] nor key=value"},
        {edit("ProFileName=Default1", "ProFileName=Default7"), "config\\Default0.gmp: the bytes do not match CRC32="},
        {edit("\\r\\n", "\\q\\n"), "config\\Default0.gmp: Line1: a backslash that begins no escape"},
        {edit(slot3, "[config\\Default9.gmp]"), "config\\Default3.gmp: missing"},
        {edit(slot3, "[config\\Default4.gmp]"), "config\\Default4.gmp: given twice"},
        // Sound as text, but a part fails the checks of its file.
        {WithPart(1, "PollingRate=2", "PollingRate=9"), "config\\Default1.gmp: PollingRate: 9 is outside 0..3"},
        {WithPart(5, "0=", "0=1"), "config\\sequence.dat: macro 0: missing or damaged (length or checksum)"},
        {WithPart(6, "CurrentProfile=2", "CurrentProfile=5"), "config.ini: CurrentProfile: '5' is not a slot -1..4"},
    };
    for (const auto& [backup, problem] : rows) {
        m_store.files[kBackupPath] = backup;
        const Files before = m_store.files;
        const Outcome outcome = Run(CommandKind::Restore);
        EXPECT_EQ(outcome.exitCode, kExitFailed) << problem;
        EXPECT_NE(outcome.error.find("is not a sound backup; nothing changed:\n  "), std::string::npos);
        EXPECT_NE(outcome.error.find(problem), std::string::npos) << problem << "\n" << outcome.error;
        EXPECT_EQ(m_store.files, before) << problem;
    }
    EXPECT_TRUE(m_agent.applyModes.empty());
    EXPECT_EQ(m_block.writes, 0);
}

TEST(ReplaceFiles_EveryStep, AFailureKeepsEveryFileOldAndAKillLeavesEachOldOrNew) {
    const Files before = {{"a", "a0"}, {"b", "b0"}}, after = {{"a", "a1"}, {"c", "c1"}};
    const std::vector<FileChange> changes = {{"a", true, "a1"}, {"b", false, ""}, {"c", true, "c1"}};
    StepStore clean;
    clean.files = before;
    ASSERT_EQ(ReplaceFiles(clean, changes), "");
    EXPECT_EQ(clean.files, after);
    for (int step = 0; step < clean.steps * 2; ++step) {
        StepStore store, old, done;
        store.files = old.files = before;
        done.files = after;
        store.failAt = step / 2;
        store.killed = step % 2;
        const bool replaced = ReplaceFiles(store, changes).empty();
        for (const char* name : {"a", "b", "c"}) {
            const std::string now = store.Bytes(name);
            const bool oldOrNew = now == old.Bytes(name) || now == done.Bytes(name);
            EXPECT_TRUE(store.killed ? oldOrNew : now == (replaced ? done : old).Bytes(name)) << step << name << now;
        }
    }
}

}  // namespace
