// Registry keys named by a full path string such as
// "HKEY_CURRENT_USER\Control Panel\Mouse": the part before the first
// backslash names the root, the rest is the subkey.
#pragma once

#include <string>

enum class RegistryRoot { LocalMachine, CurrentUser, CurrentConfig, ClassesRoot };

struct RegistryPath {
    RegistryRoot Root;
    std::string Subkey;
};

// False for a path without a backslash. The root name is matched without
// regard to case; a first part that names no root makes the whole path a
// subkey of HKEY_LOCAL_MACHINE.
bool ParseRegistryPath(const std::string& fullPath, RegistryPath& path);
