// A US keyboard layout: every key at the scan code of the usage table.
#pragma once

#include <map>

#include "profile/KeyTables.h"

class UsLayout : public KeyboardLayout {
public:
    UsLayout() {
        for (const UsageRow& row : kUsageTable)
            if (row.ScanCode != 0) {
                m_scanOf[static_cast<uint32_t>(row.VirtualKey)] = static_cast<uint32_t>(row.ScanCode);
                m_virtualKeyOf[static_cast<uint32_t>(row.ScanCode)] = static_cast<uint32_t>(row.VirtualKey);
            }
    }
    uint32_t MapKey(uint32_t code, uint32_t mapType) override {
        const auto& map = mapType == kMapVirtualKeyToScanCode ? m_scanOf : m_virtualKeyOf;
        auto found = map.find(code);
        return found == map.end() ? 0 : found->second;
    }

private:
    std::map<uint32_t, uint32_t> m_scanOf;
    std::map<uint32_t, uint32_t> m_virtualKeyOf;
};
