#include "Dialog.h"

#include "HandleMap.h"

#include <cstdint>
#include <vector>

namespace {
const char kDialogClassName[] = "FrameDialog";

// The dialog under construction: the dialog manager passes no creation
// parameter to a window of a custom class, so the object is handed over to
// the first message of the new window through this (one thread, synchronous).
thread_local Dialog* g_dialogUnderConstruction = nullptr;

INT_PTR CALLBACK EmptyDialogProcedure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

bool RegisterDialogClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExA(instance, kDialogClassName, &windowClass)) return true;
    windowClass = WNDCLASSEXA{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = kDialogClassName;
    return RegisterClassExA(&windowClass) != 0;
}

void AppendWord(std::vector<uint16_t>& words, uint16_t value) { words.push_back(value); }

void AppendText(std::vector<uint16_t>& words, const char* text) {
    for (const char* c = text; *c; ++c) words.push_back(static_cast<unsigned char>(*c));
    words.push_back(0);
}

// A DLGTEMPLATE without controls naming our class; the dialog is sized by
// its owner (skinned dialogs size themselves to their skin). A child dialog
// (a page inside another window) is a control parent, so that Tab in the
// outer dialog walks through its controls.
std::vector<uint16_t> BuildTemplate(const char* title, DWORD style) {
    std::vector<uint16_t> words(sizeof(DLGTEMPLATE) / sizeof(uint16_t), 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->style = style;
    header->dwExtendedStyle = (style & WS_CHILD) ? WS_EX_CONTROLPARENT : 0;
    header->cdit = 0;
    AppendWord(words, 0);  // no menu
    AppendText(words, kDialogClassName);
    AppendText(words, title ? title : "");
    if (words.size() % 2) AppendWord(words, 0);  // keep the block DWORD-sized
    return words;
}
}  // namespace

Dialog::~Dialog() { Destroy(); }

void Dialog::Destroy() {
    if (m_handle) DestroyWindow(m_handle);
}

Dialog* Dialog::FromHandle(HWND handle) { return HandleMap<Dialog>::Instance().Find(handle); }

bool Dialog::CreateFromTemplate(HWND parent, const char* title, DWORD style) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (m_handle || !RegisterDialogClass(instance, StaticWindowProcedure)) return false;
    std::vector<uint16_t> dialogTemplate = BuildTemplate(title, style);
    Dialog* previous = g_dialogUnderConstruction;
    g_dialogUnderConstruction = this;
    HWND handle = CreateDialogIndirectParamA(instance, reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()),
                                             parent, EmptyDialogProcedure, 0);
    g_dialogUnderConstruction = previous;
    return handle != nullptr;
}

bool Dialog::CreateModeless(HWND parent, const char* title, DWORD style) {
    return CreateFromTemplate(parent, title, style);
}

INT_PTR Dialog::RunModal(HWND owner, const char* title, DWORD style) {
    m_endRequested = false;
    m_result = IDCANCEL;
    if (owner) owner = GetAncestor(owner, GA_ROOT);
    if (!CreateFromTemplate(owner, title, style & ~WS_VISIBLE)) return -1;
    bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    // Shown as SW_SHOW shows it, but the controls' erasing waits for their
    // own paint: done at once it is a round per control before the window's
    // first paint (about 40 ms for the main window's under Wine).
    SendMessageA(m_handle, WM_SHOWWINDOW, TRUE, 0);
    SetWindowPos(m_handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_DEFERERASE);
    m_modalRunning = true;
    MSG message;
    while (!m_endRequested && m_handle) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            // Give the quit request back to the outer loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0) break;
        if (PreTranslateMessage(message)) continue;
        if (m_handle && IsDialogMessageA(m_handle, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    m_modalRunning = false;
    // The owner is enabled before the dialog goes so that it gets activated.
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    if (m_handle) {
        ShowWindow(m_handle, SW_HIDE);
        DestroyWindow(m_handle);
    }
    if (owner && IsWindow(owner)) SetActiveWindow(owner);
    return m_result;
}

void Dialog::EndModal(INT_PTR result) {
    m_result = result;
    m_endRequested = true;
    // Wakes the modal loop when called from outside a message.
    if (m_handle) PostMessageA(m_handle, WM_NULL, 0, 0);
}

bool Dialog::PreTranslateMessage(MSG&) { return false; }

LRESULT Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && lParam == 0 && m_modalRunning) {
        WORD command = LOWORD(wParam);
        if (command == IDOK || command == IDCANCEL) {
            EndModal(command);
            return 0;
        }
    }
    return DefaultProcessing(message, wParam, lParam);
}

LRESULT Dialog::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefDlgProcA(m_handle, message, wParam, lParam);
}

LRESULT CALLBACK Dialog::StaticWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* dialog = FromHandle(handle);
    if (!dialog && g_dialogUnderConstruction) {
        dialog = g_dialogUnderConstruction;
        g_dialogUnderConstruction = nullptr;
        dialog->m_handle = handle;
        HandleMap<Dialog>::Instance().Set(handle, dialog);
    }
    if (!dialog) return DefDlgProcA(handle, message, wParam, lParam);

    LRESULT result = 0;
    try {
        if (!dialog->FilterMessage(message, wParam, lParam, result))
            result = dialog->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Nothing may leave a window procedure.
        OutputDebugStringA("Dialog: exception in message handler\n");
        result = DefDlgProcA(handle, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        HandleMap<Dialog>::Instance().Remove(handle);
        dialog->m_handle = nullptr;
        dialog->m_endRequested = true;
        dialog->OnFinalDestroy();
    }
    return result;
}
