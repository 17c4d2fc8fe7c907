#include "option/macros/win32/MacroFileDialogs.h"

#include <commdlg.h>

#include <cstdio>
#include <vector>

#include "frame/LazyFunction.h"
#include "option/core/win32/FileDialogs.h"

namespace {

constexpr char kExportFilter[] = "Macro(*.macro)|*.macro|";
constexpr char kImportFilter[] = "Macro(*.macro)|*.MACRO|";
constexpr char kExtension[] = "macro";
constexpr char kInitialNameFormat[] = "%sconfig\\.macro";
constexpr size_t kPathBufferSize = 1024;

bool Run(HWND owner, bool save, const char* filter, const std::string& programFolder, std::string& path) {
    std::vector<char> buffer(kPathBufferSize, '\0');
    snprintf(buffer.data(), buffer.size(), kInitialNameFormat, programFolder.c_str());
    const std::string filterText = DialogFilter(filter);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filterText.c_str();
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrDefExt = kExtension;
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    static const auto openDialog = LazyFunction<decltype(&GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
    static const auto saveDialog = LazyFunction<decltype(&GetSaveFileNameA)>("comdlg32.dll", "GetSaveFileNameA");
    const auto run = save ? saveDialog : openDialog;
    if (!run || !run(&dialog)) return false;
    path = buffer.data();
    return true;
}

}  // namespace

bool ChooseMacroToImport(HWND owner, const std::string& programFolder, std::string& path) {
    return Run(owner, false, kImportFilter, programFolder, path);
}

bool ChooseMacroToExport(HWND owner, const std::string& programFolder, std::string& path) {
    return Run(owner, true, kExportFilter, programFolder, path);
}
