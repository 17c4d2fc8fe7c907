// Media commands: the chosen player opened from its registry value or
// steered by its window, and the volume taps with their 300 ms repeat.
#include "EngineFakes.h"

#include <gtest/gtest.h>

namespace {

using namespace enginetest;

constexpr char kWmpKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wmplayer.exe|";
constexpr char kITunesKey[] = "SOFTWARE\\Apple Computer, Inc.\\iPod\\RegisteredApps\\4|path";
constexpr char kRealKey[] = "SOFTWARE\\Classes\\Applications\\RealPlay.exe\\shell\\open\\command|";
constexpr char kWinampKey[] = "SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command|";

TEST(MediaOpenPlayer, StartsTheRegisteredProgramOnlyWhenItIsThePlayer) {
    struct Row {
        const char* what;
        int32_t player;
        const char* key;
        const char* value;
        std::vector<std::string> expected;
    } rows[] = {
        // The App Paths value with its variables expanded.
        {"wmp", 0, kWmpKey, "%ProgramFiles%\\Windows Media Player\\wmplayer.exe",
         {"exec C:\\Program Files\\Windows Media Player\\wmplayer.exe"}},
        // Not installed: no value, nothing started.
        {"wmp missing", 0, "", "", {}},
        {"itunes", 1, kITunesKey, "C:\\Program Files\\iTunes\\iTunes.exe", {"exec C:\\Program Files\\iTunes\\iTunes.exe"}},
        // The registered path must contain "iTunes", in any case.
        {"itunes lower case", 1, kITunesKey, "C:\\apps\\ITUNES.EXE", {"exec C:\\apps\\ITUNES.EXE"}},
        {"itunes other program", 1, kITunesKey, "C:\\apps\\player.exe", {}},
        // A quoted program path is taken from the command line.
        {"real", 2, kRealKey, "\"C:\\Real\\RealPlay.exe\" \"%1\"", {"exec C:\\Real\\RealPlay.exe"}},
        // Without a closing quote the rest after the first character.
        {"real unclosed", 2, kRealKey, "\"C:\\Real\\realplay.exe", {"exec C:\\Real\\realplay.exe"}},
        // Without any quote the value as it is.
        {"winamp unquoted", 3, kWinampKey, "C:\\Winamp\\winamp.exe", {"exec C:\\Winamp\\winamp.exe"}},
        {"winamp", 3, kWinampKey, "\"C:\\Winamp\\winamp.exe\" \"%1\"", {"exec C:\\Winamp\\winamp.exe"}},
        // The value must name the player.
        {"winamp other", 3, kWinampKey, "\"C:\\Tools\\notepad.exe\" \"%1\"", {}},
        // An unknown MediaOption opens nothing.
        {"option 4", 4, kWinampKey, "\"C:\\Winamp\\winamp.exe\"", {}},
    };
    for (const Row& row : rows) {
        EngineFixture fixture;
        fixture.Current().MediaOption = row.player;
        if (*row.key) fixture.registry.Values[row.key] = row.value;
        fixture.engine.MediaCommand(32, 0);
        EXPECT_EQ(fixture.recorder.Texts(), row.expected) << row.what;
        // The release does nothing.
        fixture.engine.MediaCommand(32, 1);
        EXPECT_EQ(fixture.recorder.Texts(), row.expected) << row.what;
    }
}

TEST(MediaOpenPlayer, RunningMediaPlayerIsBroughtToTheFront) {
    EngineFixture fixture;
    fixture.Current().MediaOption = 0;
    fixture.registry.Values[kWmpKey] = "C:\\wmp\\wmplayer.exe";
    fixture.windows.Add(60, 0, "WMPlayerApp", {}, 0, "Windows Media Player");
    fixture.engine.MediaCommand(32, 0);
    EXPECT_EQ(fixture.recorder.Texts(), (std::vector<std::string>{"front 60"}));
}

TEST(MediaTrackCommands, ReachEachPlayerAsItUnderstandsThem) {
    struct Row {
        const char* what;
        int32_t player;
        int command;
        std::vector<Recorded> expected;
    } rows[] = {
        // Media Player: WM_APPCOMMAND (0x319 = 793) to the agent's own window.
        {"wmp next", 0, 33, {{0, "post 7 793 7 B0000"}}},
        {"wmp previous", 0, 34, {{0, "post 7 793 7 C0000"}}},
        {"wmp play", 0, 35, {{0, "post 7 793 7 E0000"}}},
        {"wmp stop", 0, 36, {{0, "post 7 793 7 D0000"}}},
        // iTunes: Ctrl and an arrow key sent, 100 ms apart.
        {"itunes next", 1, 33,
         {{0, "send 70 256 17 1D0001"}, {100, "send 70 256 39 14D0001"}, {200, "send 70 257 39 C14D0001"},
          {300, "send 70 257 17 C01D0001"}}},
        {"itunes previous", 1, 34,
         {{0, "send 70 256 17 1D0001"}, {100, "send 70 256 37 14B0001"}, {200, "send 70 257 37 C14B0001"},
          {300, "send 70 257 17 C01D0001"}}},
        // Play/pause and stop: the space bar, posted.
        {"itunes play", 1, 35, {{0, "post 70 256 32 390001"}, {100, "post 70 257 32 C0390001"}}},
        {"itunes stop", 1, 36, {{0, "post 70 256 32 390001"}, {100, "post 70 257 32 C0390001"}}},
        // RealPlayer: WM_COMMAND (273) ids.
        {"real next", 2, 33, {{0, "send 71 273 65739 0"}}},
        {"real previous", 2, 34, {{0, "send 71 273 65740 0"}}},
        {"real play", 2, 35, {{0, "send 71 273 65736 0"}}},
        {"real stop", 2, 36, {{0, "send 71 273 65737 0"}}},
        // Winamp.
        {"winamp next", 3, 33, {{0, "send 72 273 40048 0"}}},
        {"winamp previous", 3, 34, {{0, "send 72 273 40044 0"}}},
        {"winamp stop", 3, 36, {{0, "send 72 273 40047 0"}}},
        // An unknown player: nothing.
        {"option 9", 9, 33, {}},
    };
    for (const Row& row : rows) {
        EngineFixture fixture;
        fixture.Current().MediaOption = row.player;
        fixture.windows.Add(70, 0, "iTunes", {}, 0, "iTunes");
        fixture.windows.Add(71, 0, "GeminiWindowClass", {}, 0, "RealPlayer");
        fixture.windows.Add(72, 0, "Winamp v1.x", {}, 0, "Winamp");
        fixture.engine.MediaCommand(row.command, 0);
        EXPECT_EQ(fixture.recorder.Lines, row.expected) << row.what;
    }
}

TEST(MediaTrackCommands, PlayerWindowMissingDoesNothing) {
    for (int32_t player : {1, 2, 3}) {
        EngineFixture fixture;
        fixture.Current().MediaOption = player;
        for (int command : {33, 34, 35, 36}) fixture.engine.MediaCommand(command, 0);
        EXPECT_EQ(fixture.recorder.Texts(), std::vector<std::string>{}) << player;
    }
}

TEST(MediaWinampPlayPause, TogglesBetweenPlayAndPause) {
    EngineFixture fixture;
    fixture.Current().MediaOption = 3;
    fixture.windows.Add(72, 0, "Winamp v1.x", {}, 0, "Winamp");
    for (int press = 0; press < 3; ++press) {
        fixture.engine.MediaCommand(35, 0);
        fixture.engine.MediaCommand(35, 1);
    }
    EXPECT_EQ(fixture.recorder.Texts(), (std::vector<std::string>{"send 72 273 40045 0", "send 72 273 40046 0",
                                                                   "send 72 273 40045 0"}));
}

TEST(MediaVolume, HeldButtonTapsAtOnceThenEvery300Ms) {
    struct Row {
        const char* what;
        int command;
        unsigned releaseAt;
        const char* tap;
        std::vector<unsigned> taps;
    } rows[] = {
        // Volume up held one second: at once and at 300, 600 and 900 ms.
        {"up 1 s", 38, 1000, "key AF 1", {0, 300, 600, 900}},
        {"down 1 s", 39, 1000, "key AE 1", {0, 300, 600, 900}},
        // A short press taps once.
        {"up short", 38, 299, "key AF 1", {0}},
    };
    for (const Row& row : rows) {
        EngineFixture fixture;
        fixture.engine.MediaCommand(row.command, 0);
        fixture.clock.At(row.releaseAt, [&] { fixture.engine.MediaCommand(row.command, 1); });
        fixture.clock.AdvanceTo(3000);
        EXPECT_EQ(fixture.recorder.TimesOf(row.tap), row.taps) << row.what;
        // Every tap is a press and a release of the extended media key.
        EXPECT_EQ(fixture.recorder.Lines.size(), 2 * row.taps.size()) << row.what;
        EXPECT_EQ(fixture.input.Scans, std::vector<uint8_t>(2 * row.taps.size(), 0)) << row.what;
    }
}

TEST(MediaVolume, MuteTapsOnceAndIgnoresRelease) {
    EngineFixture fixture;
    fixture.engine.MediaCommand(37, 0);
    fixture.engine.MediaCommand(37, 1);
    fixture.clock.AdvanceTo(2000);
    EXPECT_EQ(fixture.recorder.Texts(), (std::vector<std::string>{"key AD 1", "key AD 3"}));
}

}  // namespace
