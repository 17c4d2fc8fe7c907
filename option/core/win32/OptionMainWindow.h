// The main window: a modal skinned dialog with the slot buttons, the page
// tabs and the page area, the profile commands, Apply, and a status line
// with the version line and the hover hint. It owns the session and offers
// the pages what they need through OptionHost.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "option/core/ConfigPage.h"
#include "option/core/MainWindowKeys.h"
#include "option/core/OptionHost.h"
#include "option/core/OptionSession.h"
#include "option/core/win32/AgentLink.h"
#include "option/core/win32/LanguageTexts.h"
#include "option/core/win32/MacroStorage.h"
#include "option/core/win32/SharedBlockClient.h"
#include "option/core/win32/WindowsFileOperations.h"
#include "option/macros/win32/WindowsIniFileStore.h"
#include "option/pages/win32/ButtonFunctionChooser.h"
#include "profile/WallClock.h"
#include "profile/win32/WindowsPointerSystem.h"
#include "profile/win32/WindowsRegistry.h"
#include "skin/win32/SkinnedWindow.h"

class OptionMainWindow : public SkinnedDialog, public OptionHost {
public:
    explicit OptionMainWindow(std::string programFolder);
    ~OptionMainWindow() override;

    // Runs the window modally until it closes.
    INT_PTR Run();

    // OptionHost
    const std::string& ProgramFolder() const override { return m_programFolder; }
    std::string SkinFolder() const override;
    std::string Text(unsigned stringId) const override { return m_texts.Text(stringId); }
    SettingsBlock& EditCopy() override { return m_session.Edit(); }
    MacroList& Macros() override { return m_macros; }
    void* MainWindow() const override { return Handle(); }
    void RefreshAllPages() override;

    // For tests and the screenshot run: the session behind the window.
    const OptionSession& Session() const { return m_session; }

protected:
    std::string SkinFileName() const override { return mainwindow::kSkinFile; }
    void CreateControls(WindowSkin& skin) override;
    void PaintOverlay(HDC dc) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitDialog();
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint();
    LRESULT OnLeftButtonDown(LPARAM lParam);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT OnShowHint(WPARAM wParam);
    LRESULT OnDestroy();
    void OnButton(int key);
    void ChooseFunction(int entry);
    void CaptionAssignmentButtons();

    // False when the files could not be saved (the user has been told).
    bool Apply(int mode);
    void EndApplyWait();
    void CloseWindow();
    void DropEdits();
    void SelectSlot(int slot);
    void SetOrientation(int orientation);
    void ShowPage(mainwindow::Page page);
    // The page if its window was made (it was shown once), else null.
    ConfigPage* ShownBefore(mainwindow::Page page) const;
    // The page with its window, made now if it was never shown; null when
    // it cannot be made.
    ConfigPage* MadePage(mainwindow::Page page);
    void EditProperties(bool newProfile);
    void ImportProfile();
    void ExportProfile();
    void ResetCurrent();
    void ResetAll();
    void OpenDocument(const std::string& target);
    void UpdateVersionLine();
    void RedrawStatusLine();
    SkinButton* Button(int key) { return Skin().ButtonAt(key); }

    std::string m_programFolder;
    LanguageTexts m_texts;
    SharedBlockClient m_sharedBlock;
    AgentLink m_agent;
    WindowsIniFileStore m_iniFiles;
    WindowsFileOperations m_files;
    WindowsRegistry m_registry;
    SystemWallClock m_clock;
    OptionSession m_session;
    MacroList m_macros;
    MacroStorage m_macroStorage{m_macros};
    // Receives the performance page's trial double-click times; made with
    // the window's handle and kept until the pages are gone.
    std::unique_ptr<WindowsPointerSystem> m_pointer;

    std::array<std::unique_ptr<ConfigPage>, mainwindow::kPageCount> m_pages;
    std::unique_ptr<ButtonFunctionChooser> m_chooser;
    int m_menuEntry = 0;  // entry whose function menu was opened last
    mainwindow::Page m_currentPage = mainwindow::Page::Buttons;
    RECT m_pageArea{};
    RECT m_statusLine{};
    HICON m_icon = nullptr;
    Font m_statusFont;
    Font m_versionFont;
    std::string m_versionLine;
    std::string m_hint;
    bool m_waitingForAgent = false;
};
