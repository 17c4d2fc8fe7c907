// The warning shown when an assignment would leave no button with the
// left-button function; its wording is drawn in the skin.
#pragma once

#include "option/pages/win32/SkinDialogBase.h"

class ClickWarningDialog : public SkinDialogBase {
public:
    bool Run(HWND owner);

protected:
    std::string SkinFileName() const override;
    void CreateControls(WindowSkin& skin) override;
};
