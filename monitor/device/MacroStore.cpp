#include "monitor/device/MacroStore.h"

namespace device {

namespace {

bool ValidNumber(int macroNumber) { return macroNumber >= 0 && macroNumber < kMacroNumberCount; }

const ReportData kEmptyBlock{};

}  // namespace

MacroStore::MacroStore() { Clear(); }

void MacroStore::Clear() {
    for (ReportData& block : m_blocks) block.fill(0);
    m_present.fill(false);
}

void MacroStore::Store(int macroNumber, const ReportData& data) {
    if (!ValidNumber(macroNumber)) return;
    m_blocks[macroNumber] = data;
    m_present[macroNumber] = true;
}

bool MacroStore::IsPresent(int macroNumber) const {
    return ValidNumber(macroNumber) && m_present[macroNumber];
}

const ReportData& MacroStore::Block(int macroNumber) const {
    return ValidNumber(macroNumber) ? m_blocks[macroNumber] : kEmptyBlock;
}

}  // namespace device
