// The value box: a number field with up and down buttons, stepping either by
// a fixed step or through a table of 12 allowed values.
#pragma once

#include "skin/core/ValueRange.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

constexpr size_t kValueTableSize = 12;
using ValueTable = std::array<int32_t, kValueTableSize>;
// The table every box starts with: 1, 2, ..., 12.
ValueTable DefaultValueTable();

// What the box does after an up/down press or an edit of its field.
struct ValueBoxChange {
    int32_t value = 0;         // the box's new value
    bool notify = false;       // post MSG_VALUEBOX_POS (value, identifier)
    bool rewriteField = false; // replace the field's text by fieldText
    std::string fieldText;     // "%d" of value
};

class ValueBoxModel {
public:
    ValueBoxModel();

    // False (and nothing changes) for min >= max; the value is kept in range.
    bool SetRange(int32_t minimum, int32_t maximum);
    int32_t Minimum() const { return m_range.minimum; }
    int32_t Maximum() const { return m_range.maximum; }

    // Step form; a step below 1 counts as 1.
    void SetStep(int32_t step);
    int32_t Step() const { return m_step; }
    // Table form; the current value's index is looked up again.
    void SetTable(const ValueTable& table);
    bool IsTableForm() const { return m_tableForm; }
    size_t TableIndex() const { return m_tableIndex; }

    // Clamped to the range; in table form the index is looked up, a value
    // not in the table giving index 1. No notification.
    void SetValue(int32_t value);
    int32_t Value() const { return m_value; }
    // "%d" of the value, the text the field shows.
    std::string Text() const;

    // Up and down buttons. Table form moves the index (only while the value
    // is below max, respectively above min); step form moves by the step and
    // snaps to a multiple of it. The result is always kept in the range.
    ValueBoxChange Up();
    ValueBoxChange Down();

    // Enter in the field: the number from the first character of
    // "-+123456789", keeping the digits and a leading sign, capped and raised
    // into the range; notify when it is at least min.
    ValueBoxChange Enter(const std::string& fieldText);
    // Focus lost: the leading number of the field, snapped to the step, kept
    // in the range; always notifies.
    ValueBoxChange FocusLost(const std::string& fieldText);

    // The field's length limit: digits of max, plus one for a negative min.
    int32_t FieldLength() const;

private:
    ValueBoxChange Changed(int32_t value, bool notify, const std::string& typed) const;
    void LookUpIndex();
    int64_t SnapToStep(int64_t value) const;

    ValueRange m_range;
    int32_t m_value = 0;
    int32_t m_step = 1;
    bool m_tableForm = false;
    ValueTable m_table;
    size_t m_tableIndex = 0;
};

// The number typed into a box on Enter: from the first character that is a
// sign or a digit 1-9, the digits and that leading sign; saturates at the
// 32-bit limits. "a-12b3" gives -123; no such character gives 0.
int64_t TypedNumber(const std::string& text);
// Leading white space, optional sign, digits up to the first other
// character, saturating; 0 when there are none.
int64_t LeadingNumber(const std::string& text);
