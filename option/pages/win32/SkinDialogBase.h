// Common ground of the page's small skinned dialogs: the buttons by
// placement key, ending with OK or Cancel through them, and being dragged
// by any point of the face.
#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "skin/win32/SkinnedWindow.h"

// The rectangle of an edit field inside the skin's field well: one text
// line high, centred, a little in from the sides.
RECT EditRectInField(const SkinRect& well);

class SkinDialogBase : public SkinnedDialog {
public:
    // Runs the dialog modally over the owner; true for OK.
    bool Run(HWND owner, const char* title);

protected:
    SkinButton* AddButton(WindowSkin& skin, int key);
    SkinButton* ButtonByKey(int key) const;
    // The dialog ends with OK on okKey, with Cancel on the cancel keys.
    void SetEndingKeys(int okKey, std::initializer_list<int> cancelKeys);
    // Called for a click on a button that does not end the dialog.
    virtual void OnButton(int /*key*/) {}
    // Called before the dialog ends with OK.
    virtual void OnOk() {}
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // After a menu opened from the button closed: hover state gone, redrawn.
    void AfterMenu(SkinButton& button);

private:
    int KeyOf(HWND button) const;
    void CentreOverOwner();

    std::map<int, SkinButton*> m_buttons;
    int m_okKey = 0;
    std::vector<int> m_cancelKeys;
};
