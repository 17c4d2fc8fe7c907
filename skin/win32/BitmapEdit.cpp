#include "skin/win32/BitmapEdit.h"

#include "skin/core/NumericText.h"
#include "skin/core/SkinMessages.h"
#include "skin/core/SkinStyle.h"

UINT BitmapEditKillFocusMessage() {
    static const UINT message = RegisterWindowMessageA(kBitmapEditKillFocusMessageName);
    return message;
}

UINT BitmapEditChangeMessage() {
    static const UINT message = RegisterWindowMessageA(kBitmapEditChangeMessageName);
    return message;
}

bool BitmapEdit::Create(HWND parent, const RECT& rectangle, UINT identifier, DWORD style) {
    // Both names are registered together, as the protocol has it.
    BitmapEditKillFocusMessage();
    BitmapEditChangeMessage();
    if (!CreateControl("EDIT", "", WS_CHILD | WS_VISIBLE | style, 0, rectangle, parent, identifier)) return false;
    m_font = CreateSkinFont(kBitmapEditFont);
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    SetColours(kEditTextColour, kEditBackgroundColour);
    return true;
}

void BitmapEdit::SetColours(COLORREF text, COLORREF background) {
    m_textColour = text;
    m_backgroundColour = background;
    m_backgroundBrush.Reset(CreateSolidBrush(background));
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void BitmapEdit::SetText(const std::string& text) {
    if (Handle()) SetWindowTextA(Handle(), text.c_str());
}

std::string BitmapEdit::Text() const {
    if (!Handle()) return std::string();
    int length = GetWindowTextLengthA(Handle());
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(Handle(), &text[0], length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void BitmapEdit::SetLimit(int characters) {
    if (Handle()) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

bool BitmapEdit::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, m_textColour);
        SetBkColor(dc, m_backgroundColour);
        result = reinterpret_cast<LRESULT>(m_backgroundBrush.Get());
        return true;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE) OnChange();
        return false;  // the owner may want the notification as well
    default:
        return false;
    }
}

void BitmapEdit::OnChange() {
    if (m_rewriting) return;
    if (m_numeric) {
        std::string text = Text();
        if (NeedsNumericRewrite(text)) {
            m_rewriting = true;
            SetText(NumericOnly(text));
            m_rewriting = false;
            SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(-1), -1);
        }
    }
    InvalidateRect(Handle(), nullptr, TRUE);
    if (HWND parent = Parent()) PostMessageA(parent, BitmapEditKillFocusMessage(), kKillFocusOnChange, 0);
}

LRESULT BitmapEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN: return OnKeyDown(wParam, lParam);
    case WM_CHAR: return OnChar(wParam, lParam);
    case WM_KEYUP: return OnKeyUp(wParam, lParam);
    case WM_KILLFOCUS: return OnKillFocus(wParam, lParam);
    case WM_ERASEBKGND: return 1;  // the parent's skin shows around the text
    default: return DefaultProcessing(message, wParam, lParam);
    }
}

LRESULT BitmapEdit::OnKeyDown(WPARAM wParam, LPARAM lParam) {
    if (m_keyHandler && m_keyHandler(static_cast<UINT>(wParam))) return 0;
    m_swallowCharacter = m_numeric && !NumericKeyAllowed(static_cast<uint32_t>(wParam));
    // The character the key produces is swallowed with it (keypad digits too).
    if (m_swallowCharacter) return 0;
    return DefaultProcessing(WM_KEYDOWN, wParam, lParam);
}

LRESULT BitmapEdit::OnChar(WPARAM wParam, LPARAM lParam) {
    if (m_swallowCharacter) {
        m_swallowCharacter = false;
        return 0;
    }
    return DefaultProcessing(WM_CHAR, wParam, lParam);
}

LRESULT BitmapEdit::OnKeyUp(WPARAM wParam, LPARAM lParam) {
    LRESULT result = DefaultProcessing(WM_KEYUP, wParam, lParam);
    if (wParam == VK_RETURN) {
        if (HWND parent = Parent()) PostMessageA(parent, MSG_EDIT_ENTER, kEditEnterCode, GetDlgCtrlID(Handle()));
    }
    return result;
}

LRESULT BitmapEdit::OnKillFocus(WPARAM wParam, LPARAM lParam) {
    LRESULT result = DefaultProcessing(WM_KILLFOCUS, wParam, lParam);
    if (HWND parent = Parent()) PostMessageA(parent, BitmapEditKillFocusMessage(), kKillFocusOnFocusLoss, 0);
    return result;
}
