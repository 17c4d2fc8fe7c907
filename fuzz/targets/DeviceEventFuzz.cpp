// The device event decoder with the action engine behind it (on the fakes
// its tests use): any event words, on any profile with any button entries
// and any current slot, with timers, macro playing and text notices between
// them. The decoder passes only in-range data, the current slot never leaves
// 0..4 once valid, and after shutdown no key or mouse button is left down.
#include "FuzzCheck.h"

#include "monitor/actions/tests/EngineFakes.h"
#include "monitor/device/DeviceEvent.h"

#include <cstring>
#include <map>

namespace {

using namespace enginetest;

constexpr size_t kMaxEvents = 48;
constexpr size_t kMaxPatches = 8;
constexpr size_t kMaxPatchLength = 200;
constexpr unsigned kMaxGapMilliseconds = 1500;
constexpr int32_t kMaxRepeatCount = 3;
constexpr int32_t kCurrentSlots[] = {0, 1, 2, 3, 4, -1, -5, 77};
constexpr WindowId kOptionWindow = 100;
constexpr WindowId kDisplayWindow = 101;
// Down and up flags of each mouse button.
constexpr std::pair<uint32_t, uint32_t> kMouseButtons[] = {
    {kMouseLeftDown, kMouseLeftUp}, {kMouseRightDown, kMouseRightUp},
    {kMouseMiddleDown, kMouseMiddleUp}, {kMouseXDown, kMouseXUp}};
// Event types the decoder knows, and any other.
constexpr uint16_t kTypes[] = {0x7F00, 0x1000, 0x01F2, 0x0800, 0x0803, 0x4000, 0x5000, 0x000A,
                               0x00A0, 0x0700, 0x0701, 0xC000, 0xF000, 0x0000, 0xFFFF};

// Forwards decoded events to the engine, checking the decoder's ranges.
class Router : public device::DeviceEventHandler {
public:
    Router(EngineFixture& fixture) : m_fixture(fixture) {}
    void OnArrival() override { m_fixture.host.Present = true; }
    void OnRemoval() override { m_fixture.host.Present = false; }
    void ScrollStep(int step) override {
        FUZZ_CHECK(step == -1 || step == 1);
        m_fixture.engine.ScrollStep(step);
    }
    void DeviceStateNotice(uint16_t type, uint16_t data) override { m_fixture.engine.DeviceStateNotice(type, data); }
    void ButtonAction(uint16_t data) override {
        FUZZ_CHECK((data & 0xFF) >= 1 && (data & 0xFF) <= kButtonCount);
        m_fixture.engine.ButtonAction(data);
    }
    void ProgramLaunch(int button) override {
        FUZZ_CHECK(button >= 1 && button <= kButtonCount);
        m_fixture.engine.ProgramLaunch(button);
    }
    void OpenOption() override {}
    void MediaCommand(int command, int release) override {
        FUZZ_CHECK(command >= 32 && command <= 39);
        m_fixture.engine.MediaCommand(command, release);
    }

private:
    EngineFixture& m_fixture;
};

void PlantEntries(FuzzedDataProvider& input, SettingsBlock& block) {
    const size_t patches = input.ConsumeIntegralInRange<size_t>(0, kMaxPatches);
    for (size_t i = 0; i < patches && input.remaining_bytes() > 0; ++i) {
        ProfileRecord& profile = block.Profiles[input.ConsumeIntegralInRange(0, kSlotCount - 1)];
        ButtonAssignmentEntry& entry = profile.MacroKeyInfo[input.ConsumeIntegralInRange(0, kButtonCount - 1)];
        const size_t offset = input.ConsumeIntegralInRange<size_t>(0, sizeof entry - 1);
        const std::vector<uint8_t> patch = input.ConsumeBytes<uint8_t>(std::min(kMaxPatchLength, sizeof entry - offset));
        if (!patch.empty()) memcpy(reinterpret_cast<uint8_t*>(&entry) + offset, patch.data(), patch.size());
        // Repeats are bounded so that one input plays in bounded time; the
        // player stops a long macro on a press anyway.
        entry.RepeatCount %= kMaxRepeatCount + 1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    EngineFixture fixture;
    fixture.windows.Add(kOptionWindow, 0, "OptionClass", {}, 0, "TARVIK-Q7 Gaming Mouse Option");
    fixture.windows.Add(kDisplayWindow, 0, "HeraldClass", {}, 0, "Zelkor_510-7716_Gaming_Mouse_Normal_OSD");
    SettingsBlock& block = *fixture.host.Block;
    block.CurrentSlot = input.PickValueInArray(kCurrentSlots);
    const bool validSlot = block.CurrentSlot >= 0 && block.CurrentSlot < kSlotCount;
    PlantEntries(input, block);
    const int32_t deviceState = input.ConsumeIntegralInRange(0, 3);
    Router router(fixture);

    // Everything happens at its time on the fake clock.
    unsigned time = 0;
    const size_t events = input.ConsumeIntegralInRange<size_t>(0, kMaxEvents);
    for (size_t i = 0; i < events && input.remaining_bytes() > 0; ++i) {
        time += input.ConsumeIntegralInRange<unsigned>(0, kMaxGapMilliseconds);
        const int kind = input.ConsumeIntegralInRange(0, 9);
        if (kind < 7) {
            const uint64_t wParam = input.ConsumeBool() ? input.PickValueInArray(kTypes) : input.ConsumeIntegral<uint16_t>();
            const int64_t lParam = input.ConsumeIntegral<int64_t>();
            fixture.clock.At(time, [&router, deviceState, wParam, lParam] {
                device::DecodeDeviceEvent(device::EventWordFromEvent(wParam, lParam), deviceState, router);
            });
        } else if (kind == 7) {
            const uint64_t wParam = input.ConsumeIntegralInRange<uint64_t>(0, 3);
            fixture.clock.At(time, [&router, deviceState, wParam] {
                device::DecodeDeviceEvent(device::EventWordFromPresence(wParam), deviceState, router);
            });
        } else if (kind == 8) {
            fixture.clock.At(time, [&fixture] { fixture.engine.ForegroundCheck(); });
        } else {
            const std::string text = input.ConsumeRandomLengthString(160);
            fixture.clock.At(time, [&fixture, text] { fixture.engine.TextNotice(text); });
        }
    }

    // Run to the end; a requested macro plays at top level, as on its thread,
    // while the events go on around it.
    // Only the lines recorded since the last step are looked at: scanning
    // the whole record at every step made this the slowest target.
    const std::vector<Recorded>& lines = fixture.recorder.Lines;
    size_t linesSeen = 0;
    for (unsigned now = 0; now <= time; now += 10) {
        fixture.clock.AdvanceTo(now);
        bool playRequested = false;
        for (; linesSeen < lines.size(); ++linesSeen)
            if (lines[linesSeen].Text.compare(0, 4, "play") == 0) playRequested = true;
        if (playRequested) fixture.engine.PlayMacro();
        if (validSlot) FUZZ_CHECK(block.CurrentSlot >= 0 && block.CurrentSlot < kSlotCount);
    }
    fixture.engine.BeginShutdown();
    fixture.engine.FinishShutdown();
    FUZZ_CHECK(!fixture.engine.MacroPlaying());

    // Every key and mouse button that went down came up again.
    std::map<unsigned, bool> held;
    std::map<std::pair<uint32_t, unsigned>, bool> buttonsHeld;  // (down flag, X button) -> held
    for (const std::string& line : fixture.recorder.Texts()) {
        unsigned key = 0, flags = 0, buttonData = 0;
        if (sscanf(line.c_str(), "key %X %X", &key, &flags) == 2) held[key] = (flags & kKeyUp) == 0;
        if (sscanf(line.c_str(), "mouse %X %u", &flags, &buttonData) != 2) continue;
        for (const auto& [down, up] : kMouseButtons) {
            const unsigned xButton = down == kMouseXDown ? buttonData : 0;
            if (flags & down) buttonsHeld[{down, xButton}] = true;
            if (flags & up) buttonsHeld[{down, xButton}] = false;
        }
    }
    for (const auto& [key, down] : held) FUZZ_CHECK(!down);
    for (const auto& [button, down] : buttonsHeld) FUZZ_CHECK(!down);
    return 0;
}
