// Names of the media players by the profile's MediaOption value.
#pragma once

#include <cstdint>

constexpr int32_t kPlayerCount = 4;

// Any value outside 0..3 shows the name of 0.
const char* PlayerName(int32_t mediaOption);
