#include "skin/win32/SubclassedControl.h"

#include "frame/HandleMap.h"
#include "skin/win32/SkinConstants.h"

SubclassedControl::~SubclassedControl() { Destroy(); }

void SubclassedControl::Destroy() {
    if (m_handle) DestroyWindow(m_handle);
}

SubclassedControl* SubclassedControl::FromHandle(HWND handle) {
    return handle ? HandleMap<SubclassedControl>::Instance().Find(handle) : nullptr;
}

bool SubclassedControl::CreateControl(const char* className, const char* text, DWORD style, DWORD exStyle,
                                      const RECT& rectangle, HWND parent, UINT identifier) {
    if (m_handle) return false;
    HWND handle = CreateWindowExA(exStyle, className, text, style, rectangle.left, rectangle.top,
                                  rectangle.right - rectangle.left, rectangle.bottom - rectangle.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(identifier)),
                                  GetModuleHandleA(nullptr), nullptr);
    if (!handle) return false;
    m_handle = handle;
    HandleMap<SubclassedControl>::Instance().Set(handle, this);
    // In the Unicode form of the system's own procedure: an ANSI one would
    // change the window's character set, a round trip to the window server
    // under Wine. The messages the controls read carry no text.
    m_systemProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWindowProcedure)));
    return true;
}

bool SubclassedControl::OnReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT SubclassedControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProcessing(message, wParam, lParam);
}

LRESULT SubclassedControl::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(m_systemProcedure, m_handle, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::StaticWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    SubclassedControl* control = FromHandle(handle);
    if (!control) return DefWindowProcW(handle, message, wParam, lParam);
    WNDPROC systemProcedure = control->m_systemProcedure;
    LRESULT result = 0;
    try {
        result = control->HandleMessage(message, wParam, lParam);
    } catch (...) {
        OutputDebugStringA("SubclassedControl: exception in message handler\n");
        result = CallWindowProcW(systemProcedure, handle, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProcedure));
        HandleMap<SubclassedControl>::Instance().Remove(handle);
        control->m_handle = nullptr;
    }
    return result;
}

bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND control = nullptr;
    switch (message) {
    case WM_DRAWITEM:
        control = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
        control = reinterpret_cast<HWND>(lParam);
        break;
    case WM_COMMAND:
        control = reinterpret_cast<HWND>(lParam);
        break;
    default:
        return false;
    }
    SubclassedControl* target = SubclassedControl::FromHandle(control);
    try {
        return target && target->OnReflected(message, wParam, lParam, result);
    } catch (...) {
        OutputDebugStringA("ReflectToControl: exception in control\n");
        return false;
    }
}
