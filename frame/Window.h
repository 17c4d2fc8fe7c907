// Base class of every window of ours: the object pointer is stored at
// WM_NCCREATE, each message goes to the object's HandleMessage (a message
// table in the derived class), everything else to default processing.
#pragma once

#include <windows.h>

#include <string>

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return m_handle; }

    // Registers the class (once per name) and creates the window.
    bool Create(const char* className, const char* title, DWORD style, DWORD exStyle, int x, int y, int width,
                int height, HWND parent = nullptr, HMENU menuOrId = nullptr, UINT classStyle = 0,
                HBRUSH background = nullptr, HCURSOR cursor = nullptr);
    void Destroy();

    static Window* FromHandle(HWND handle);

protected:
    // The message table. Return DefaultProcessing(...) for what is not handled.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Sees every message before the message table; true (with the result)
    // ends its processing. Toolkits hand controls their own messages here.
    virtual bool FilterMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after WM_NCDESTROY; the handle is gone.
    virtual void OnFinalDestroy() {}

private:
    static LRESULT CALLBACK StaticWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_handle = nullptr;
};
