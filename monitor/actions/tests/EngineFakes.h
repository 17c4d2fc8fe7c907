// Recording fakes of everything the engine reaches, on one fake clock: a
// sleep advances the time, and timers and scheduled actions fire as the
// time passes them, so that one thread plays agent window, timers and
// macro player in a fixed order.
#pragma once

#include "monitor/actions/ActionConstants.h"
#include "monitor/actions/Engine.h"
#include "profile/MemoryIniFiles.h"
#include "profile/tests/ProfileTestSupport.h"
#include "profile/tests/UsLayout.h"

#include <cstdarg>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace enginetest {

using namespace actions;

// One line of what reached the system or another window, with its time:
// "key <vk hex> <flags hex>", "mouse <flags hex> <data>", "cursor <x> <y>",
// "post <window> <message> <wParam> <lParam hex>", "send ...", "open <path>",
// "exec <command>", "front <window>".
struct Recorded {
    unsigned Time;
    std::string Text;
    bool operator==(const Recorded& other) const { return Time == other.Time && Text == other.Text; }
};
inline void PrintTo(const Recorded& line, std::ostream* out) { *out << line.Time << " \"" << line.Text << "\""; }

inline std::string Format(const char* format, ...) {
    char text[600];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

class Recorder {
public:
    unsigned Now = 0;
    std::vector<Recorded> Lines;
    void Add(const std::string& text) { Lines.push_back({Now, text}); }
    // Lines that begin with the prefix.
    std::vector<Recorded> Starting(const std::string& prefix) const {
        std::vector<Recorded> found;
        for (const Recorded& line : Lines) {
            if (line.Text.compare(0, prefix.size(), prefix) == 0) found.push_back(line);
        }
        return found;
    }
    // The texts of the lines that begin with the prefix.
    std::vector<std::string> Texts(const std::string& prefix = "") const {
        std::vector<std::string> texts;
        for (const Recorded& line : Starting(prefix)) texts.push_back(line.Text);
        return texts;
    }
    // When each line with exactly this text was recorded.
    std::vector<unsigned> TimesOf(const std::string& text) const {
        std::vector<unsigned> times;
        for (const Recorded& line : Lines)
            if (line.Text == text) times.push_back(line.Time);
        return times;
    }
};

// The US layout, with the plain modifiers the usage table lacks at their own
// scan codes.
class EngineLayout : public UsLayout {
public:
    uint32_t MapKey(uint32_t code, uint32_t mapType) override {
        static const std::map<uint32_t, uint32_t> kModifiers = {{0x10, 0x2A}, {0x11, 0x1D}, {0x12, 0x38}};
        const uint32_t mapped = UsLayout::MapKey(code, mapType);
        if (mapped || mapType != kMapVirtualKeyToScanCode || !kModifiers.count(code)) return mapped;
        return kModifiers.at(code);
    }
};

class FakeInput : public InputSynthesis {
public:
    explicit FakeInput(Recorder& recorder) : m_recorder(recorder) {}
    void KeyboardEvent(uint8_t virtualKey, uint8_t scanCode, uint32_t flags) override {
        m_recorder.Add(Format("key %02X %X", virtualKey, flags));
        Scans.push_back(scanCode);
    }
    void MouseEvent(uint32_t flags, uint32_t data, uintptr_t extraInfo) override {
        m_recorder.Add(Format("mouse %X %u", flags, data));
        ExtraInfos.push_back(extraInfo);
    }
    uintptr_t MessageExtraInfo() override { return ExtraInfo; }
    bool ButtonsSwapped() override { return Swapped; }
    ScreenPoint CursorPosition() override { return Cursor; }
    void MoveCursor(ScreenPoint point) override {
        Cursor = point;
        m_recorder.Add(Format("cursor %d %d", point.X, point.Y));
    }

    std::vector<uint8_t> Scans;
    std::vector<uintptr_t> ExtraInfos;
    uintptr_t ExtraInfo = 0;
    bool Swapped = false;
    ScreenPoint Cursor;

private:
    Recorder& m_recorder;
};

// A window tree: windows by number, children in z-order.
class FakeWindows : public WindowSystem {
public:
    struct Window {
        std::string ClassName;
        std::string Title;
        WindowId Parent = 0;
        uint32_t Style = 0;
        WindowRect Rect;
        std::vector<WindowId> Children;
    };

    explicit FakeWindows(Recorder& recorder) : m_recorder(recorder) {}

    WindowId Add(WindowId id, WindowId parent, const std::string& className, WindowRect rect, uint32_t style = 0,
                 const std::string& title = "") {
        m_windows[id] = {className, title, parent, style, rect, {}};
        if (parent) m_windows[parent].Children.push_back(id);
        return id;
    }
    void Remove(WindowId id) { m_windows.erase(id); }

    WindowId Find(const char* className, const char* title) override {
        for (const auto& [id, window] : m_windows) {
            if (window.Parent) continue;
            if (className && window.ClassName != className) continue;
            if (title && window.Title != title) continue;
            return id;
        }
        return 0;
    }
    bool Post(WindowId window, unsigned message, uintptr_t wParam, intptr_t lParam) override {
        m_recorder.Add(Format("post %llu %u %llu %llX", static_cast<unsigned long long>(window), message,
                              static_cast<unsigned long long>(wParam), static_cast<unsigned long long>(lParam)));
        return window != 0;
    }
    intptr_t Send(WindowId window, unsigned message, uintptr_t wParam, intptr_t lParam) override {
        m_recorder.Add(Format("send %llu %u %llu %llX", static_cast<unsigned long long>(window), message,
                              static_cast<unsigned long long>(wParam), static_cast<unsigned long long>(lParam)));
        return 0;
    }
    void BringToFront(WindowId window) override { m_recorder.Add(Format("front %llu", static_cast<unsigned long long>(window))); }
    uint32_t ForegroundProcessId() override { return ForegroundProcess; }

    WindowId WindowAt(ScreenPoint) override { return Pointed; }
    WindowId DesktopWindow() override { return Desktop; }
    std::string ClassName(WindowId window) override { return Get(window).ClassName; }
    WindowId Parent(WindowId window) override { return Get(window).Parent; }
    uint32_t Style(WindowId window) override { return Get(window).Style; }
    WindowRect Rect(WindowId window) override { return Get(window).Rect; }
    WindowId ChildAt(WindowId window, ScreenPoint point) override {
        if (!Contains(Get(window).Rect, point)) return 0;
        for (WindowId child : Get(window).Children) {
            if (Contains(Get(child).Rect, point)) return child;
        }
        return window;
    }
    WindowId FirstChild(WindowId window) override {
        const auto& children = Get(window).Children;
        return children.empty() ? 0 : children.front();
    }
    WindowId NextSibling(WindowId window) override { return Sibling(window, +1); }
    WindowId PreviousSibling(WindowId window) override { return Sibling(window, -1); }

    WindowId Pointed = 0;
    WindowId Desktop = 1;
    uint32_t ForegroundProcess = 0;

private:
    static bool Contains(const WindowRect& rect, ScreenPoint point) {
        return point.X >= rect.Left && point.X < rect.Right && point.Y >= rect.Top && point.Y < rect.Bottom;
    }
    const Window& Get(WindowId id) {
        static const Window kNone;
        const auto found = m_windows.find(id);
        return found == m_windows.end() ? kNone : found->second;
    }
    WindowId Sibling(WindowId window, int direction) {
        const WindowId parent = Get(window).Parent;
        if (!parent) return 0;
        const auto& children = Get(parent).Children;
        for (size_t i = 0; i < children.size(); ++i) {
            if (children[i] != window) continue;
            const long next = static_cast<long>(i) + direction;
            return next >= 0 && next < static_cast<long>(children.size()) ? children[next] : 0;
        }
        return 0;
    }

    Recorder& m_recorder;
    std::map<WindowId, Window> m_windows;
};

class FakeShell : public Shell {
public:
    explicit FakeShell(Recorder& recorder) : m_recorder(recorder) {}
    void Open(const std::string& path) override { m_recorder.Add("open " + path); }
    void Execute(const std::string& commandLine) override { m_recorder.Add("exec " + commandLine); }
    std::string ExpandEnvironment(const std::string& text) override {
        std::string expanded = text;
        const size_t at = expanded.find("%ProgramFiles%");
        if (at != std::string::npos) expanded.replace(at, 14, "C:\\Program Files");
        return expanded;
    }

private:
    Recorder& m_recorder;
};

class FakeRegistry : public PlayerRegistry {
public:
    bool ReadText(const char* subkey, const char* valueName, std::string& text) override {
        const auto found = Values.find(std::string(subkey) + "|" + (valueName ? valueName : ""));
        if (found == Values.end()) return false;
        text = found->second;
        return true;
    }
    std::map<std::string, std::string> Values;  // "subkey|value" -> text
};

class FakeProcesses : public ProcessList {
public:
    bool ExecutableName(uint32_t processId, std::string& name) override {
        const auto found = Names.find(processId);
        if (found == Names.end()) return false;
        name = found->second;
        return true;
    }
    std::map<uint32_t, std::string> Names;
};

class FakeHost;

// The time of the test: sleeps advance it; timers and scheduled actions run
// when it passes them.
class FakeClock : public Clock {
public:
    FakeClock(Recorder& recorder, FakeHost& host) : m_recorder(recorder), m_host(host) {}
    void Sleep(unsigned milliseconds) override {
        Sleeps.push_back(milliseconds);
        AdvanceTo(m_recorder.Now + milliseconds);
    }
    // Runs what falls due up to and including `time`, in time order.
    void AdvanceTo(unsigned time);
    void At(unsigned time, std::function<void()> action) { m_scheduled.emplace(time, std::move(action)); }

    std::vector<unsigned> Sleeps;

private:
    Recorder& m_recorder;
    FakeHost& m_host;
    std::multimap<unsigned, std::function<void()>> m_scheduled;
    bool m_running = false;
};

class FakeHost : public EngineHost {
public:
    struct Timer {
        unsigned Period;
        unsigned Due;
    };

    explicit FakeHost(Recorder& recorder) : Block(std::make_unique<SettingsBlock>()), m_recorder(recorder) {
        ClearBlock(*Block);
        ResetProfileSet(*Block);
        DefaultOsdSettings(Display);
    }

    SettingsBlock& Settings() override { return *Block; }
    void WriteBackSettings() override { m_recorder.Add(Format("writeback slot %d", Block->CurrentSlot)); }
    const OsdSettings& DisplaySettings() override { return Display; }
    bool MousePresent() override { return Present; }
    void StartTimer(unsigned timerId, unsigned milliseconds) override {
        Timers[timerId] = {milliseconds, m_recorder.Now + milliseconds};
    }
    void StopTimer(unsigned timerId) override { Timers.erase(timerId); }
    uintptr_t OwnWindow() override { return kOwnWindow; }
    bool PostPlayMacro() override {
        m_recorder.Add("play");
        return true;
    }
    bool RequestSelectWrite() override {
        m_recorder.Add(Format("select %d", Block->CurrentSlot));
        return true;
    }
    void StorePointerSettings(const ProfileRecord& record) override {
        m_recorder.Add(Format("store pointer %d", record.DbleClickSpeed));
    }
    void ApplyPointerSettings(ProfileRecord& record) override {
        m_recorder.Add(Format("apply pointer %d", record.DbleClickSpeed));
    }
    void Debug(const char* text) override { DebugLines.push_back(text); }

    static constexpr uintptr_t kOwnWindow = 7;
    std::unique_ptr<SettingsBlock> Block;
    OsdSettings Display{};
    bool Present = true;
    std::map<unsigned, Timer> Timers;
    std::vector<std::string> DebugLines;
    // Set by the fixture: where timer ticks go.
    std::function<void(unsigned)> OnTimer;

private:
    Recorder& m_recorder;
};

inline void FakeClock::AdvanceTo(unsigned time) {
    // Nested advances (a timer handler that sleeps) only move the time on.
    if (m_running) {
        if (time > m_recorder.Now) m_recorder.Now = time;
        return;
    }
    m_running = true;
    for (;;) {
        unsigned next = time + 1;
        unsigned timerId = 0;
        for (const auto& [id, timer] : m_host.Timers) {
            if (timer.Due < next) {
                next = timer.Due;
                timerId = id;
            }
        }
        const auto scheduled = m_scheduled.begin();
        const bool actionFirst = scheduled != m_scheduled.end() && scheduled->first <= time && scheduled->first < next;
        if (actionFirst) {
            if (scheduled->first > m_recorder.Now) m_recorder.Now = scheduled->first;
            auto action = std::move(scheduled->second);
            m_scheduled.erase(scheduled);
            action();
            continue;
        }
        if (next > time) break;
        if (next > m_recorder.Now) m_recorder.Now = next;
        m_host.Timers[timerId].Due = next + m_host.Timers[timerId].Period;
        if (m_host.OnTimer) m_host.OnTimer(timerId);
    }
    if (time > m_recorder.Now) m_recorder.Now = time;
    m_running = false;
}

constexpr char kProgramFolder[] = "C:\\Program\\";

// The engine with every fake wired in.
struct EngineFixture {
    Recorder recorder;
    FakeHost host{recorder};
    FakeClock clock{recorder, host};
    FakeInput input{recorder};
    EngineLayout layout;
    FakeWindows windows{recorder};
    FakeShell shell{recorder};
    FakeRegistry registry;
    FakeProcesses processes;
    MemoryIniFiles files;
    AppSettingsWriter settingsFile{files, [] { return std::string(kProgramFolder); }};
    Engine engine{host, EnginePlatform{input, layout, clock, windows, shell, registry, processes, settingsFile}};

    EngineFixture() {
        host.OnTimer = [this](unsigned timerId) { engine.RepeatTimer(timerId); };
    }

    ProfileRecord& Current() { return CurrentProfile(*host.Block); }
    ButtonAssignmentEntry& Entry(int position) { return Current().MacroKeyInfo[position]; }

    void SetCombination(int position, uint8_t keyCode, uint8_t modifiers) {
        ButtonAssignmentEntry& entry = Entry(position);
        entry.FunctionCode = 5;
        entry.ItemCount = 1;
        entry.Data[0] = keyCode;
        entry.Data[1] = modifiers;
    }
    struct MacroEvent {
        uint8_t KeyCode;
        uint8_t Action;
        uint16_t Delay;
    };
    void SetMacro(int position, const std::vector<MacroEvent>& events, int32_t repeat, const char* name = "macro") {
        ButtonAssignmentEntry& entry = Entry(position);
        entry.FunctionCode = 16;
        entry.RepeatCount = repeat;
        CopyText(entry.Name, name);
        entry.ItemCount = 0;
        for (const MacroEvent& event : events) AddMacroEvent(entry, event.KeyCode, event.Action, event.Delay);
    }
    // Button event data: number in the low byte, release flag in the high.
    static uint16_t Press(int button) { return static_cast<uint16_t>(button); }
    static uint16_t Release(int button) { return static_cast<uint16_t>(0x100 | button); }

    std::string SettingsValue(const char* section, const char* key) const {
        std::string value;
        files.GetValue(std::string(kProgramFolder) + "config.ini", section, key, value);
        return value;
    }
};

}  // namespace enginetest
