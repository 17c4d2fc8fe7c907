// Monitor.exe with damaged slot profile files and profiles without a left
// button: what the virtual mouse receives (its transfer log) and what the
// agent says on the debugger output.
#include "DebugOutputCapture.h"
#include "ProgramFolder.h"

#include "profile/ProfileFile.h"
#include "profile/SettingsBlock.h"
#include "profile/win32/PrivateProfileAccessor.h"
#include "testing/DamagedFiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

using agenttest::DebugOutputCapture;
using agenttest::ProgramFolder;
using agenttest::TransferLine;
using agenttest::WaitFor;
using agenttest::WaitForQuietLog;
using agenttest::WriteSharedBlock;

constexpr UINT kMsgApply = 1224;
// Transfers of a full write of five slots without macros: opening, five rate
// and five level commands, five configuration and five button map reports
// (command and two chunks each), the select command.
constexpr size_t kFullWriteTransfers = 42;

// Buttons 0..15 of the default button map, as the mouse receives them.
const std::vector<uint8_t> kDefaultButtonMap = {
    0x01, 0x00, 0xF0, 0x00,  // left button
    0x01, 0x00, 0xF1, 0x00,  // right button
    0x01, 0x00, 0xF2, 0x00,  // middle button
    0x01, 0x00, 0xF4, 0x00,  // forward
    0x01, 0x00, 0xF3, 0x00,  // backward
    0x07, 0x00, 0x03, 0x00,  // DPI level switch (13)
    0x0B, 0x08, 0x00, 0x00,  // function 86
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 7..13: nothing
    0x04, 0x00, 0x01, 0x00,  // wheel up
    0x04, 0x00, 0x02, 0x00,  // wheel down
};
const std::vector<uint8_t> kLeftButtonEntry = {0x01, 0x00, 0xF0, 0x00};

// The first chunk (buttons 0..15) after the last button map command of a
// slot; empty when there is none.
std::vector<uint8_t> LastButtonMap(const std::vector<TransferLine>& transfers, int slot) {
    std::vector<uint8_t> map;
    for (size_t i = 0; i + 1 < transfers.size(); ++i) {
        const auto& bytes = transfers[i].bytes;
        if (transfers[i].kind == "SetFeature" && bytes.size() == 8 && bytes[0] == 0x0D && bytes[1] == slot + 1)
            map = transfers[i + 1].bytes;
    }
    return map;
}

// Byte 2 of the level command of a slot; -1 when there is none.
int LevelByte(const std::vector<TransferLine>& transfers, int slot) {
    for (const TransferLine& line : transfers)
        if (line.kind == "SetFeature" && line.bytes.size() == 8 && line.bytes[0] == 0x04 && line.bytes[1] == slot + 1)
            return line.bytes[2];
    return -1;
}

using testsupport::WriteWholeFile;

// The default profile file of a slot, as Option writes it.
void WriteDefaultFile(const std::string& path, int slot) {
    auto record = std::make_unique<ProfileRecord>();
    memset(record.get(), 0, sizeof *record);
    FillDefaults(*record, slot);
    PrivateProfileFiles files;
    WriteProfileFile(*record, files, path);
}

// Each slot file damaged in its own way; the first full write must give every
// slot a left button and a resolution level.
TEST(AgentStart_DamagedSlotFiles, EverySlotKeepsItsLeftButton) {
    ProgramFolder folder;
    REQUIRE_READY(folder);
    const std::string config = folder.Path() + "config\\";
    std::string randomBytes(4096, '\0');
    std::mt19937 random(11);
    for (char& c : randomBytes) c = static_cast<char>(random());
    // Each slot's damage, slot 0 first; every slot still gets the whole
    // default button map. With only ProFileName every integer reads as -1
    // (CpiStep too: the first level is sent, never level 0), every entry
    // takes its default.
    const char* damages[] = {"empty file", "random bytes", "10 MB of zeros", "only ProFileName",
                             "one digit changed in MacroKeyInfo0 of a default file"};
    WriteWholeFile(config + "Default0.gmp", "");
    WriteWholeFile(config + "Default1.gmp", randomBytes);
    WriteWholeFile(config + "Default2.gmp", std::string(10 << 20, '\0'));
    WriteWholeFile(config + "Default3.gmp", "[Setting]\r\nProFileName=Test\r\n");
    const std::string damaged = config + "Default4.gmp";
    WriteDefaultFile(damaged, 4);
    char value[1024] = {};
    GetPrivateProfileStringA("Setting", "MacroKeyInfo0", "", value, sizeof value, damaged.c_str());
    ASSERT_EQ(strlen(value), 922u);
    value[3] = value[3] == '1' ? '0' : '1';  // the function code's low digit
    WritePrivateProfileStringA("Setting", "MacroKeyInfo0", value, damaged.c_str());

    ASSERT_NE(folder.StartAgent(), nullptr);
    ASSERT_TRUE(WaitFor([&] { return folder.Transfers().size() >= kFullWriteTransfers; }));
    ASSERT_TRUE(WaitForQuietLog(folder));
    const auto transfers = folder.Transfers();
    EXPECT_EQ(transfers.size(), kFullWriteTransfers);
    for (int slot = 0; slot < 5; ++slot) {
        SCOPED_TRACE(damages[slot]);
        const std::vector<uint8_t> map = LastButtonMap(transfers, slot);
        ASSERT_EQ(map.size(), 64u);
        EXPECT_EQ(std::vector<uint8_t>(map.begin(), map.begin() + 4), kLeftButtonEntry);
        EXPECT_EQ(map, kDefaultButtonMap);
        EXPECT_EQ(LevelByte(transfers, slot), 1);  // the first level
    }
}

// A block from another program whose slot 2 has the right button on
// positions 0 and 1: the mouse gets the left button on position 0, and the
// agent says so on the debugger output.
TEST(AgentApply_ProfileWithoutLeftButton, WritesTheLeftButtonAndSaysSo) {
    ProgramFolder folder;
    REQUIRE_READY(folder);
    ASSERT_NE(folder.StartAgent(), nullptr);
    HWND agentWindow = folder.WaitForAgentWindow();
    ASSERT_NE(agentWindow, nullptr);
    ASSERT_TRUE(WaitFor([&] { return folder.Transfers().size() >= kFullWriteTransfers; }));
    ASSERT_TRUE(WaitForQuietLog(folder));

    DebugOutputCapture debug(GetProcessId(folder.AgentProcess()));
    ASSERT_TRUE(debug.WaitUntilAttached());
    auto block = agenttest::DefaultProfileSet();
    block->Profiles[2].MacroKeyInfo[0].FunctionCode = 2;
    block->ButtonChanged[2][0] = 1;
    ASSERT_TRUE(WriteSharedBlock(*block));
    const size_t before = folder.Transfers().size();
    SendMessageA(agentWindow, kMsgApply, 0, 0);

    // Opening, the slot's button map report (three transfers), select.
    ASSERT_TRUE(WaitFor([&] { return folder.Transfers().size() >= before + 5; }));
    const auto transfers = folder.Transfers();
    EXPECT_EQ(LastButtonMap(transfers, 2), kDefaultButtonMap);
    EXPECT_TRUE(WaitFor([&] {
        return debug.Holds("Profile 3 has no left button: button 1 written as the left button\n");
    }));
}

}  // namespace
