#include "tools/profiletool/ProfileReview.h"

#include "profile/MemoryIniFiles.h"
#include "profile/ProfileFile.h"
#include "profile/SettingsBlock.h"
#include "profile/tests/ProfileTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const char kPath[] = "C:\\p\\config\\Default0.gmp";

void WriteDefaults(MemoryIniFiles& files) { WriteProfileFile(*DefaultRecord(0), files, kPath); }

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

ButtonAssignmentEntry DefaultEntry(int b) { return DefaultRecord(0)->MacroKeyInfo[b]; }

void PutEntry(MemoryIniFiles& files, const char* key, const ButtonAssignmentEntry& entry) {
    files.Open(kPath)->PutStruct("Setting", key, &entry, sizeof entry);
}

TEST(CheckProfileFile_Defaults, FindNothing) {
    MemoryIniFiles files;
    WriteDefaults(files);
    EXPECT_EQ(Joined(CheckProfileFile(files, kPath)), "");
}

TEST(CheckProfileFile_Problems, AreReported) {
    struct Row {
        const char* name;
        std::function<void(MemoryIniFiles&)> damage;
        const char* expected;
    } rows[] = {
        {"no file", [](MemoryIniFiles&) {}, "cannot open"},
        {"level above 12", [](MemoryIniFiles& f) { WriteDefaults(f); f.SetValue(kPath, "Setting", "CpiLevel_X2", "13"); },
         "CpiLevel_X2: 13 is outside 1..12"},
        {"colour index 8", [](MemoryIniFiles& f) { WriteDefaults(f); f.SetValue(kPath, "Setting", "ColorOptions5", "8"); },
         "ColorOptions5: 8 is outside 0..7"},
        {"negative report rate", [](MemoryIniFiles& f) { WriteDefaults(f); f.SetValue(kPath, "Setting", "PollingRate", "-1"); },
         "PollingRate: -1 is outside 0..3"},
        {"one hex digit changed", [](MemoryIniFiles& f) {
             WriteDefaults(f);
             std::string value;
             f.GetValue(kPath, "Setting", "MacroKeyInfo3", value);
             value[6] = value[6] == '0' ? '1' : '0';
             f.SetValue(kPath, "Setting", "MacroKeyInfo3", value); },
         "MacroKeyInfo3: damaged value"},
        {"entry of another button", [](MemoryIniFiles& f) { WriteDefaults(f); PutEntry(f, "MacroKeyInfo2", DefaultEntry(5)); },
         "MacroKeyInfo2: names button 5"},
        {"unknown function code", [](MemoryIniFiles& f) {
             WriteDefaults(f);
             auto entry = DefaultEntry(7);
             entry.FunctionCode = 99;
             PutEntry(f, "MacroKeyInfo7", entry); },
         "MacroKeyInfo7: unknown function code 99"},
        {"macro of 41 events", [](MemoryIniFiles& f) {
             WriteDefaults(f);
             auto entry = DefaultEntry(8);
             entry.FunctionCode = 16;
             entry.ItemCount = 41;
             PutEntry(f, "MacroKeyInfo8", entry); },
         "MacroKeyInfo8: 41 macro events"},
        {"unterminated program path", [](MemoryIniFiles& f) {
             WriteDefaults(f);
             auto entry = DefaultEntry(9);
             memset(entry.ProgramPath, 'p', sizeof entry.ProgramPath);
             PutEntry(f, "MacroKeyInfo9", entry); },
         "MacroKeyInfo9: program path not terminated"},
        {"name too long", [](MemoryIniFiles& f) { WriteDefaults(f); f.SetValue(kPath, "Setting", "ProFileName", std::string(300, 'n')); },
         "ProFileName: text of 300 characters"},
    };
    for (const Row& row : rows) {
        MemoryIniFiles files;
        row.damage(files);
        std::string report = Joined(CheckProfileFile(files, kPath));
        EXPECT_NE(report.find(row.expected), std::string::npos) << row.name << "\n" << report;
    }
}

TEST(CheckProfileFile_MissingKey, IsReported) {
    MemoryIniFiles files;
    files.SetValue(kPath, "Setting", "ProFileName", "Test");
    std::string report = Joined(CheckProfileFile(files, kPath));
    EXPECT_NE(report.find("GameFile: missing"), std::string::npos);
    EXPECT_NE(report.find("MacroKeyInfo15: missing"), std::string::npos);
    EXPECT_EQ(report.find("ProFileName: missing"), std::string::npos);
}

TEST(DescribeProfile_Defaults, ListsFieldsAndButtons) {
    auto defaults = DefaultRecord(1);
    ProfileRecord& record = *defaults;
    record.MacroKeyInfo[9].FunctionCode = 16;
    strcpy(record.MacroKeyInfo[9].Name, "Reload");
    record.MacroKeyInfo[9].RepeatCount = 2;
    record.MacroKeyInfo[9].ItemCount = 2;
    const uint8_t events[] = {0x15, 1, 50, 0, 0x15, 2, 0x2C, 0x01};
    memcpy(record.MacroKeyInfo[9].Data, events, sizeof events);
    record.MacroKeyInfo[10].FunctionCode = 17;
    strcpy(record.MacroKeyInfo[10].ProgramPath, "C:\\Games\\game.exe");
    std::string text = DescribeProfile(record);
    for (const char* expected : {
             "ProFileName = \"Default2\"\n",
             "DbleClickSpeed = 550\n",
             "DPIColor0 = 0x0000FF\n",
             "ColorOptions1 (byte field) = 1\n",
             "ColorOptions1 = 1\n",
             "Button  6: code 86 (device function 11)\n",
             "Button 14: code 9 (wheel up)\n",
             "Button  9: code 16 (macro): \"Reload\", repeat 2, option 0, 2 events: key 21 down 50 ms, key 21 up 300 ms\n",
             "Button 10: code 17 (launch program): \"C:\\Games\\game.exe\"\n",
         })
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
}

}  // namespace
