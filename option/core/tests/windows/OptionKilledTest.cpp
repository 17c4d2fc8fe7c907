// Option.exe and Monitor.exe when a process dies at a bad moment or the
// mouse comes and goes during applies: nothing hangs, no file is left half
// written, and the settings mutex of a dead owner stays usable.
#include <algorithm>
#include <iostream>
#include <random>

#include "OptionProgramFixture.h"
#include "testing/DamagedFiles.h"
#include "testing/ProgramRun.h"

namespace {

using optiontest::OptionFolder;
using optiontest::SelectCommand;
using optiontest::WaitFor;

constexpr char kSettingsMutexName[] = "Zelkor_510-7716_Gaming_Mouse_Normal_Mutex_Object";
constexpr UINT kMsgReadBlock = 1226;
// Every file a save of Option replaces: the five slot profiles and the macro file.
const char* const kSavedFiles[] = {"config\\Default0.gmp", "config\\Default1.gmp", "config\\Default2.gmp",
                                   "config\\Default3.gmp", "config\\Default4.gmp", "config\\sequence.dat"};
constexpr int kSaveKills = 20;

// The saved files' bytes; a missing file reads as empty (a saved one never is).
std::vector<std::string> SavedContents(const OptionFolder& folder) {
    std::vector<std::string> contents;
    for (const char* name : kSavedFiles) contents.push_back(testsupport::ReadWholeFile(folder.Path() + name));
    return contents;
}

class OptionKilled : public OptionProgramFixture {
protected:
    // Resets every profile through the warning; its OK applies at once, which
    // saves every slot file and the macro file.
    bool ResetAllAndApply() {
        if (!ClickMain(kResetAllKey)) return false;
        HWND warning = m_folder.WaitForDialog(m_option);
        return warning && m_folder.ClickUntil(warning, kResetAllSkin, kWarningOkKey, [&] { return !IsWindow(warning); });
    }
};

// Option killed at random points of a save: each file is whole, the old one
// or the new one. The new contents come from a save that ran to its end, the
// old ones differ from them in every file.
TEST_F(OptionKilled, DuringSave_EveryProfileFileAndTheMacroFileIsOldOrNew) {
    ASSERT_TRUE(StartOption());
    ASSERT_TRUE(ResetAllAndApply());
    ASSERT_TRUE(WaitFor([&] {
        const auto files = SavedContents(m_folder);
        return std::find(files.begin(), files.end(), "") == files.end();
    }));
    // The save runs on the window's thread: once the window has closed, it is over.
    PostMessageA(m_option, WM_CLOSE, 0, 0);
    ASSERT_TRUE(m_folder.WaitForOptionEnd());
    const std::vector<std::string> saved = SavedContents(m_folder);

    std::vector<std::string> oldFiles;
    for (size_t i = 0; i < saved.size(); ++i) {
        const std::string path = m_folder.Path() + kSavedFiles[i];
        if (i < kSlotCount) {
            WritePrivateProfileStringA("Setting", "ProFileName", ("Old " + std::to_string(i)).c_str(), path.c_str());
            WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
        } else {
            testsupport::WriteWholeFile(path, saved[i] + "[Unused]\r\nKept=1\r\n");
        }
        oldFiles.push_back(testsupport::ReadWholeFile(path));
        ASSERT_NE(oldFiles[i], saved[i]) << kSavedFiles[i];
    }
    auto restoreOld = [&] {
        for (size_t i = 0; i < oldFiles.size(); ++i) {
            testsupport::WriteWholeFile(m_folder.Path() + kSavedFiles[i], oldFiles[i]);
            DeleteFileA((m_folder.Path() + kSavedFiles[i] + ".tmp").c_str());
        }
    };

    // One save from the old files to its end: the new files, and how long it takes.
    restoreOld();
    ASSERT_TRUE(StartOption());
    ASSERT_TRUE(ResetAllAndApply());
    const ULONGLONG clicked = GetTickCount64();
    ASSERT_TRUE(WaitFor([&] { return SavedContents(m_folder) == saved; }));
    const int saveMs = static_cast<int>(GetTickCount64() - clicked);
    m_folder.KillOption();

    std::mt19937 random(11);
    std::uniform_int_distribution<int> delay(0, saveMs + saveMs / 4);
    int allOld = 0, mixed = 0, allNew = 0;
    for (int kill = 0; kill < kSaveKills; ++kill) {
        restoreOld();
        ASSERT_TRUE(StartOption());
        ASSERT_TRUE(ResetAllAndApply());
        const int wait = delay(random);
        Sleep(wait);
        m_folder.KillOption();
        const std::vector<std::string> now = SavedContents(m_folder);
        int olds = 0, news = 0;
        for (size_t i = 0; i < now.size(); ++i) {
            EXPECT_TRUE(now[i] == oldFiles[i] || now[i] == saved[i])
                << kSavedFiles[i] << " half written after a kill at " << wait << " ms:\n" << now[i];
            olds += now[i] == oldFiles[i];
            news += now[i] == saved[i];
        }
        allOld += olds == static_cast<int>(now.size());
        allNew += news == static_cast<int>(now.size());
        mixed += olds != static_cast<int>(now.size()) && news != static_cast<int>(now.size());
    }
    std::cout << "save of " << saveMs << " ms killed " << kSaveKills << " times: " << allOld << " before it, "
              << mixed << " within it, " << allNew << " after it\n";
}

// A thread of this process owns the settings mutex and is killed: the mutex
// is abandoned exactly as by a killed Option. The agent meets it first, then
// a new Option: both take it as theirs, and an apply reaches the mouse.
TEST_F(OptionKilled, HoldingTheSettingsMutex_AgentKeepsWorkingAndANewOptionApplies) {
    ASSERT_TRUE(m_folder.StartAgent());
    HWND agent = FindWindowA(nullptr, kAgentTitle);
    ASSERT_NE(agent, nullptr);
    // Owned is signalled once the thread holds the mutex.
    struct Owner {
        HANDLE mutex;
        HANDLE owned;
    };
    auto abandonMutex = [] {
        Owner owner{OpenMutexA(MUTEX_ALL_ACCESS, FALSE, kSettingsMutexName), CreateEventA(nullptr, TRUE, FALSE, nullptr)};
        HANDLE thread = CreateThread(
            nullptr, 0,
            [](void* parameter) -> DWORD {
                auto* owner = static_cast<Owner*>(parameter);
                if (WaitForSingleObject(owner->mutex, INFINITE) == WAIT_OBJECT_0) SetEvent(owner->owned);
                Sleep(INFINITE);
                return 0;
            },
            &owner, 0, nullptr);
        const bool owned = WaitForSingleObject(owner.owned, optiontest::kDeadlineMs) == WAIT_OBJECT_0;
        TerminateThread(thread, 1);
        WaitForSingleObject(thread, optiontest::kDeadlineMs);
        CloseHandle(thread);
        CloseHandle(owner.owned);
        // A handle left open would make the next agent think another one runs.
        if (owner.mutex) CloseHandle(owner.mutex);
        return owned;
    };

    ASSERT_TRUE(abandonMutex());
    DWORD_PTR result = 0;
    EXPECT_NE(SendMessageTimeoutA(agent, kMsgReadBlock, 0, 0, SMTO_NORMAL, optiontest::kDeadlineMs, &result), 0u)
        << "the agent hangs on the abandoned mutex";
    ASSERT_TRUE(abandonMutex());
    const size_t selectsBefore = m_folder.CountTransfers(SelectCommand(4));
    ASSERT_TRUE(StartOption());
    ASSERT_TRUE(ClickSlotThenApply(m_folder, m_option, 3));
    EXPECT_TRUE(m_folder.WaitForTransferCount(SelectCommand(4), selectsBefore + 1));
    EXPECT_TRUE(WaitFor([&] { return ApplyEnabled(); }));
}

// Option no longer waits for the agent and holds no capture.
bool ButtonsBack(const OptionFolder& folder, HWND option) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    return folder.ControlEnabled(option, kMainSkin, kApplyKey) &&
           GetGUIThreadInfo(GetWindowThreadProcessId(option, nullptr), &thread) && thread.hwndCapture != option;
}

