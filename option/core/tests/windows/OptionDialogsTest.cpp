// The main window's dialogs and its wait for the agent, driven by pointer
// clicks and keystrokes through the system.
#include "OptionProgramFixture.h"
#include "testing/MessagePump.h"

namespace {

using optiontest::OptionFolder;
using optiontest::SelectCommand;
using optiontest::WaitFor;

constexpr char kProfileSkin[] = "skin_profile.ini";
constexpr UINT kMsgApply = 1224;
// Keys of the main window's skin.
constexpr int kNewProfileKey = 1;
constexpr int kPropertiesKey = 4;
// Keys of the properties dialog.
constexpr int kPropertiesOkKey = 4;
constexpr int kPropertiesCancelKey = 5;
// A point on the drawn mouse of the main window, away from every control.
constexpr int kMouseFaceX = 242;
constexpr int kMouseFaceY = 300;

using OptionDialogs = OptionProgramFixture;
using OptionMainWindow = OptionProgramFixture;
using OptionApply = OptionProgramFixture;

TEST_F(OptionDialogs, Properties_NewProfileNameReachesTheSlotFileOnApply) {
    ASSERT_TRUE(StartOption());
    ASSERT_TRUE(ClickMain(kFirstSlotKey + 1));
    ASSERT_TRUE(ClickMain(kNewProfileKey));
    HWND dialog = m_folder.WaitForDialog(m_option);
    ASSERT_NE(dialog, nullptr);
    // The name field holds the focus after a click into it; the new-profile
    // fields start empty, so the typed text is the whole name.
    ASSERT_TRUE(m_folder.Click(dialog, kProfileSkin, 1));
    testsupport::TypeText("Sniper rifle profile with a long name");
    // Enter neither confirms nor closes the dialog.
    testsupport::PressKey(VK_RETURN);
    ASSERT_TRUE(m_folder.Click(dialog, kProfileSkin, kPropertiesOkKey));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(ClickMain(kApplyKey));
    // At most 20 characters are taken; the game program is empty.
    EXPECT_TRUE(WaitFor([&] { return ProfileValue(SlotFile(m_folder, 1), "ProFileName") == "Sniper rifle profile"; }));
    EXPECT_EQ(ProfileValue(SlotFile(m_folder, 1), "GameFile"), "");
    EXPECT_EQ(ProfileValue(SlotFile(m_folder, 0), "ProFileName"), "Default1");
}

TEST_F(OptionDialogs, Properties_CancelKeepsTheRecord) {
    ASSERT_TRUE(StartOption());
    ASSERT_TRUE(ClickMain(kPropertiesKey));
    HWND dialog = m_folder.WaitForDialog(m_option);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(m_option));
    ASSERT_TRUE(m_folder.Click(dialog, kProfileSkin, 1));
    testsupport::TypeText("X");
    ASSERT_TRUE(m_folder.Click(dialog, kProfileSkin, kPropertiesCancelKey));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(ClickMain(kApplyKey));
    EXPECT_TRUE(WaitFor([&] { return ProfileValue(SlotFile(m_folder, 0), "ProFileName") == "Default1"; }));
}

