#include "option/pages/win32/ShortcutDialog.h"

#include "option/pages/win32/PageSkins.h"
#include "profile/win32/WindowsKeyboardLayout.h"

namespace {
constexpr LPARAM kKeyUpFlag = 0x80;
}

bool ShortcutDialog::Run(HWND owner) { return SkinDialogBase::Run(owner, shortcutdialog::kTitle); }

std::string ShortcutDialog::SkinFileName() const { return shortcutdialog::kSkinFile; }

void ShortcutDialog::CreateControls(WindowSkin& skin) {
    using namespace shortcutdialog;
    for (int key : {kOk, kCancel, kClose}) AddButton(skin, key);
    SetEndingKeys(kOk, {kCancel, kClose});
    for (int bit = 0; bit < kToggleCount; ++bit) {
        SkinButton* toggle = AddButton(skin, kFirstToggle + bit);
        m_toggles[bit] = toggle;
        if (!toggle) continue;
        toggle->SetToggleMode(true);
        toggle->SetSelected((m_modifiers >> bit) & 1);
    }
    auto field = std::make_unique<BitmapEdit>();
    if (field->Create(Handle(), EditRectInField(skin.Entry(kKeyField).rect), kKeyFieldId, ES_CENTER | ES_AUTOHSCROLL)) {
        field->SetColours(kKeyFieldText, kKeyFieldBackground);
        m_keyField = skin.Keep(std::move(field));
    }
    WindowsKeyboardLayout layout;
    int32_t virtualKey = 0;
    VirtualKeyFromKeyCode(m_keyCode, layout, virtualKey);
    ShowKeyName(KeyName(virtualKey));
    m_hook.Install(Handle());
}

LRESULT ShortcutDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case shortcutdialog::kKeyMessage: OnKey(wParam, lParam); return 0;
    case WM_DESTROY: m_hook.Remove(); return SkinDialogBase::HandleMessage(message, wParam, lParam);
    default: return SkinDialogBase::HandleMessage(message, wParam, lParam);
    }
}

void ShortcutDialog::OnKey(WPARAM virtualKey, LPARAM flags) {
    if (flags & kKeyUpFlag) return;
    WindowsKeyboardLayout layout;
    int32_t keyCode = 0;
    KeyCodeFromVirtualKey(static_cast<int32_t>(virtualKey), layout, keyCode);
    m_keyCode = static_cast<uint8_t>(keyCode);
    ShowKeyName(KeyName(static_cast<int32_t>(virtualKey)));
}

void ShortcutDialog::ShowKeyName(const char* name) {
    if (!m_keyField) return;
    SendMessageA(m_keyField->Handle(), EM_SETSEL, 0, -1);
    SendMessageA(m_keyField->Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(name));
}

void ShortcutDialog::OnOk() {
    uint8_t bits = 0;
    for (int bit = 0; bit < shortcutdialog::kToggleCount; ++bit)
        if (m_toggles[bit] && m_toggles[bit]->Selected()) bits |= static_cast<uint8_t>(1u << bit);
    m_modifiers = bits;
}
