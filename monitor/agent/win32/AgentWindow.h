// The hidden agent window: owns every timer, the tray icon, the two worker
// threads, the shared settings block, the binding of portio.dll, and
// receives the messages of Option, of the HID transport library and of the
// shell. Created once at start; its destruction is the agent's shutdown.
#pragma once

#include "frame/Window.h"
#include "monitor/actions/Engine.h"
#include "monitor/actions/EngineHost.h"
#include "monitor/actions/win32/ShutdownClock.h"
#include "monitor/actions/win32/Win32Input.h"
#include "monitor/actions/win32/Win32SystemServices.h"
#include "monitor/actions/win32/Win32Windows.h"
#include "monitor/agent/AgentCore.h"
#include "monitor/agent/DeviceEventRouter.h"
#include "monitor/agent/WriteRequestQueue.h"
#include "monitor/agent/win32/LanguageLibrary.h"
#include "monitor/agent/win32/SharedSettingsBlock.h"
#include "monitor/agent/win32/TrayIcon.h"
#include "monitor/agent/win32/WorkerThread.h"
#include "monitor/device/DeviceWriter.h"
#include "monitor/device/win32/PortioLibrary.h"
#include "monitor/device/win32/PortioTransport.h"
#include "profile/OsdSettings.h"
#include "profile/win32/PrivateProfileAccessor.h"
#include "profile/win32/WindowsKeyboardLayout.h"

#include <atomic>
#include <cstdint>
#include <string>

class AgentWindow : public Window, private AgentServices, private actions::EngineHost {
public:
    explicit AgentWindow(bool openOptionAfterStart);
    ~AgentWindow() override;

    bool Create();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalDestroy() override;

private:
    // Message table.
    LRESULT OnCreate();
    void OnDestroy();
    LRESULT OnCommand(WPARAM wParam);
    LRESULT OnTimer(WPARAM timerId);
    LRESULT OnTrayCallback(LPARAM mouseMessage);
    LRESULT OnApplySettings(WPARAM applyMode);
    LRESULT OnReadSettings();
    LRESULT OnReadAndApplyPointer();
    LRESULT OnDeviceEvent(WPARAM wParam, LPARAM lParam);
    LRESULT OnDevicePresence(WPARAM wParam);
    LRESULT OnCopyData(LPARAM lParam);
    LRESULT OnSelectWritten(WPARAM slot);

    // Start-up steps.
    void CreateShellObject();
    void OpenPointerRegistryKey();
    void OpenMouse();
    void StartCompanions();

    void OpenOption();
    void ShowTrayMenu();
    // A profile chosen in the tray menu becomes current as a per-application
    // switch makes it (block, mouse, pointer settings, Option, notices) and
    // is kept in the settings file for the next start.
    void ChooseProfile(int slot);
    void BringLastPopupForward(bool restoreWhenMinimised);
    std::string ProgramPath() const;

    // Thread messages of the two workers.
    void OnWriterMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPlayerMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // AgentServices.
    void Pause(unsigned milliseconds) override;
    bool RemovalQueued() override;
    void OpenChannels() override;
    void CloseChannels() override;
    bool RequestDeviceWrite(int mode, intptr_t parameter, const SettingsBlock& snapshot) override;
    void ReleaseHeldInput() override;
    void ShowTrayIcon() override;
    void HideTrayIcon() override;
    void StartForegroundTimer() override;
    void StopForegroundTimer() override;
    void LoadProfileSet(SettingsBlock& block) override;
    void WriteDevicePresence(int present) override;
    DisplayMessageValues ReloadDisplaySettings() override;
    bool ReadSharedBlock(SettingsBlock& block) override;
    bool WriteSharedBlock(const SettingsBlock& block) override;
    void ReadPointerSettings(ProfileRecord& record) override;
    // Also the engine's.
    void ApplyPointerSettings(ProfileRecord& record) override;
    bool PostToWindow(const char* title, unsigned message, uintptr_t wParam, intptr_t lParam) override;
    void Debug(const char* text) override;

    // EngineHost.
    SettingsBlock& Settings() override;
    void WriteBackSettings() override;
    const OsdSettings& DisplaySettings() override;
    bool MousePresent() override;
    void StartTimer(unsigned timerId, unsigned milliseconds) override;
    void StopTimer(unsigned timerId) override;
    uintptr_t OwnWindow() override;
    bool PostPlayMacro() override;
    bool RequestSelectWrite() override;
    void StorePointerSettings(const ProfileRecord& record) override;

    const bool m_openOptionAfterStart;
    bool m_started = false;                 // window creation got past the settings mutex
    std::atomic<bool> m_shuttingDown{false};  // the writer drops queued requests

    std::string m_programFolder;
    LanguageLibrary m_language;
    HKEY m_pointerKey = nullptr;
    IUnknown* m_shell = nullptr;
    bool m_comInitialised = false;

    device::DeviceLinkState m_link;
    AgentCore m_core;
    OsdSettings m_displaySettings{};

    // The action engine and the platform it reaches.
    actions::Win32Input m_input;
    WindowsKeyboardLayout m_layout;
    actions::ShutdownClock m_clock;
    actions::Win32Windows m_windows;
    actions::Win32Shell m_shellCalls;
    actions::Win32PlayerRegistry m_playerRegistry;
    actions::Win32ProcessList m_processes;
    PrivateProfileFiles m_files;
    actions::AppSettingsWriter m_settingsFile;
    actions::Engine m_engine;
    // The switch the tray menu's profile items take: the engine's own kind,
    // on the same host and windows.
    actions::DisplayNotices m_trayNotices;
    actions::ProfileSwitcher m_traySwitcher;
    DeviceEventRouter m_router;

    PortioLibrary m_portio;
    PortioTransport m_transport;
    SystemSleeper m_sleeper;
    device::DeviceWriter m_writer;  // used on the device-writer thread only
    WriteRequestQueue m_requests;
    SharedSettingsBlock m_shared;

    WorkerThread m_playerThread;
    WorkerThread m_writerThread;
    TrayIcon m_tray;
    agent::TrayKeeper m_trayKeeper{m_tray};
    // The shell broadcasts it when a new taskbar comes up.
    UINT m_taskbarCreatedMessage = 0;
};
