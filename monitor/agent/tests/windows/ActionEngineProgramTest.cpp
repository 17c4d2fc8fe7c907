// The action engine in the real Monitor.exe, driven through the virtual
// mouse by `portioctl event`: what reaches the system and the other
// programs' windows is seen from this test process (a low-level keyboard
// hook, a window with a horizontal scroll bar, a stand-in display window).
#include "KeyboardHookRecorder.h"
#include "ProgramFolder.h"

#include "frame/Window.h"
#include "monitor/actions/ProfileSwitcher.h"
#include "monitor/actions/win32/Win32SystemServices.h"
#include "profile/AppSettings.h"
#include "profile/ProfileFile.h"
#include "profile/SettingsBlock.h"
#include "profile/win32/PrivateProfileAccessor.h"
#include "testing/MessagePump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

namespace {

using agenttest::DefaultProfileSet;
using agenttest::HookedKey;
using agenttest::KeyboardHookRecorder;
using agenttest::ProgramFolder;
using agenttest::RunPortioctl;
using agenttest::WaitFor;

constexpr char kDisplayTitle[] = "Zelkor_510-7716_Gaming_Mouse_Normal_OSD";
constexpr UINT kMsgDisplayNotice = 1324;
constexpr DWORD kPumpDeadline = 30000;

// Writes the five slot profile files and config.ini of the program folder,
// starts the agent on them; its window once the first full write is done.
HWND StartOn(ProgramFolder& folder, const SettingsBlock& block, const OsdSettings* display = nullptr) {
    PrivateProfileFiles files;
    for (int slot = 0; slot < kSlotCount; ++slot)
        WriteProfileFile(block.Profiles[slot], files, SlotProfilePath(folder.Path(), slot));
    AppSettingsFile settings(files, folder.Path());
    settings.WriteCurrentSlot(block.CurrentSlot);
    if (display) settings.WriteOsdSettings(*display);
    return agenttest::StartAgentAndWaitForFirstWrite(folder);
}

void SetCombination(ButtonAssignmentEntry& entry, uint8_t keyCode, uint8_t modifiers) {
    entry.FunctionCode = 5;
    entry.ItemCount = 1;
    entry.Data[0] = keyCode;
    entry.Data[1] = modifiers;
}

void SetMacro(ButtonAssignmentEntry& entry, const std::vector<std::array<uint8_t, 2>>& events, int32_t repeat,
              const char* name, uint16_t delay = 20) {
    entry.FunctionCode = 16;
    entry.RepeatCount = repeat;
    CopyText(entry.Name, name);
    entry.ItemCount = static_cast<uint16_t>(events.size());
    for (size_t i = 0; i < events.size(); ++i) {
        entry.Data[i * 4] = events[i][0];
        entry.Data[i * 4 + 1] = events[i][1];
        entry.Data[i * 4 + 2] = static_cast<uint8_t>(delay & 0xFF);  // pause after each event
        entry.Data[i * 4 + 3] = static_cast<uint8_t>(delay >> 8);
    }
}

// "C+" for Ctrl down, "A-" for A up.
std::string KeyText(const HookedKey& key) {
    std::string name;
    switch (key.virtualKey) {
    case VK_CONTROL: name = "Ctrl"; break;
    case VK_SHIFT: name = "Shift"; break;
    case VK_MENU: name = "Alt"; break;
    case VK_VOLUME_MUTE: name = "Mute"; break;
    default: name = std::string(1, static_cast<char>(key.virtualKey));
    }
    return name + (key.up ? "-" : "+");
}

std::vector<std::string> KeyTexts(const KeyboardHookRecorder& hook) {
    std::vector<std::string> texts;
    for (const HookedKey& key : hook.Keys()) texts.push_back(KeyText(key));
    return texts;
}

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A top-level window of this process that keeps what it receives.
class RecordingWindow : public Window {
public:
    bool Create(const char* className, const char* title, DWORD style, int x, int y, int width, int height) {
        return Window::Create(className, title, style, WS_EX_TOPMOST, x, y, width, height, nullptr, nullptr, 0,
                              reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), LoadCursor(nullptr, IDC_ARROW));
    }
    std::vector<Received> Of(UINT message) const {
        std::vector<Received> found;
        for (const Received& received : m_received) {
            if (received.message == message) found.push_back(received);
        }
        return found;
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kMsgDisplayNotice || message == WM_HSCROLL || message == WM_CLOSE) {
            m_received.push_back({message, wParam, lParam});
            return 0;
        }
        return DefaultProcessing(message, wParam, lParam);
    }

