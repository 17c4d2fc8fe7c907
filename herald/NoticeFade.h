// How visible a notice is, by the time since it was shown: fully for the
// hold time, then fading linearly to nothing.
#pragma once

#include <cstdint>

namespace herald {

// 255 (opaque) .. 0 (gone).
uint8_t NoticeOpacity(uint32_t elapsedMilliseconds);

// True once the notice has faded out completely and can be hidden.
bool NoticeFinished(uint32_t elapsedMilliseconds);

}  // namespace herald
