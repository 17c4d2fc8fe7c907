// The skinned check box: a skin button that flips its own state on each
// click and shows its Down look (the ticked box) while checked. Its owner
// gets BN_CLICKED after the state changed.
#pragma once

#include "skin/win32/SkinButton.h"

class SkinCheckBox : public SkinButton {
public:
    bool Create(HWND parent, const RECT& rectangle, UINT identifier = 0);
    bool Checked() const { return Selected(); }
    void SetChecked(bool checked) { SetSelected(checked); }
};
