// The macro list as the session loads, merges and saves it.
#pragma once

#include "option/core/OptionPorts.h"
#include "option/macros/MacroList.h"

class MacroStorage : public MacroStoragePort {
public:
    explicit MacroStorage(MacroList& list) : m_list(list) {}
    void Load() override { m_list.Load(); }
    void MergeWith(const SettingsBlock& block) override { m_list.MergeFromProfiles(block); }
    bool Save() override { return m_list.Save(); }

private:
    MacroList& m_list;
};
