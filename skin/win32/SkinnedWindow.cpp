#include "skin/win32/SkinnedWindow.h"

#include "skin/win32/KeyboardAccess.h"
#include "skin/win32/SkinPopupMenu.h"

void SkinHost::LoadSkin(HWND window) {
    m_skin.Load(window, SkinFileName());
    CreateControls(m_skin);
    // Tab walks dialogs and the windows inside them; a top-level plain window
    // has no dialog manager and keeps its controls in the order made.
    if (TabWalks(window)) ArrangeTabOrder(window);
    m_skin.FinishLoading();
    m_skin.ApplyRegion();
}

void SkinHost::Paint(HWND window, HDC dc, const RECT* update) {
    RECT client{};
    GetClientRect(window, &client);
    // All of the window at once (its first paint) is drawn straight onto it:
    // the whole window is new on the screen anyway. A part (what changes under
    // the pointer) is composed off-screen, at the part's size only, and copied
    // in one step, so that it never flashes.
    if (update && EqualRect(update, &client)) {
        m_skin.PaintBackground(dc);
        PaintOverlay(dc);
        return;
    }
    RECT part = client;
    if (update && !IntersectRect(&part, update, &client)) return;
    OffscreenSurface surface(dc, part.right - part.left, part.bottom - part.top);
    if (!surface) return;
    // Drawn at the window's own coordinates.
    SetWindowOrgEx(surface.Dc(), part.left, part.top, nullptr);
    m_skin.PaintBackground(surface.Dc());
    PaintOverlay(surface.Dc());
    SetWindowOrgEx(surface.Dc(), 0, 0, nullptr);
    surface.CopyTo(dc, part.left, part.top);
}

bool SkinHost::ReflectToSkinControls(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return HandleMenuOwnerDraw(message, wParam, lParam, result) || ReflectToControl(message, wParam, lParam, result);
}

bool SkinHost::HandleSkinMessage(HWND window, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (message) {
    case WM_PAINT: {
        PaintDc paint(window);
        Paint(window, paint.Get(), &paint.Update());
        result = 0;
        return true;
    }
    case WM_PRINTCLIENT:
        Paint(window, reinterpret_cast<HDC>(wParam));
        result = 0;
        return true;
    case WM_ERASEBKGND:
        result = 1;
        return true;
    default:
        return false;
    }
}

bool SkinnedWindow::FilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return ReflectToSkinControls(message, wParam, lParam, result);
}

bool SkinnedDialog::FilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return ReflectToSkinControls(message, wParam, lParam, result);
}

LRESULT SkinnedWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        LRESULT created = DefaultProcessing(message, wParam, lParam);
        if (created != -1) LoadSkin(Handle());
        return created;
    }
    LRESULT result = 0;
    if (HandleSkinMessage(Handle(), message, wParam, lParam, result)) return result;
    return DefaultProcessing(message, wParam, lParam);
}

LRESULT SkinnedDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        LRESULT created = DefaultProcessing(message, wParam, lParam);
        if (created != -1) LoadSkin(Handle());
        return created;
    }
    LRESULT result = 0;
    if (HandleSkinMessage(Handle(), message, wParam, lParam, result)) return result;
    return Dialog::HandleMessage(message, wParam, lParam);
}

bool IsSwallowedDialogKey(HWND dialog, const MSG& message) {
    if (message.message != WM_KEYDOWN) return false;
    if (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE) return false;
    return message.hwnd == dialog || IsChild(dialog, message.hwnd);
}

bool SkinnedDialog::PreTranslateMessage(MSG& message) {
    NoteInputForFocusMark(message);
    return IsSwallowedDialogKey(Handle(), message);
}
