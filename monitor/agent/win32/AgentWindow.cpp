#include "AgentWindow.h"

#include "monitor/agent/AgentConstants.h"
#include "monitor/agent/NoticeRecord.h"
#include "monitor/agent/TrayMenu.h"
#include "monitor/agent/WriteRequestRunner.h"
#include "profile/AppSettings.h"
#include "profile/PointerSettings.h"
#include "profile/ProfileSet.h"
#include "profile/win32/PrivateProfileAccessor.h"
#include "profile/win32/WindowsPointerSystem.h"
#include "profile/win32/WindowsRegistry.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The shell's dispatch object (Shell.Application) and its IShellDispatch interface.
const CLSID kShellClassId = {0x13709620, 0xC279, 0x11CE, {0xA4, 0x9E, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const IID kShellDispatchId = {0xD8F015C0, 0xC278, 0x11CE, {0xA4, 0x9E, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

class MenuOwner {
public:
    MenuOwner() : m_menu(CreatePopupMenu()) {}
    ~MenuOwner() {
        if (m_menu) DestroyMenu(m_menu);
    }
    MenuOwner(const MenuOwner&) = delete;
    MenuOwner& operator=(const MenuOwner&) = delete;
    HMENU Get() const { return m_menu; }

private:
    HMENU m_menu;
};

std::string ModuleFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    const size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

}  // namespace

AgentWindow::AgentWindow(bool openOptionAfterStart)
    : m_openOptionAfterStart(openOptionAfterStart),
      m_core(*this, m_link),
      m_settingsFile(m_files, [this] { return m_programFolder; }),
      // Complete before any worker thread starts: the macro-player thread
      // calls into it from its first message on.
      m_engine(*this, actions::EnginePlatform{m_input, m_layout, m_clock, m_windows, m_shellCalls, m_playerRegistry,
                                              m_processes, m_settingsFile}),
      m_trayNotices(*this, m_windows, m_settingsFile),
      m_traySwitcher(*this, m_windows, m_processes, m_trayNotices),
      m_router(m_core, m_engine, [this] { PostMessageA(Handle(), WM_COMMAND, agent::kCommandOpenOption, 0); }),
      m_transport(m_portio),
      m_writer(m_transport, m_sleeper, m_link) {}

AgentWindow::~AgentWindow() { Destroy(); }

bool AgentWindow::Create() {
    return Window::Create(agent::kAgentWindowClass, agent::kAgentWindowTitle, WS_POPUP, WS_EX_TOOLWINDOW,
                          agent::kWindowLeft, agent::kWindowTop, agent::kWindowWidth, agent::kWindowHeight);
}

LRESULT AgentWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return OnCreate();
        case WM_DESTROY: OnDestroy(); return 0;
        case WM_COMMAND: return OnCommand(wParam);
        case WM_TIMER: return OnTimer(wParam);
        case WM_COPYDATA: return OnCopyData(lParam);
        case agent::kMsgTrayCallback: return OnTrayCallback(lParam);
        case agent::kMsgTrayAddFailed:
            if (m_tray.IsLatestAdd(wParam)) m_trayKeeper.OnAddFailed();
            return 0;
        case agent::kMsgApplySettings: return OnApplySettings(wParam);
        case agent::kMsgReadSettings: return OnReadSettings();
        case agent::kMsgReadAndApplyPointer: return OnReadAndApplyPointer();
        case agent::kMsgIgnored: return 0;
        case agent::kMsgDeviceEvent: return OnDeviceEvent(wParam, lParam);
        case agent::kMsgDevicePresence: return OnDevicePresence(wParam);
        case agent::kMsgSelectWritten: return OnSelectWritten(wParam);
        default:
            if (m_taskbarCreatedMessage != 0 && message == m_taskbarCreatedMessage) {
                m_trayKeeper.OnShellRestarted();
                return 0;
            }
            return DefaultProcessing(message, wParam, lParam);
    }
}

LRESULT AgentWindow::OnCreate() {
    // 1. COM, common controls, the shell's automation object.
    m_comInitialised = SUCCEEDED(CoInitialize(nullptr));
    m_windows.SetOwnWindow(reinterpret_cast<uintptr_t>(Handle()));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CreateShellObject();
    // 2-4. Program folder and language library; the settings file is
    // found in the program folder by the profile store.
    m_programFolder = ModuleFolder();
    m_language.Load(m_programFolder);
    // 5. The pointer settings key, created when missing.
    OpenPointerRegistryKey();
    // 6. The HID transport library.
    m_portio.Load(m_programFolder);
    // 7-8. Profile set and on-screen display settings.
    m_core.LoadProfileSet();
    ReloadDisplaySettings();
    // 9. A settings mutex that already exists means another agent owns the block.
    if (m_shared.CreateLock(agent::kSettingsMutexName) != SharedSettingsBlock::MutexResult::Created) return -1;
    m_started = true;
    // 10. The shared block, filled from the agent copy.
    if (m_shared.CreateMapping(agent::kSharedBlockName)) m_shared.Write(m_core.Copy());
    // 11. Macro player, then device writer.
    m_playerThread.Start([this](UINT message, WPARAM wParam, LPARAM lParam) { OnPlayerMessage(message, wParam, lParam); },
                         agent::kWorkerStackSize);
    m_writerThread.Start([this](UINT message, WPARAM wParam, LPARAM lParam) { OnWriterMessage(message, wParam, lParam); },
                         agent::kWorkerStackSize);
    // 12. No taskbar button.
    SetWindowLongPtrA(Handle(), GWL_EXSTYLE, GetWindowLongPtrA(Handle(), GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    // 13-14. The mouse.
    m_taskbarCreatedMessage = RegisterWindowMessageA(agent::kTaskbarCreatedMessageName);
    m_tray.Prepare(Handle(), agent::kTrayIconId, agent::kMsgTrayCallback, ProgramPath(),
                   m_language.Text(agent::kStringTrayTip), agent::kTimerTrayRetry, agent::kTimerTrayRetryPeriod,
                   agent::kMsgTrayAddFailed);
    OpenMouse();
    // 15. Presence for outside readers.
    WriteDevicePresence(m_core.IsPresent() ? 1 : 0);
    // 16. Pointer settings of the current profile.
    ApplyPointerSettings(CurrentProfile(m_core.Copy()));
    // 17. Companions; a missing one is ignored.
    StartCompanions();
    return 0;
}

void AgentWindow::CreateShellObject() {
    void* shell = nullptr;
    if (SUCCEEDED(CoCreateInstance(kShellClassId, nullptr, CLSCTX_INPROC_SERVER, kShellDispatchId, &shell))) {
        m_shell = static_cast<IUnknown*>(shell);
    }
}

void AgentWindow::OpenPointerRegistryKey() {
    // The path's root part is fixed: "HKEY_CURRENT_USER\".
    const char* subkey = strchr(agent::kPointerRegistryPath, '\\') + 1;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_ALL_ACCESS, &m_pointerKey) != ERROR_SUCCESS) {
        m_pointerKey = nullptr;
        if (RegCreateKeyA(HKEY_CURRENT_USER, subkey, &m_pointerKey) != ERROR_SUCCESS) m_pointerKey = nullptr;
    }
}

void AgentWindow::OpenMouse() {
    m_portio.Set_VIDPID(portio::kVendorId, portio::kProductId);
    m_portio.Open_DevMonitor(Handle(), agent::kMsgDeviceEvent, agent::kMsgDevicePresence);
    m_portio.Open_FeatureDevice();
    const bool present = m_portio.Open_ReportDevice() != 0;
    if (present) StartForegroundTimer();
    m_core.OnOpenedAtStart(present);
    if (!present) return;
    SetTimer(Handle(), agent::kTimerFirstWrite, agent::kTimerFirstWriteDelay, nullptr);
    m_trayKeeper.Show();
    if (m_openOptionAfterStart) OpenOption();
}

void AgentWindow::StartCompanions() {
    for (const char* program : agent::kCompanionPrograms) {
        const std::string path = m_programFolder + program;
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
        ShellExecuteA(nullptr, "open", path.c_str(), nullptr, m_programFolder.c_str(), SW_SHOW);
    }
}

std::string AgentWindow::ProgramPath() const {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

void AgentWindow::OnDestroy() {
    // 1. Timers. No key stays held in the system: the repeat timers stop,
    // a held combination goes up, a playing macro stops (its release on
    // stop runs) and its pauses end at once.
    KillTimer(Handle(), agent::kTimerForegroundCheck);
    KillTimer(Handle(), agent::kTimerFirstWrite);
    m_engine.BeginShutdown();
    m_clock.Interrupt();
    // 2-3. Option and the outside windows; not when this agent never
    // started, since they then belong to the agent that is running.
    if (m_started) {
        PostToWindow(agent::kOptionWindowTitle, agent::kMsgClose, 0, 0);
        for (const char* title : agent::kOutsideWindowTitles) PostToWindow(title, agent::kMsgClose, 0, 0);
    }
    // 4-5. The device writer: pending requests are dropped, a running write
    // stops at its next pause.
    m_shuttingDown = true;
    m_link.Stopping = true;
    device::RequestAbort(m_link);
    m_writerThread.Stop();
    // 6. The mouse, after the writer has ended.
    m_portio.Close_FeatureDevice();
    m_portio.Close_ReportDevice();
    m_portio.Close_DevMonitor();
    m_portio.Unload();
    // 7. Macro player; then the keys its last macro left held.
    m_playerThread.Stop();
    m_engine.FinishShutdown();
    // 8. Shell object and COM.
    if (m_shell) {
        m_shell->Release();
        m_shell = nullptr;
    }
    if (m_comInitialised) {
        CoUninitialize();
        m_comInitialised = false;
    }
    // 9. Block and settings mutex.
    m_shared.CloseMapping();
    m_shared.CloseMutex();
    // 10. Tray icon (and its retry timer); waits for the shell.
    m_trayKeeper.Hide();
    m_tray.Close();
    // 11. Language library.
    m_language.Unload();
    if (m_pointerKey) {
        RegCloseKey(m_pointerKey);
        m_pointerKey = nullptr;
    }
}

void AgentWindow::OnFinalDestroy() { PostQuitMessage(0); }

LRESULT AgentWindow::OnCommand(WPARAM wParam) {
    switch (LOWORD(wParam)) {
        case agent::kCommandOpenOption: OpenOption(); return 0;
        case agent::kCommandExit: PostMessageA(Handle(), WM_CLOSE, 0, 0); return 0;
        default: {
            const int slot = agent::ProfileSlotOfCommand(LOWORD(wParam));
            if (slot >= 0) ChooseProfile(slot);
            return 0;
        }
    }
}

void AgentWindow::ChooseProfile(int slot) {
    // Also the slot that is current already: the mouse is told it again, as
    // an apply from Option or mousectl tells it.
    m_settingsFile.WriteCurrentSlot(slot);
    m_traySwitcher.SwitchTo(slot);
}

LRESULT AgentWindow::OnTimer(WPARAM timerId) {
    switch (timerId) {
        case agent::kTimerFirstWrite:
            KillTimer(Handle(), agent::kTimerFirstWrite);
            m_core.OnFirstWriteTimer();
            return 0;
        case agent::kTimerForegroundCheck:
            m_engine.ForegroundCheck();
            return 0;
        case agent::kTimerTrayRetry:
            m_trayKeeper.OnRetryTimer();
            return 0;
        case agent::kTimerMediaRepeat:
        case agent::kTimerKeyRepeat:
            m_engine.RepeatTimer(static_cast<unsigned>(timerId));
            return 0;
        default: return 0;
    }
}

void AgentWindow::OpenOption() {
    OutputDebugStringA(agent::kDebugOpenOption);
    HWND option = FindWindowA(nullptr, agent::kOptionWindowTitle);
    if (option) {
        OutputDebugStringA(agent::kDebugOptionFound);
        if (IsIconic(option)) ShowWindow(option, SW_SHOWNORMAL);
        SetForegroundWindow(option);
        return;
    }
    OutputDebugStringA(agent::kDebugOptionNotFound);
    const std::string path = m_programFolder + agent::kOptionProgramFileName;
    ShellExecuteA(nullptr, "open", path.c_str(), nullptr, m_programFolder.c_str(), SW_SHOW);
}

void AgentWindow::BringLastPopupForward(bool restoreWhenMinimised) {
    HWND popup = GetLastActivePopup(Handle());
    if (!popup || popup == Handle()) return;
    if (restoreWhenMinimised && IsIconic(popup)) ShowWindow(popup, SW_RESTORE);
    SetForegroundWindow(popup);
}

LRESULT AgentWindow::OnTrayCallback(LPARAM mouseMessage) {
    switch (static_cast<UINT>(mouseMessage)) {
        case WM_LBUTTONDOWN: BringLastPopupForward(true); return 0;
        case WM_LBUTTONDBLCLK: OpenOption(); return 0;
        case WM_RBUTTONUP: ShowTrayMenu(); return 0;
        default: return 0;
    }
}

void AgentWindow::ShowTrayMenu() {
    BringLastPopupForward(false);
    // Without the agent window in front the menu would not close when the
    // user clicks elsewhere.
    SetForegroundWindow(Handle());
    MenuOwner menu;
    if (!menu.Get()) return;
    for (const agent::TrayMenuItem& item : agent::TrayMenuItems(
             m_core.Copy(), m_language.Text(agent::kStringTrayOpen), m_language.Text(agent::kStringTrayExit))) {
        if (item.id == 0) {
            AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        AppendMenuA(menu.Get(), MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED), item.id, item.text.c_str());
        if (item.isDefault) SetMenuDefaultItem(menu.Get(), item.id, FALSE);
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    TrackPopupMenu(menu.Get(), TPM_LEFTBUTTON, cursor.x, cursor.y, 0, Handle(), nullptr);
    PostMessageA(Handle(), WM_NULL, 0, 0);
}

LRESULT AgentWindow::OnApplySettings(WPARAM applyMode) {
    m_core.OnApply(applyMode);
    return 0;
}

LRESULT AgentWindow::OnReadSettings() {
    m_core.OnReadBlock();
    return 0;
}

LRESULT AgentWindow::OnReadAndApplyPointer() {
    m_core.OnReadBlockAndApplyPointer();
    return 0;
}

LRESULT AgentWindow::OnDeviceEvent(WPARAM wParam, LPARAM lParam) {
    device::DecodeDeviceEvent(device::EventWordFromEvent(wParam, lParam), m_core.State(), m_router);
    return device::kDeviceMessageResult;
}

LRESULT AgentWindow::OnDevicePresence(WPARAM wParam) {
    device::DecodeDeviceEvent(device::EventWordFromPresence(wParam), m_core.State(), m_router);
    return device::kDeviceMessageResult;
}

LRESULT AgentWindow::OnCopyData(LPARAM lParam) {
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    std::string text;
    if (copy && ParseNoticeRecord(copy->lpData, copy->cbData, text)) m_engine.TextNotice(text);
    return 1;
}

LRESULT AgentWindow::OnSelectWritten(WPARAM slot) {
    m_engine.ProfileSelectWritten(static_cast<int>(slot));
    return 0;
}

void AgentWindow::OnWriterMessage(UINT message, WPARAM, LPARAM) {
    if (message != agent::kMsgDeviceWrite) return;
    const WriteOutcome outcome = RunWriteRequest(m_requests, m_writer, m_shuttingDown);
    for (int slot : outcome.leftButtonRestoredSlots) {
        char text[sizeof agent::kDebugLeftButtonRestored + 8];
        snprintf(text, sizeof text, agent::kDebugLeftButtonRestored, slot + 1);
        OutputDebugStringA(text);
    }
    if (outcome.applyFinished) {
        OutputDebugStringA(agent::kDebugThreadEnableButtons);
        PostToWindow(agent::kOptionWindowTitle, agent::kMsgApplyFinished, 0, 0);
    }
    if (outcome.selectWrittenSlot) PostMessageA(Handle(), agent::kMsgSelectWritten, *outcome.selectWrittenSlot, 0);
}

void AgentWindow::OnPlayerMessage(UINT message, WPARAM, LPARAM) {
    if (message == agent::kMsgPlayMacro) m_engine.PlayMacro();
}

// AgentServices.

void AgentWindow::Pause(unsigned milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < end && !RemovalQueued(); now = GetTickCount64()) {
        // Wakes for each newly posted message; messages sent by other
        // programs wait, as they would during a plain sleep.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_POSTMESSAGE);
    }
}

bool AgentWindow::RemovalQueued() {
    // Posted messages only: a message sent by another program must not be
    // handled in the middle of an arrival.
    MSG message{};
    return PeekMessageA(&message, Handle(), agent::kMsgDevicePresence, agent::kMsgDevicePresence,
                        PM_NOREMOVE | PM_QS_POSTMESSAGE) &&
           device::EventWordFromPresence(message.wParam).Word == device::kPresenceGone;
}

void AgentWindow::OpenChannels() {
    m_portio.Open_FeatureDevice();
    m_portio.Open_ReportDevice();
}

void AgentWindow::CloseChannels() {
    m_portio.Close_FeatureDevice();
    m_portio.Close_ReportDevice();
}

bool AgentWindow::RequestDeviceWrite(int mode, intptr_t parameter, const SettingsBlock& snapshot) {
    m_requests.Push(mode, parameter, snapshot);
    if (m_writerThread.Post(agent::kMsgDeviceWrite, static_cast<WPARAM>(mode), static_cast<LPARAM>(parameter))) {
        return true;
    }
    m_requests.DropNewest();
    return false;
}

void AgentWindow::ReleaseHeldInput() { m_engine.DeviceRemoved(); }

void AgentWindow::ShowTrayIcon() { m_trayKeeper.Show(); }
void AgentWindow::HideTrayIcon() { m_trayKeeper.Hide(); }

void AgentWindow::StartForegroundTimer() {
    SetTimer(Handle(), agent::kTimerForegroundCheck, agent::kTimerForegroundCheckPeriod, nullptr);
}
void AgentWindow::StopForegroundTimer() { KillTimer(Handle(), agent::kTimerForegroundCheck); }

void AgentWindow::LoadProfileSet(SettingsBlock& block) {
    PrivateProfileFiles files;
    WindowsRegistry registry;
    ::LoadProfileSet(block, files, registry, m_programFolder);
}

void AgentWindow::WriteDevicePresence(int present) {
    PrivateProfileFiles files;
    AppSettingsFile(files, m_programFolder).WriteDevicePresence(present);
}

DisplayMessageValues AgentWindow::ReloadDisplaySettings() {
    // A missing or damaged value leaves the settings as they were.
    PrivateProfileFiles files;
    AppSettingsFile(files, m_programFolder).ReadOsdSettings(m_displaySettings);
    return {m_displaySettings.MessageHighValue, m_displaySettings.MessageLowValue};
}

bool AgentWindow::ReadSharedBlock(SettingsBlock& block) { return m_shared.Read(block); }
bool AgentWindow::WriteSharedBlock(const SettingsBlock& block) { return m_shared.Write(block); }

void AgentWindow::ReadPointerSettings(ProfileRecord& record) {
    WindowsRegistry registry;
    ::ReadPointerSettings(record, registry);
}

void AgentWindow::ApplyPointerSettings(ProfileRecord& record) {
    WindowsRegistry registry;
    WindowsPointerSystem system(Handle());
    ::ApplyPointerSettings(record, registry, system);
}

bool AgentWindow::PostToWindow(const char* title, unsigned message, uintptr_t wParam, intptr_t lParam) {
    HWND window = FindWindowA(nullptr, title);
    return window && PostMessageA(window, message, wParam, lParam);
}

void AgentWindow::Debug(const char* text) { OutputDebugStringA(text); }

// EngineHost.

SettingsBlock& AgentWindow::Settings() { return m_core.Copy(); }

void AgentWindow::WriteBackSettings() { m_shared.Write(m_core.Copy()); }

const OsdSettings& AgentWindow::DisplaySettings() { return m_displaySettings; }

bool AgentWindow::MousePresent() { return m_core.IsPresent(); }

void AgentWindow::StartTimer(unsigned timerId, unsigned milliseconds) {
    SetTimer(Handle(), timerId, milliseconds, nullptr);
}

void AgentWindow::StopTimer(unsigned timerId) { KillTimer(Handle(), timerId); }

uintptr_t AgentWindow::OwnWindow() { return reinterpret_cast<uintptr_t>(Handle()); }

bool AgentWindow::PostPlayMacro() { return m_playerThread.Post(agent::kMsgPlayMacro, 0, 0); }

bool AgentWindow::RequestSelectWrite() { return RequestDeviceWrite(agent::kWriteSelectOnly, 0, m_core.Copy()); }

void AgentWindow::StorePointerSettings(const ProfileRecord& record) {
    WindowsRegistry registry;
    WritePointerSettings(record, registry);
}
