#include "skin/win32/SkinList.h"

#include <windowsx.h>

#include "skin/core/SkinMessages.h"
#include "skin/core/SkinStyle.h"
#include "skin/win32/KeyboardAccess.h"
#include "skin/win32/SkinConstants.h"

// The in-place edit: Enter and Escape (on press or release, whichever
// arrives; skinned dialogs swallow the press) and focus loss end it through
// messages posted to the list, which destroys it afterwards.
class ListInPlaceEdit : public SubclassedControl {
public:
    bool Create(HWND list, const RECT& rectangle) {
        return CreateControl("EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 0, rectangle, list, 0);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (wParam == VK_RETURN) return End(kListCommitEditMessage);
            if (wParam == VK_ESCAPE) return End(kListCancelEditMessage);
            return DefaultProcessing(message, wParam, lParam);
        case WM_CHAR:
            if (wParam == '\r' || wParam == 27) return 0;  // no beep
            return DefaultProcessing(message, wParam, lParam);
        case WM_GETDLGCODE:
            return DefaultProcessing(message, wParam, lParam) | DLGC_WANTALLKEYS;
        case WM_KILLFOCUS: {
            LRESULT result = DefaultProcessing(message, wParam, lParam);
            End(kListCommitEditMessage);
            return result;
        }
        default:
            return DefaultProcessing(message, wParam, lParam);
        }
    }

private:
    LRESULT End(UINT request) {
        if (!m_ended) PostMessageA(Parent(), request, 0, reinterpret_cast<LPARAM>(Handle()));
        m_ended = true;
        return 0;
    }
    bool m_ended = false;
};

SkinList::SkinList()
    : m_text(kListDefaultText),
      m_background(kListDefaultBackground),
      m_selectedText(kListDefaultSelectedText),
      m_selectedBackground(kListDefaultSelectedBackground),
      m_hoverBackground(kListDefaultHoverBackground) {}

SkinList::~SkinList() { Destroy(); }

bool SkinList::Create(HWND parent, const RECT& rectangle, UINT identifier, DWORD style) {
    DWORD listStyle = WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
                      LBS_NOINTEGRALHEIGHT | style;
    if (!CreateControl("LISTBOX", "", listStyle, 0, rectangle, parent, identifier)) return false;
    m_font = CreateSkinFont(kSkinListFont);
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, kListDefaultRowHeight);
    return true;
}

size_t SkinList::AddRow(const std::string& text, uint32_t value, HBITMAP icon) {
    return InsertRow(m_model.Rows().size(), text, value, icon);
}

size_t SkinList::InsertRow(size_t index, const std::string& text, uint32_t value, HBITMAP icon) {
    size_t at = m_model.Insert(index, text, value);
    m_icons.insert(m_icons.begin() + static_cast<std::ptrdiff_t>(at), icon);
    if (Handle()) {
        LRESULT row = SendMessageA(Handle(), LB_INSERTSTRING, at, reinterpret_cast<LPARAM>(text.c_str()));
        if (row >= 0) SendMessageA(Handle(), LB_SETITEMDATA, static_cast<WPARAM>(row), value);
    }
    return at;
}

void SkinList::RemoveRow(size_t index) {
    if (!m_model.Remove(index)) return;
    m_icons.erase(m_icons.begin() + static_cast<std::ptrdiff_t>(index));
    if (Handle()) SendMessageA(Handle(), LB_DELETESTRING, index, 0);
}

void SkinList::Clear() {
    CloseEdit();
    m_model.Clear();
    m_icons.clear();
    m_hoverRow = -1;
    if (Handle()) SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
}

void SkinList::Select(int index) {
    m_model.Select(index < 0 ? std::nullopt : std::optional<size_t>(static_cast<size_t>(index)));
    if (Handle()) SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int SkinList::SelectedRow() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0)) : -1;
}

std::string SkinList::RowText(size_t index) const {
    return index < m_model.Rows().size() ? m_model.Rows()[index].text : std::string();
}

uint32_t SkinList::RowValue(size_t index) const {
    return index < m_model.Rows().size() ? m_model.Rows()[index].value : 0;
}

HWND SkinList::EditHandle() const { return m_edit ? m_edit->Handle() : nullptr; }

