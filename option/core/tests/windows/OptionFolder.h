// A temporary program folder for end-to-end tests of Option.exe: the real
// programs, the skins, the language library and a portio.ini choosing the
// virtual mouse. Starts and ends the programs, clicks the centres of skin
// rectangles with the system pointer, reads the settings file and the
// transfer log. Every wait polls with a generous deadline.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "portio/TransferLog.h"
#include "testing/MessagePump.h"
#include "testing/PointerInput.h"
#include "testing/TempFolder.h"

namespace optiontest {

constexpr DWORD kDeadlineMs = testsupport::kWaitDeadlineMs;
using testsupport::WaitFor;

class OptionFolder {
public:
    OptionFolder();
    ~OptionFolder();
    OptionFolder(const OptionFolder&) = delete;
    OptionFolder& operator=(const OptionFolder&) = delete;

    bool Ready() const { return m_missing.empty(); }
    const std::string& MissingReason() const { return m_missing; }
    const std::string& Path() const { return m_path; }

    // Monitor.exe; waits for its window and its first full write.
    bool StartAgent();
    // Ends the agent as a crash would.
    void KillAgent();
    bool StopAgent();

    // Option.exe; the main window, visible, or null.
    HWND StartOption();
    HANDLE OptionProcess() const { return m_option; }
    // Starts another Option.exe and returns its exit code (-1 when it runs on).
    long RunSecondOption();
    bool WaitForOptionEnd();
    // Ends Option as a crash would.
    void KillOption();

    // A left click with the system pointer at the centre of the skin
    // rectangle of the key, in the window that uses that skin file.
    bool Click(HWND window, const std::string& skinFile, int key) const;
    // Clicks the key until `done` holds, as testsupport::ClickUntil does.
    bool ClickUntil(HWND window, const std::string& skinFile, int key, const std::function<bool()>& done) const;
    // Clicks the key until the pixels of the watched key (a choice or toggle
    // itself: its chosen look) differ, with the pointer moved off them, from
    // those before the first click.
    bool ClickUntilChanged(HWND window, const std::string& skinFile, int key, int watched) const;
    // The screen's pixels in the key's rectangle.
    std::vector<COLORREF> KeyPixels(HWND window, const std::string& skinFile, int key) const;
    // Moves the system pointer to a screen point, or to the key's centre.
    static void MovePointer(int x, int y);
    // Moves and waits until the control under the pointer can take a press.
    static void MovePointerAndWait(int x, int y);
    // A left click at a screen point.
    static void ClickAt(int x, int y);
    // Presses the left button at `from`, waits until `target` (a window of
    // another process) holds the capture, moves in steps to `to`, releases
    // and waits until the capture is let go.
    static bool DragFromTo(HWND target, POINT from, POINT to);
    // The key's skin rectangle on the screen, in the window using that skin.
    bool KeyRect(HWND window, const std::string& skinFile, int key, RECT& screenRect) const;
    bool PointAt(HWND window, const std::string& skinFile, int key) const;
    // Light pixels (text) on the screen in the left part of the key's rectangle.
    bool ShowsText(HWND window, const std::string& skinFile, int key) const;
    // A visible window of the Option process with this class, other than `except`.
    HWND WaitForWindowOfClass(const char* className, HWND except, DWORD deadlineMs = kDeadlineMs) const;
    // Waits for Option's file dialog, types the path into it and presses
    // Return, as a user does; the dialog, or null when none opened.
    HWND EnterInFileDialog(HWND mainWindow, const std::string& path) const;
    // The enabled state of the control at the centre of the key's rectangle.
    bool ControlEnabled(HWND window, const std::string& skinFile, int key) const;
    // The child of `parent` with this title once it shows (a page makes its
    // window when first shown); null when it does not.
    static HWND WaitForShownChild(HWND parent, const char* title, DWORD deadlineMs = kDeadlineMs);
    // A visible dialog of the Option process other than the main window.
    HWND WaitForDialog(HWND mainWindow, DWORD deadlineMs = kDeadlineMs) const;

    std::string Setting(const char* section, const char* key) const;
    std::vector<std::vector<uint8_t>> SetFeatureTransfers() const;
    // Every transfer of both kinds, joined.
    std::vector<uint8_t> AllTransferBytes() const;
    // The data of the WriteUSB transfers (the chunks in order) after the last
    // SetFeature transfer that starts with `command`; empty when there is none.
    std::vector<uint8_t> DataAfterLast(const std::vector<uint8_t>& command) const;
    size_t CountTransfers(const std::vector<uint8_t>& bytes) const;
    bool WaitForTransferCount(const std::vector<uint8_t>& bytes, size_t count) const;

private:
    bool Copy(const std::string& from, const std::string& to);
    std::vector<portio::TransferRecord> Transfers() const;
    bool KeyCentre(HWND window, const std::string& skinFile, int key, POINT& centre) const;
    HANDLE Start(const std::string& program) const;

    testsupport::TempFolder m_folder{"optiontest"};
    const std::string m_path = m_folder.Path();
    std::string m_missing;
    HANDLE m_agent = nullptr;
    HANDLE m_option = nullptr;
};

// Commands as the mouse receives them (8 bytes with the check byte).
extern const std::vector<uint8_t> kOpeningCommand;
std::vector<uint8_t> SelectCommand(int profileNumber);

}  // namespace optiontest