private:
    std::vector<Received> m_received;
};

// The last thing the hook saw of each key is its release.
bool NothingHeld(const KeyboardHookRecorder& hook, const std::vector<DWORD>& keys) {
    const auto seen = hook.Keys();
    for (DWORD key : keys) {
        const auto last = std::find_if(seen.rbegin(), seen.rend(), [&](const HookedKey& k) { return k.virtualKey == key; });
        if (last == seen.rend() || !last->up) return false;
    }
    return true;
}

// The default display settings with one more notice switched on.
OsdSettings DisplayWith(int32_t OsdSettings::*notice) {
    OsdSettings display{};
    DefaultOsdSettings(display);
    display.*notice = 1;
    return display;
}

// Every slot with the macro "Dodge" on button 7 and 24 steps of 100 for
// level 3; the display settings with the macro notice on.
OsdSettings NoticeProfiles(SettingsBlock& block) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SetMacro(block.Profiles[slot].MacroKeyInfo[6], {{7, 1}, {7, 2}}, 1, "Dodge");
        block.Profiles[slot].CpiLevel_X[2] = 24;
    }
    return DisplayWith(&OsdSettings::MacroNotice);
}

// A program folder of its own whose agent starts on `m_block` (the default
// profile set until the test changes it); the hook sees what the agent types.
class EngineProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_hook.Installed());
        REQUIRE_READY(m_folder);
    }
    // The agent started, its first full write done, the keys seen so far dropped.
    bool Start(const OsdSettings* display = nullptr) {
        m_agentWindow = StartOn(m_folder, *m_block, display);
        m_hook.Clear();
        return m_agentWindow != nullptr;
    }
    // A button of slot 0, the slot the agent starts on.
    ButtonAssignmentEntry& Button(int index) { return m_block->Profiles[0].MacroKeyInfo[index]; }
    void ExpectTiltScrolls(int32_t tiltSpeed, size_t times);

    KeyboardHookRecorder m_hook;
    ProgramFolder m_folder;
    std::unique_ptr<SettingsBlock> m_block = DefaultProfileSet();
    HWND m_agentWindow = nullptr;
};

TEST_F(EngineProgram, KeyCombination_PressedAndReleasedAsRealInput) {
    SetCombination(Button(4), 4, 0x04);  // Ctrl+A on button 5
    ASSERT_TRUE(Start());

    ASSERT_EQ(RunPortioctl("event 0x4000 0x0005"), 0);
    ASSERT_TRUE(WaitFor([&] { return m_hook.Count() >= 2; }));
    ASSERT_EQ(RunPortioctl("event 0x4000 0x0105"), 0);
    ASSERT_TRUE(WaitFor([&] {
        const auto keys = KeyTexts(m_hook);
        return keys.size() >= 4 && keys.back() == "Ctrl-";
    }));
    // The press may have been held long enough for repeats of A in between.
    std::vector<std::string> keys = KeyTexts(m_hook);
    ASSERT_GE(keys.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 2), (std::vector<std::string>{"Ctrl+", "A+"}));
    EXPECT_EQ(std::vector<std::string>(keys.end() - 2, keys.end()), (std::vector<std::string>{"A-", "Ctrl-"}));
    for (size_t i = 2; i + 2 < keys.size(); ++i) EXPECT_TRUE(keys[i] == "A-" || keys[i] == "A+") << keys[i];
}

TEST_F(EngineProgram, Macro_TypedAsRealInputWithItsRepeatCount) {
    // B and C typed twice, on button 8.
    SetMacro(Button(7), {{5, 1}, {5, 2}, {6, 1}, {6, 2}}, 2, "BC");
    ASSERT_TRUE(Start());

    ASSERT_EQ(RunPortioctl("event 0x4000 0x0008"), 0);
    ASSERT_TRUE(WaitFor([&] { return m_hook.Count() >= 8; }));
    EXPECT_EQ(KeyTexts(m_hook), (std::vector<std::string>{"B+", "B-", "C+", "C-", "B+", "B-", "C+", "C-"}));
}

