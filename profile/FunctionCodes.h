// Function codes of the button assignment entry: what a button does.
#pragma once

#include <cstdint>

enum FunctionCode : uint8_t {
    kFunctionNone = 0,
    kFunctionLeftButton = 1,
    kFunctionRightButton = 2,
    kFunctionMiddleButton = 3,
    kFunctionDoubleClick = 4,
    kFunctionKeyCombination = 5,
    kFunctionDisabled = 6,
    kFunctionWheelUp = 9,
    kFunctionWheelDown = 10,
    kFunctionMacro = 16,
    kFunctionLaunchProgram = 17,
    kFunctionRapidClick = 21,
    kFunctionPacedClick = 22,
    kFunctionOpenOption = 24,
    kFunctionTripleClick = 80,
};

// An English description of a function code for people reading a profile
// ("left button", "Ctrl+C"); null for a code that means nothing.
const char* FunctionCodeDescription(int code);
