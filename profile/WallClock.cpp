#include "WallClock.h"

#include <chrono>

int64_t SystemWallClock::SecondsSince1970() const {
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}
