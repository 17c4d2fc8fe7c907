// Option.exe started on damaged files of every kind it reads (settings,
// slot profiles, the macro file, skin files and images) and importing
// damaged profile files: it starts, answers, and never leaves a bad file in
// place of a good one. One test per kind of file, a row per damage.
#include <gtest/gtest.h>

#include "HostileOptionSupport.h"
#include "option/macros/MacroList.h"
#include "option/macros/win32/WindowsIniFileStore.h"
#include "profile/ProfileFile.h"
#include "profile/SettingsBlock.h"
#include "profile/win32/PrivateProfileAccessor.h"
#include "testing/DamagedFiles.h"

#include <cstdint>
#include <memory>

namespace {

using optiontest::ApplyAndWaitForWholeFiles;
using optiontest::kNoValue;
using optiontest::OptionFolder;
using optiontest::WriteTime;
using optiontest::WaitFor;
using testsupport::Damage;

constexpr DWORD kAnswerMs = 30000;
constexpr int kGoodMacroCount = 3;
constexpr int kManagerImportKey = 12;

// Every damage a file can come with.
const Damage kEveryDamage[] = {Damage::Missing, Damage::Empty,   Damage::Truncated,       Damage::RandomBytes,
                               Damage::Zeros,   Damage::Binary,  Damage::OneDigitChanged, Damage::LongLine,
                               Damage::WideText, Damage::Directory};

// The default profiles of the five slots as files, their bytes returned.
std::vector<std::string> WriteGoodSlotFiles(const OptionFolder& folder) {
    auto block = std::make_unique<SettingsBlock>();
    ClearBlock(*block);
    ResetProfileSet(*block);
    PrivateProfileFiles files;
    std::vector<std::string> written;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        WriteProfileFile(block->Profiles[slot], files, SlotFile(folder, slot));
        written.push_back(testsupport::ReadWholeFile(SlotFile(folder, slot)));
    }
    return written;
}

// Macros "Macro 0".."Macro 2", one key press each, saved as the macro file.
bool SaveGoodMacros(MacroList& list) {
    for (int i = 0; i < kGoodMacroCount; ++i) {
        MacroRecord record{};
        SetMacroName(record, "Macro " + std::to_string(i));
        record.EventCount = 1;
        record.Events[0] = {0x04, kMacroActionPress, 10};
        list.Append(record);
    }
    return list.Save();
}

bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerMs, &result) != 0;
}

// Started, visible and answering; the main window or null.
HWND StartAndAnswer(OptionFolder& folder) {
    HWND option = folder.StartOption();
    const bool runs = option && WaitForSingleObject(folder.OptionProcess(), 0) == WAIT_TIMEOUT;
    return runs && Answers(option) ? option : nullptr;
}

TEST(OptionDamagedFiles_SettingsFile, StartsAndSavesWholeFiles) {
    for (Damage damage : kEveryDamage) {
        SCOPED_TRACE(testsupport::DamageName(damage));
        OptionFolder folder;
        REQUIRE_READY(folder);
        const std::string settings = folder.Path() + "config.ini";
        const std::string good = "[Setting]\r\nCurrentProfile=2\r\nMouseType=1\r\nFWVersion=104\r\n[OSDSetting]\r\nconfig=" +
                                 std::string(698, 'F') + "\r\n";
        ASSERT_TRUE(testsupport::WriteDamagedFile(settings, good, damage));
        HWND option = StartAndAnswer(folder);
        ASSERT_NE(option, nullptr);
        // Settings files are read, never the reason for a lost profile.
        EXPECT_TRUE(ApplyAndWaitForWholeFiles(folder, option));
    }
}

TEST(OptionDamagedFiles_SlotFiles, StartsAndReplacesOnlyTheDamagedOnesOnApply) {
    const Damage runs[][kSlotCount] = {
        {Damage::Empty, Damage::RandomBytes, Damage::Zeros, Damage::OneDigitChanged, Damage::Truncated},
        {Damage::Binary, Damage::Directory, Damage::LongLine, Damage::WideText, Damage::Missing},
    };
    for (const auto& run : runs) {
        OptionFolder folder;
        REQUIRE_READY(folder);
        const std::vector<std::string> good = WriteGoodSlotFiles(folder);
        for (int slot = 0; slot < kSlotCount; ++slot)
            ASSERT_TRUE(testsupport::WriteDamagedFile(SlotFile(folder, slot), good[slot], run[slot]));
        HWND option = StartAndAnswer(folder);
        ASSERT_NE(option, nullptr);
        // A folder where a slot file belongs cannot be replaced: the other
        // four are saved whole all the same.
        int folderSlot = -1;
        for (int slot = 0; slot < kSlotCount; ++slot)
            if (run[slot] == Damage::Directory) folderSlot = slot;
        EXPECT_TRUE(ApplyAndWaitForWholeFiles(folder, option, folderSlot));
        EXPECT_NE(WaitForSingleObject(folder.OptionProcess(), 0), static_cast<DWORD>(WAIT_OBJECT_0));
    }
}

