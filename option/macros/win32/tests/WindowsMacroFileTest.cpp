// The macro file as the Windows INI functions write it, byte for byte, and
// safe saves on the real file system.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "option/macros/MacroList.h"
#include "option/macros/tests/MacroTestSupport.h"
#include "option/macros/win32/WindowsIniFileStore.h"
#include "testing/DamagedFiles.h"
#include "testing/TempFolder.h"

namespace {

// 0x41 + 0x62 + 3 + 2 + 4 + 1 + 0x14 + 4 + 2 = 0xC7.
const MacroRecord kAb = MakeMacro("Ab", 3, {{4, 1, 20}, {4, 2, 0}});
const std::string kAbValue = "4162" + std::string(100, '0') + "03000000" "02000000" "04011400" "04020000" +
                             std::string(304, '0') + "C7";

// A list holding "Ab" in a program folder of its own.
class WindowsMacroFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryA((m_folder.Path() + "config").c_str(), nullptr);
        m_list.Append(kAb);
    }
    std::string MacroFile() const { return m_folder.Path() + "config\\sequence.dat"; }

    testsupport::TempFolder m_folder{"macros"};
    WindowsIniFileStore m_store;
    MacroList m_list{m_store, m_folder.Path()};
};

TEST_F(WindowsMacroFileTest, Save_WritesTheExpectedBytes) {
    ASSERT_TRUE(m_list.Save());
    EXPECT_EQ(testsupport::ReadWholeFile(MacroFile()), "[Macros]\r\nnumber=1\r\n0=" + kAbValue + "\r\n");
    EXPECT_EQ(GetFileAttributesA((MacroFile() + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);

    // A second save replaces the file whole and the list reads back.
    m_list.Append(kAb);
    SetMacroName(m_list.At(1), "x");
    ASSERT_TRUE(m_list.Save());
    MacroList again(m_store, m_folder.Path());
    again.Load();
    ASSERT_EQ(again.Count(), 2u);
    EXPECT_EQ(MacroName(again.At(1)), "x");
    EXPECT_EQ(memcmp(&again.At(0), &m_list.At(0), sizeof(MacroRecord)), 0);
}

TEST_F(WindowsMacroFileTest, FailedSave_LeavesTheOldFile) {
    ASSERT_TRUE(m_list.Save());
    const std::string before = testsupport::ReadWholeFile(MacroFile());
    // A folder in the temporary file's place: the new file cannot be written.
    ASSERT_TRUE(CreateDirectoryA((MacroFile() + ".tmp").c_str(), nullptr));
    m_list.Clear();
    EXPECT_FALSE(m_list.Save());
    EXPECT_EQ(testsupport::ReadWholeFile(MacroFile()), before);
    RemoveDirectoryA((MacroFile() + ".tmp").c_str());
}

// Another program reads the file as it is replaced: the save waits for the
// reader to let go; a reader that keeps it open fails the save, old file kept.
TEST_F(WindowsMacroFileTest, SaveWhileAReaderHoldsTheFile_WaitsForItOrFailsWhole) {
    ASSERT_TRUE(m_list.Save());
    const std::string before = testsupport::ReadWholeFile(MacroFile());
    auto openReader = [&] {
        return CreateFileA(MacroFile().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    };
    HANDLE reader = openReader();
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    m_list.Clear();
    EXPECT_FALSE(m_list.Save());
    EXPECT_EQ(testsupport::ReadWholeFile(MacroFile()), before);
    CloseHandle(reader);

    std::thread closer([reader = openReader()] { Sleep(100); CloseHandle(reader); });
    EXPECT_TRUE(m_list.Save());
    EXPECT_EQ(testsupport::ReadWholeFile(MacroFile()), "[Macros]\r\nnumber=0\r\n");
    closer.join();
}

TEST_F(WindowsMacroFileTest, ExportThenImport_RenamesTheCopy) {
    const std::string exported = m_folder.Path() + "ab.macro";
    ASSERT_TRUE(testsupport::WriteWholeFile(exported, "[Stale]\r\nkey=1\r\n"));
    ASSERT_TRUE(m_list.Export(0, exported));
    EXPECT_EQ(testsupport::ReadWholeFile(exported), "[Macros]\r\n0=" + kAbValue + "\r\n");
    EXPECT_EQ(m_list.Import(exported), 1);
    EXPECT_EQ(m_list.Import(exported), 2);
    EXPECT_EQ(MacroName(m_list.At(1)), "Ab1");
    EXPECT_EQ(MacroName(m_list.At(2)), "Ab2");
    EXPECT_EQ(m_list.Import(m_folder.Path() + "missing.macro"), -1);
}

}  // namespace
