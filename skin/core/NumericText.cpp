#include "skin/core/NumericText.h"

#include <cstring>

bool NumericKeyAllowed(uint32_t virtualKey) {
    if (virtualKey >= kKeyDigit0 && virtualKey <= kKeyDigit9) return true;
    switch (virtualKey) {
    case kKeyEnter:
    case kKeyComma:
    case kKeyPeriod:
    case kKeyLeft:
    case kKeyRight:
    case kKeyHome:
    case kKeyEnd:
    case kKeyBackspace:
    case kKeyDelete:
        return true;
    default:
        return false;
    }
}

namespace {

bool IsNumericCharacter(char c) { return c != '\0' && std::strchr(kNumericCharacters, c) != nullptr; }

}  // namespace

std::string NumericOnly(const std::string& text) {
    std::string kept;
    for (char c : text)
        if (IsNumericCharacter(c)) kept += c;
    return kept;
}

bool NeedsNumericRewrite(const std::string& text) {
    for (char c : text)
        if (!IsNumericCharacter(c)) return true;
    return false;
}
