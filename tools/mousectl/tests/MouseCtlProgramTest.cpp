// mousectl.exe as a scripting user runs it, in a program folder with the
// real Monitor.exe and the virtual mouse: what it prints and returns, what
// the agent's shared block and settings files hold afterwards, and what the
// transfer log shows was written to the mouse.
#include "ProgramFolder.h"

#include "frame/UniqueHandle.h"
#include "monitor/device/DeviceCommand.h"
#include "profile/win32/PrivateProfileAccessor.h"
#include "testing/DamagedFiles.h"
#include "testing/ProgramRun.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using agenttest::ProgramFolder;
using agenttest::TransferLine;
using agenttest::WaitFor;
using testsupport::ProgramResult;

constexpr char kSharedBlockName[] = "Zelkor_510-7716_Gaming_Mouse_Normal_Share_Data";
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitNoAgent = 3;

ProgramResult RunControl(const ProgramFolder& folder, const std::string& arguments) {
    return testsupport::RunProgram("\"" + folder.Path() + "mousectl.exe\" " + arguments, folder.Path());
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The current slot as the agent's shared block holds it (offset 0).
int BlockCurrentSlot() {
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, kSharedBlockName);
    if (!mapping) return -2;
    const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof(int32_t));
    int32_t slot = -2;
    if (view) {
        memcpy(&slot, view, sizeof slot);
        UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
    return slot;
}

std::string ProfileName(const std::string& path) {
    char name[256] = {};
    GetPrivateProfileStringA("Setting", "ProFileName", "", name, sizeof name, path.c_str());
    return name;
}

std::vector<uint8_t> SelectBytes(int slot) {
    const device::DeviceCommand command = device::ProfileSelectCommand(slot);
    return {command.begin(), command.end()};
}

// The agent's write after a command: the transfers beyond `before`, once the
// select command that ends every write is among them.
std::vector<TransferLine> WriteAfter(const ProgramFolder& folder, size_t before, int slot) {
    std::vector<TransferLine> added;
    WaitFor([&] {
        const std::vector<TransferLine> all = folder.Transfers();
        if (all.size() <= before) return false;
        added.assign(all.begin() + before, all.end());
        return added.back().kind == "SetFeature" && added.back().bytes == SelectBytes(slot);
    });
    return added;
}

// Runs a command that must succeed; the agent's write that follows it.
std::vector<TransferLine> RunAndWaitForWrite(const ProgramFolder& folder, const std::string& arguments, int slot) {
    const size_t before = folder.Transfers().size();
    const ProgramResult run = RunControl(folder, arguments);
    EXPECT_EQ(run.exitCode, 0u) << arguments << "\n" << run.output;
    return WriteAfter(folder, before, slot);
}

size_t CountOf(const std::vector<TransferLine>& lines, const std::string& kind) {
    size_t count = 0;
    for (const TransferLine& line : lines) count += line.kind == kind;
    return count;
}

class MouseCtlProgram : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_READY(m_folder);
        ASSERT_TRUE(m_folder.AddFromDist("mousectl.exe"));
        m_folder.StartAgent();
        ASSERT_NE(m_folder.WaitForAgentWindow(), nullptr);
        // The first full write ends with the select command of slot 1.
        ASSERT_FALSE(WriteAfter(m_folder, 0, 0).empty()) << "the agent's first write never finished";
    }

    ProgramFolder m_folder;
};