TEST_F(EngineProgram, Shutdown_ReleasesHeldKeysWithoutWaitingForTheMacro) {
    SetCombination(Button(4), 4, 0x04);  // Ctrl+A on button 5
    // B held for 65.5 s, a hundred times: hours, if the exit waited for it.
    SetMacro(Button(7), {{5, 1}}, 100, "Hold", 65535);
    ASSERT_TRUE(Start());

    ASSERT_EQ(RunPortioctl("event 0x4000 0x0005"), 0);
    ASSERT_EQ(RunPortioctl("event 0x4000 0x0008"), 0);
    ASSERT_TRUE(WaitFor([&] {
        const auto keys = KeyTexts(m_hook);
        return std::find(keys.begin(), keys.end(), "B+") != keys.end();
    }));
    ASSERT_FALSE(NothingHeld(m_hook, {VK_CONTROL, 'A', 'B'}));
    // The agent ends within the deadline, the macro's pause cut short.
    ASSERT_TRUE(m_folder.StopAgent());
    EXPECT_TRUE(WaitFor([&] { return NothingHeld(m_hook, {VK_CONTROL, 'A', 'B'}); }))
        << "keys left held: " << ::testing::PrintToString(KeyTexts(m_hook));
}

// No release comes from an unplugged mouse: what its held buttons put down
// (a combination, a playing macro, the volume repeat) goes up, and nothing
// goes down in the two seconds after.
TEST(EngineProgram_Unplugged, HeldButtonsLetGoAndStayQuiet) {
    const struct {
        std::vector<const char*> presses;
        DWORD lastDown;
        std::vector<DWORD> held;
    } rows[] = {{{"event 0x4000 0x0005", "event 0x4000 0x0008"}, 'C', {VK_CONTROL, 'A', 'B', 'C'}},
                {{"event 0xF000 0x26"}, VK_VOLUME_UP, {VK_VOLUME_UP}}};
    KeyboardHookRecorder hook;
    ASSERT_TRUE(hook.Installed());
    for (const auto& row : rows) {
        ProgramFolder folder;
        REQUIRE_READY(folder);
        auto block = DefaultProfileSet();
        ButtonAssignmentEntry* buttons = block->Profiles[0].MacroKeyInfo;
        SetCombination(buttons[4], 4, 0x04);  // Ctrl+A on button 5
        // B down, C typed, then C held for 65.5 s: a stop releases C and B.
        SetMacro(buttons[7], {{5, 1}, {6, 1}, {6, 2}, {6, 1}}, 1, "Hold");
        buttons[7].Data[14] = buttons[7].Data[15] = 0xFF;
        ASSERT_NE(StartOn(folder, *block), nullptr);
        hook.Clear();
        for (const char* press : row.presses) ASSERT_EQ(RunPortioctl(press), 0);
        ASSERT_TRUE(WaitFor([&] {  // the second press of the last key: a volume repeat, the macro's last event
            const auto seen = hook.Keys();
            return std::count_if(seen.begin(), seen.end(), [&](const HookedKey& k) {
                       return k.virtualKey == row.lastDown && !k.up;
                   }) > 1;
        }));
        LARGE_INTEGER detach{}, returned{}, frequency{};
        QueryPerformanceCounter(&detach);
        ASSERT_EQ(RunPortioctl("detach"), 0);
        QueryPerformanceCounter(&returned);
        QueryPerformanceFrequency(&frequency);
        ASSERT_TRUE(WaitFor([&] {
            return folder.SettingsValue("Setting", "Device") == "0" && NothingHeld(hook, row.held);
        })) << ::testing::PrintToString(KeyTexts(hook));
        printf("portioctl detach ran %.0f ms; last key event %.0f ms after it returned\n",
               (returned.QuadPart - detach.QuadPart) * 1000.0 / frequency.QuadPart,
               (hook.Keys().back().counter - returned.QuadPart) * 1000.0 / frequency.QuadPart);
        const size_t settled = hook.Count();
        Sleep(2000);  // the span in which nothing may go down
        const auto seen = hook.Keys();
        EXPECT_TRUE(std::all_of(seen.begin() + settled, seen.end(), [](const HookedKey& k) { return k.up; }))
            << ::testing::PrintToString(KeyTexts(hook));
    }
}