TEST(OptionDamagedFiles_MacroFile, StartsAndKeepsEveryReadableMacro) {
    struct Row {
        Damage damage;
        int kept;  // readable macros in the file after the start; -1: any
    };
    const Row rows[] = {
        {Damage::Missing, 0},         {Damage::Empty, 0},
        {Damage::Truncated, -1},      {Damage::RandomBytes, 0},
        {Damage::Zeros, 0},           {Damage::Binary, -1},
        {Damage::OneDigitChanged, 2},  // only the first macro fails its checksum
        {Damage::LongLine, 0},        {Damage::WideText, kGoodMacroCount},
        {Damage::Directory, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testsupport::DamageName(row.damage));
        OptionFolder folder;
        REQUIRE_READY(folder);
        WindowsIniFileStore store;
        MacroList list(store, folder.Path());
        ASSERT_TRUE(SaveGoodMacros(list));
        const std::string path = list.FilePath();
        ASSERT_TRUE(testsupport::WriteDamagedFile(path, testsupport::ReadWholeFile(path), row.damage));
        HWND option = StartAndAnswer(folder);
        ASSERT_NE(option, nullptr);
        // Apply saves the list: what could be read is kept.
        EXPECT_TRUE(ApplyAndWaitForWholeFiles(folder, option));
        MacroList reread(store, folder.Path());
        reread.Load();
        if (row.kept >= 0) {
            EXPECT_EQ(reread.Count(), static_cast<size_t>(row.kept));
        }
    }
}

TEST(OptionDamagedFiles_SkinFiles, StartsAndAnswersWithoutThePicture) {
    struct Row {
        const char* file;
        Damage damage;
    };
    const Row rows[] = {
        {"main_normal.bmp", Damage::Missing},     {"main_normal.bmp", Damage::Empty},
        {"main_normal.bmp", Damage::Truncated},   {"main_normal.bmp", Damage::RandomBytes},
        {"main_normal.bmp", Damage::Zeros},       {"main_normal.bmp", Damage::Directory},
        {"main_mask.bmp", Damage::Missing},       {"main_mask.bmp", Damage::Truncated},
        {"main_mask.bmp", Damage::RandomBytes},   {"main_over.bmp", Damage::Empty},
        {"skin_main.ini", Damage::Missing},       {"skin_main.ini", Damage::Empty},
        {"skin_main.ini", Damage::Truncated},     {"skin_main.ini", Damage::RandomBytes},
        {"skin_main.ini", Damage::Zeros},         {"skin_main.ini", Damage::LongLine},
        {"skin_main.ini", Damage::Binary},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.file) + ", " + testsupport::DamageName(row.damage));
        OptionFolder folder;
        REQUIRE_READY(folder);
        const std::string path = folder.Path() + "skins\\" + row.file;
        ASSERT_TRUE(testsupport::WriteDamagedFile(path, testsupport::ReadWholeFile(path), row.damage));
        EXPECT_NE(StartAndAnswer(folder), nullptr);
    }
}

// A picture of the wrong size in place of the main image.
TEST(OptionDamagedFiles_SkinFiles, WrongSizedPictureStillShowsTheWindow) {
    OptionFolder folder;
    REQUIRE_READY(folder);
    const std::string picture = folder.Path() + "skins\\main_normal.bmp";
    // Another image of the skin, cut to a valid header with a tenth of its rows.
    std::string small = testsupport::ReadWholeFile(folder.Path() + "skins\\main_mask.bmp");
    ASSERT_GT(small.size(), 54u);
    const int32_t rows = 10;
    small.replace(22, 4, reinterpret_cast<const char*>(&rows), 4);
    ASSERT_TRUE(testsupport::WriteWholeFile(picture, small));
    EXPECT_NE(StartAndAnswer(folder), nullptr);
}