TEST_F(MouseCtlProgram, StatusSelectExportApplyDefaultsReachTheMouse) {
    ProgramResult status = RunControl(m_folder, "status");
    ASSERT_EQ(status.exitCode, 0u) << status.output;
    EXPECT_EQ(status.output,
              "mouse: present\ncurrent slot: 1\n* slot 1: Default1\n  slot 2: Default2\n  slot 3: Default3\n"
              "  slot 4: Default4\n  slot 5: Default5\n");

    // select 3: block, config.ini and a write of nothing but opening and select.
    EXPECT_EQ(RunAndWaitForWrite(m_folder, "select 3", 2).size(), 2u);
    EXPECT_EQ(BlockCurrentSlot(), 2);
    EXPECT_EQ(m_folder.SettingsValue("Setting", "CurrentProfile"), "2");

    // export slot 4, give the file a new name, apply it to slot 2.
    const std::string exported = m_folder.Path() + "exported.gmp";
    ProgramResult exportRun = RunControl(m_folder, "export --slot 4 exported.gmp");
    ASSERT_EQ(exportRun.exitCode, 0u) << exportRun.output;
    EXPECT_EQ(ProfileName(exported), "Default4");
    WritePrivateProfileStringA("Setting", "ProFileName", "Scripted", exported.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, exported.c_str());

    // The imported slot's button map goes out in 64-byte chunks.
    EXPECT_GT(CountOf(RunAndWaitForWrite(m_folder, "apply \"" + exported + "\" --slot 2", 2), "WriteUSB"), 0u);
    EXPECT_EQ(ProfileName(m_folder.Path() + "config\\Default1.gmp"), "Scripted");
    status = RunControl(m_folder, "status");
    EXPECT_TRUE(Contains(status.output, "  slot 2: Scripted\n* slot 3: Default3\n")) << status.output;

    EXPECT_GT(CountOf(RunAndWaitForWrite(m_folder, "defaults --slot 2", 2), "WriteUSB"), 0u);
    EXPECT_EQ(ProfileName(m_folder.Path() + "config\\Default1.gmp"), "Default2");
}

TEST_F(MouseCtlProgram, RefusesBadFilesAndSlotsWithoutTouchingTheSlot) {
    const std::string notes = m_folder.Path() + "notes.txt";
    std::ofstream(notes) << "just some text\r\n";
    // A profile that sets the report rate to a value the mouse does not know.
    const std::string wild = m_folder.Path() + "wild.gmp";
    ASSERT_EQ(RunControl(m_folder, "export --slot 1 wild.gmp").exitCode, 0u);
    WritePrivateProfileStringA("Setting", "PollingRate", "9", wild.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, wild.c_str());

    struct Row {
        std::string arguments;
        DWORD exitCode;
        std::string message;
    };
    const Row rows[] = {
        // A file that is not there.
        {"apply missing.gmp --slot 2", kExitFailed, "cannot open "},
        // A file with no profile key at all.
        {"apply notes.txt --slot 2", kExitFailed, "holds no profile settings"},
        // A profile with a value out of range.
        {"apply wild.gmp --slot 2", kExitFailed, "PollingRate: 9 is outside 0..3"},
        // A bad command line (the parser's cases are tested natively).
        {"defaults --slot 6", kExitUsage, "slot must be 1 to 5, not '6'"},
    };
    const std::string slotFile = m_folder.Path() + "config\\Default1.gmp";
    for (const Row& row : rows) {
        ProgramResult run = RunControl(m_folder, row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode) << row.arguments << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, row.message)) << row.arguments << "\n" << run.output;
    }
    // Nothing was applied: no slot file written, the block as the agent made it.
    EXPECT_FALSE(agenttest::FileExists(slotFile));
    EXPECT_TRUE(Contains(RunControl(m_folder, "status").output, "* slot 1: Default1\n  slot 2: Default2\n"));
    EXPECT_EQ(BlockCurrentSlot(), 0);
}

