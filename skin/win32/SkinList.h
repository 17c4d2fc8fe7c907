// The skin list: an owner-drawn list box of rows with a hover row, an
// in-place edit for new rows and renames, and drop-down behaviour (it hides
// its parent when it loses the focus unless told to stay open).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/core/SkinListModel.h"
#include "skin/win32/GdiOwners.h"
#include "skin/win32/HoverHint.h"
#include "skin/win32/SubclassedControl.h"

class ListInPlaceEdit;

class SkinList : public SubclassedControl {
public:
    SkinList();
    ~SkinList() override;

    bool Create(HWND parent, const RECT& rectangle, UINT identifier, DWORD style = WS_VSCROLL);

    size_t AddRow(const std::string& text, uint32_t value, HBITMAP icon = nullptr);
    size_t InsertRow(size_t index, const std::string& text, uint32_t value, HBITMAP icon = nullptr);
    void RemoveRow(size_t index);
    void Clear();
    void Select(int index);
    int SelectedRow() const;
    std::string RowText(size_t index) const;
    uint32_t RowValue(size_t index) const;
    size_t RowCount() const { return m_model.Rows().size(); }

    // Appends an empty row and edits it in place (at most 15 characters).
    bool BeginNewRow();
    // Edits the selected row in place (at most 20 characters).
    bool BeginRename();
    bool Editing() const { return m_model.Editing() != ListEditKind::None; }
    HWND EditHandle() const;

    void SetColours(COLORREF text, COLORREF background, COLORREF selectedText, COLORREF selectedBackground,
                    COLORREF hoverBackground);
    void SetTag(LPARAM tag) { m_tag = tag; }
    void SetKeepOpen(bool keepOpen) { m_keepOpen = keepOpen; }
    // The parent's close operation run when a drop-down list loses the
    // focus; by default WM_CLOSE is posted to the parent.
    void SetCloseOperation(std::function<void()> close) { m_close = std::move(close); }
    // Also the list's window text.
    void SetHint(const std::string& hint);
    int HoverRow() const { return m_hoverRow; }

    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void DrawRow(const DRAWITEMSTRUCT& draw);
    bool OpenEdit();
    void CommitEdit();
    void CancelEdit();
    void CloseEdit();
    void Mirror(const ListEditOutcome& outcome, HBITMAP icon);
    void RedrawRow(int row);
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseLeave();
    LRESULT OnRightButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);

    SkinListModel m_model;
    std::vector<HBITMAP> m_icons;  // per row, owned by the caller's resources
    std::unique_ptr<ListInPlaceEdit> m_edit;
    Font m_font;
    COLORREF m_text;
    COLORREF m_background;
    COLORREF m_selectedText;
    COLORREF m_selectedBackground;
    COLORREF m_hoverBackground;
    LPARAM m_tag = 0;
    bool m_keepOpen = false;
    std::function<void()> m_close;
    std::string m_hint;
    HoverTracker m_hover;
    int m_hoverRow = -1;
};
