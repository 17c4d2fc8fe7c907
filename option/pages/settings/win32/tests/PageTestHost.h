// What the settings-page tests need in place of the main window: a host
// that owns the settings block and offers it as the edit copy, a top-level
// frame holding the page, and real pointer input at skin rectangles.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "frame/Window.h"
#include "option/core/OptionHost.h"
#include "option/pages/settings/win32/SkinnedPage.h"
#include "testing/Screenshot.h"

class TestOptionHost : public OptionHost {
public:
    TestOptionHost();
    ~TestOptionHost() override;

    const std::string& ProgramFolder() const override { return m_programFolder; }
    std::string SkinFolder() const override { return m_programFolder + "skins\\"; }
    std::string Text(unsigned stringId) const override;
    SettingsBlock& EditCopy() override { return m_block; }
    // The settings pages never use the macro list.
    MacroList& Macros() override;
    void* MainWindow() const override { return m_mainWindow; }
    void RefreshAllPages() override { ++m_refreshes; }

    void SetMainWindow(HWND window) { m_mainWindow = window; }
    int Refreshes() const { return m_refreshes; }

private:
    std::string m_programFolder;
    SettingsBlock m_block{};
    HMODULE m_strings = nullptr;
    HWND m_mainWindow = nullptr;
    int m_refreshes = 0;
};

// The main window's stand-in: a plain top-level window at the screen's
// top-left corner whose client area holds the page.
class PageFrame : public Window {
public:
    bool Create(int width, int height);
};

// The set-up every page test shares: the page of the derived fixture shown
// in a frame as the main window shows it, the frame destroyed afterwards.
class SettingsPageTest : public ::testing::Test {
protected:
    virtual SkinnedPage& Page() = 0;
    void SetUp() override;
    void TearDown() override;
    ProfileRecord& Record() { return CurrentProfile(m_host.EditCopy()); }

    TestOptionHost m_host;
    PageFrame m_frame;
};

// Left click at a screen point through the system's input queue.
void ClickAt(POINT screen);
// Runs the action inside the modal loop of the next dialog that opens
// (a timer of this thread polls for it), with the dialog's handle.
void WhenDialogOpens(std::function<void(HWND dialog)> action);
// Press at `from`, move in small steps to `to`, release.
void DragFromTo(POINT from, POINT to);
// The BUTTONPOS rectangle of a skin file in the dist skin folder, in the
// client coordinates of the window it belongs to.
RECT SkinRectangle(const std::string& skinFile, int key);
// The centre of that rectangle on the screen, for `window`.
POINT ScreenCentre(HWND window, const RECT& rectangle);
// Left click at the centre of the skin rectangle of `key` in `window`.
void ClickKey(HWND window, const std::string& skinFile, int key);
// Left click on the up arrow of the value box at the skin rectangle of
// `key`: the top half of the column at the box's right edge.
void ClickUpArrow(HWND window, const std::string& skinFile, int key);
// The colour dialog's skin; a left click at pixel (x, y) of its colour field.
constexpr char kColourSkin[] = "skin_dpi_color.ini";
void ClickColourField(HWND dialog, int x, int y);
// The thumb window of the slider whose track lies at the skin rectangle of `key`.
HWND SliderThumb(HWND window, const std::string& skinFile, int key);
// Moves the slider whose track lies at the skin rectangle of `key` to the
// value by dragging its thumb (range minimum..maximum).
void DragSliderTo(HWND window, const std::string& skinFile, int key, int minimum, int maximum, int value);
// Screenshots into SCREENSHOT_DIR, shared with the other window tests.
using testsupport::SaveScreenshot;
