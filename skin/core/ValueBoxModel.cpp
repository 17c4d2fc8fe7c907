#include "skin/core/ValueBoxModel.h"

#include "skin/core/TextScan.h"

#include <algorithm>
#include <cstring>

namespace {

// Enough digits to saturate any 32-bit range without overflowing.
constexpr int64_t kTypedCeiling = int64_t{1} << 40;
// Typing starts at a sign or a non-zero digit, so leading zeros are skipped.
constexpr char kTypedStartCharacters[] = "-+123456789";

int64_t FloorDivide(int64_t dividend, int64_t divisor) {
    int64_t quotient = dividend / divisor;
    if ((dividend % divisor != 0) && ((dividend < 0) != (divisor < 0))) --quotient;
    return quotient;
}

int32_t DigitCount(int64_t value) {
    if (value < 0) value = -value;
    int32_t digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

}  // namespace

ValueTable DefaultValueTable() {
    ValueTable table{};
    for (size_t i = 0; i < kValueTableSize; ++i) table[i] = static_cast<int32_t>(i + 1);
    return table;
}

int64_t TypedNumber(const std::string& text) {
    size_t start = 0;
    while (start < text.size() && (text[start] == '\0' || !std::strchr(kTypedStartCharacters, text[start])))
        ++start;
    if (start == text.size()) return 0;
    bool negative = false;
    size_t i = start;
    if (text[i] == '-' || text[i] == '+') negative = text[i++] == '-';
    int64_t magnitude = 0;
    for (; i < text.size(); ++i)
        if (IsDigitCharacter(text[i]) && magnitude < kTypedCeiling) magnitude = magnitude * 10 + (text[i] - '0');
    return negative ? -magnitude : magnitude;
}

int64_t LeadingNumber(const std::string& text) {
    size_t position = 0;
    int32_t value = 0;
    return ScanInteger(text, position, value) ? value : 0;
}

ValueBoxModel::ValueBoxModel() : m_table(DefaultValueTable()) {}

bool ValueBoxModel::SetRange(int32_t minimum, int32_t maximum) {
    if (!m_range.Set(minimum, maximum)) return false;
    SetValue(m_value);
    return true;
}

void ValueBoxModel::SetStep(int32_t step) {
    m_step = step > 0 ? step : 1;
    m_tableForm = false;
}

void ValueBoxModel::SetTable(const ValueTable& table) {
    m_table = table;
    m_tableForm = true;
    LookUpIndex();
}

void ValueBoxModel::SetValue(int32_t value) {
    m_value = m_range.Clamp(value);
    if (m_tableForm) LookUpIndex();
}

void ValueBoxModel::LookUpIndex() {
    const auto found = std::find(m_table.begin(), m_table.end(), m_value);
    m_tableIndex = found == m_table.end() ? 1 : static_cast<size_t>(found - m_table.begin());
}

std::string ValueBoxModel::Text() const { return std::to_string(m_value); }

int64_t ValueBoxModel::SnapToStep(int64_t value) const {
    return m_step * FloorDivide(value + m_step / 2, m_step);
}

ValueBoxChange ValueBoxModel::Changed(int32_t value, bool notify, const std::string& typed) const {
    ValueBoxChange change;
    change.value = value;
    change.notify = notify;
    change.fieldText = std::to_string(value);
    change.rewriteField = typed != change.fieldText;
    return change;
}

ValueBoxChange ValueBoxModel::Up() {
    if (m_tableForm) {
        if (m_value >= m_range.maximum) return {m_value, false, false, Text()};
        m_tableIndex = std::min(m_tableIndex + 1, kValueTableSize - 1);
        m_value = m_range.Clamp(m_table[m_tableIndex]);
    } else {
        const int64_t bounded = std::min<int64_t>(static_cast<int64_t>(m_value) + m_step, m_range.maximum);
        const int64_t snapped = SnapToStep(std::max<int64_t>(bounded, m_range.minimum));
        // The snap may overshoot a maximum that is no multiple of the step.
        m_value = SaturateToInt32(std::clamp<int64_t>(snapped, m_range.minimum, m_range.maximum));
    }
    ValueBoxChange change = Changed(m_value, true, std::string());
    change.rewriteField = true;
    return change;
}

ValueBoxChange ValueBoxModel::Down() {
    if (m_tableForm) {
        if (m_value <= m_range.minimum) return {m_value, false, false, Text()};
        if (m_tableIndex > 0) --m_tableIndex;
        m_value = m_range.Clamp(m_table[m_tableIndex]);
    } else {
        const int64_t bounded = std::max<int64_t>(static_cast<int64_t>(m_value) - m_step, m_range.minimum);
        const int64_t snapped = SnapToStep(std::min<int64_t>(bounded, m_range.maximum));
        m_value = SaturateToInt32(std::clamp<int64_t>(snapped, m_range.minimum, m_range.maximum));
    }
    ValueBoxChange change = Changed(m_value, true, std::string());
    change.rewriteField = true;
    return change;
}

ValueBoxChange ValueBoxModel::Enter(const std::string& fieldText) {
    const int64_t typed = TypedNumber(fieldText);
    const int32_t value = SaturateToInt32(std::clamp<int64_t>(typed, m_range.minimum, m_range.maximum));
    SetValue(value);
    return Changed(value, value >= m_range.minimum, fieldText);
}

ValueBoxChange ValueBoxModel::FocusLost(const std::string& fieldText) {
    int64_t typed = LeadingNumber(fieldText);
    if (!m_tableForm) typed = SnapToStep(typed);
    const int32_t value = SaturateToInt32(std::clamp<int64_t>(typed, m_range.minimum, m_range.maximum));
    SetValue(value);
    return Changed(value, true, fieldText);
}

int32_t ValueBoxModel::FieldLength() const {
    // Wide enough for both ends of the range; for the usual ranges (|min| up
    // to |max|) this is the digits of max plus one for a minus sign.
    const int32_t digits = std::max(DigitCount(m_range.maximum), DigitCount(m_range.minimum));
    return digits + (m_range.minimum < 0 ? 1 : 0);
}
