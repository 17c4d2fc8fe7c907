// The system's file dialogs with the settings the program uses: profile
// files (open and save) and programs to associate with a profile.
#pragma once

#include <windows.h>

#include <string>

// Open an existing profile file; false on Cancel.
bool ChooseProfileToImport(HWND owner, const std::string& programFolder, std::string& path);
// Save a profile file, asking before overwriting; false on Cancel.
bool ChooseProfileToExport(HWND owner, const std::string& programFolder, std::string& path);
// An executable, starting in the desktop folder; false on Cancel.
bool ChooseProgram(HWND owner, std::string& path);

// A filter text with "|" separators in the form the dialogs take (NUL
// separators, doubly terminated).
std::string DialogFilter(const char* barSeparated);
