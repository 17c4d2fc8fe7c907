#include "option/pages/PlayerNames.h"

namespace {
const char* const kPlayerNames[kPlayerCount] = {"Windows Media player", "iTunes", "Real Player", "Winamp"};
}

const char* PlayerName(int32_t mediaOption) {
    return kPlayerNames[mediaOption >= 0 && mediaOption < kPlayerCount ? mediaOption : 0];
}
