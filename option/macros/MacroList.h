// The user's macro list, in the order of the macro file and of the macro
// items of the function menus, with the macro file "config\sequence.dat",
// the single-macro export files and the rules that keep the macro copies in
// the profiles' button entries in step with the list.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "option/macros/IniFileStore.h"
#include "option/macros/MacroPushLog.h"
#include "option/macros/MacroRecord.h"
#include "profile/SettingsBlock.h"

constexpr char kMacroFileName[] = "config\\sequence.dat";
constexpr char kMacroSection[] = "Macros";
constexpr char kMacroCountKey[] = "number";
constexpr char kExportedMacroKey[] = "0";
// Macro items of the function menus carry 1100 + position and command
// identifiers end at 4000, so the list never loads more than this.
constexpr size_t kMaxMacroCount = 2900;

class MacroList {
public:
    // programFolder ends with a backslash.
    MacroList(IniFileStore& store, std::string programFolder);

    std::string FilePath() const { return m_programFolder + kMacroFileName; }

    size_t Count() const { return m_records.size(); }
    const MacroRecord& At(size_t index) const { return m_records[index]; }
    MacroRecord& At(size_t index) { return m_records[index]; }
    void Append(const MacroRecord& record) { m_records.push_back(record); }
    void Remove(size_t index);
    void Clear() { m_records.clear(); }

    // Position of the macro with this name (trimmed, case-insensitive), or -1.
    int Find(const std::string& name) const;

    // Replaces the list with the macro file's records; a missing file gives
    // an empty list and a record that cannot be read is left out.
    void Load();
    // Writes the whole list safely; false leaves the previous file whole.
    bool Save();

    // Takes into the list the macros that buttons of the five profiles carry:
    // unknown names are added (repeat count 0), differing copies overwrite
    // the list's events, counts and repeat counts. Later buttons win.
    void MergeFromProfiles(const SettingsBlock& block);
    // Refreshes every button copy from the list; a button whose macro is no
    // longer listed becomes disabled. Each such button is marked changed,
    // and noted in `log` when one is given.
    void PushToButtons(SettingsBlock& block, MacroPushLog* log = nullptr) const;

    // Reads key "0" of a .macro file and appends it, renamed "%s%d" with 1, 2,
    // ... when the name is taken. Returns its position, or -1 when the file
    // is missing or its value cannot be read (nothing is added then).
    int Import(const std::string& path);
    // Writes the macro as key "0" of a new file in the path's place.
    bool Export(size_t index, const std::string& path);

private:
    IniFileStore& m_store;
    std::string m_programFolder;
    std::vector<MacroRecord> m_records;
};
