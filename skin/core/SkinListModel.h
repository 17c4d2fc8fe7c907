// Rows of the skin list and its in-place editing (new row or rename). The
// Win32 list box mirrors these rows; this model decides what a commit or a
// cancel does to them and whether the owner is told.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct SkinListRow {
    std::string text;
    uint32_t value = 0;
};

enum class ListEditKind { None, NewRow, Rename };

// What a commit or cancel did, for the Win32 side to mirror.
struct ListEditOutcome {
    bool rowRemoved = false;        // the edited row was deleted
    bool rowReinserted = false;     // and put back with the new text, selected
    size_t index = 0;               // the row concerned
    bool notifyRenamed = false;     // post MSG_LIST_RENAMED (index, tag)
};

class SkinListModel {
public:
    size_t Add(const std::string& text, uint32_t value);
    // An index past the end appends.
    size_t Insert(size_t index, const std::string& text, uint32_t value);
    bool Remove(size_t index);
    void Clear();

    const std::vector<SkinListRow>& Rows() const { return m_rows; }
    std::optional<size_t> Selected() const { return m_selected; }
    void Select(std::optional<size_t> index);

    // Appends an empty row, selects it and starts editing it (at most 15
    // characters). Returns its index.
    size_t BeginNewRow();
    // Edits the selected row (at most 20 characters); false without one or
    // while another edit is open.
    bool BeginRename();
    ListEditKind Editing() const { return m_editKind; }
    std::optional<size_t> EditedRow() const;
    // The edit field's length limit for the current edit.
    int32_t EditLength() const;

    // Enter, or the list getting the focus back from the edit: the row is
    // deleted and, when the text (cut to the edit's limit) is not empty,
    // re-inserted at the same index with its old value, selected, and the
    // owner told. An empty text leaves the row deleted, untold.
    ListEditOutcome Commit(const std::string& text);
    // Escape: a new row is removed; a renamed row keeps its old text. Nothing
    // is told.
    ListEditOutcome Cancel();

private:
    std::vector<SkinListRow> m_rows;
    std::optional<size_t> m_selected;
    ListEditKind m_editKind = ListEditKind::None;
    size_t m_editRow = 0;
};
