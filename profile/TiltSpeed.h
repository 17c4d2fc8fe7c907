// TiltSpeed of the profile record: how many scroll messages one tilt of the
// wheel gives. The performance page offers 1..10; the factory value is 3.
#pragma once

#include <cstdint>

constexpr int32_t kTiltSpeedMinimum = 1;
constexpr int32_t kTiltSpeedMaximum = 10;
constexpr int32_t kDefaultTiltSpeed = 3;

// The TiltSpeed to act on and to show: a stored value outside 1..10 (a
// damaged or imported profile) counts as the factory value.
int32_t EffectiveTiltSpeed(int32_t stored);
