#include "skin/core/CurrentHint.h"

#include "skin/core/TextScan.h"

namespace {

std::string& HintStorage() {
    static std::string hint;
    return hint;
}

}  // namespace

const std::string& CurrentHintText() { return HintStorage(); }

void SetCurrentHint(const std::string& hint) { HintStorage() = hint; }

bool OfferCurrentHint(const std::string& hint) {
    if (EqualIgnoringCase(HintStorage(), hint)) return false;
    HintStorage() = hint;
    return true;
}
