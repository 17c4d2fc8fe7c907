// Identifiers of the function menu and the function code each one assigns.
#pragma once

#include <cstdint>

namespace menuid {
constexpr uint32_t kFirstFunction = 1001;      // 1001..1015: codes 1..15
constexpr uint32_t kLastLowFunction = 1015;
constexpr uint32_t kFirstHighFunction = 1017;  // 1017..1044: codes 17..44
constexpr uint32_t kLastHighFunction = 1044;
constexpr uint32_t kKeyCombination = 1005;     // opens the shortcut dialog
constexpr uint32_t kLaunchProgram = 1017;      // opens the launch-program dialog
constexpr uint32_t kMediaPlayerSettings = 1048;  // select-player dialog; entry unchanged
constexpr uint32_t kMacroManager = 1049;       // macro manager; entry unchanged
constexpr uint32_t kSelectMacro = 1050;        // select-macro dialog
constexpr uint32_t kModeSwitch = 1076;         // code 86
constexpr uint32_t kFirstMacro = 1100;         // 1100 + position in the macro list
}  // namespace menuid

constexpr uint8_t kModeSwitchFunctionCode = 86;

// The function code an identifier stands for; 0 for identifiers without one.
uint8_t FunctionCodeForIdentifier(uint32_t identifier);

// True for the identifiers after which the entry keeps its function.
bool LeavesEntryUnchanged(uint32_t identifier);
