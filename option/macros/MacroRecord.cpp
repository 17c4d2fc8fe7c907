#include "option/macros/MacroRecord.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

std::string BoundedText(const char* field, size_t size) { return std::string(field, strnlen(field, size)); }

std::string Trimmed(const std::string& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && isspace(static_cast<unsigned char>(text[first]))) ++first;
    while (last > first && isspace(static_cast<unsigned char>(text[last - 1]))) --last;
    return text.substr(first, last - first);
}

size_t ClampedCount(int64_t count) {
    if (count < 0) return 0;
    return static_cast<size_t>(std::min<int64_t>(count, kMacroEventCapacity));
}

}  // namespace

std::string MacroName(const MacroRecord& record) { return BoundedText(record.Name, sizeof record.Name); }

void SetMacroName(MacroRecord& record, const std::string& name) {
    memset(record.Name, 0, sizeof record.Name);
    memcpy(record.Name, name.data(), std::min(name.size(), sizeof record.Name - 1));
}

std::string EntryMacroName(const ButtonAssignmentEntry& entry) { return BoundedText(entry.Name, sizeof entry.Name); }

bool SameMacroName(const std::string& a, const std::string& b) {
    std::string left = Trimmed(a);
    std::string right = Trimmed(b);
    if (left.size() != right.size()) return false;
    for (size_t i = 0; i < left.size(); ++i)
        if (tolower(static_cast<unsigned char>(left[i])) != tolower(static_cast<unsigned char>(right[i])))
            return false;
    return true;
}

size_t UsableEventCount(const MacroRecord& record) { return ClampedCount(record.EventCount); }
size_t UsableEventCount(const ButtonAssignmentEntry& entry) { return ClampedCount(entry.ItemCount); }

int32_t EffectiveRepeatCount(int32_t repeatCount) { return repeatCount > 0 ? repeatCount : 1; }

bool EntryEqualsRecord(const ButtonAssignmentEntry& entry, const MacroRecord& record) {
    if (!SameMacroName(EntryMacroName(entry), MacroName(record))) return false;
    if (static_cast<int32_t>(entry.ItemCount) != record.EventCount) return false;
    if (entry.RepeatCount != record.RepeatCount) return false;
    return memcmp(entry.Data, record.Events, UsableEventCount(record) * sizeof(MacroEvent)) == 0;
}

void CopyMacroToEntry(const MacroRecord& record, ButtonAssignmentEntry& entry) {
    memset(entry.Name, 0, sizeof entry.Name);
    CopyText(entry.Name, MacroName(record).c_str());
    entry.ItemCount = static_cast<uint16_t>(UsableEventCount(record));
    memcpy(entry.Data, record.Events, sizeof entry.Data);
    entry.RepeatCount = record.RepeatCount;
}

MacroRecord MacroFromEntry(const ButtonAssignmentEntry& entry) {
    MacroRecord record{};
    SetMacroName(record, EntryMacroName(entry));
    size_t count = UsableEventCount(entry);
    record.EventCount = static_cast<int32_t>(count);
    memcpy(record.Events, entry.Data, count * sizeof(MacroEvent));
    record.RepeatCount = 0;
    return record;
}
