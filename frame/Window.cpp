#include "Window.h"

#include "HandleMap.h"

Window::~Window() { Destroy(); }

void Window::Destroy() {
    if (m_handle) DestroyWindow(m_handle);
}

Window* Window::FromHandle(HWND handle) {
    return HandleMap<Window>::Instance().Find(handle);
}

bool Window::Create(const char* className, const char* title, DWORD style, DWORD exStyle, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId, UINT classStyle, HBRUSH background, HCURSOR cursor) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExA(instance, className, &windowClass)) {
        windowClass = WNDCLASSEXA{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = classStyle;
        windowClass.lpfnWndProc = StaticWindowProcedure;
        windowClass.hInstance = instance;
        windowClass.hbrBackground = background;
        windowClass.hCursor = cursor;
        windowClass.lpszClassName = className;
        if (!RegisterClassExA(&windowClass)) return false;
    }
    return CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menuOrId, instance,
                           this) != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProcessing(message, wParam, lParam);
}

LRESULT Window::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(m_handle, message, wParam, lParam);
}

LRESULT CALLBACK Window::StaticWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = nullptr;
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        window = static_cast<Window*>(create->lpCreateParams);
        window->m_handle = handle;
        HandleMap<Window>::Instance().Set(handle, window);
    } else {
        window = FromHandle(handle);
    }
    if (!window) return DefWindowProcA(handle, message, wParam, lParam);

    LRESULT result = 0;
    try {
        if (!window->FilterMessage(message, wParam, lParam, result))
            result = window->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Nothing may leave a window procedure.
        OutputDebugStringA("Window: exception in message handler\n");
        result = DefWindowProcA(handle, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        HandleMap<Window>::Instance().Remove(handle);
        window->m_handle = nullptr;
        window->OnFinalDestroy();
    }
    return result;
}
