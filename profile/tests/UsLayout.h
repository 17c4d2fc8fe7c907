// A US keyboard layout: every key at the scan code of the usage table, with
// optional positions moved. MapKey translates both ways like MapVirtualKeyA.
#pragma once

#include <map>

#include "profile/KeyTables.h"

class UsLayout : public KeyboardLayout {
public:
    UsLayout() {
        for (const UsageRow& row : kUsageTable)
            if (row.ScanCode != 0) Place(static_cast<uint32_t>(row.VirtualKey), static_cast<uint32_t>(row.ScanCode));
    }

    void Place(uint32_t virtualKey, uint32_t scanCode) {
        m_scanOf[virtualKey] = scanCode;
        m_virtualKeyOf[scanCode] = virtualKey;
    }

    // Removes the key from the layout: both directions translate to 0.
    void Remove(uint32_t virtualKey) {
        m_virtualKeyOf.erase(m_scanOf[virtualKey]);
        m_scanOf.erase(virtualKey);
    }

    uint32_t MapKey(uint32_t code, uint32_t mapType) override {
        const std::map<uint32_t, uint32_t>& map = mapType == kMapVirtualKeyToScanCode ? m_scanOf : m_virtualKeyOf;
        if (mapType != kMapVirtualKeyToScanCode && mapType != kMapScanCodeToVirtualKeyEx) return 0;
        auto found = map.find(code);
        return found == map.end() ? 0 : found->second;
    }

private:
    std::map<uint32_t, uint32_t> m_scanOf;
    std::map<uint32_t, uint32_t> m_virtualKeyOf;
};
