#include "RegistryPath.h"

#include <cctype>

namespace {

struct RootName {
    const char* Name;
    RegistryRoot Root;
};

const RootName kRootNames[] = {
    {"HKEY_LOCAL_MACHINE", RegistryRoot::LocalMachine},
    {"HKEY_CURRENT_USER", RegistryRoot::CurrentUser},
    {"HKEY_CURRENT_CONFIG", RegistryRoot::CurrentConfig},
    {"HKEY_CLASSES_ROOT", RegistryRoot::ClassesRoot},
};

bool SameNameIgnoringCase(const std::string& text, const char* name) {
    size_t i = 0;
    for (; i < text.size() && name[i]; ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != std::toupper(static_cast<unsigned char>(name[i])))
            return false;
    return i == text.size() && name[i] == '\0';
}

}  // namespace

bool ParseRegistryPath(const std::string& fullPath, RegistryPath& path) {
    size_t separator = fullPath.find('\\');
    if (separator == std::string::npos) return false;
    std::string first = fullPath.substr(0, separator);
    for (const RootName& root : kRootNames) {
        if (SameNameIgnoringCase(first, root.Name)) {
            path.Root = root.Root;
            path.Subkey = fullPath.substr(separator + 1);
            return true;
        }
    }
    path.Root = RegistryRoot::LocalMachine;
    path.Subkey = fullPath;
    return true;
}
