// Base of the skinned controls that are system controls (button, edit, list
// box) with our own window procedure in front of the system's. Owner-draw
// requests and notifications go to a control's parent; hosts hand them back
// with ReflectToControl so that each control draws and filters itself.
#pragma once

#include <windows.h>

class SubclassedControl {
public:
    SubclassedControl() = default;
    SubclassedControl(const SubclassedControl&) = delete;
    SubclassedControl& operator=(const SubclassedControl&) = delete;
    virtual ~SubclassedControl();

    HWND Handle() const { return m_handle; }
    HWND Parent() const { return m_handle ? GetParent(m_handle) : nullptr; }
    void Destroy();

    static SubclassedControl* FromHandle(HWND handle);

    // WM_DRAWITEM, WM_CTLCOLOR* and WM_COMMAND notifications
    // the parent received for this control; true when handled.
    virtual bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    bool CreateControl(const char* className, const char* text, DWORD style, DWORD exStyle, const RECT& rectangle,
                       HWND parent, UINT identifier);
    // The message table. Return DefaultProcessing(...) for what is not handled.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_handle = nullptr;
    WNDPROC m_systemProcedure = nullptr;
};

// For a host's window procedure: passes the owner-draw, colour and command
// messages about a subclassed control to it. True when the control handled it.
bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