// The system's comparison folds the letters of the ANSI code page, not only ASCII.
TEST(EngineProgram_ForegroundProgram, NamesCompareAsTheSystemDoes) {
    auto block = DefaultProfileSet();
    CopyText(block->Profiles[2].GameFile, "C:\\Spiele\\\xC4RGER.EXE");  // code page 1252
    actions::Win32ProcessList processes;
    EXPECT_EQ(actions::MatchingSlot(*block, "\xE4rger.exe", processes), 2);
}

// A stand-in Winamp main window on a thread of its own: the agent sends it
// its commands, so it must answer while the test waits for portioctl.
class WinampStandin : public Window {
public:
    WinampStandin() { WaitFor([&] { return FindWindowA("Winamp v1.x", nullptr) != nullptr; }); }
    ~WinampStandin() override {
        PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
        m_thread.join();
    }
    std::vector<WPARAM> Commands() const {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_commands;
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_COMMAND) return DefaultProcessing(message, wParam, lParam);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_commands.push_back(wParam);
        return 0;
    }

private:
    void Run() {
        m_threadId = GetCurrentThreadId();
        Create("Winamp v1.x", "Winamp", WS_POPUP, 0, 0, 0, 10, 10);
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
        Destroy();
    }

    mutable std::mutex m_mutex;
    std::vector<WPARAM> m_commands;
    std::atomic<DWORD> m_threadId{0};
    std::thread m_thread{[this] { Run(); }};
};

TEST_F(EngineProgram, Media_DrivesThePlayerWindowAndTapsTheVolumeKeys) {
    WinampStandin winamp;
    m_block->Profiles[0].MediaOption = 3;  // Winamp
    ASSERT_TRUE(Start());

    // Play/pause three times, next, stop: the toggle sends play, pause, play.
    for (const char* event : {"event 0xF000 0x23", "event 0xF000 0x123", "event 0xF000 0x23", "event 0xF000 0x23",
                              "event 0xF000 0x21", "event 0xF000 0x24"}) {
        ASSERT_EQ(RunPortioctl(event), 0) << event;
    }
    EXPECT_TRUE(WaitFor([&] { return winamp.Commands().size() >= 5; }));
    EXPECT_EQ(winamp.Commands(), (std::vector<WPARAM>{40045, 40046, 40045, 40048, 40047}));
    // Mute: one tap of the volume-mute key.
    ASSERT_EQ(RunPortioctl("event 0xF000 0x25"), 0);
    ASSERT_TRUE(WaitFor([&] { return m_hook.Count() >= 2; }));
    const auto keys = KeyTexts(m_hook);
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 2), (std::vector<std::string>{"Mute+", "Mute-"}));
}

// Two tilts over a window with a horizontal scroll bar: each scrolls it
// `times` times, the second once the first is done.
void EngineProgram::ExpectTiltScrolls(int32_t tiltSpeed, size_t times) {
    m_block->Profiles[0].TiltSpeed = tiltSpeed;
    ASSERT_TRUE(Start());

    RecordingWindow window;
    ASSERT_TRUE(window.Create("EngineTestScrolled", "Scrolled", WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VISIBLE, 200,
                              200, 400, 300));
    testsupport::PumpPending();
    SetCursorPos(400, 350);
    ASSERT_EQ(RunPortioctl("event 0x1000 1"), 0);  // tilt right
    EXPECT_TRUE(testsupport::PumpUntil([&] { return window.Of(WM_HSCROLL).size() >= times; }, kPumpDeadline));
    ASSERT_EQ(RunPortioctl("event 0x1000 255"), 0);  // tilt left
    EXPECT_TRUE(testsupport::PumpUntil([&] { return window.Of(WM_HSCROLL).size() >= 2 * times; }, kPumpDeadline));
    const auto scrolls = window.Of(WM_HSCROLL);
    ASSERT_EQ(scrolls.size(), 2 * times);
    for (size_t i = 0; i < scrolls.size(); ++i) {
        EXPECT_EQ(scrolls[i].wParam, static_cast<WPARAM>(i < times ? SB_LINERIGHT : SB_LINELEFT)) << i;
        EXPECT_EQ(scrolls[i].lParam, 0) << i;
    }
}

