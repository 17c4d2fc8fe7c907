// Which text a notice shows: built from the notice message and the files
// Monitor wrote before posting it (config.ini and the slot profile files).
#pragma once

#include "profile/IniAccessor.h"

#include <cstdint>
#include <string>

namespace herald {

// The text for notice kind and data, read from the program folder (with a
// trailing backslash); empty when there is nothing to show (an unknown kind,
// a slot outside 0..4, an empty message).
std::string BuildNoticeText(uint32_t kind, intptr_t data, IniFileSystem& files, const std::string& programFolder);

}  // namespace herald
