#include "NoticeFade.h"

#include "HeraldConstants.h"

namespace herald {

uint8_t NoticeOpacity(uint32_t elapsedMilliseconds) {
    if (elapsedMilliseconds <= kHoldMilliseconds) return 255;
    const uint32_t fading = elapsedMilliseconds - kHoldMilliseconds;
    if (fading >= kFadeMilliseconds) return 0;
    return static_cast<uint8_t>(255 - fading * 255 / kFadeMilliseconds);
}

bool NoticeFinished(uint32_t elapsedMilliseconds) {
    return elapsedMilliseconds >= kHoldMilliseconds + kFadeMilliseconds;
}

}  // namespace herald
