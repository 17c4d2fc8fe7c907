// Every fixed number and name of the agent: window identity, messages between
// the programs, commands, timers, tray icon, kernel object and file names.
#pragma once

#include "monitor/actions/ActionConstants.h"
#include "profile/ProfileRecord.h"

#include <cstdint>

namespace agent {

// Window titles by which the programs find each other.
constexpr char kAgentWindowTitle[] = "TARVIK-Q7 Gaming Mouse Monitor";
constexpr char kAgentWindowClass[] = "TarvikMouseMonitorAgent";
constexpr const char* kOptionWindowTitle = actions::kOptionWindowTitle;
constexpr const char* kDisplayWindowTitle = actions::kDisplayWindowTitle;

// Outside windows closed at shutdown, in this order.
constexpr const char* kOutsideWindowTitles[] = {
    "Zelkor_510-7716_Gaming_Mouse_Normal_OSD",
    "Zelkor_510-7716 Gaming Mouse Pop3",
    "Zelkor_510-7716 Gaming Mouse CPU RAM OSD",
    "Zelkor_510-7716 Gaming Mouse OSD SKYPE",
    "Zelkor_510-7716 Gaming Mouse OSD MSN",
};

// Kernel objects.
constexpr char kInstanceMutexName[] = "Gaming_Mouse_Normal_Monitor_Mutex";
constexpr char kSettingsMutexName[] = "Zelkor_510-7716_Gaming_Mouse_Normal_Mutex_Object";
constexpr char kSharedBlockName[] = "Zelkor_510-7716_Gaming_Mouse_Normal_Share_Data";

// Agent window geometry: a hidden pop-up, never shown.
constexpr int kWindowLeft = 100;
constexpr int kWindowTop = 100;
constexpr int kWindowWidth = 100;
constexpr int kWindowHeight = 100;

// Messages received by the agent window.
constexpr unsigned kMsgApplySettings = 1224;         // Option, SendMessage, after writing the block
constexpr unsigned kMsgReadSettings = 1226;          // read block
constexpr unsigned kMsgReadAndApplyPointer = 1227;   // read block, apply pointer settings
constexpr unsigned kMsgIgnored = 1274;               // nothing
constexpr unsigned kMsgTrayCallback = 1036;          // WM_USER + 12
constexpr unsigned kMsgDeviceEvent = 1325;           // HID transport library: event
constexpr unsigned kMsgDevicePresence = 1326;        // HID transport library: presence

// Messages sent by the agent.
constexpr unsigned kMsgClose = 0x0010;  // WM_CLOSE, to Option and the outside windows
constexpr unsigned kMsgSlotChanged = actions::kMsgSlotChanged;
constexpr unsigned kMsgApplyFinished = 1256;         // to Option
constexpr unsigned kMsgSettingsChangedByMouse = actions::kMsgSettingsChangedByMouse;
constexpr unsigned kMsgDisplayNotice = actions::kMsgDisplayNotice;
constexpr unsigned kMsgDisplaySettings = 1326;       // to the on-screen display window, during an apply

// Thread messages.
constexpr unsigned kMsgPlayMacro = 1648;   // macro-player thread
constexpr unsigned kMsgDeviceWrite = 1649; // device-writer thread

// wParam of kMsgDeviceWrite.
constexpr int kWriteChanged = 1;
constexpr int kWriteEverything = 2;
constexpr int kWriteSelectOnly = 3;

// WM_COMMAND ids of the agent window.
constexpr unsigned kCommandOpenOption = 6001;
constexpr unsigned kCommandExit = 6002;
// The tray menu's profile items: slot s (0..4) has id kCommandFirstProfile + s.
constexpr unsigned kCommandFirstProfile = 6011;
constexpr unsigned kCommandLastProfile = kCommandFirstProfile + kSlotCount - 1;
static_assert(kCommandFirstProfile > kCommandExit, "the profile items' ids follow the fixed commands");
// Slots are shown to the user counted from 1.
constexpr int kFirstShownSlot = 1;

// Timers of the agent window.
constexpr unsigned kTimerForegroundCheck = 500;
constexpr unsigned kTimerForegroundCheckPeriod = 2000;
constexpr unsigned kTimerFirstWrite = 502;
constexpr unsigned kTimerFirstWriteDelay = 200;
constexpr unsigned kTimerMediaRepeat = actions::kTimerMediaRepeat;  // driven by the action engine
constexpr unsigned kTimerKeyRepeat = actions::kTimerKeyRepeat;

// A tray icon the shell refused (not up yet at logon) is added again on
// this timer until it takes it.
constexpr unsigned kTimerTrayRetry = 503;
constexpr unsigned kTimerTrayRetryPeriod = 3000;
// Registered message the shell broadcasts when its taskbar (re)appears.
constexpr char kTaskbarCreatedMessageName[] = "TaskbarCreated";

// Pause before the channels are reopened on arrival.
constexpr unsigned kArrivalPauseMilliseconds = 1000;

// Tray icon.
constexpr unsigned kTrayIconId = 102;
constexpr unsigned kStringTrayOpen = 1002;  // first menu item
constexpr unsigned kStringTrayExit = 1003;  // second menu item
constexpr unsigned kStringTrayTip = 1004;

// Stack of each worker thread.
constexpr unsigned kWorkerStackSize = 4096;

// Files of the program folder.
constexpr char kLanguageLibraryFileName[] = "strtab.dll";
constexpr char kOptionProgramFileName[] = "Option.exe";
constexpr const char* kCompanionPrograms[] = {"Herald.exe", "Applets\\Vitals.exe", "Applets\\Inbox.EXE"};

// The pointer settings registry key, opened at start with full access.
constexpr char kPointerRegistryPath[] = "HKEY_CURRENT_USER\\Control Panel\\Mouse";

// Debug strings.
constexpr char kDebugOpenOption[] = "CMonitorWnd OnCustomizer\n";
constexpr char kDebugOptionFound[] = "CMonitorWnd OnCustomizer hWnd!=NULL\n";
constexpr char kDebugOptionNotFound[] = "CMonitorWnd OnCustomizer hWnd==NULL\n";
constexpr char kDebugApplyNoOption[] = "OnApplyAllSetting Don't find Quil Option Dialog\n";
constexpr char kDebugApplyEnableButtons[] = "OnApplyAllSetting  Send Enable OK/Apply Button\n";
constexpr char kDebugThreadEnableButtons[] = "Thread Send Enable OK/Apply Button\n";
// The steps of an arrival and a removal, for timing them from outside.
constexpr char kDebugArrivalStart[] = "Monitor arrival: start\n";
constexpr char kDebugArrivalSuperseded[] = "Monitor arrival: skipped, the mouse is gone again\n";
constexpr char kDebugArrivalOpened[] = "Monitor arrival: channels opened\n";
constexpr char kDebugArrivalWriteRequested[] = "Monitor arrival: full write requested\n";
constexpr char kDebugArrivalTrayShown[] = "Monitor arrival: tray icon added\n";
constexpr char kDebugArrivalDone[] = "Monitor arrival: done\n";
constexpr char kDebugRemovalStart[] = "Monitor removal: start\n";
constexpr char kDebugRemovalClosed[] = "Monitor removal: channels closed\n";
constexpr char kDebugRemovalTrayHidden[] = "Monitor removal: tray icon removed\n";
constexpr char kDebugRemovalDone[] = "Monitor removal: done\n";
// A profile without a left button reached the writer (slot number 1..5).
constexpr char kDebugLeftButtonRestored[] = "Profile %d has no left button: button 1 written as the left button\n";

}  // namespace agent

namespace agent {

// Agent-private window message: the device-writer thread told the mouse the
// current slot (wParam) after a select-only write.
constexpr unsigned kMsgSelectWritten = 0x8000 + 1;  // WM_APP + 1
// The shell refused the tray icon; wParam = the number of that add.
constexpr unsigned kMsgTrayAddFailed = 0x8000 + 2;  // WM_APP + 2

}  // namespace agent
