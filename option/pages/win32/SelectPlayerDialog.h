// The select-player dialog: which media player the media buttons drive,
// chosen from a skin popup menu under the player button.
#pragma once

#include <cstdint>

#include "option/pages/win32/SkinDialogBase.h"
#include "skin/win32/GdiOwners.h"

class SelectPlayerDialog : public SkinDialogBase {
public:
    explicit SelectPlayerDialog(int32_t mediaOption) : m_mediaOption(mediaOption) {}

    bool Run(HWND owner);
    int32_t MediaOption() const { return m_mediaOption; }

protected:
    std::string SkinFileName() const override;
    void CreateControls(WindowSkin& skin) override;
    void OnButton(int key) override;

private:
    void ChoosePlayer(SkinButton& button);

    int32_t m_mediaOption;
    Font m_font;
};
