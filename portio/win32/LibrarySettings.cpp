#include "portio/win32/LibrarySettings.h"

#include "portio/TransferLog.h"

#include <windows.h>

namespace portio {

std::string LibraryFolder() {
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(&LibraryFolder), &module))
        return std::string();
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

LibrarySettings ReadLibrarySettings(const std::string& folder) {
    const std::string file = folder + kSettingsFileName;
    LibrarySettings settings;
    settings.VirtualMouse = GetPrivateProfileIntA(kVirtualMouseSection, kEnabledKey, 0, file.c_str()) == 1;
    settings.Attached = GetPrivateProfileIntA(kVirtualMouseSection, kAttachedKey, 1, file.c_str()) == 1;
    char log[MAX_PATH] = "";
    GetPrivateProfileStringA(kVirtualMouseSection, kLogKey, "", log, sizeof log, file.c_str());
    settings.LogPath = ResolveInFolder(folder, log);
    return settings;
}

}  // namespace portio
