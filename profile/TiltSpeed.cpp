#include "profile/TiltSpeed.h"

int32_t EffectiveTiltSpeed(int32_t stored) {
    return stored >= kTiltSpeedMinimum && stored <= kTiltSpeedMaximum ? stored : kDefaultTiltSpeed;
}
