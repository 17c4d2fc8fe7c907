#include "skin/core/SkinListModel.h"

#include "skin/core/SkinStyle.h"

size_t SkinListModel::Add(const std::string& text, uint32_t value) {
    m_rows.push_back({text, value});
    return m_rows.size() - 1;
}

size_t SkinListModel::Insert(size_t index, const std::string& text, uint32_t value) {
    if (index >= m_rows.size()) return Add(text, value);
    m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(index), {text, value});
    if (m_selected && *m_selected >= index) ++*m_selected;
    return index;
}

bool SkinListModel::Remove(size_t index) {
    if (index >= m_rows.size()) return false;
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(index));
    if (m_selected) {
        if (*m_selected == index)
            m_selected.reset();
        else if (*m_selected > index)
            --*m_selected;
    }
    return true;
}

void SkinListModel::Clear() {
    m_rows.clear();
    m_selected.reset();
    m_editKind = ListEditKind::None;
}

void SkinListModel::Select(std::optional<size_t> index) {
    m_selected = (index && *index < m_rows.size()) ? index : std::nullopt;
}

size_t SkinListModel::BeginNewRow() {
    if (m_editKind != ListEditKind::None) return m_editRow;
    m_editRow = Add(std::string(), 0);
    m_selected = m_editRow;
    m_editKind = ListEditKind::NewRow;
    return m_editRow;
}

bool SkinListModel::BeginRename() {
    if (m_editKind != ListEditKind::None || !m_selected) return false;
    m_editRow = *m_selected;
    m_editKind = ListEditKind::Rename;
    return true;
}

std::optional<size_t> SkinListModel::EditedRow() const {
    if (m_editKind == ListEditKind::None) return std::nullopt;
    return m_editRow;
}

int32_t SkinListModel::EditLength() const {
    switch (m_editKind) {
    case ListEditKind::NewRow:
        return kListNewRowMaxLength;
    case ListEditKind::Rename:
        return kListRenameMaxLength;
    default:
        return 0;
    }
}

ListEditOutcome SkinListModel::Commit(const std::string& text) {
    ListEditOutcome outcome;
    if (m_editKind == ListEditKind::None || m_editRow >= m_rows.size()) {
        m_editKind = ListEditKind::None;
        return outcome;
    }
    const std::string kept = text.substr(0, static_cast<size_t>(EditLength()));
    const uint32_t value = m_rows[m_editRow].value;
    m_editKind = ListEditKind::None;
    outcome.index = m_editRow;
    outcome.rowRemoved = Remove(m_editRow);
    if (!kept.empty()) {
        Insert(m_editRow, kept, value);
        m_selected = m_editRow;
        outcome.rowReinserted = true;
        outcome.notifyRenamed = true;
    }
    return outcome;
}

ListEditOutcome SkinListModel::Cancel() {
    ListEditOutcome outcome;
    outcome.index = m_editRow;
    if (m_editKind == ListEditKind::NewRow) outcome.rowRemoved = Remove(m_editRow);
    m_editKind = ListEditKind::None;
    return outcome;
}
