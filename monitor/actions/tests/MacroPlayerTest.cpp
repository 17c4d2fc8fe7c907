// Code-16 buttons: the macro handed to the player thread and typed with its
// pauses, repeat count, held-key auto-repeat and release on stop. The test
// thread plays both threads; the fake clock runs the agent's side at the
// scheduled times during the player's pauses.
#include "EngineFakes.h"

#include <gtest/gtest.h>

namespace {

using namespace enginetest;

std::vector<Recorded> InputLines(const Recorder& recorder) {
    std::vector<Recorded> lines;
    for (const Recorded& line : recorder.Lines) {
        if (line.Text.compare(0, 4, "key ") == 0 || line.Text.compare(0, 6, "mouse ") == 0) lines.push_back(line);
    }
    return lines;
}

void ExpectInput(const Recorder& recorder, const std::vector<Recorded>& expected, const char* what) {
    EXPECT_EQ(InputLines(recorder), expected) << what;
}

// Presses the button and plays what the player thread receives.
void PressAndPlay(EngineFixture& fixture, int button) {
    fixture.engine.ButtonAction(EngineFixture::Press(button));
    ASSERT_FALSE(fixture.recorder.Starting("play").empty());
    fixture.engine.PlayMacro();
}

TEST(MacroPlayer_Timing, PlaysEventsWithTheirPauses) {
    struct Row {
        const char* what;
        std::vector<EngineFixture::MacroEvent> events;
        int32_t repeat;
        std::vector<Recorded> expected;
    } rows[] = {
        // Repeat 3: A typed three times, 200 ms apart.
        {"repeat 3", {{4, 1, 100}, {4, 2, 100}}, 3,
         {{0, "key 41 0"}, {100, "key 41 2"}, {200, "key 41 0"}, {300, "key 41 2"}, {400, "key 41 0"},
          {500, "key 41 2"}}},
        // Repeat count 0 or negative plays once.
        {"repeat 0", {{4, 1, 100}, {4, 2, 100}}, 0, {{0, "key 41 0"}, {100, "key 41 2"}}},
        {"repeat -2", {{4, 1, 100}, {4, 2, 100}}, -2, {{0, "key 41 0"}, {100, "key 41 2"}}},
        // Delay 0 still pauses 1 ms.
        {"delay 0", {{4, 1, 0}, {4, 2, 0}}, 1, {{0, "key 41 0"}, {1, "key 41 2"}}},
        // A press held 600 ms: after 500 ms four release/press pairs 33 ms
        // apart (r = 100, 67, 34, 1), then the next event.
        {"held 600", {{4, 1, 600}, {4, 2, 10}}, 1,
         {{0, "key 41 0"}, {500, "key 41 2"}, {500, "key 41 0"}, {533, "key 41 2"}, {533, "key 41 0"},
          {566, "key 41 2"}, {566, "key 41 0"}, {599, "key 41 2"}, {599, "key 41 0"}, {632, "key 41 2"}}},
        // Exactly 500 ms is not yet held.
        {"held 500", {{4, 1, 500}, {4, 2, 10}}, 1, {{0, "key 41 0"}, {500, "key 41 2"}}},
        // Left and right modifiers are played as the plain ones.
        {"right ctrl", {{228, 1, 10}, {228, 2, 10}}, 1, {{0, "key 11 0"}, {10, "key 11 2"}}},
        // Mouse buttons 240..244 through mouse_event; 243 is X button 2.
        {"mouse buttons",
         {{240, 1, 1}, {240, 2, 1}, {241, 1, 1}, {241, 2, 1}, {242, 1, 1}, {242, 2, 1}, {243, 1, 1}, {243, 2, 1},
          {244, 1, 1}, {244, 2, 1}},
         1,
         {{0, "mouse 2 0"}, {1, "mouse 4 0"}, {2, "mouse 8 0"}, {3, "mouse 10 0"}, {4, "mouse 20 0"},
          {5, "mouse 40 0"}, {6, "mouse 80 2"}, {7, "mouse 100 2"}, {8, "mouse 80 1"}, {9, "mouse 100 1"}}},
        // Another action code only pauses, for keys as for mouse buttons.
        {"action 3", {{4, 3, 20}, {240, 3, 20}, {4, 1, 1}}, 1, {{40, "key 41 0"}}},
    };
    for (const Row& row : rows) {
        EngineFixture fixture;
        fixture.SetMacro(6, row.events, row.repeat);
        PressAndPlay(fixture, 7);
        ExpectInput(fixture.recorder, row.expected, row.what);
        EXPECT_FALSE(fixture.engine.MacroPlaying()) << row.what;
    }
}

TEST(MacroPlayer_MouseButtons, CarryTheMessageExtraInformation) {
    EngineFixture fixture;
    fixture.input.ExtraInfo = 0xFF515700;
    fixture.SetMacro(0, {{240, 1, 1}, {240, 2, 1}}, 1);
    PressAndPlay(fixture, 1);
    EXPECT_EQ(fixture.input.ExtraInfos, (std::vector<uintptr_t>{0xFF515700, 0xFF515700}));
}

TEST(MacroPlayer_Stop, ReleasesHeldKeysMostRecentFirst50MsApart) {
    EngineFixture fixture;
    // Ctrl and A pressed, then a long pause during which the button is pressed again.
    fixture.SetMacro(0, {{224, 1, 10}, {4, 1, 400}, {4, 2, 10}, {224, 2, 10}}, 1);
    fixture.clock.At(100, [&] { fixture.engine.ButtonAction(EngineFixture::Press(1)); });
    PressAndPlay(fixture, 1);
    ExpectInput(fixture.recorder,
                {{0, "key 11 0"}, {10, "key 41 0"}, {410, "key 41 2"}, {460, "key 11 2"}}, "stop");
    // Written before the release on stop counts the index down.
    EXPECT_EQ(fixture.host.DebugLines, (std::vector<std::string>{"g_iCurAction= 2,start=0,end=4\n"}));
    // Only one "play": the second press was a stop.
    EXPECT_EQ(fixture.recorder.Starting("play").size(), 1u);
}

TEST(MacroPlayer_Stop, WhileTheFirstEventIsCurrentReleasesNothing) {
    EngineFixture fixture;
    fixture.SetMacro(0, {{4, 1, 300}}, 1);
    fixture.clock.At(100, [&] { fixture.engine.ButtonAction(EngineFixture::Press(1)); });
    PressAndPlay(fixture, 1);
    ExpectInput(fixture.recorder, {{0, "key 41 0"}}, "first event");
}

TEST(MacroPlayer_Stop, EndsTheRepeatsAndTheHeldKeyRepeat) {
    EngineFixture fixture;
    fixture.SetMacro(0, {{4, 1, 700}, {4, 2, 10}}, 5);
    // Asked during the auto-repeat of the held A: the pair under way is
    // still sent, then A goes up and no pass follows.
    fixture.clock.At(540, [&] { fixture.engine.ButtonAction(EngineFixture::Press(1)); });
    PressAndPlay(fixture, 1);
    ExpectInput(fixture.recorder,
                {{0, "key 41 0"}, {500, "key 41 2"}, {500, "key 41 0"}, {533, "key 41 2"}, {533, "key 41 0"},
                 {566, "key 41 2"}, {566, "key 41 0"}, {566, "key 41 2"}},
                "held stop");
}

TEST(MacroPlayer_SecondButton, OnlyStopsThenStartsOnTheNextPress) {
    EngineFixture fixture;
    fixture.SetMacro(0, {{4, 1, 100}, {4, 2, 100}}, 10);
    fixture.SetMacro(1, {{5, 1, 10}, {5, 2, 10}}, 1);
    fixture.clock.At(150, [&] { fixture.engine.ButtonAction(EngineFixture::Press(2)); });
    PressAndPlay(fixture, 1);
    // The A macro stopped after its first pass; B was not started.
    EXPECT_EQ(fixture.recorder.Starting("play").size(), 1u);
    EXPECT_TRUE(fixture.recorder.Starting("key 42").empty());
    fixture.recorder.Lines.clear();
    const unsigned now = fixture.recorder.Now;
    PressAndPlay(fixture, 2);
    ExpectInput(fixture.recorder, {{now, "key 42 0"}, {now + 10, "key 42 2"}}, "second start");
}

TEST(MacroPlayer_Start, NothingWithoutEventsOrForAnotherCode) {
    struct Row {
        const char* what;
        uint8_t code;
        uint16_t count;
    } rows[] = {
        {"no events", 16, 0},      // an empty macro
        {"disabled", 6, 2},        // a macro that no longer exists in the list
        {"key combination", 7, 2}, // another function
    };
    for (const Row& row : rows) {
        EngineFixture fixture;
        fixture.SetMacro(0, {{4, 1, 10}, {4, 2, 10}}, 1);
        fixture.Entry(0).FunctionCode = row.code;
        fixture.Entry(0).ItemCount = row.count;
        fixture.engine.ButtonAction(EngineFixture::Press(1));
        EXPECT_TRUE(fixture.recorder.Starting("play").empty()) << row.what;
    }
}

TEST(MacroPlayer_DamagedCount, PlaysNoMoreThanTheFortyEventsOfTheEntry) {
    EngineFixture fixture;
    std::vector<EngineFixture::MacroEvent> events(40, {4, 1, 1});
    fixture.SetMacro(0, events, 1);
    fixture.Entry(0).ItemCount = 200;
    PressAndPlay(fixture, 1);
    EXPECT_EQ(InputLines(fixture.recorder).size(), 40u);
}

TEST(MacroPlayer_Shutdown, ReleasesWhatMacrosLeftHeld) {
    EngineFixture fixture;
    // A macro that ends by itself with Ctrl and A still down.
    fixture.SetMacro(0, {{224, 1, 10}, {4, 1, 10}}, 1);
    PressAndPlay(fixture, 1);
    fixture.recorder.Lines.clear();
    fixture.engine.BeginShutdown();
    fixture.engine.FinishShutdown();
    EXPECT_EQ(fixture.recorder.Texts(), (std::vector<std::string>{"key 41 2", "key 11 2"}));
}

TEST(MacroPlayer_Shutdown, StopsAPlayingMacroWithItsReleaseOnStop) {
    EngineFixture fixture;
    fixture.SetMacro(0, {{224, 1, 10}, {4, 1, 10}, {5, 1, 60000}, {5, 2, 10}}, 3);
    fixture.clock.At(50, [&] { fixture.engine.BeginShutdown(); });
    PressAndPlay(fixture, 1);
    fixture.engine.FinishShutdown();
    std::vector<std::string> texts;
    for (const Recorded& line : InputLines(fixture.recorder)) texts.push_back(line.Text);
    // B's auto-repeat stops at the first check after the request; then B, A
    // and Ctrl go up in that order and nothing stays held.
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(texts.end() - 3, texts.end()),
              (std::vector<std::string>{"key 42 2", "key 41 2", "key 11 2"}));
    EXPECT_LT(fixture.recorder.Now, 1000u) << "the macro did not stop";
}

}  // namespace
