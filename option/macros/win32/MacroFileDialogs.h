// The file dialogs of macro import and export (".macro" files), starting at
// "config\.macro" in the program folder.
#pragma once

#include <windows.h>

#include <string>

// An existing file; false on Cancel.
bool ChooseMacroToImport(HWND owner, const std::string& programFolder, std::string& path);
// A file to write; false on Cancel.
bool ChooseMacroToExport(HWND owner, const std::string& programFolder, std::string& path);
