#include "skin/win32/SkinCheckBox.h"

bool SkinCheckBox::Create(HWND parent, const RECT& rectangle, UINT identifier) {
    if (!SkinButton::Create(parent, rectangle, identifier)) return false;
    SetToggleMode(true);
    return true;
}
