// Option.exe without an agent loads damaged slot profile files itself; what
// it loaded shows in the files that OK writes back.
#include <random>

#include "OptionProgramFixture.h"
#include "testing/DamagedFiles.h"

namespace {

using testsupport::WriteWholeFile;
using OptionProgram = OptionProgramFixture;

TEST_F(OptionProgram, DamagedSlotFiles_LoadsDefaultsWhereTheFilesFail) {
    const std::string config = m_folder.Path() + "config\\";
    std::string randomBytes(4096, '\0');
    std::mt19937 random(13);
    for (char& c : randomBytes) c = static_cast<char>(random());
    WriteWholeFile(config + "Default0.gmp", "");
    WriteWholeFile(config + "Default1.gmp", randomBytes);
    WriteWholeFile(config + "Default2.gmp", std::string(10 << 20, '\0'));
    WriteWholeFile(config + "Default3.gmp", "[Setting]\r\nProFileName=Test\r\n");
    // A default entry 0 (index 0, left button) with one digit of its
    // function code changed: "0001" became "0000".
    std::string entry = "0001" + std::string(916, '0') + "01";
    entry[3] = '0';
    WriteWholeFile(config + "Default4.gmp", "[Setting]\r\nProFileName=Five\r\nMacroKeyInfo0=" + entry +
                                            "\r\nMacroKeyInfo1=" + std::string(920, '0') + "00\r\n");

    ASSERT_TRUE(StartOption());
    ASSERT_TRUE(ClickMain(kOkKey));
    ASSERT_TRUE(m_folder.WaitForOptionEnd());

    struct Row {
        const char* what;
        const char* name;       // ProFileName written back
        int dbleClickSpeed;     // an integer field written back
        int button1Function;    // function code of entry 1 written back
    } rows[] = {
        {"empty file: slot 1's default profile", "Default1", 550, 2},
        {"random bytes: slot 2's default profile", "Default2", 550, 2},
        {"10 MB of zeros: slot 3's default profile", "Default3", 550, 2},
        {"only ProFileName: integers -1, default entries", "Test", -1, 2},
        // Entry 1 was readable (all zero): kept as stored.
        {"changed digit in MacroKeyInfo0", "Five", -1, 0},
    };
    for (int slot = 0; slot < 5; ++slot) {
        const Row& row = rows[slot];
        SCOPED_TRACE(row.what);
        const std::string file = SlotFile(m_folder, slot);
        EXPECT_EQ(ProfileValue(file, "ProFileName"), row.name);
        EXPECT_EQ(static_cast<int>(GetPrivateProfileIntA("Setting", "DbleClickSpeed", 0, file.c_str())),
                  row.dbleClickSpeed);
        ButtonAssignmentEntry entries[2] = {};
        ASSERT_TRUE(GetPrivateProfileStructA("Setting", "MacroKeyInfo0", &entries[0], sizeof entries[0], file.c_str()));
        ASSERT_TRUE(GetPrivateProfileStructA("Setting", "MacroKeyInfo1", &entries[1], sizeof entries[1], file.c_str()));
        EXPECT_EQ(entries[0].ButtonIndex, 0);
        EXPECT_EQ(entries[0].FunctionCode, 1);  // the left button
        EXPECT_EQ(entries[1].FunctionCode, row.button1Function);
    }
}

}  // namespace
