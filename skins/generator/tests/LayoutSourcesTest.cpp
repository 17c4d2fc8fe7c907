// Checks the committed layout sources: every one parses, and the windows that
// other code opens by file name have the placement keys their code asks for.
#include "skins/generator/Layout.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

Layout LoadLayout(const std::string& name) {
    std::ifstream in(std::string(SKIN_LAYOUT_DIR) + "/" + name + ".layout", std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    std::ostringstream text;
    text << in.rdbuf();
    Layout layout;
    std::string error;
    EXPECT_TRUE(ParseLayout(text.str(), layout, error)) << name << ": " << error;
    EXPECT_EQ(layout.skinName, name);
    return layout;
}

std::set<std::string> Keys(const Layout& layout) {
    std::set<std::string> keys;
    for (const LayoutElement& element : layout.elements)
        if (!element.key.empty()) keys.insert(element.key);
    return keys;
}

TEST(WarningLayouts_Keys, MatchTheDialogsButtons) {
    const std::map<std::string, std::set<std::string>> warnings = {
        // OK, Cancel and a second Cancel (the close button).
        {"skin_click_warn", {"1", "2", "3"}},
        {"skin_reset_current_warn", {"1", "2", "3"}},
        {"skin_reset_all_warn", {"1", "2", "3"}},
        {"skin_delete_macro_warn", {"1", "2", "3"}},
        // OK and Cancel only.
        {"skin_macro_set_warn", {"1", "2"}},
        // OK and the close button.
        {"skin_save_failed_warn", {"1", "3"}},
    };
    for (const auto& [name, keys] : warnings) {
        Layout layout = LoadLayout(name);
        EXPECT_EQ(Keys(layout), keys) << name;
        // The opener's own text goes to (20, 50)-(220, 94); the wording must
        // be drawn there and the window must be wide enough for it.
        EXPECT_GE(layout.width, 240) << name;
        bool wording = false;
        for (const LayoutElement& element : layout.elements)
            if (element.kind == ElementKind::Text && !element.label.empty() && element.box.x >= 20 &&
                element.box.Right() <= 220 && element.box.y >= 50 && element.box.Bottom() <= 94)
                wording = true;
        EXPECT_TRUE(wording) << name;
    }
}

}  // namespace