TEST_F(EngineProgram, Tilt_ScrollsTheWindowUnderThePointerTiltSpeedTimes) { ExpectTiltScrolls(4, 4); }

// A damaged value acts as the factory value 3, and the agent takes the next tilt at once.
TEST_F(EngineProgram, Tilt_HugeTiltSpeedScrollsThreeTimes) { ExpectTiltScrolls(2147483647, 3); }

TEST_F(EngineProgram, DisplayNotices_EachKindReachesTheDisplayWindow) {
    const OsdSettings display = NoticeProfiles(*m_block);
    RecordingWindow osd;
    ASSERT_TRUE(osd.Create("EngineTestDisplay", kDisplayTitle, WS_POPUP, 0, 0, 10, 10));
    ASSERT_TRUE(Start(&display));
    const auto noticesReach = [&](size_t count) {
        return testsupport::PumpUntil([&] { return osd.Of(kMsgDisplayNotice).size() >= count; }, kPumpDeadline);
    };

    ASSERT_EQ(RunPortioctl("event 0x0800 2"), 0);  // the mouse switched to profile 2 (slot 1)
    ASSERT_TRUE(noticesReach(1));
    EXPECT_EQ(m_folder.SettingsValue("Setting", "CurrentProfile"), "1");
    ASSERT_EQ(RunPortioctl("event 0x0700 3"), 0);  // level 3 of the profile now current: "CPI: 2400"
    ASSERT_TRUE(noticesReach(2));
    EXPECT_EQ(m_folder.SettingsValue("OSDData", "Message"), "CPI: 2400");
    ASSERT_EQ(RunPortioctl("event 0x4000 7"), 0);  // the macro button 7 pressed
    ASSERT_TRUE(noticesReach(3));
    EXPECT_EQ(m_folder.SettingsValue("MacroOSD", "Number"), "6");
    EXPECT_EQ(m_folder.SettingsValue("MacroOSD", "MacroName"), "Dodge");
    // A text from another program: 151 bytes are a notice, 150 are not.
    char record[152] = {};
    strcpy(record + 1, "Battery low");
    for (DWORD size : {150ul, 151ul}) {
        COPYDATASTRUCT copy{0, size, record};
        EXPECT_EQ(SendMessageA(m_agentWindow, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy)), 1) << size;
    }
    ASSERT_TRUE(noticesReach(4));
    EXPECT_EQ(m_folder.SettingsValue("OSDData", "Message"), "Battery low");

    const auto notices = osd.Of(kMsgDisplayNotice);
    ASSERT_EQ(notices.size(), 4u);
    EXPECT_EQ(notices[0].wParam, 40u);
    EXPECT_EQ(notices[0].lParam, 1 << 16);
    EXPECT_EQ(notices[1].wParam, 50u);
    EXPECT_EQ(notices[2].wParam, 70u);
    EXPECT_EQ(notices[3].wParam, 50u);

    // The agent closes the display program when it ends.
    ASSERT_TRUE(m_folder.StopAgent());
    EXPECT_TRUE(testsupport::PumpUntil([&] { return !osd.Of(WM_CLOSE).empty(); }, kPumpDeadline));
}

TEST_F(EngineProgram, ForegroundProgram_SwitchesTheProfileOnTheMouse) {
    // Slot 3 belongs to this test program, named in upper case from another folder.
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = strrchr(path, '\\') ? strrchr(path, '\\') + 1 : path;
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return static_cast<char>(toupper(c)); });
    CopyText(m_block->Profiles[3].GameFile, ("  D:\\Games\\" + name + " ").c_str());
    const OsdSettings display = DisplayWith(&OsdSettings::ProfileNotice);
    RecordingWindow osd;
    ASSERT_TRUE(osd.Create("EngineTestDisplay", kDisplayTitle, WS_POPUP, 0, 0, 10, 10));
    RecordingWindow game;
    ASSERT_TRUE(game.Create("EngineTestGame", "Game", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200));
    SetForegroundWindow(game.Handle());
    ASSERT_TRUE(Start(&display));

    const std::vector<uint8_t> selectSlot3 = {0x02, 0x04, 0, 0, 0, 0, 0, 0xF9};
    auto selected = [&] {
        for (const auto& transfer : m_folder.Transfers()) {
            if (transfer.bytes == selectSlot3) return true;
        }
        return false;
    };
    EXPECT_TRUE(testsupport::PumpUntil(selected, 60000)) << "no select command for profile 4";
    // The profile notice at the switch and again after the select was written.
    EXPECT_TRUE(testsupport::PumpUntil([&] { return osd.Of(kMsgDisplayNotice).size() >= 2; }, kPumpDeadline));
    for (const Received& notice : osd.Of(kMsgDisplayNotice)) {
        EXPECT_EQ(notice.wParam, 40u);
        EXPECT_EQ(notice.lParam, 3 << 16);
    }
}