TEST(OptionDamagedFiles_ProfileImport, RefusedOrTakenWholeNeverCut) {
    enum class Outcome { Refused, Taken, Either };
    struct Row {
        Damage damage;
        Outcome outcome;  // taken: the slot's file is replaced and saved whole
    };
    const Row rows[] = {
        {Damage::Empty, Outcome::Refused},
        {Damage::Truncated, Outcome::Taken},        // the keys before the cut
        {Damage::RandomBytes, Outcome::Refused},
        {Damage::Zeros, Outcome::Refused},
        {Damage::Binary, Outcome::Either},          // the section line itself is hit
        {Damage::OneDigitChanged, Outcome::Taken},  // one button entry unreadable
        {Damage::LongLine, Outcome::Taken},         // only ProFileName, 1 MB of it
        {Damage::WideText, Outcome::Taken},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testsupport::DamageName(row.damage));
        OptionFolder folder;
        REQUIRE_READY(folder);
        const std::vector<std::string> good = WriteGoodSlotFiles(folder);
        const std::string chosen = folder.Path() + "chosen.gmp";
        ASSERT_TRUE(testsupport::WriteDamagedFile(chosen, good[1], row.damage));
        HWND option = StartAndAnswer(folder);
        ASSERT_NE(option, nullptr);
        ASSERT_TRUE(folder.Click(option, kMainSkin, kFirstSlotKey + 2));
        const std::string target = SlotFile(folder, 2);
        const uint64_t before = WriteTime(target);
        ASSERT_TRUE(folder.Click(option, kMainSkin, kImportKey));
        HWND fileDialog = folder.EnterInFileDialog(option, chosen);
        ASSERT_NE(fileDialog, nullptr);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(fileDialog); }));
        ASSERT_TRUE(Answers(option));
        // A refused file is told in a warning, which the user closes; a taken
        // one is applied at once: the slot's file is then a whole profile
        // written by Option, not the damaged copy.
        HWND warning = nullptr;
        EXPECT_TRUE(WaitFor([&] {
            warning = folder.WaitForDialog(option, 0);
            return warning || WriteTime(target) != before;
        }));
        if (row.outcome != Outcome::Either) {
            EXPECT_EQ(warning != nullptr, row.outcome == Outcome::Refused);
        }
        if (warning) {
            EXPECT_EQ(testsupport::ReadWholeFile(target), good[2]);
            ASSERT_TRUE(folder.Click(warning, kImportFailedSkin, kWarningOkKey));
            EXPECT_TRUE(WaitFor([&] { return !IsWindow(warning); }));
        }
        EXPECT_TRUE(WaitFor([&] { return folder.ControlEnabled(option, kMainSkin, kApplyKey); }));
        EXPECT_NE(ProfileValue(target, "ProFileName", kNoValue), kNoValue);
        EXPECT_NE(FindWindowA(nullptr, kOptionTitle), nullptr);
        EXPECT_EQ(GetFileAttributesA((target + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    }
}

// A damaged exported macro chosen through the macro page's Import button:
// refused (the list and, after OK, the macro file hold the three macros) or
// taken whole under a new name; the chosen file is never written.
TEST(OptionDamagedFiles_MacroImport, RefusedOrTakenWholeChosenFileUntouched) {
    struct Row {
        Damage damage;
        bool taken;
    };
    const Row rows[] = {
        {Damage::Empty, false},    {Damage::Truncated, false}, {Damage::RandomBytes, false},
        {Damage::Zeros, false},    {Damage::Binary, false},    {Damage::OneDigitChanged, false},
        {Damage::LongLine, false}, {Damage::WideText, true},   {Damage::Directory, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testsupport::DamageName(row.damage));
        OptionFolder folder;
        REQUIRE_READY(folder);
        WindowsIniFileStore store;
        MacroList list(store, folder.Path());
        ASSERT_TRUE(SaveGoodMacros(list));
        const std::string chosen = folder.Path() + "chosen.macro";
        ASSERT_TRUE(list.Export(0, chosen));
        ASSERT_TRUE(testsupport::WriteDamagedFile(chosen, testsupport::ReadWholeFile(chosen), row.damage));
        const std::string chosenBytes = testsupport::ReadWholeFile(chosen);

        HWND option = StartAndAnswer(folder);
        ASSERT_NE(option, nullptr);
        ASSERT_TRUE(folder.Click(option, kMainSkin, kMacroTabKey));
        HWND manager = OptionFolder::WaitForShownChild(option, kManagerTitle);
        ASSERT_NE(manager, nullptr);
        HWND names = GetDlgItem(manager, kMacroNameListId);
        ASSERT_EQ(SendMessageA(names, LB_GETCOUNT, 0, 0), kGoodMacroCount);
        ASSERT_TRUE(folder.Click(manager, kManagerSkin, kManagerImportKey));
        HWND fileDialog = folder.EnterInFileDialog(option, chosen);
        ASSERT_NE(fileDialog, nullptr);
        // A folder name opens the folder in the dialog instead: cancel it.
        if (row.damage == Damage::Directory && !WaitFor([&] { return !IsWindow(fileDialog); }, 2000))
            testsupport::PressKey(VK_ESCAPE);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(fileDialog); }));
        ASSERT_TRUE(Answers(option));
        const int expected = kGoodMacroCount + (row.taken ? 1 : 0);
        EXPECT_EQ(SendMessageA(names, LB_GETCOUNT, 0, 0), expected);

        // OK writes the list: every macro in it readable, the good ones first.
        const uint64_t before = WriteTime(list.FilePath());
        ASSERT_TRUE(folder.ClickUntil(manager, kManagerSkin, kManagerOkKey,
                                      [&] { return WriteTime(list.FilePath()) != before; }));
        MacroList reread(store, folder.Path());
        reread.Load();
        ASSERT_EQ(reread.Count(), static_cast<size_t>(expected));
        for (int i = 0; i < kGoodMacroCount; ++i) {
            EXPECT_EQ(MacroName(reread.At(i)), "Macro " + std::to_string(i));
        }
        // The name was taken: the import is renamed with a number.
        if (row.taken) {
            EXPECT_EQ(MacroName(reread.At(kGoodMacroCount)), "Macro 01");
        }
        EXPECT_EQ(testsupport::ReadWholeFile(chosen), chosenBytes);
    }
}

}  // namespace
