#include "profile/RegistryPath.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseRegistryPath_Cases, SplitsRootAndSubkey) {
    struct Case {
        const char* fullPath;
        bool accepted;
        RegistryRoot root;
        const char* subkey;
    };
    const Case cases[] = {
        // the pointer settings' own key
        {"HKEY_CURRENT_USER\\Control Panel\\Mouse", true, RegistryRoot::CurrentUser, "Control Panel\\Mouse"},
        // root names match without regard to case
        {"hkey_current_user\\Control Panel\\Desktop", true, RegistryRoot::CurrentUser, "Control Panel\\Desktop"},
        {"HKEY_LOCAL_MACHINE\\Software\\X", true, RegistryRoot::LocalMachine, "Software\\X"},
        {"Hkey_Current_Config\\System", true, RegistryRoot::CurrentConfig, "System"},
        {"HKEY_CLASSES_ROOT\\.gmp", true, RegistryRoot::ClassesRoot, ".gmp"},
        // a first part naming no root: the whole path under HKEY_LOCAL_MACHINE
        {"Software\\Vendor\\Mouse", true, RegistryRoot::LocalMachine, "Software\\Vendor\\Mouse"},
        // a root name with something appended is no root name
        {"HKEY_CURRENT_USERS\\X", true, RegistryRoot::LocalMachine, "HKEY_CURRENT_USERS\\X"},
        {"HKEY_CURRENT\\X", true, RegistryRoot::LocalMachine, "HKEY_CURRENT\\X"},
        // the root itself
        {"HKEY_CURRENT_USER\\", true, RegistryRoot::CurrentUser, ""},
    };
    for (const Case& c : cases) {
        RegistryPath path{RegistryRoot::ClassesRoot, "unchanged"};
        ASSERT_EQ(ParseRegistryPath(c.fullPath, path), c.accepted) << c.fullPath;
        EXPECT_EQ(path.Root, c.root) << c.fullPath;
        EXPECT_EQ(path.Subkey, c.subkey) << c.fullPath;
    }
}

TEST(ParseRegistryPath_NoBackslash, IsRefused) {
    for (const char* fullPath : {"HKEY_CURRENT_USER", "Control Panel/Mouse", ""}) {
        RegistryPath path;
        EXPECT_FALSE(ParseRegistryPath(fullPath, path)) << fullPath;
    }
}

}  // namespace
