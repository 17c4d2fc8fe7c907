// The macro file as the Windows INI functions write it, byte for byte, and
// safe saves on the real file system.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "option/macros/MacroList.h"
#include "option/macros/win32/WindowsIniFileStore.h"
#include "testing/TempFolder.h"

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

MacroRecord MakeAb() {
    MacroRecord record{};
    SetMacroName(record, "Ab");
    record.RepeatCount = 3;
    record.EventCount = 2;
    record.Events[0] = MacroEvent{4, 1, 20};
    record.Events[1] = MacroEvent{4, 2, 0};
    return record;
}

// 0x41 + 0x62 + 3 + 2 + 4 + 1 + 0x14 + 4 + 2 = 0xC7.
const std::string kAbValue = "4162" + std::string(100, '0') + "03000000" "02000000" "04011400" "04020000" +
                             std::string(304, '0') + "C7";

class WindowsMacroFileTest : public ::testing::Test {
protected:
    void SetUp() override { CreateDirectoryA((m_folder.Path() + "config").c_str(), nullptr); }
    std::string MacroFile() const { return m_folder.Path() + "config\\sequence.dat"; }

    testsupport::TempFolder m_folder{"macros"};
    WindowsIniFileStore m_store;
};

TEST_F(WindowsMacroFileTest, Save_WritesTheExpectedBytes) {
    MacroList list(m_store, m_folder.Path());
    list.Append(MakeAb());
    ASSERT_TRUE(list.Save());
    EXPECT_EQ(ReadBytes(MacroFile()), "[Macros]\r\nnumber=1\r\n0=" + kAbValue + "\r\n");
    EXPECT_EQ(GetFileAttributesA((MacroFile() + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);

    // A second save replaces the file whole and the list reads back.
    list.Append(MakeAb());
    SetMacroName(list.At(1), "x");
    ASSERT_TRUE(list.Save());
    MacroList again(m_store, m_folder.Path());
    again.Load();
    ASSERT_EQ(again.Count(), 2u);
    EXPECT_EQ(MacroName(again.At(1)), "x");
    EXPECT_EQ(memcmp(&again.At(0), &list.At(0), sizeof(MacroRecord)), 0);
}

TEST_F(WindowsMacroFileTest, FailedSave_LeavesTheOldFile) {
    MacroList list(m_store, m_folder.Path());
    list.Append(MakeAb());
    ASSERT_TRUE(list.Save());
    const std::string before = ReadBytes(MacroFile());
    // A folder in the temporary file's place: the new file cannot be written.
    ASSERT_TRUE(CreateDirectoryA((MacroFile() + ".tmp").c_str(), nullptr));
    list.Clear();
    EXPECT_FALSE(list.Save());
    EXPECT_EQ(ReadBytes(MacroFile()), before);
    RemoveDirectoryA((MacroFile() + ".tmp").c_str());
}

TEST_F(WindowsMacroFileTest, ExportThenImport_RenamesTheCopy) {
    MacroList list(m_store, m_folder.Path());
    list.Append(MakeAb());
    const std::string exported = m_folder.Path() + "ab.macro";
    {
        std::ofstream old(exported, std::ios::binary);
        old << "[Stale]\r\nkey=1\r\n";
    }
    ASSERT_TRUE(list.Export(0, exported));
    EXPECT_EQ(ReadBytes(exported), "[Macros]\r\n0=" + kAbValue + "\r\n");
    EXPECT_EQ(list.Import(exported), 1);
    EXPECT_EQ(list.Import(exported), 2);
    EXPECT_EQ(MacroName(list.At(1)), "Ab1");
    EXPECT_EQ(MacroName(list.At(2)), "Ab2");
    EXPECT_EQ(list.Import(m_folder.Path() + "missing.macro"), -1);
}

}  // namespace
