// The shortcut dialog: captures the next keys pressed anywhere through the
// low-level keyboard hook and shows the last one's name; five toggles give
// the modifier bits 0..4.
#pragma once

#include <array>
#include <cstdint>

#include "option/pages/win32/KeyCaptureHook.h"
#include "option/pages/win32/SkinDialogBase.h"
#include "skin/win32/BitmapEdit.h"

class ShortcutDialog : public SkinDialogBase {
public:
    ShortcutDialog(uint8_t keyCode, uint8_t modifiers) : m_keyCode(keyCode), m_modifiers(modifiers) {}

    bool Run(HWND owner);
    uint8_t KeyCode() const { return m_keyCode; }
    uint8_t Modifiers() const { return m_modifiers; }

protected:
    std::string SkinFileName() const override;
    void CreateControls(WindowSkin& skin) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnOk() override;

private:
    void OnKey(WPARAM virtualKey, LPARAM flags);
    void ShowKeyName(const char* name);

    uint8_t m_keyCode;
    uint8_t m_modifiers;
    BitmapEdit* m_keyField = nullptr;
    std::array<SkinButton*, 5> m_toggles{};
    KeyCaptureHook m_hook;
};
