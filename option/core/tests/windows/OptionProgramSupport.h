// What the program tests of Option share: the main window's skin file and
// the keys of its buttons, the slot files, and the skip of a test whose
// program folder lacks a program.
#pragma once

#include "OptionFolder.h"
#include "testing/DamagedFiles.h"
#include "profile/ProfileRecord.h"

#define REQUIRE_READY(folder) \
    if (!(folder).Ready()) GTEST_SKIP() << (folder).MissingReason()

constexpr char kOptionTitle[] = "TARVIK-Q7 Gaming Mouse Option";
constexpr char kAgentTitle[] = "TARVIK-Q7 Gaming Mouse Monitor";
constexpr char kMainSkin[] = "skin_main.ini";
constexpr char kResetAllSkin[] = "skin_reset_all_warn.ini";
constexpr char kImportFailedSkin[] = "skin_import_failed_warn.ini";
// Keys of the main window's skin; the five slot buttons follow the first.
constexpr int kImportKey = 2;
constexpr int kExportKey = 3;
constexpr int kFirstSlotKey = 5;
constexpr int kCloseKey = 11;
constexpr int kOkKey = 12;
constexpr int kApplyKey = 14;
constexpr int kMacroTabKey = 37;
constexpr int kResetAllKey = 45;
// The OK button of a warning's skin.
constexpr int kWarningOkKey = 1;
// The macro manager: its skin, its OK key, its list of macro names.
constexpr char kManagerSkin[] = "skin_macro_manager.ini";
constexpr char kManagerTitle[] = "Macro Manager";
constexpr int kManagerOkKey = 1;
constexpr int kMacroNameListId = 4096;

// Clicks the slot's button, then Apply.
inline bool ClickSlotThenApply(const optiontest::OptionFolder& folder, HWND option, int slot) {
    return folder.Click(option, kMainSkin, kFirstSlotKey + slot) && folder.Click(option, kMainSkin, kApplyKey);
}

inline std::string SlotFile(const optiontest::OptionFolder& folder, int slot) {
    return folder.Path() + "config\\Default" + std::to_string(slot) + ".gmp";
}

// A key of the profile file's Setting section; `missing` when it is not there.
inline std::string ProfileValue(const std::string& file, const char* key, const char* missing = "") {
    return testsupport::IniValue(file, "Setting", key, missing);
}
