// Every fixed number and name of the configuration program: its identity,
// the names it shares with the agent, the messages between the programs,
// the main window's placement keys and command ranges, files and texts.
#pragma once

#include <cstdint>

#include "version/ProductVersion.h"

namespace option {

// Identity.
constexpr char kInstanceMutexName[] = "Gaming_Mouse_Normal_configure";
constexpr char kMainWindowTitle[] = "TARVIK-Q7 Gaming Mouse Option";
constexpr int kProgramIconResource = 128;

// Named objects and windows of the agent; they must match the agent's.
constexpr char kAgentWindowTitle[] = "TARVIK-Q7 Gaming Mouse Monitor";
constexpr char kSettingsMutexName[] = "Zelkor_510-7716_Gaming_Mouse_Normal_Mutex_Object";
constexpr char kSharedBlockName[] = "Zelkor_510-7716_Gaming_Mouse_Normal_Share_Data";
constexpr uint32_t kMutexAllAccess = 0x1F0001;
constexpr char kMapViewFailedText[] = "Could not map view of file.";

// Outside windows told of an apply (posted 1224 with 0, 0).
constexpr const char* kAppletWindowTitles[] = {
    "Zelkor_510-7716 Gaming Mouse Pop3",
    "Zelkor_510-7716 Gaming Mouse CPU RAM OSD",
    "Zelkor_510-7716 Gaming Mouse OSD SKYPE",
    "Zelkor_510-7716 Gaming Mouse OSD MSN",
};

// Messages between the programs.
constexpr unsigned kMsgApplySettings = 1224;          // to the agent (sent) and the applets (posted)
constexpr unsigned kMsgFirmwareChanged = 1254;        // re-read FWVersion and the block
constexpr unsigned kMsgSlotChangedByAgent = 1255;     // read the block, refresh
constexpr unsigned kMsgApplyFinished = 1256;          // end of an apply
constexpr unsigned kMsgSettingsChangedByMouse = 1257; // take over four fields of the current slot
constexpr unsigned kMsgIgnored = 1258;

// Apply modes (wParam of 1224).
constexpr int kApplyCompare = 0;
constexpr int kApplyMarked = 1;

// An agent that never answers an apply: the buttons come back after this.
constexpr unsigned kApplyAnswerTimer = 1;
constexpr unsigned kApplyAnswerTimeoutMs = 30000;
// The taskbar icons are given once the window has painted: a timer message
// comes after every paint.
constexpr unsigned kIconTimer = 2;

// Versions.
constexpr char kSoftwareVersionText[] = PRODUCT_VERSION_SHORT_TEXT;
constexpr char kNotAvailableText[] = "N/A";
constexpr int32_t kLowestFirmwareVersion = 100;
constexpr int32_t kHighestStartFirmwareVersion = 500;
constexpr unsigned kStringSoftwareLabel = 1000;
constexpr unsigned kStringFirmwareLabel = 1001;

// Files.
constexpr char kLanguageLibraryName[] = "strtab.dll";
constexpr char kSkinFolderName[] = "skins\\";
constexpr char kManualFormat[] = "%s\\User Manual.pdf";
constexpr char kHomePageUrl[] = "https://example.com/tarvik-q7";
constexpr uint32_t kSlotFileAttributes = 0x22;  // archive and hidden

// Profile file dialogs.
constexpr char kProfileFilter[] = "Gaming Mouse Profile(*.gmp)|*.gmp|";
constexpr char kProfileDefaultExtension[] = "*.gmp";
constexpr char kProfileInitialNameFormat[] = "%sconfig\\.gmp";

}  // namespace option
