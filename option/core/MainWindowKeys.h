// The main window's skin: its file, the placement keys of its controls and
// the command ranges of its menus.
#pragma once

#include "frame/CommandRange.h"

namespace mainwindow {

constexpr char kSkinFile[] = "skin_main.ini";

constexpr int kNewProfile = 1;
constexpr int kImport = 2;
constexpr int kExport = 3;
constexpr int kProperties = 4;
constexpr int kFirstSlot = 5;  // "5".."9": slots 0..4
constexpr int kSlotButtonCount = 5;
constexpr int kMinimise = 10;
constexpr int kClose = 11;
constexpr int kOk = 12;
constexpr int kCloseSecond = 13;
constexpr int kApply = 14;
constexpr int kFirstAssignment = 20;  // "20".."34": entries 0..14
constexpr int kAssignmentButtonCount = 15;
constexpr int kFirstAssignmentId = 200;  // control identifiers 200..214
constexpr int kRightHand = 35;
constexpr int kLeftHand = 36;
constexpr int kMacroTab = 37;
constexpr int kLightingTab = 38;
constexpr int kPerformanceTab = 39;
constexpr int kResolutionTab = 40;
constexpr int kPageArea = 42;
constexpr int kManual = 43;
constexpr int kResetCurrent = 44;
constexpr int kResetAll = 45;
constexpr int kHomePage = 46;
constexpr int kButtonTab = 47;
// Beyond the table: the status line with the version and the hover hint.
constexpr int kStatusLine = 48;
constexpr int kLastKey = 48;

// Pages in the order of their tabs.
enum class Page { Buttons, Resolution, Performance, Lighting, Macros };
constexpr int kPageCount = 5;
constexpr int kTabKeys[kPageCount] = {kButtonTab, kResolutionTab, kPerformanceTab, kLightingTab, kMacroTab};

// Function-menu commands of the assignment buttons.
constexpr CommandRange kMenuCommands{1001, 4000};

}  // namespace mainwindow