TEST_F(OptionDialogs, Import_ProfileFileIntoSlotTwoIsWrittenAndApplied) {
    ASSERT_TRUE(m_folder.StartAgent());
    const std::string chosen = m_folder.Path() + "chosen.gmp";
    WritePrivateProfileStringA("Setting", "ProFileName", "Imported", chosen.c_str());
    WritePrivateProfileStringA("Setting", "PollingRate", "1", chosen.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, chosen.c_str());
    ASSERT_TRUE(StartOption());
    ASSERT_TRUE(ClickMain(kFirstSlotKey + 2));
    const size_t selectsBefore = m_folder.CountTransfers(SelectCommand(3));
    const std::vector<uint8_t> buttonMapOfSlotTwo = {0x0D, 0x03, 0x80, 0x00, 0x00, 0x00, 0x00, 0x6F};
    const size_t mapsBefore = m_folder.CountTransfers(buttonMapOfSlotTwo);
    ASSERT_TRUE(ClickMain(kImportKey));
    ASSERT_NE(m_folder.EnterInFileDialog(m_option, chosen), nullptr);
    const std::string target = SlotFile(m_folder, 2);
    EXPECT_TRUE(WaitFor([&] { return ProfileValue(target, "ProFileName") == "Imported"; }));
    EXPECT_EQ(ProfileValue(target, "PollingRate"), "1");
    // Hidden once the copy is in place, a moment after its bytes.
    EXPECT_TRUE(WaitFor([&] { return (GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0; }));
    // Imported, then applied: the slot's button map and the select command.
    EXPECT_TRUE(m_folder.WaitForTransferCount(buttonMapOfSlotTwo, mapsBefore + 1));
    EXPECT_TRUE(m_folder.WaitForTransferCount(SelectCommand(3), selectsBefore + 1));
    EXPECT_EQ(m_folder.Setting("Setting", "CurrentProfile"), "2");
}

TEST_F(OptionDialogs, Export_CurrentProfileIsWrittenToTheChosenFile) {
    ASSERT_TRUE(StartOption());
    ASSERT_TRUE(ClickMain(kFirstSlotKey + 3));
    ASSERT_TRUE(ClickMain(kExportKey));
    const std::string exported = m_folder.Path() + "exported.gmp";
    ASSERT_NE(m_folder.EnterInFileDialog(m_option, exported), nullptr);
    EXPECT_TRUE(WaitFor([&] { return ProfileValue(exported, "ProFileName") == "Default4"; }));
    EXPECT_EQ(ProfileValue(exported, "PollingRate"), "2");
    EXPECT_EQ(GetFileAttributesA((exported + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    // Exporting applies nothing.
    EXPECT_EQ(m_folder.Setting("Setting", "CurrentProfile"), "");
}

// Paths typed into the real file dialog, against its initial name
// "<program folder>config\\.gmp": shorter, in another folder, longer with
// spaces. Each slot is exported to one, which is imported back renamed.
TEST_F(OptionDialogs, ImportExport_ChosenPathsAreTakenAsTyped) {
    testsupport::TempFolder elsewhere("elsewhere");
    const std::string paths[] = {m_folder.Path() + "a.gmp", elsewhere.Path() + "q7.gmp",
                                 m_folder.Path() + "config\\saved game with a longer name.gmp"};
    ASSERT_TRUE(StartOption());
    // The file dialog is modal: the main window is disabled while it is open.
    auto choose = [&](int key, const std::string& path) {
        return m_folder.ClickUntil(m_option, kMainSkin, key, [&] { return !IsWindowEnabled(m_option); }) &&
               m_folder.EnterInFileDialog(m_option, path);
    };
    for (int slot = 0; slot < 3; ++slot) {
        const char* path = paths[slot].c_str();
        ASSERT_TRUE(ClickMain(kFirstSlotKey + slot));
        ASSERT_TRUE(choose(kExportKey, path));
        EXPECT_TRUE(WaitFor([&] { return ProfileValue(path, "ProFileName") == "Default" + std::to_string(slot + 1); }));
        WritePrivateProfileStringA("Setting", "ProFileName", path, path);
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);
        ASSERT_TRUE(choose(kImportKey, path));
        // Applied: config.ini is saved after the slot files.
        EXPECT_TRUE(WaitFor([&] { return m_folder.Setting("Setting", "CurrentProfile") == std::to_string(slot); }));
        EXPECT_EQ(ProfileValue(SlotFile(m_folder, slot), "ProFileName"), path);
        EXPECT_TRUE(GetFileAttributesA(SlotFile(m_folder, slot).c_str()) & FILE_ATTRIBUTE_HIDDEN) << path;
    }
    // A file that is no profile: the warning, and the slot stays as it was.
    ASSERT_TRUE(choose(kImportKey, m_folder.Path() + "skins\\skin_main.ini"));
    EXPECT_NE(m_folder.WaitForDialog(m_option), nullptr);
    EXPECT_EQ(ProfileValue(SlotFile(m_folder, 2), "ProFileName"), paths[2]);
}

TEST_F(OptionMainWindow, Hover_StatusLineShowsTheHintOfThePointedControl) {
    ASSERT_TRUE(StartOption());
    constexpr int kStatusLineKey = 48;
    // A point of the window's own face (the drawn mouse), where no control is.
    RECT place{};
    GetWindowRect(m_option, &place);
    const POINT face{place.left + kMouseFaceX, place.top + kMouseFaceY};
    auto hintShown = [&] { return m_folder.ShowsText(m_option, kMainSkin, kStatusLineKey); };
    OptionFolder::MovePointer(face.x, face.y);
    ASSERT_TRUE(WaitFor([&] { return !hintShown(); }));
    ASSERT_TRUE(m_folder.PointAt(m_option, kMainSkin, kApplyKey));
    EXPECT_TRUE(WaitFor(hintShown));
    // Leaving the control clears the hint again.
    OptionFolder::MovePointer(face.x, face.y);
    EXPECT_TRUE(WaitFor([&] { return !hintShown(); }));
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

    static inline HWND s_applyButton = nullptr;
    static inline int s_applies = 0;
    static inline bool s_disabledDuringApply = false;

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

TEST_F(OptionApply, AgentNeverAnswers_ButtonsComeBackAfterTheWait) {
    SilentAgent agent;
    ASSERT_TRUE(StartOption());
    ASSERT_TRUE(WaitFor([&] { return ApplyEnabled(); }));
    RECT apply{};
    ASSERT_TRUE(m_folder.KeyRect(m_option, kMainSkin, kApplyKey, apply));
    POINT corner{apply.left + 2, apply.top + 2};
    ScreenToClient(m_option, &corner);
    SilentAgent::s_applyButton = ChildWindowFromPointEx(m_option, corner, CWP_SKIPINVISIBLE);
    ASSERT_TRUE(ClickMain(kApplyKey));
    // Our window must answer the sent message, so the wait pumps.
    ASSERT_TRUE(testsupport::PumpUntil([] { return SilentAgent::s_applies == 1; }, optiontest::kDeadlineMs));
    EXPECT_TRUE(SilentAgent::s_disabledDuringApply);
    // No answer comes; the window gives the buttons back by itself.
    EXPECT_TRUE(testsupport::PumpUntil([&] { return ApplyEnabled(); }, optiontest::kDeadlineMs));
}

// The silent agent's thread is this one: while the test looks on without
// pumping, the agent hangs in the apply message as far as Option can tell.
TEST_F(OptionApply, AgentHangs_WindowRepaintsGivesTheButtonsBackAndCloses) {
    SilentAgent agent;
    SilentAgent::s_applies = 0;
    ASSERT_TRUE(StartOption());
    for (int apply = 1; apply <= 2; ++apply) {
        ASSERT_TRUE(WaitFor([&] { return ApplyEnabled(); }));
        ASSERT_TRUE(ClickMain(kApplyKey));
        ASSERT_TRUE(WaitFor([&] { return !ApplyEnabled(); }));
        InvalidateRect(m_option, nullptr, FALSE);
        ASSERT_TRUE(WaitFor([&] { return !GetUpdateRect(m_option, nullptr, FALSE); })) << "no repaint";
    }
    ASSERT_TRUE(ClickMain(kCloseKey));
    EXPECT_TRUE(m_folder.WaitForOptionEnd());
    EXPECT_TRUE(testsupport::PumpUntil([] { return SilentAgent::s_applies == 2; }, optiontest::kDeadlineMs));
}

}  // namespace
