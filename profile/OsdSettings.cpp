#include "OsdSettings.h"

#include <cstring>

void DefaultOsdSettings(OsdSettings& settings) {
    memset(&settings, 0, sizeof settings);
    settings.FirstValue = kDefaultOsdFirstValue;
    settings.SecondValue = kDefaultOsdSecondValue;
}