using OptionApply = OptionProgramFixture;

// The mouse unplugged and plugged in quickly while Option applies: Option is
// either closed by the removal or gets its buttons back; never stuck. Once
// the mouse stays, a new Option applies and gets them back too.
TEST_F(OptionApply, QuickReplugging_OptionNeverStaysLocked) {
    ASSERT_TRUE(m_folder.StartAgent());
    std::mt19937 random(1256);
    std::uniform_int_distribution<int> gap(50, 150);
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(StartOption());
        ASSERT_TRUE(ClickSlotThenApply(m_folder, m_option, round));
        for (int cycle = 0; cycle < 4; ++cycle) {
            ASSERT_TRUE(testsupport::PlugVirtualMouse(false));
            Sleep(gap(random));
            ASSERT_TRUE(testsupport::PlugVirtualMouse(true));
            Sleep(gap(random));
        }
        EXPECT_TRUE(WaitFor([&] {
            return WaitForSingleObject(m_folder.OptionProcess(), 0) == WAIT_OBJECT_0 || ButtonsBack(m_folder, m_option);
        })) << "round " << round;
        m_folder.KillOption();
    }
    ASSERT_TRUE(WaitFor([&] { return m_folder.Setting("Setting", "Device") == "1"; }));
    const size_t selectsBefore = m_folder.CountTransfers(SelectCommand(5));
    ASSERT_TRUE(StartOption());
    ASSERT_TRUE(ClickSlotThenApply(m_folder, m_option, 4));
    EXPECT_TRUE(m_folder.WaitForTransferCount(SelectCommand(5), selectsBefore + 1));
    EXPECT_TRUE(WaitFor([&] { return ButtonsBack(m_folder, m_option); }));
}

}  // namespace
