#include "monitor/actions/ProfileSwitcher.h"

#include "monitor/actions/ActionConstants.h"

#include <cstring>

namespace actions {

namespace {

constexpr char kBlanks[] = " \t";

}  // namespace

std::string GameFileName(const char* gameFile, size_t size) {
    const std::string path(gameFile, strnlen(gameFile, size));
    const size_t first = path.find_first_not_of(kBlanks);
    if (first == std::string::npos) return std::string();
    const std::string trimmed = path.substr(first, path.find_last_not_of(kBlanks) - first + 1);
    // Drive and folder go; only the file name and extension count.
    const size_t separator = trimmed.find_last_of("\\/:");
    return separator == std::string::npos ? trimmed : trimmed.substr(separator + 1);
}

int MatchingSlot(const SettingsBlock& block, const std::string& executable, ProcessList& names) {
    if (executable.empty()) return -1;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const ProfileRecord& record = block.Profiles[slot];
        const std::string name = GameFileName(record.GameFile, sizeof record.GameFile);
        if (!name.empty() && names.SameFileName(name, executable)) return slot;
    }
    return -1;
}

void ProfileSwitcher::ForegroundCheck() {
    const uint32_t processId = m_windows.ForegroundProcessId();
    std::string executable;
    if (!processId || !m_processes.ExecutableName(processId, executable)) return;
    const int slot = MatchingSlot(m_host.Settings(), executable, m_processes);
    if (slot >= 0 && slot != EffectiveSlot(m_host.Settings().CurrentSlot)) SwitchTo(slot);
}

void ProfileSwitcher::SwitchTo(int slot) {
    SettingsBlock& block = m_host.Settings();
    block.CurrentSlot = slot;
    m_host.WriteBackSettings();
    m_host.RequestSelectWrite();
    m_host.StorePointerSettings(block.Profiles[slot]);
    m_host.ApplyPointerSettings(block.Profiles[slot]);
    if (WindowId option = m_windows.Find(nullptr, kOptionWindowTitle)) m_windows.Post(option, kMsgSlotChanged, 0, 0);
    m_notices.Profile(slot, true);
}

}  // namespace actions
