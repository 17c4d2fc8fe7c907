// ProfileTool.exe as a user runs it: default files written into a program
// folder, printed and checked.
#include "profile/ProfileFile.h"
#include "profile/SettingsBlock.h"
#include "profile/win32/PrivateProfileAccessor.h"
#include "testing/DistFolder.h"
#include "testing/ProgramRun.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

namespace {

using testsupport::ProgramResult;
using testsupport::TempFolder;

ProgramResult RunTool(const std::string& arguments) {
    return testsupport::RunProgram("\"" + testsupport::DistFolder() + "ProfileTool.exe\" " + arguments);
}

std::vector<std::string> KeysOfFile(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> keys;
    std::string line;
    while (std::getline(in, line)) {
        size_t equals = line.find('=');
        if (equals != std::string::npos) keys.push_back(line.substr(0, equals));
    }
    return keys;
}

TEST(ProfileTool_Defaults, WritesFiveFilesThatReadBackAsDefaults) {
    TempFolder folder;
    ProgramResult run = RunTool("defaults \"" + folder.Path() + "Mouse\"");
    ASSERT_EQ(run.exitCode, 0u) << run.output;

    auto defaults = std::make_unique<SettingsBlock>();
    ClearBlock(*defaults);
    ResetProfileSet(*defaults);
    PrivateProfileFiles files;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        std::string path = SlotProfilePath(folder.Path() + "Mouse\\", slot);
        ASSERT_TRUE(files.FileExists(path)) << path;
        auto read = std::make_unique<ProfileRecord>();
        memset(read.get(), 0, sizeof *read);
        ReadProfileFile(*read, files, path);
        ProfileRecord& expected = defaults->Profiles[slot];
        // The byte fields come back as the low bytes of ColorOptions[1] and [2].
        expected.ColorOptions1 = static_cast<uint8_t>(expected.ColorOptions[1]);
        expected.ColorOptions2 = static_cast<uint8_t>(expected.ColorOptions[2]);
        EXPECT_EQ(memcmp(read.get(), &expected, sizeof expected), 0) << "slot " << slot;

        // A new file lists the keys in the writer's order, each once.
        std::vector<std::string> expectedKeys;
        for (const ProfileField& field : ProfileFieldsInWriteOrder())
            if (std::find(expectedKeys.begin(), expectedKeys.end(), field.key) == expectedKeys.end())
                expectedKeys.push_back(field.key);
        EXPECT_EQ(KeysOfFile(path), expectedKeys) << "slot " << slot;

        // Values as the file holds them, written out: 111 keys (ColorOptions1
        // and 2 name a byte field and an array element at once).
        EXPECT_EQ(KeysOfFile(path).size(), 111u);
        struct Row {
            const char* key;
            std::string text;
        } rows[] = {
            {"ProFileName", "Default" + std::to_string(slot + 1)},
            {"DbleClickSpeed", "550"},
            {"CpiLevel_X4", "12"},
            {"ColorOptions2", "3"},        // the array element wins over the byte field's 1
            {"DPIColor0", "255"},          // 0x0000FF
            {"ClQiSeColor6", "16777215"},  // 0xFFFFFF
            {"ProfileSwitchIndictor", "1"},
            // Index 0, left button, zeros; checksum 01.
            {"MacroKeyInfo0", "0001" + std::string(916, '0') + "01"},
            // Index 6, function 86 (0x56); checksum 0x5C.
            {"MacroKeyInfo6", "0656" + std::string(916, '0') + "5C"},
            // Index 15, wheel down (10); checksum 0x19.
            {"MacroKeyInfo15", "0F0A" + std::string(916, '0') + "19"},
        };
        for (const Row& row : rows) {
            char value[1024] = {};
            GetPrivateProfileStringA("Setting", row.key, "", value, sizeof value, path.c_str());
            EXPECT_EQ(std::string(value), row.text) << row.key << ", slot " << slot;
        }
    }
}

TEST(ProfileTool_CheckAndPrint, ReportSoundAndDamagedFiles) {
    TempFolder folder;
    // No trailing backslash before the closing quote: it would escape it.
    ASSERT_EQ(RunTool("defaults \"" + folder.Path() + "Mouse\"").exitCode, 0u);
    std::string good = SlotProfilePath(folder.Path() + "Mouse\\", 1);
    std::string bad = SlotProfilePath(folder.Path() + "Mouse\\", 2);

    ProgramResult check = RunTool("check \"" + good + "\"");
    EXPECT_EQ(check.exitCode, 0u) << check.output;

    PrivateProfileAccessor(bad).PutString("Setting", "PollingRate", "9");
    check = RunTool("check \"" + good + "\" \"" + bad + "\"");
    EXPECT_EQ(check.exitCode, 1u);
    EXPECT_NE(check.output.find("PollingRate: 9 is outside 0..3"), std::string::npos) << check.output;

    ProgramResult print = RunTool("print \"" + good + "\"");
    EXPECT_EQ(print.exitCode, 0u);
    EXPECT_NE(print.output.find("ProFileName = \"Default2\""), std::string::npos) << print.output;
    EXPECT_NE(print.output.find("Button 15: code 10 (wheel down)"), std::string::npos) << print.output;

    EXPECT_NE(RunTool("print \"" + folder.Path() + "none.gmp\"").exitCode, 0u);
    EXPECT_EQ(RunTool("unknown x").exitCode, 2u);
}

}  // namespace
