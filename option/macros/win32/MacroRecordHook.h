// The recorder's process-wide low-level keyboard hook. While it is installed
// every keystroke is posted to one target window (the macro manager) as
// kMsgCapturedKeystroke and swallowed, so a recording types into no program.
#pragma once

#include <windows.h>

// wParam = virtual-key code, lParam = the key-up flag (0x80) or 0.
constexpr UINT kMsgCapturedKeystroke = 0x040A;
constexpr LPARAM kCapturedKeyUpFlag = 0x80;

// Installs the hook for `target`; false (and nothing captured) when the
// system refuses. Installing again replaces the target.
bool InstallRecordHook(HWND target);
// Removes the hook, if any.
void RemoveRecordHook();
bool RecordHookInstalled();
