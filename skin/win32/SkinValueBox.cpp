#include "skin/win32/SkinValueBox.h"

#include "skin/core/KeyboardNavigation.h"
#include "skin/core/SkinMessages.h"
#include "skin/win32/KeyboardAccess.h"
#include "skin/win32/SkinConstants.h"
#include "skin/win32/SubclassedControl.h"
#include "skin/win32/WindowSkin.h"

bool SkinValueBox::Create(HWND parent, const RECT& rectangle, UINT identifier) {
    m_identifier = identifier;
    m_width = rectangle.right - rectangle.left;
    m_height = rectangle.bottom - rectangle.top;
    return Window::Create(kValueBoxClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
                          rectangle.left, rectangle.top, m_width, m_height, parent,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(identifier)), 0, nullptr,
                          LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

RECT SkinValueBox::UpRectangle() const {
    int column = m_height / 2;
    return RECT{m_width - column, 0, m_width, m_height / 2};
}

RECT SkinValueBox::DownRectangle() const {
    int column = m_height / 2;
    return RECT{m_width - column, m_height / 2, m_width, m_height};
}

RECT SkinValueBox::FieldRectangle() const { return RECT{0, 0, m_width - m_height / 2, m_height}; }

LRESULT SkinValueBox::OnCreate() {
    if (!m_field.Create(Handle(), FieldRectangle(), kValueBoxFieldId, ES_AUTOHSCROLL | WS_TABSTOP)) return -1;
    m_field.SetKeyHandler([this](UINT virtualKey) { return OnFieldKey(virtualKey); });
    // Not numeric-only: a sign must be typeable, and Enter filters the text.
    m_field.SetNumeric(false);
    if (!m_up.Create(Handle(), UpRectangle()) || !m_down.Create(Handle(), DownRectangle())) return -1;
    m_field.SetText(m_model.Text());
    m_field.SetLimit(m_model.FieldLength());
    return 0;
}

void SkinValueBox::DressButtons(const WindowSkin& skin) {
    RECT box{};
    GetWindowRect(Handle(), &box);
    MapWindowPoints(nullptr, GetParent(Handle()), reinterpret_cast<POINT*>(&box), 2);
    SkinButton* buttons[] = {&m_up, &m_down};
    RECT places[] = {UpRectangle(), DownRectangle()};
    for (int i = 0; i < 2; ++i) {
        SkinRect place{box.left + places[i].left, box.top + places[i].top, box.left + places[i].right,
                       box.top + places[i].bottom};
        std::array<Bitmap, 4> looks;
        for (size_t state = 0; state < kSkinStateCount; ++state) {
            looks[state] = skin.Crop(static_cast<SkinState>(state), place);
        }
        buttons[i]->SetLooks(std::move(looks));
    }
}

bool SkinValueBox::SetRange(int minimum, int maximum) {
    if (!m_model.SetRange(minimum, maximum)) return false;
    m_field.SetLimit(m_model.FieldLength());
    m_field.SetText(m_model.Text());
    return true;
}

void SkinValueBox::SetTable(const ValueTable& table) {
    m_model.SetTable(table);
    m_field.SetText(m_model.Text());
}

void SkinValueBox::SetValue(int value) {
    m_model.SetValue(value);
    m_field.SetText(m_model.Text());
}

void SkinValueBox::Enable(bool enabled) {
    if (Handle()) EnableWindow(Handle(), enabled);
    if (m_field.Handle()) EnableWindow(m_field.Handle(), enabled);
    m_up.Enable(enabled);
    m_down.Enable(enabled);
}

void SkinValueBox::SetHint(const std::string& hint) {
    SetHintAsWindowText(Handle(), hint);
    m_up.SetHint(hint);
    m_down.SetHint(hint);
}

void SkinValueBox::Apply(const ValueBoxChange& change) {
    if (change.rewriteField) m_field.SetText(change.fieldText);
    if (change.notify) {
        if (HWND parent = GetParent(Handle())) PostMessageA(parent, MSG_VALUEBOX_POS, change.value, m_identifier);
    }
}

bool SkinValueBox::OnFieldKey(UINT virtualKey) {
    const std::optional<StepKey> key = ValueBoxStepKey(virtualKey);
    if (!key) return false;
    const bool up = key == StepKey::More || key == StepKey::PageMore;
    int presses = 1;
    if (key == StepKey::PageMore || key == StepKey::PageLess) {
        presses = m_model.IsTableForm()
                      ? PageLines(kValueTableSize - 1, 1)
                      : PageLines(static_cast<int64_t>(m_model.Maximum()) - m_model.Minimum(), m_model.Step());
    }
    for (int press = 0; press < presses; ++press) Apply(up ? m_model.Up() : m_model.Down());
    return true;
}

LRESULT SkinValueBox::OnCommand(WPARAM wParam, LPARAM lParam) {
    HWND from = reinterpret_cast<HWND>(lParam);
    if (HIWORD(wParam) == BN_CLICKED && from == m_up.Handle()) {
        Apply(m_model.Up());
    } else if (HIWORD(wParam) == BN_CLICKED && from == m_down.Handle()) {
        Apply(m_model.Down());
    }
    return 0;
}

LRESULT SkinValueBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT reflected = 0;
    if (ReflectToControl(message, wParam, lParam, reflected)) return reflected;
    if (message == BitmapEditKillFocusMessage()) {
        if (wParam == kKillFocusOnFocusLoss) Apply(m_model.FocusLost(m_field.Text()));
        return 0;
    }
    switch (message) {
    case WM_CREATE: return OnCreate();
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case MSG_EDIT_ENTER: Apply(m_model.Enter(m_field.Text())); return 0;
    case MSG_CONTROL_HOVER:
        // The buttons' hover notices go on to the page.
        if (HWND parent = GetParent(Handle())) PostMessageA(parent, MSG_CONTROL_HOVER, wParam, lParam);
        return 0;
    case WM_ERASEBKGND: return 1;
    default: return DefaultProcessing(message, wParam, lParam);
    }
}
