#include "option/macros/MacroList.h"

#include <algorithm>
#include <cstring>

#include "profile/FunctionCodes.h"

namespace {

bool ReadRecord(IniAccessor& file, const std::string& key, MacroRecord& record) {
    record = MacroRecord{};
    return file.GetStruct(kMacroSection, key.c_str(), &record, sizeof record);
}

// Visits every button entry of the five profiles that carries a macro copy.
template <class Block, class Visit>
void ForEachMacroButton(Block& block, Visit visit) {
    for (int slot = 0; slot < kSlotCount; ++slot)
        for (int button = 0; button < kButtonCount; ++button) {
            auto& entry = block.Profiles[slot].MacroKeyInfo[button];
            if (entry.FunctionCode == kFunctionMacro && entry.Name[0] != '\0') visit(slot, button, entry);
        }
}

}  // namespace

MacroList::MacroList(IniFileStore& store, std::string programFolder)
    : m_store(store), m_programFolder(std::move(programFolder)) {}

void MacroList::Remove(size_t index) {
    if (index < m_records.size()) m_records.erase(m_records.begin() + static_cast<std::ptrdiff_t>(index));
}

int MacroList::Find(const std::string& name) const {
    for (size_t i = 0; i < m_records.size(); ++i)
        if (SameMacroName(MacroName(m_records[i]), name)) return static_cast<int>(i);
    return -1;
}

void MacroList::Load() {
    m_records.clear();
    std::unique_ptr<IniAccessor> file = m_store.Open(FilePath());
    if (!file) return;
    int32_t count = file->GetInt(kMacroSection, kMacroCountKey, -1);
    size_t usable = count > 0 ? std::min(static_cast<size_t>(count), kMaxMacroCount) : 0;
    for (size_t i = 0; i < usable; ++i) {
        MacroRecord record;
        if (ReadRecord(*file, std::to_string(i), record)) m_records.push_back(record);
    }
}

bool MacroList::Save() {
    return SaveIniFile(m_store, FilePath(), [this](IniAccessor& file) {
        if (!file.PutInt(kMacroSection, kMacroCountKey, static_cast<int32_t>(m_records.size()))) return false;
        for (size_t i = 0; i < m_records.size(); ++i)
            if (!file.PutStruct(kMacroSection, std::to_string(i).c_str(), &m_records[i], sizeof m_records[i]))
                return false;
        return true;
    });
}

void MacroList::MergeFromProfiles(const SettingsBlock& block) {
    ForEachMacroButton(block, [this](int, int, const ButtonAssignmentEntry& entry) {
        int found = Find(EntryMacroName(entry));
        if (found < 0) {
            m_records.push_back(MacroFromEntry(entry));
            return;
        }
        MacroRecord& record = m_records[static_cast<size_t>(found)];
        if (EntryEqualsRecord(entry, record)) return;
        memcpy(record.Events, entry.Data, sizeof record.Events);
        record.EventCount = static_cast<int32_t>(UsableEventCount(entry));
        record.RepeatCount = entry.RepeatCount;
    });
}

void MacroList::PushToButtons(SettingsBlock& block, MacroPushLog* log) const {
    ForEachMacroButton(block, [this, &block, log](int slot, int button, ButtonAssignmentEntry& entry) {
        const ButtonAssignmentEntry before = entry;
        int found = Find(EntryMacroName(entry));
        if (found < 0) entry.FunctionCode = kFunctionDisabled;
        else CopyMacroToEntry(m_records[static_cast<size_t>(found)], entry);
        block.ButtonChanged[slot][button] = 1;
        if (log) log->Note(slot, button, before, entry);
    });
}

int MacroList::Import(const std::string& path) {
    if (!m_store.FileExists(path)) return -1;
    std::unique_ptr<IniAccessor> file = m_store.Open(path);
    MacroRecord record;
    if (!file || !ReadRecord(*file, kExportedMacroKey, record)) return -1;
    const std::string base = MacroName(record).substr(0, kMacroNameLimit);
    std::string name = base;
    for (int number = 1; Find(name) >= 0; ++number) name = base + std::to_string(number);
    SetMacroName(record, name);
    m_records.push_back(record);
    return static_cast<int>(m_records.size() - 1);
}

bool MacroList::Export(size_t index, const std::string& path) {
    if (index >= m_records.size()) return false;
    const MacroRecord& record = m_records[index];
    return SaveIniFile(m_store, path, [&record](IniAccessor& file) {
        return file.PutStruct(kMacroSection, kExportedMacroKey, &record, sizeof record);
    });
}