void SkinList::SetColours(COLORREF text, COLORREF background, COLORREF selectedText, COLORREF selectedBackground,
                          COLORREF hoverBackground) {
    m_text = text;
    m_background = background;
    m_selectedText = selectedText;
    m_selectedBackground = selectedBackground;
    m_hoverBackground = hoverBackground;
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

bool SkinList::BeginNewRow() {
    if (Editing() || !Handle()) return false;
    size_t row = m_model.BeginNewRow();
    m_icons.push_back(nullptr);
    SendMessageA(Handle(), LB_INSERTSTRING, row, reinterpret_cast<LPARAM>(""));
    SendMessageA(Handle(), LB_SETCURSEL, row, 0);
    return OpenEdit();
}

bool SkinList::BeginRename() {
    if (Editing() || !Handle()) return false;
    int selected = SelectedRow();
    m_model.Select(selected < 0 ? std::nullopt : std::optional<size_t>(static_cast<size_t>(selected)));
    if (!m_model.BeginRename()) return false;
    return OpenEdit();
}

bool SkinList::OpenEdit() {
    std::optional<size_t> row = m_model.EditedRow();
    if (!row) return false;
    SendMessageA(Handle(), LB_SETTOPINDEX, *row, 0);
    RECT rowRectangle{};
    SendMessageA(Handle(), LB_GETITEMRECT, *row, reinterpret_cast<LPARAM>(&rowRectangle));
    SkinRect place = ListEditRect(SkinRect{rowRectangle.left, rowRectangle.top, rowRectangle.right,
                                           rowRectangle.bottom});
    m_edit = std::make_unique<ListInPlaceEdit>();
    if (!m_edit->Create(Handle(), RECT{place.left, place.top, place.right, place.bottom})) {
        m_edit.reset();
        CancelEdit();
        return false;
    }
    SendMessageA(m_edit->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    SendMessageA(m_edit->Handle(), EM_LIMITTEXT, static_cast<WPARAM>(m_model.EditLength()), 0);
    SetWindowTextA(m_edit->Handle(), RowText(*row).c_str());
    SendMessageA(m_edit->Handle(), EM_SETSEL, 0, -1);
    SetFocus(m_edit->Handle());
    return true;
}

void SkinList::CloseEdit() {
    if (!m_edit) return;
    std::unique_ptr<ListInPlaceEdit> edit = std::move(m_edit);
    bool hadFocus = GetFocus() == edit->Handle();
    edit.reset();  // destroys the window
    if (hadFocus && Handle()) SetFocus(Handle());
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void SkinList::Mirror(const ListEditOutcome& outcome, HBITMAP icon) {
    if (outcome.rowRemoved) {
        m_icons.erase(m_icons.begin() + static_cast<std::ptrdiff_t>(outcome.index));
        SendMessageA(Handle(), LB_DELETESTRING, outcome.index, 0);
    }
    if (outcome.rowReinserted) {
        const SkinListRow& row = m_model.Rows()[outcome.index];
        m_icons.insert(m_icons.begin() + static_cast<std::ptrdiff_t>(outcome.index), icon);
        SendMessageA(Handle(), LB_INSERTSTRING, outcome.index, reinterpret_cast<LPARAM>(row.text.c_str()));
        SendMessageA(Handle(), LB_SETITEMDATA, outcome.index, row.value);
        SendMessageA(Handle(), LB_SETCURSEL, outcome.index, 0);
    }
    if (outcome.notifyRenamed) {
        if (HWND parent = Parent()) PostMessageA(parent, MSG_LIST_RENAMED, outcome.index, m_tag);
    }
}

void SkinList::CommitEdit() {
    if (!Editing() || !m_edit) return;
    int length = GetWindowTextLengthA(m_edit->Handle());
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(m_edit->Handle(), &text[0], length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    size_t row = *m_model.EditedRow();
    HBITMAP icon = row < m_icons.size() ? m_icons[row] : nullptr;
    ListEditOutcome outcome = m_model.Commit(text);
    CloseEdit();
    Mirror(outcome, icon);
}

void SkinList::CancelEdit() {
    if (!Editing()) return;
    ListEditOutcome outcome = m_model.Cancel();
    CloseEdit();
    Mirror(outcome, nullptr);
}

bool SkinList::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_DRAWITEM) return false;
    DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

void SkinList::DrawRow(const DRAWITEMSTRUCT& draw) {
    if (draw.itemID == static_cast<UINT>(-1) || draw.itemID >= m_model.Rows().size()) return;
    HDC dc = draw.hDC;
    RECT area = draw.rcItem;
    bool selected = (draw.itemState & ODS_SELECTED) != 0;
    bool hovered = static_cast<int>(draw.itemID) == m_hoverRow;
    COLORREF background = selected ? m_selectedBackground : (hovered ? m_hoverBackground : m_background);
    COLORREF text = selected ? m_selectedText : m_text;
    if (draw.itemState & ODS_DISABLED) text = GetSysColor(COLOR_BTNSHADOW);
    Brush brush(CreateSolidBrush(background));
    FillRect(dc, &area, brush.Get());
    int textLeft = area.left + kListTextLeft;
    HBITMAP icon = m_icons[draw.itemID];
    BITMAP iconInfo{};
    if (icon && GetObjectA(icon, sizeof iconInfo, &iconInfo)) {
        MemoryDc iconDc(dc);
        SelectedObject selectedIcon(iconDc.Get(), icon);
        // The icon's black pixels let the row show through.
        TransparentBlt(dc, area.left + kListIconLeft, area.top + kListIconTop, iconInfo.bmWidth, iconInfo.bmHeight,
                       iconDc.Get(), 0, 0, iconInfo.bmWidth, iconInfo.bmHeight, RGB(0, 0, 0));
        textLeft += iconInfo.bmWidth + kListIconLeft;
    }
    SelectedObject font(dc, m_font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    RECT textArea{textLeft, area.top, area.right, area.bottom};
    const std::string& rowText = m_model.Rows()[draw.itemID].text;
    DrawTextA(dc, rowText.c_str(), static_cast<int>(rowText.size()), &textArea,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    if ((draw.itemState & ODS_FOCUS) && FocusMarkShown()) DrawFocusMark(dc, area);
}

void SkinList::SetHint(const std::string& hint) {
    m_hint = hint;
    SetHintAsWindowText(Handle(), hint);
}

void SkinList::RedrawRow(int row) {
    if (row < 0) return;
    RECT area{};
    if (SendMessageA(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&area)) != LB_ERR) {
        InvalidateRect(Handle(), &area, FALSE);
    }
}

LRESULT SkinList::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE: return OnMouseMove(wParam, lParam);
    case WM_MOUSELEAVE: return OnMouseLeave();
    case WM_RBUTTONDOWN: return OnRightButtonDown(wParam, lParam);
    case WM_SETFOCUS: return OnSetFocus(wParam, lParam);
    case WM_KILLFOCUS: return OnKillFocus(wParam, lParam);
    case kListCommitEditMessage: CommitEdit(); return 0;
    case kListCancelEditMessage: CancelEdit(); return 0;
    case WM_UPDATEUISTATE:
        if (GetFocus() == Handle()) InvalidateRect(Handle(), nullptr, FALSE);
        return DefaultProcessing(message, wParam, lParam);
    case WM_LBUTTONDOWN:
        // A click on the list ends an open edit first, as a commit.
        if (Editing()) CommitEdit();
        return DefaultProcessing(message, wParam, lParam);
    default: return DefaultProcessing(message, wParam, lParam);
    }
}

LRESULT SkinList::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    m_hover.OnMouseMove(Handle(), m_hint);
    if (!Editing()) {
        LRESULT hit = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, lParam);
        int row = HIWORD(hit) ? -1 : static_cast<int>(LOWORD(hit));
        if (row != m_hoverRow) {
            int previous = m_hoverRow;
            m_hoverRow = row;
            RedrawRow(previous);
            RedrawRow(row);
        }
    }
    return DefaultProcessing(WM_MOUSEMOVE, wParam, lParam);
}

