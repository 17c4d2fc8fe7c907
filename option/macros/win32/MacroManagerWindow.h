// The macro manager: the macro list, the selected macro's event list with
// recording and editing, its repeat settings, import and export.
//
// One class serves both roles: as the macro page of the main window it is a
// child dialog created with CreatePage (ConfigPage); opened from the function
// menu it runs as a modal popup over its owner with RunModal. The same skin
// and controls serve both. OK and Cancel act on the macro list in both roles
// (OK saves it and brings the buttons' copies up to date, Cancel reloads it
// from the macro file and takes back what deletes and recordings did to the
// buttons); in the modal role they also end the window.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "option/core/ConfigPage.h"
#include "option/core/OptionHost.h"
#include "option/macros/MacroEventList.h"
#include "option/macros/MacroPushLog.h"
#include "option/macros/MacroRecorder.h"
#include "profile/win32/WindowsKeyboardLayout.h"
#include "skin/win32/BitmapEdit.h"
#include "skin/win32/SkinCheckBox.h"
#include "skin/win32/SkinList.h"
#include "skin/win32/SkinnedWindow.h"

class MacroList;

class MacroManagerWindow : public SkinnedDialog, public ConfigPage {
public:
    MacroManagerWindow();
    ~MacroManagerWindow() override;

    // The modal role: IDOK or IDCANCEL once the window has closed.
    INT_PTR RunModal(OptionHost& host, HWND owner);

    // The page role.
    bool CreatePage(OptionHost& host, void* parent, int left, int top, int width, int height) override;
    void* PageWindow() const override { return Handle(); }
    void Refresh() override;

    bool Recording() const { return m_recorder.Recording(); }
    int SelectedMacro() const { return m_selected; }

protected:
    std::string SkinFileName() const override;
    void CreateControls(WindowSkin& skin) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    void OnButton(int key);
    void OnKeystroke(WPARAM virtualKey, LPARAM upFlag);
    void OnListRenamed(WPARAM index, LPARAM list);
    void OnEventListContext();
    void OnEventCommand(unsigned identifier);
    void OnOk();
    void OnCancel();

    MacroList& Macros();
    MacroRecord* SelectedRecord();
    void FillNames();
    void SelectMacro(int index);
    void FillEvents();
    void StoreBuffer();
    void AddNewMacro();
    void DeleteMacro();
    void ImportMacro();
    void ExportMacro();
    void Record();
    void StartRecording();
    void StopRecording();
    void ShowRecordImages(const char* set);
    void CommitRepeatCount();
    void StoreRepeatCount(int32_t count);
    void PushToButtons();
    void WarnNoMacro();
    int SelectedLine() const;

    OptionHost* m_host = nullptr;
    bool m_modal = false;
    WindowsKeyboardLayout m_layout;
    MacroRecorder m_recorder{m_layout};
    MacroEditBuffer m_buffer;
    int m_insertPosition = kAppendPosition;
    int m_selected = -1;
    int m_caretLine = 0;
    std::vector<EventLine> m_lines;
    // What this window's pushes did to the buttons since the last OK or Cancel.
    MacroPushLog m_pushLog;

    SkinButton* m_record = nullptr;
    SkinCheckBox* m_recordDelays = nullptr;
    SkinCheckBox* m_repeat = nullptr;
    BitmapEdit* m_repeatCount = nullptr;
    SkinList* m_names = nullptr;
    SkinList* m_events = nullptr;
    Font m_menuFont;
    Brush m_listBrush;  // the lists' area below their last row
};
