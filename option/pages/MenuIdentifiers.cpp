#include "option/pages/MenuIdentifiers.h"

#include "profile/FunctionCodes.h"

namespace {
constexpr uint32_t kIdentifierToCodeOffset = 1000;
}

uint8_t FunctionCodeForIdentifier(uint32_t identifier) {
    using namespace menuid;
    if ((identifier >= kFirstFunction && identifier <= kLastLowFunction) ||
        (identifier >= kFirstHighFunction && identifier <= kLastHighFunction))
        return static_cast<uint8_t>(identifier - kIdentifierToCodeOffset);
    if (identifier == kModeSwitch) return kModeSwitchFunctionCode;
    if (identifier == kSelectMacro || identifier >= kFirstMacro) return kFunctionMacro;
    return kFunctionNone;
}

bool LeavesEntryUnchanged(uint32_t identifier) {
    return identifier == menuid::kMediaPlayerSettings || identifier == menuid::kMacroManager;
}