LRESULT SkinList::OnMouseLeave() {
    m_hover.OnMouseLeave();
    int previous = m_hoverRow;
    m_hoverRow = -1;
    RedrawRow(previous);
    return 0;
}

LRESULT SkinList::OnRightButtonDown(WPARAM wParam, LPARAM lParam) {
    // The row under the pointer becomes the one the context menu acts on.
    LRESULT hit = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, lParam);
    if (!HIWORD(hit) && !Editing()) Select(static_cast<int>(LOWORD(hit)));
    if (HWND parent = Parent()) PostMessageA(parent, MSG_LIST_CONTEXT, 0, m_tag);
    return DefaultProcessing(WM_RBUTTONDOWN, wParam, lParam);
}

LRESULT SkinList::OnSetFocus(WPARAM wParam, LPARAM lParam) {
    LRESULT result = DefaultProcessing(WM_SETFOCUS, wParam, lParam);
    if (m_edit && reinterpret_cast<HWND>(wParam) == m_edit->Handle()) CommitEdit();
    return result;
}

LRESULT SkinList::OnKillFocus(WPARAM wParam, LPARAM lParam) {
    LRESULT result = DefaultProcessing(WM_KILLFOCUS, wParam, lParam);
    HWND next = reinterpret_cast<HWND>(wParam);
    HWND parent = Parent();
    // Focus moving into the list's own edit or elsewhere inside its parent is
    // not "clicking elsewhere".
    bool staysInside = next && (IsChild(Handle(), next) || (parent && (next == parent || IsChild(parent, next))));
    if (!m_keepOpen && parent && !staysInside) {
        ShowWindow(parent, SW_HIDE);
        if (m_close) {
            m_close();
        } else {
            PostMessageA(parent, WM_CLOSE, 0, 0);
        }
    }
    return result;
}
