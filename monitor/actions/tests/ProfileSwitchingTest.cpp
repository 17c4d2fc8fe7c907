// Per-application switching by the foreground program, and the launcher.
#include "EngineFakes.h"

#include <gtest/gtest.h>

namespace {

using namespace enginetest;

constexpr WindowId kOption = 100;
constexpr WindowId kDisplay = 101;
constexpr uint32_t kGameProcess = 4242;

TEST(MatchingSlot_GameFile, FileNameAndExtensionIgnoringCase) {
    struct Row {
        const char* what;
        std::vector<const char*> gameFiles;  // slots 0.. in order
        const char* executable;
        int expected;
    } rows[] = {
        // Upper case in one folder, lower case from any other.
        {"case and folder", {"", "C:\\GAMES\\QUAKE\\QUAKE3.EXE"}, "quake3.exe", 1},
        // Blanks around the path are trimmed.
        {"blanks", {"  D:\\Play\\doom.exe\t "}, "DOOM.EXE", 0},
        // Only blanks never match.
        {"only blanks", {"    "}, "    ", -1},
        // Two slots with the same file name: the lower slot.
        {"lowest slot", {"", "", "C:\\a\\game.exe", "D:\\b\\GAME.EXE"}, "game.exe", 2},
        // The extension counts.
        {"extension", {"C:\\a\\game.exe"}, "game.com", -1},
        // A path with forward slashes or without a folder.
        {"slashes", {"C:/x/run.exe"}, "run.exe", 0},
        {"bare name", {"", "", "", "", "solo.exe"}, "Solo.exe", 4},
        // A file name that only ends like the executable.
        {"suffix", {"C:\\a\\mygame.exe"}, "game.exe", -1},
    };
    for (const Row& row : rows) {
        auto block = std::make_unique<SettingsBlock>();
        ClearBlock(*block);
        for (size_t slot = 0; slot < row.gameFiles.size(); ++slot)
            CopyText(block->Profiles[slot].GameFile, row.gameFiles[slot]);
        FakeProcesses names;
        EXPECT_EQ(MatchingSlot(*block, row.executable, names), row.expected) << row.what;
    }
}

struct SwitchFixture : EngineFixture {
    SwitchFixture() {
        windows.Add(kOption, 0, "OptionClass", {}, 0, "TARVIK-Q7 Gaming Mouse Option");
        windows.Add(kDisplay, 0, "HeraldClass", {}, 0, "Zelkor_510-7716_Gaming_Mouse_Normal_OSD");
        for (int slot = 0; slot < kSlotCount; ++slot) host.Block->Profiles[slot].DbleClickSpeed = 400 + slot;
        CopyText(host.Block->Profiles[3].GameFile, "C:\\Games\\Arena\\Arena.exe");
        windows.ForegroundProcess = kGameProcess;
        processes.Names[kGameProcess] = "arena.exe";
    }
};

TEST(ForegroundCheck_MatchingProgram, SwitchesInSixSteps) {
    for (int32_t profileSwitch : {1, 0}) {
        SwitchFixture fixture;
        fixture.host.Display.ProfileNotice = profileSwitch;
        fixture.engine.ForegroundCheck();
        std::vector<std::string> expected = {"writeback slot 3", "select 3", "store pointer 403", "apply pointer 403",
                                             "post 100 1255 0 0"};
        if (profileSwitch) expected.push_back("post 101 1324 40 30000");
        EXPECT_EQ(fixture.recorder.Texts(), expected) << profileSwitch;
        EXPECT_EQ(fixture.host.Block->CurrentSlot, 3);
    }
}

TEST(ForegroundCheck_NoSwitch, WhenNothingNewMatches) {
    struct Row {
        const char* what;
        std::function<void(SwitchFixture&)> arrange;
    } rows[] = {
        {"already current", [](SwitchFixture& f) { f.host.Block->CurrentSlot = 3; }},
        {"no foreground window", [](SwitchFixture& f) { f.windows.ForegroundProcess = 0; }},
        {"process not in the snapshot", [](SwitchFixture& f) { f.processes.Names.clear(); }},
        {"another program", [](SwitchFixture& f) { f.processes.Names[kGameProcess] = "notepad.exe"; }},
    };
    for (const Row& row : rows) {
        SwitchFixture fixture;
        row.arrange(fixture);
        const int32_t before = fixture.host.Block->CurrentSlot;
        fixture.engine.ForegroundCheck();
        EXPECT_EQ(fixture.recorder.Texts(), std::vector<std::string>{}) << row.what;
        EXPECT_EQ(fixture.host.Block->CurrentSlot, before) << row.what;
    }
}

TEST(ForegroundCheck_LeavingTheGame, DoesNotSwitchBack) {
    SwitchFixture fixture;
    fixture.engine.ForegroundCheck();
    fixture.processes.Names[kGameProcess] = "explorer.exe";
    fixture.recorder.Lines.clear();
    fixture.engine.ForegroundCheck();
    EXPECT_EQ(fixture.host.Block->CurrentSlot, 3);
    EXPECT_TRUE(fixture.recorder.Lines.empty());
}

TEST(ProgramLaunch_Button, OpensTheCurrentProfilesPath) {
    struct Row {
        const char* what;
        uint8_t code;
        const char* path;
        std::vector<std::string> expected;
    } rows[] = {
        {"program", 17, "C:\\Tools\\calc.exe", {"open C:\\Tools\\calc.exe"}},
        // A document is handed to the shell the same way.
        {"document", 17, "D:\\notes.txt", {"open D:\\notes.txt"}},
        // An empty path still goes to the shell, once per press.
        {"empty", 17, "", {"open "}},
        // Another function code launches nothing.
        {"macro button", 16, "C:\\Tools\\calc.exe", {}},
    };
    for (const Row& row : rows) {
        EngineFixture fixture;
        fixture.Entry(2).FunctionCode = row.code;
        CopyText(fixture.Entry(2).ProgramPath, row.path);
        fixture.engine.ProgramLaunch(3);
        EXPECT_EQ(fixture.recorder.Texts(), row.expected) << row.what;
    }
}

TEST(ProgramLaunch_AfterProfileSwitch, FollowsTheNewProfile) {
    EngineFixture fixture;
    for (int slot : {0, 1}) {
        fixture.host.Block->Profiles[slot].MacroKeyInfo[0].FunctionCode = 17;
        CopyText(fixture.host.Block->Profiles[slot].MacroKeyInfo[0].ProgramPath, slot ? "B.exe" : "A.exe");
    }
    fixture.engine.ProgramLaunch(1);
    fixture.engine.DeviceStateNotice(0x0800, 2);
    fixture.engine.ProgramLaunch(1);
    EXPECT_EQ(fixture.recorder.Texts("open "), (std::vector<std::string>{"open A.exe", "open B.exe"}));
}

}  // namespace