TEST_F(EngineProgram, Launch_StartsTheButtonsProgramOnPressOnly) {
    // The stand-in Option records each start.
    Button(9).FunctionCode = 17;
    CopyText(Button(9).ProgramPath, (m_folder.Path() + "Option.exe").c_str());
    ASSERT_TRUE(Start());

    ASSERT_EQ(RunPortioctl("event 0x000A 0x010A"), 0);  // release: nothing
    ASSERT_EQ(RunPortioctl("event 0x000A 0x000A"), 0);  // press of button 10
    EXPECT_TRUE(WaitFor([&] { return !m_folder.OptionRecord().empty(); }));
    const auto record = m_folder.OptionRecord();
    EXPECT_EQ(std::count(record.begin(), record.end(), "start"), 1);
    // Its window must exist before the folder's clean-up can close it.
    EXPECT_TRUE(WaitFor([] { return FindWindowA(nullptr, "TARVIK-Q7 Gaming Mouse Option") != nullptr; }));
}

// The real Herald.exe in the program folder, started by the agent: its
// process, and the text of its hidden child 100 (the notice on screen).
class RunningHerald {
public:
    bool Find() {
        return WaitFor([&] {
            HWND window = FindWindowA(nullptr, kDisplayTitle);
            DWORD owner = 0;
            if (window) GetWindowThreadProcessId(window, &owner);
            if (!owner || owner == GetCurrentProcessId()) return false;
            m_window = window;
            m_process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, owner);
            return m_process != nullptr;
        });
    }
    // A failed test must not leave it running for the next test's stand-in.
    ~RunningHerald() {
        if (!m_process) return;
        if (WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT) {
            PostMessageA(m_window, WM_CLOSE, 0, 0);
            if (agenttest::WaitForExit(m_process) == -1) TerminateProcess(m_process, 1);
        }
        CloseHandle(m_process);
    }
    std::string ShownText() const {
        char text[512] = {};
        GetWindowTextA(GetDlgItem(m_window, 100), text, sizeof text);
        return text;
    }
    HANDLE Process() const { return m_process; }

private:
    HWND m_window = nullptr;
    HANDLE m_process = nullptr;
};

TEST_F(EngineProgram, Herald_StartedShowsEachNoticeAndClosedByTheAgent) {
    ASSERT_TRUE(m_folder.AddFromDist("Herald.exe")) << m_folder.MissingReason();
    const OsdSettings display = NoticeProfiles(*m_block);
    CopyText(m_block->Profiles[1].ProFileName, "Sniper");
    ASSERT_TRUE(Start(&display));
    RunningHerald herald;
    ASSERT_TRUE(herald.Find()) << "the agent did not start Herald.exe";

    struct Row {
        const char* event;
        const char* shown;
    } rows[] = {
        {"event 0x0800 2", "Profile 2: Sniper"},  // the mouse switched to profile 2, named in its file
        {"event 0x0700 3", "CPI: 2400"},          // level 3 of profile 2: 24 steps of 100
        {"event 0x4000 7", "Macro: Dodge"},       // macro button 7, the macro notice switched on
    };
    for (const Row& row : rows) {
        ASSERT_EQ(RunPortioctl(row.event), 0) << row.event;
        EXPECT_TRUE(WaitFor([&] { return herald.ShownText() == row.shown; }))
            << row.event << " shows \"" << herald.ShownText() << "\"";
    }

    ASSERT_TRUE(m_folder.StopAgent());
    EXPECT_NE(agenttest::WaitForExit(herald.Process()), -1) << "Herald.exe still runs after the agent ended";
}

}  // namespace
