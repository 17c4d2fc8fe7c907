// The main window's dialogs and its wait for the agent, driven by pointer
// clicks and keystrokes through the system.
#include <gtest/gtest.h>

#include "OptionFolder.h"
#include "testing/MessagePump.h"

namespace {

using optiontest::OptionFolder;
using optiontest::SelectCommand;
using optiontest::WaitFor;

constexpr char kMainSkin[] = "skin_main.ini";
constexpr char kProfileSkin[] = "skin_profile.ini";
constexpr char kAgentTitle[] = "TARVIK-Q7 Gaming Mouse Monitor";
constexpr UINT kMsgApply = 1224;
// Keys of the main window's skin.
constexpr int kNewProfileKey = 1;
constexpr int kImportKey = 2;
constexpr int kExportKey = 3;
constexpr int kPropertiesKey = 4;
constexpr int kFirstSlotKey = 5;
constexpr int kCloseKey = 11;
constexpr int kApplyKey = 14;
// Keys of the properties dialog.
constexpr int kPropertiesOkKey = 4;
constexpr int kPropertiesCancelKey = 5;
// A point on the drawn mouse of the main window, away from every control.
constexpr int kMouseFaceX = 242;
constexpr int kMouseFaceY = 300;

#define REQUIRE_READY(folder) \
    if (!(folder).Ready()) GTEST_SKIP() << (folder).MissingReason()

std::string ProfileValue(const std::string& file, const char* key) {
    char value[600] = {};
    GetPrivateProfileStringA("Setting", key, "", value, sizeof value, file.c_str());
    return value;
}

std::string SlotFile(const OptionFolder& folder, int slot) {
    return folder.Path() + "config\\Default" + std::to_string(slot) + ".gmp";
}

TEST(OptionDialogs_Properties, NewProfileNameReachesTheSlotFileOnApply) {
    OptionFolder folder;
    REQUIRE_READY(folder);
    HWND option = folder.StartOption();
    ASSERT_NE(option, nullptr);
    ASSERT_TRUE(folder.Click(option, kMainSkin, kFirstSlotKey + 1));
    ASSERT_TRUE(folder.Click(option, kMainSkin, kNewProfileKey));
    HWND dialog = folder.WaitForDialog(option);
    ASSERT_NE(dialog, nullptr);
    // The name field holds the focus after a click into it; the new-profile
    // fields start empty, so the typed text is the whole name.
    ASSERT_TRUE(folder.Click(dialog, kProfileSkin, 1));
    OptionFolder::Type("Sniper rifle profile with a long name");
    // Enter neither confirms nor closes the dialog.
    OptionFolder::PressKey(VK_RETURN);
    ASSERT_TRUE(folder.Click(dialog, kProfileSkin, kPropertiesOkKey));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(folder.Click(option, kMainSkin, kApplyKey));
    // At most 20 characters are taken; the game program is empty.
    EXPECT_TRUE(WaitFor([&] { return ProfileValue(SlotFile(folder, 1), "ProFileName") == "Sniper rifle profile"; }));
    EXPECT_EQ(ProfileValue(SlotFile(folder, 1), "GameFile"), "");
    EXPECT_EQ(ProfileValue(SlotFile(folder, 0), "ProFileName"), "Default1");
}

TEST(OptionDialogs_Properties, CancelKeepsTheRecord) {
    OptionFolder folder;
    REQUIRE_READY(folder);
    HWND option = folder.StartOption();
    ASSERT_NE(option, nullptr);
    ASSERT_TRUE(folder.Click(option, kMainSkin, kPropertiesKey));
    HWND dialog = folder.WaitForDialog(option);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(option));
    ASSERT_TRUE(folder.Click(dialog, kProfileSkin, 1));
    OptionFolder::Type("X");
    ASSERT_TRUE(folder.Click(dialog, kProfileSkin, kPropertiesCancelKey));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(folder.Click(option, kMainSkin, kApplyKey));
    EXPECT_TRUE(WaitFor([&] { return ProfileValue(SlotFile(folder, 0), "ProFileName") == "Default1"; }));
}

