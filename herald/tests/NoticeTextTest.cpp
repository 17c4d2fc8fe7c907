// The text each notice shows, built from the files Monitor wrote before
// posting the notice.
#include "herald/NoticeText.h"

#include "profile/MemoryIniFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr char kFolder[] = "C:\\Mouse\\";
constexpr char kSettings[] = "C:\\Mouse\\config.ini";

std::string SlotFile(int slot) { return "C:\\Mouse\\config\\Default" + std::to_string(slot) + ".gmp"; }

struct Planted {
    std::string path;
    std::string section;
    std::string key;
    std::string value;
};

struct NoticeRow {
    const char* what;
    uint32_t kind;
    intptr_t data;
    std::vector<Planted> files;
    std::string expected;
};

TEST(BuildNoticeText_Kinds, ShowTheTextOfTheirFiles) {
    const std::string longMessage = std::string(150, 'a') + "overflow";
    const std::string fullMessage(150, 'z');
    const std::vector<NoticeRow> rows = {
        // Profile notice of the first slot: shown counted from 1, with its name.
        {"slot 0", 40, 0 << 16, {{SlotFile(0), "Setting", "ProFileName", "Office"}}, "Profile 1: Office"},
        // The last slot.
        {"slot 4", 40, 4 << 16, {{SlotFile(4), "Setting", "ProFileName", "Sniper"}}, "Profile 5: Sniper"},
        // Only the high 16 bits carry the slot.
        {"low bits ignored", 40, (2 << 16) | 0x1234, {{SlotFile(2), "Setting", "ProFileName", "Race"}},
         "Profile 3: Race"},
        // The file of another slot does not name this one.
        {"other slot's file", 40, 1 << 16, {{SlotFile(0), "Setting", "ProFileName", "Office"},
                                            {SlotFile(1), "Setting", "ProFileName", "Games"}},
         "Profile 2: Games"},
        // No profile file: Monitor runs the slot on its default profile.
        {"missing profile file", 40, 3 << 16, {}, "Profile 4: Default4"},
        // A file without a name: the slot number alone.
        {"empty name", 40, 1 << 16, {{SlotFile(1), "Setting", "ProFileName", ""}}, "Profile 2"},
        // A file that exists but lacks the key reads as an empty name.
        {"name key missing", 40, 0 << 16, {{SlotFile(0), "Setting", "GameFile", "game.exe"}}, "Profile 1"},
        // No such slot: nothing to show.
        {"slot 5", 40, 5 << 16, {{SlotFile(4), "Setting", "ProFileName", "Sniper"}}, ""},
        // The DPI notice arrives as a text notice.
        {"text", 50, 0, {{kSettings, "OSDData", "Message", "CPI: 800"}}, "CPI: 800"},
        // An empty message (DPI level outside 1..5) shows nothing.
        {"empty message", 50, 0, {{kSettings, "OSDData", "Message", ""}}, ""},
        // No settings file at all.
        {"missing message", 50, 0, {}, ""},
        // Exactly the limit: shown whole.
        {"150 characters", 50, 0, {{kSettings, "OSDData", "Message", fullMessage}}, fullMessage},
        // Longer than the limit: cut to 150 characters.
        {"151+ characters", 50, 0, {{kSettings, "OSDData", "Message", longMessage}}, std::string(150, 'a')},
        // Macro notice: the macro's name.
        {"macro", 70, 0, {{kSettings, "MacroOSD", "Number", "3"}, {kSettings, "MacroOSD", "MacroName", "Reload"}},
         "Macro: Reload"},
        // A macro without a name still tells that a macro started.
        {"macro without name", 70, 0, {{kSettings, "MacroOSD", "Number", "5"}}, "Macro"},
        // Kinds Monitor does not send show nothing.
        {"unknown kind 60", 60, 0, {{kSettings, "OSDData", "Message", "CPI: 800"}}, ""},
        {"kind 0", 0, 0, {{kSettings, "OSDData", "Message", "CPI: 800"}}, ""},
    };
    for (const NoticeRow& row : rows) {
        MemoryIniFiles files;
        for (const Planted& planted : row.files) {
            files.SetValue(planted.path, planted.section, planted.key, planted.value);
        }
        EXPECT_EQ(herald::BuildNoticeText(row.kind, row.data, files, kFolder), row.expected) << row.what;
    }
}

}  // namespace
