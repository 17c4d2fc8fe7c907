// The time of day as seconds since 1 January 1970 UTC, behind an interface
// so that tests can fix it.
#pragma once

#include <cstdint>

class WallClock {
public:
    virtual ~WallClock() = default;
    virtual int64_t SecondsSince1970() const = 0;
};

class SystemWallClock : public WallClock {
public:
    int64_t SecondsSince1970() const override;
};