TEST(OptionDialogs_Import, ProfileFileIntoSlotTwoIsWrittenAndApplied) {
    OptionFolder folder;
    REQUIRE_READY(folder);
    ASSERT_TRUE(folder.StartAgent());
    const std::string chosen = folder.Path() + "chosen.gmp";
    WritePrivateProfileStringA("Setting", "ProFileName", "Imported", chosen.c_str());
    WritePrivateProfileStringA("Setting", "PollingRate", "1", chosen.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, chosen.c_str());
    HWND option = folder.StartOption();
    ASSERT_NE(option, nullptr);
    ASSERT_TRUE(folder.Click(option, kMainSkin, kFirstSlotKey + 2));
    const size_t selectsBefore = folder.CountTransfers(SelectCommand(3));
    const std::vector<uint8_t> buttonMapOfSlotTwo = {0x0D, 0x03, 0x80, 0x00, 0x00, 0x00, 0x00, 0x6F};
    const size_t mapsBefore = folder.CountTransfers(buttonMapOfSlotTwo);
    ASSERT_TRUE(folder.Click(option, kMainSkin, kImportKey));
    ASSERT_NE(folder.EnterInFileDialog(option, chosen), nullptr);
    const std::string target = SlotFile(folder, 2);
    EXPECT_TRUE(WaitFor([&] { return ProfileValue(target, "ProFileName") == "Imported"; }));
    EXPECT_EQ(ProfileValue(target, "PollingRate"), "1");
    EXPECT_TRUE(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    // Imported, then applied: the slot's button map and the select command.
    EXPECT_TRUE(folder.WaitForTransferCount(buttonMapOfSlotTwo, mapsBefore + 1));
    EXPECT_TRUE(folder.WaitForTransferCount(SelectCommand(3), selectsBefore + 1));
    EXPECT_EQ(folder.Setting("Setting", "CurrentProfile"), "2");
}

TEST(OptionDialogs_Export, CurrentProfileIsWrittenToTheChosenFile) {
    OptionFolder folder;
    REQUIRE_READY(folder);
    HWND option = folder.StartOption();
    ASSERT_NE(option, nullptr);
    ASSERT_TRUE(folder.Click(option, kMainSkin, kFirstSlotKey + 3));
    ASSERT_TRUE(folder.Click(option, kMainSkin, kExportKey));
    const std::string exported = folder.Path() + "exported.gmp";
    HWND fileDialog = folder.EnterInFileDialog(option, exported);
    ASSERT_NE(fileDialog, nullptr);
    EXPECT_TRUE(WaitFor([&] { return ProfileValue(exported, "ProFileName") == "Default4"; }));
    EXPECT_EQ(ProfileValue(exported, "PollingRate"), "2");
    EXPECT_EQ(GetFileAttributesA((exported + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    // Exporting applies nothing.
    EXPECT_EQ(folder.Setting("Setting", "CurrentProfile"), "");
}

// Paths typed into the real file dialog, against its initial name
// "<program folder>config\\.gmp": shorter, in another folder, longer with
// spaces. Each slot is exported to one, which is imported back renamed.
TEST(OptionDialogs_ImportExport, ChosenPathsAreTakenAsTyped) {
    OptionFolder folder;
    REQUIRE_READY(folder);
    testsupport::TempFolder elsewhere("elsewhere");
    const std::string paths[] = {folder.Path() + "a.gmp", elsewhere.Path() + "q7.gmp",
                                 folder.Path() + "config\\saved game with a longer name.gmp"};
    HWND option = folder.StartOption();
    ASSERT_NE(option, nullptr);
    // The file dialog is modal: the main window is disabled while it is open.
    auto choose = [&](int key, const std::string& path) {
        return folder.ClickUntil(option, kMainSkin, key, [&] { return !IsWindowEnabled(option); }) &&
               folder.EnterInFileDialog(option, path);
    };
    for (int slot = 0; slot < 3; ++slot) {
        const char* path = paths[slot].c_str();
        ASSERT_TRUE(folder.Click(option, kMainSkin, kFirstSlotKey + slot));
        ASSERT_TRUE(choose(kExportKey, path));
        EXPECT_TRUE(WaitFor([&] { return ProfileValue(path, "ProFileName") == "Default" + std::to_string(slot + 1); }));
        WritePrivateProfileStringA("Setting", "ProFileName", path, path);
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);
        ASSERT_TRUE(choose(kImportKey, path));
        // Applied: config.ini is saved after the slot files.
        EXPECT_TRUE(WaitFor([&] { return folder.Setting("Setting", "CurrentProfile") == std::to_string(slot); }));
        EXPECT_EQ(ProfileValue(SlotFile(folder, slot), "ProFileName"), path);
        EXPECT_TRUE(GetFileAttributesA(SlotFile(folder, slot).c_str()) & FILE_ATTRIBUTE_HIDDEN) << path;
    }
    // A file that is no profile: the warning, and the slot stays as it was.
    ASSERT_TRUE(choose(kImportKey, folder.Path() + "skins\\skin_main.ini"));
    EXPECT_NE(folder.WaitForDialog(option), nullptr);
    EXPECT_EQ(ProfileValue(SlotFile(folder, 2), "ProFileName"), paths[2]);
}

TEST(OptionMainWindow_Hover, StatusLineShowsTheHintOfThePointedControl) {
    OptionFolder folder;
    REQUIRE_READY(folder);
    HWND option = folder.StartOption();
    ASSERT_NE(option, nullptr);
    constexpr int kStatusLineKey = 48;
    // A point of the window's own face (the drawn mouse), where no control is.
    RECT place{};
    GetWindowRect(option, &place);
    const POINT face{place.left + kMouseFaceX, place.top + kMouseFaceY};
    OptionFolder::MovePointer(face.x, face.y);
    ASSERT_TRUE(WaitFor([&] { return !folder.ShowsText(option, kMainSkin, kStatusLineKey); }));
    ASSERT_TRUE(folder.PointAt(option, kMainSkin, kApplyKey));
    EXPECT_TRUE(WaitFor([&] { return folder.ShowsText(option, kMainSkin, kStatusLineKey); }));
    // Leaving the control clears the hint again.
    OptionFolder::MovePointer(face.x, face.y);
    EXPECT_TRUE(WaitFor([&] { return !folder.ShowsText(option, kMainSkin, kStatusLineKey); }));
}

// Stands in for an agent that takes the apply message and then dies: it
// never answers with the end of the apply.
class SilentAgent {
public:
    SilentAgent() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "SilentAgentForOptionTest";
        RegisterClassA(&windowClass);
        m_window = CreateWindowA(windowClass.lpszClassName, kAgentTitle, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 windowClass.hInstance, nullptr);
    }
    ~SilentAgent() { DestroyWindow(m_window); }

    static HWND s_applyButton;
    static int s_applies;
    static bool s_disabledDuringApply;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == kMsgApply) {
            ++s_applies;
            s_disabledDuringApply = s_applyButton && !IsWindowEnabled(s_applyButton);
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND m_window = nullptr;
};
HWND SilentAgent::s_applyButton = nullptr;
int SilentAgent::s_applies = 0;
bool SilentAgent::s_disabledDuringApply = false;

TEST(OptionApply_AgentNeverAnswers, ButtonsComeBackAfterTheWait) {
    OptionFolder folder;
    REQUIRE_READY(folder);
    SilentAgent agent;
    HWND option = folder.StartOption();
    ASSERT_NE(option, nullptr);
    ASSERT_TRUE(WaitFor([&] { return folder.ControlEnabled(option, kMainSkin, kApplyKey); }));
    RECT place{};
    GetWindowRect(option, &place);
    char entry[256] = {};
    GetPrivateProfileStringA("BUTTONPOS", "14", "", entry, sizeof entry, (folder.Path() + "skins\\skin_main.ini").c_str());
    int x = 0, y = 0;
    ASSERT_EQ(sscanf(entry, "%*[^,],%d,%d", &x, &y), 2);
    SilentAgent::s_applyButton = ChildWindowFromPointEx(option, POINT{x + 2, y + 2}, CWP_SKIPINVISIBLE);
    ASSERT_TRUE(folder.Click(option, kMainSkin, kApplyKey));
    // Our window must answer the sent message, so the wait pumps.
    ASSERT_TRUE(testsupport::PumpUntil([] { return SilentAgent::s_applies == 1; }, optiontest::kDeadlineMs));
    EXPECT_TRUE(SilentAgent::s_disabledDuringApply);
    // No answer comes; the window gives the buttons back by itself.
    EXPECT_TRUE(testsupport::PumpUntil([&] { return folder.ControlEnabled(option, kMainSkin, kApplyKey); },
                                       optiontest::kDeadlineMs));
}

// The silent agent's thread is this one: while the test looks on without
// pumping, the agent hangs in the apply message as far as Option can tell.
TEST(OptionApply_AgentHangs, WindowRepaintsGivesTheButtonsBackAndCloses) {
    OptionFolder folder;
    REQUIRE_READY(folder);
    SilentAgent agent;
    SilentAgent::s_applies = 0;
    HWND option = folder.StartOption();
    ASSERT_NE(option, nullptr);
    for (int apply = 1; apply <= 2; ++apply) {
        ASSERT_TRUE(WaitFor([&] { return folder.ControlEnabled(option, kMainSkin, kApplyKey); }));
        ASSERT_TRUE(folder.Click(option, kMainSkin, kApplyKey));
        ASSERT_TRUE(WaitFor([&] { return !folder.ControlEnabled(option, kMainSkin, kApplyKey); }));
        InvalidateRect(option, nullptr, FALSE);
        ASSERT_TRUE(WaitFor([&] { return !GetUpdateRect(option, nullptr, FALSE); })) << "no repaint";
    }
    ASSERT_TRUE(folder.Click(option, kMainSkin, kCloseKey));
    EXPECT_TRUE(folder.WaitForOptionEnd());
    EXPECT_TRUE(testsupport::PumpUntil([] { return SilentAgent::s_applies == 2; }, optiontest::kDeadlineMs));
}

}  // namespace
