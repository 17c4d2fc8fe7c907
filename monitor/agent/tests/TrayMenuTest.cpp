// The tray menu's items: the fixed ones around the five profiles, as shown.
#include "monitor/agent/TrayMenu.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(TrayMenuItems_FiveProfiles, BetweenTheFixedItemsCurrentCheckedNamesAsShown) {
    static SettingsBlock block{};
    block.CurrentSlot = 3;
    for (auto [slot, name] : {std::pair{0, "Sniper"}, {2, "R&D"}, {3, "Tab\there"}, {4, "   "}})
        strcpy(block.Profiles[slot].ProFileName, name);
    memset(block.Profiles[1].ProFileName, 'x', sizeof block.Profiles[1].ProFileName);  // no end in the field
    std::string listed;
    for (const agent::TrayMenuItem& item : agent::TrayMenuItems(block, "Open", "Exit"))
        listed += std::to_string(item.id) + " " + item.text + (item.checked ? " [x]" : "") +
                  (item.isDefault ? " (default)" : "") + "\n";
    EXPECT_EQ(listed, "6001 Open (default)\n0 \n6011 &1  Sniper\n6012 &2  " + std::string(250, 'x') +
                          "\n6013 &3  R&&D\n6014 &4  Tab here [x]\n6015 &5\n0 \n6002 Exit\n");
    for (auto [id, slot] : {std::pair{6002u, -1}, {6010u, -1}, {6011u, 0}, {6015u, 4}, {6016u, -1}})
        EXPECT_EQ(agent::ProfileSlotOfCommand(id), slot) << id;
}
