// Skinned windows and dialogs: frameless windows that take their look from
// a skin description file. At creation they load the skin, let the derived
// class create its controls from it, put the controls in reading order for
// Tab (inside dialogs), free the temporary state images and take their shape
// from the mask; they paint the background (with an optional overlay
// composed off-screen) and hand the owner-draw and notification messages of
// their skinned controls back to them.
#pragma once

#include <windows.h>

#include <string>

#include "frame/Dialog.h"
#include "frame/Window.h"
#include "skin/win32/WindowSkin.h"

// What both kinds share; the derived window supplies the file and controls.
class SkinHost {
public:
    virtual ~SkinHost() = default;
    WindowSkin& Skin() { return m_skin; }

protected:
    virtual std::string SkinFileName() const = 0;
    // Called while the state images are loaded.
    virtual void CreateControls(WindowSkin&) {}
    // Text and drawings on top of the background.
    virtual void PaintOverlay(HDC) {}

    void LoadSkin(HWND window);
    // The background and the overlay; `update`, the part the paint is for.
    void Paint(HWND window, HDC dc, const RECT* update = nullptr);
    // Owner-draw, colour and command messages of the skin's controls and
    // menus, handed to them before the derived window's message table.
    bool ReflectToSkinControls(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Common messages; true when handled.
    bool HandleSkinMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    WindowSkin m_skin;
};

class SkinnedWindow : public Window, public SkinHost {
protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool FilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// Enter and Escape never end a skinned dialog: only its own buttons do. Its
// loop tells the focus mark whether the keyboard or the pointer is in use.
class SkinnedDialog : public Dialog, public SkinHost {
protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool FilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool PreTranslateMessage(MSG& message) override;
};

// True for a key-down of Enter or Escape meant for the dialog or one of its
// controls, which skinned dialogs swallow.
bool IsSwallowedDialogKey(HWND dialog, const MSG& message);
