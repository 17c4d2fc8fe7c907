#include "skin/core/ValueRange.h"

bool ValueRange::Set(int32_t newMinimum, int32_t newMaximum) {
    if (newMinimum >= newMaximum) return false;
    minimum = newMinimum;
    maximum = newMaximum;
    return true;
}

int32_t ValueRange::Clamp(int32_t value) const {
    if (value < minimum) return minimum;
    if (value > maximum) return maximum;
    return value;
}
