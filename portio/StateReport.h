// The virtual mouse's state as text for a person: decoded, or raw hex.
#pragma once

#include "portio/VirtualMouse.h"

#include <cstdint>
#include <string>

namespace portio {

// One button map entry (type, parameter 1, 2, 3) in words.
std::string DescribeMapEntry(const uint8_t* entry);

// A macro report's repeat count and events, e.g.
// "repeat 1: press Left Ctrl, press C, release C, release Left Ctrl".
std::string DescribeMacro(const ReportData& data);

// Resolution in dpi of a level code of the configuration report; 0 when
// the code is not one the mouse knows.
int LevelCodeDpi(uint8_t code);

// Name of a keyboard usage or mouse-button key code, or "key 0xNN".
std::string KeyName(uint8_t code);

std::string DescribeMouseState(const MouseState& state);

// Every stored byte in hex, one report per line.
std::string DumpMouseState(const MouseState& state);

}  // namespace portio
