// Base class of our dialogs: a window of our own dialog class (so every
// message, WM_CREATE included, reaches the object's HandleMessage) created
// from an in-memory template, run modally by our own message loop so that
// derived dialogs can look at keyboard input before the dialog manager does.
#pragma once

#include <windows.h>

#include <string>

class Dialog {
public:
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    HWND Handle() const { return m_handle; }

    // Creates the dialog, disables the owner's top-level window (a dialog
    // opened from a child page must freeze the whole main window) and runs
    // until EndModal; returns
    // the result given to EndModal (IDCANCEL when the loop ends otherwise).
    INT_PTR RunModal(HWND owner, const char* title = "", DWORD style = WS_POPUP | WS_CLIPCHILDREN);
    // Creates a modeless dialog, for example a page inside another window
    // (style WS_CHILD; such a page is a control parent). Not shown unless the
    // style holds WS_VISIBLE.
    bool CreateModeless(HWND parent, const char* title = "", DWORD style = WS_CHILD | WS_CLIPCHILDREN);
    void EndModal(INT_PTR result);
    void Destroy();

    bool IsModalRunning() const { return m_modalRunning; }

    static Dialog* FromHandle(HWND handle);

protected:
    // The message table. Return DefaultProcessing(...) for what is not handled.
    // IDOK and IDCANCEL commands end a modal run by default.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Sees every message before the message table; true (with the result)
    // ends its processing. Toolkits hand controls their own messages here.
    virtual bool FilterMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);
    // Sees every message of the modal loop first; true swallows it.
    virtual bool PreTranslateMessage(MSG& message);
    // Called after WM_NCDESTROY; the handle is gone.
    virtual void OnFinalDestroy() {}

private:
    bool CreateFromTemplate(HWND parent, const char* title, DWORD style);
    static LRESULT CALLBACK StaticWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_handle = nullptr;
    bool m_modalRunning = false;
    bool m_endRequested = false;
    INT_PTR m_result = IDCANCEL;
};
