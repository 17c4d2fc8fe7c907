#include "monitor/agent/TrayMenu.h"

#include "monitor/agent/AgentConstants.h"

#include <cstring>

namespace agent {

namespace {

constexpr char kMnemonicMark = '&';
constexpr char kNameGap[] = "  ";

std::string ProfileItemText(int slot, const ProfileRecord& record) {
    std::string text = kMnemonicMark + std::to_string(slot + kFirstShownSlot);
    std::string name;
    for (const char c : std::string(record.ProFileName, strnlen(record.ProFileName, sizeof record.ProFileName))) {
        if (c == kMnemonicMark) name += kMnemonicMark;
        // A tab would move the rest of the name into the shortcut column,
        // a line break would end it.
        name += static_cast<unsigned char>(c) < ' ' ? ' ' : c;
    }
    if (name.find_first_not_of(' ') != std::string::npos) text += kNameGap + name;
    return text;
}

}  // namespace

std::vector<TrayMenuItem> TrayMenuItems(const SettingsBlock& block, const std::string& openText,
                                        const std::string& exitText) {
    std::vector<TrayMenuItem> items;
    items.push_back({kCommandOpenOption, openText, false, true});
    items.push_back({});
    const int current = EffectiveSlot(block.CurrentSlot);
    for (int slot = 0; slot < kSlotCount; ++slot)
        items.push_back({kCommandFirstProfile + slot, ProfileItemText(slot, block.Profiles[slot]), slot == current,
                         false});
    items.push_back({});
    items.push_back({kCommandExit, exitText, false, false});
    return items;
}

int ProfileSlotOfCommand(unsigned id) {
    return id >= kCommandFirstProfile && id <= kCommandLastProfile ? static_cast<int>(id - kCommandFirstProfile) : -1;
}

}  // namespace agent
