#include "option/core/win32/FileDialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "frame/LazyFunction.h"
#include "option/core/OptionConstants.h"

namespace {

constexpr char kProgramFilter[] = "exe file(*.exe)|*.EXE|";
constexpr char kProgramDefaultExtension[] = "*.exe";
constexpr char kProgramInitialNameFormat[] = "%s\\.exe";
// Room for a multi-selection: a folder and several names.
constexpr size_t kPathBufferSize = 4096;

// The default extension without the "*." the settings carry.
const char* BareExtension(const char* setting) {
    const char* dot = strrchr(setting, '.');
    return dot ? dot + 1 : setting;
}

// A dialog opened with multi-selection answers several files as the folder
// and then the names, each ended by a NUL, with the first name at the file
// offset. Any other answer is one path as written over the initial name,
// whose tail may still follow the path's NUL.
std::string ChosenPath(const std::vector<char>& buffer, const OPENFILENAMEA& dialog) {
    std::string first(buffer.data());
    if (!(dialog.Flags & OFN_ALLOWMULTISELECT) || dialog.nFileOffset <= first.size()) return first;
    if (first.empty() || first.back() != '\\') first += '\\';
    return first + (buffer.data() + dialog.nFileOffset);
}

bool RunFileDialog(HWND owner, bool save, const char* filter, const char* extension, const std::string& initial,
                   DWORD flags, std::string& path) {
    std::vector<char> buffer(kPathBufferSize, '\0');
    snprintf(buffer.data(), buffer.size(), "%s", initial.c_str());
    const std::string filterText = DialogFilter(filter);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filterText.c_str();
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrDefExt = BareExtension(extension);
    dialog.Flags = flags | OFN_EXPLORER;
    static const auto openDialog = LazyFunction<decltype(&GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
    static const auto saveDialog = LazyFunction<decltype(&GetSaveFileNameA)>("comdlg32.dll", "GetSaveFileNameA");
    const auto run = save ? saveDialog : openDialog;
    if (!run || !run(&dialog)) return false;
    path = ChosenPath(buffer, dialog);
    return true;
}

std::string ProfileInitialName(const std::string& programFolder) {
    char name[MAX_PATH * 2];
    snprintf(name, sizeof name, option::kProfileInitialNameFormat, programFolder.c_str());
    return name;
}

}  // namespace

std::string DialogFilter(const char* barSeparated) {
    std::string filter(barSeparated);
    for (char& c : filter)
        if (c == '|') c = '\0';
    filter.push_back('\0');
    return filter;
}

bool ChooseProfileToImport(HWND owner, const std::string& programFolder, std::string& path) {
    return RunFileDialog(owner, false, option::kProfileFilter, option::kProfileDefaultExtension,
                         ProfileInitialName(programFolder), OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, path);
}

bool ChooseProfileToExport(HWND owner, const std::string& programFolder, std::string& path) {
    return RunFileDialog(owner, true, option::kProfileFilter, option::kProfileDefaultExtension,
                         ProfileInitialName(programFolder), OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, path);
}

bool ChooseProgram(HWND owner, std::string& path) {
    char desktop[MAX_PATH] = {};
    static const auto specialFolder =
        LazyFunction<decltype(&SHGetSpecialFolderPathA)>("shell32.dll", "SHGetSpecialFolderPathA");
    if (specialFolder) specialFolder(owner, desktop, CSIDL_DESKTOPDIRECTORY, FALSE);
    char initial[MAX_PATH * 2];
    snprintf(initial, sizeof initial, kProgramInitialNameFormat, desktop);
    return RunFileDialog(owner, false, kProgramFilter, kProgramDefaultExtension, initial,
                         OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_OVERWRITEPROMPT, path);
}
