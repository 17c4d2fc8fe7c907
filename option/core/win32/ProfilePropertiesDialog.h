// The profile properties dialog: name and game program of one profile
// record. Keys "1" name field, "2" game field, "3" browse, "4" OK, "5" and
// "6" Cancel.
#pragma once

#include "profile/ProfileRecord.h"
#include "skin/win32/BitmapEdit.h"
#include "skin/win32/SkinnedWindow.h"

class ProfilePropertiesDialog : public SkinnedDialog {
public:
    // With `newProfile` both fields start empty.
    ProfilePropertiesDialog(ProfileRecord& record, bool newProfile) : m_record(record), m_newProfile(newProfile) {}

    // IDOK (record changed) or IDCANCEL (record unchanged).
    INT_PTR Show(HWND owner);

    static constexpr char kSkinFile[] = "skin_profile.ini";

protected:
    std::string SkinFileName() const override { return kSkinFile; }
    void CreateControls(WindowSkin& skin) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnButton(int key);

    ProfileRecord& m_record;
    bool m_newProfile;
    BitmapEdit m_name;
    BitmapEdit m_game;
};