TEST_F(MouseCtlProgram, BackupRestoreGivesTheFilesBackByteForByteAndRefusesACutBackup) {
    const std::vector<TransferLine> firstWrite = m_folder.Transfers();
    // The profile files an apply writes, one renamed by hand, and a macro file.
    RunAndWaitForWrite(m_folder, "defaults --slot 1", 0);
    const std::string config = m_folder.Path() + "config\\";
    WritePrivateProfileStringA("Setting", "ProFileName", "Mine", (config + "Default1.gmp").c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, (config + "Default1.gmp").c_str());
    std::ofstream(config + "sequence.dat", std::ios::binary) << "[Macros]\r\nnumber=0\r\n";
    auto files = [&] {
        std::vector<std::string> bytes;
        for (const char* name :
             {"Default0.gmp", "Default1.gmp", "Default2.gmp", "Default3.gmp", "Default4.gmp", "sequence.dat"})
            bytes.push_back(testsupport::ReadWholeFile(config + name));
        return bytes;
    };
    const std::vector<std::string> original = files();
    ProgramResult run = RunControl(m_folder, "backup saved.ini");
    ASSERT_EQ(run.exitCode, 0u) << run.output;

    // Slot 2 reset, slot 3 current, the macro file gone.
    RunAndWaitForWrite(m_folder, "defaults --slot 2", 0);
    RunAndWaitForWrite(m_folder, "select 3", 2);
    ASSERT_TRUE(DeleteFileA((config + "sequence.dat").c_str()));
    const std::vector<std::string> changed = files();
    ASSERT_NE(changed, original);

    // Not while Option is open: it would save its macro list over the restored one.
    const UniqueHandle option(testsupport::StartProgram("\"" + m_folder.Path() + "Option.exe\"", m_folder.Path()));
    ASSERT_TRUE(WaitFor([] { return FindWindowA(nullptr, "TARVIK-Q7 Gaming Mouse Option") != nullptr; }));
    run = RunControl(m_folder, "restore saved.ini");
    EXPECT_EQ(run.exitCode, static_cast<DWORD>(kExitFailed));
    EXPECT_TRUE(Contains(run.output, "close it before a restore")) << run.output;
    EXPECT_EQ(files(), changed);
    PostMessageA(FindWindowA(nullptr, "TARVIK-Q7 Gaming Mouse Option"), WM_CLOSE, 0, 0);
    EXPECT_EQ(agenttest::WaitForExit(option.Get()), 0);

    // Every slot written again, as at the agent's start, slot 1 selected last.
    const std::vector<TransferLine> restoreWrite = RunAndWaitForWrite(m_folder, "restore saved.ini", 0);
    ASSERT_EQ(restoreWrite.size(), firstWrite.size());
    for (size_t i = 0; i < firstWrite.size(); ++i) EXPECT_EQ(restoreWrite[i].bytes, firstWrite[i].bytes) << i;
    EXPECT_EQ(files(), original);

    const std::string saved = testsupport::ReadWholeFile(m_folder.Path() + "saved.ini");
    std::ofstream(m_folder.Path() + "cut.ini", std::ios::binary) << saved.substr(0, saved.size() / 2);
    run = RunControl(m_folder, "restore cut.ini");
    EXPECT_EQ(run.exitCode, static_cast<DWORD>(kExitFailed));
    EXPECT_TRUE(Contains(run.output, "it was cut")) << run.output;
    EXPECT_EQ(files(), original);
}

TEST(MouseCtlProgram_NoAgent, EveryCommandSaysMonitorIsNotRunning) {
    ProgramFolder folder;
    REQUIRE_READY(folder);
    ASSERT_TRUE(folder.AddFromDist("mousectl.exe"));
    const char* commands[] = {"status", "select 2", "export --slot 1 out.gmp", "defaults --slot 1", "restore in.ini"};
    for (const char* command : commands) {
        ProgramResult run = RunControl(folder, command);
        EXPECT_EQ(run.exitCode, static_cast<DWORD>(kExitNoAgent)) << command << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, "Monitor is not running")) << command << "\n" << run.output;
    }
    EXPECT_FALSE(agenttest::FileExists(folder.Path() + "out.gmp"));
    EXPECT_EQ(RunControl(folder, "backup saved.ini").exitCode, 0u);  // reads the stored files only
}

}  // namespace
