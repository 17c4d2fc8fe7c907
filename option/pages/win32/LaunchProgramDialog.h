// The launch-program dialog: the path of the program a button starts,
// typed or chosen with the file dialog.
#pragma once

#include <string>

#include "option/pages/win32/SkinDialogBase.h"
#include "skin/win32/BitmapEdit.h"

class LaunchProgramDialog : public SkinDialogBase {
public:
    explicit LaunchProgramDialog(std::string path) : m_path(std::move(path)) {}

    bool Run(HWND owner);
    const std::string& Path() const { return m_path; }

protected:
    std::string SkinFileName() const override;
    void CreateControls(WindowSkin& skin) override;
    void OnButton(int key) override;
    void OnOk() override;

private:
    void Browse();

    std::string m_path;
    BitmapEdit* m_field = nullptr;
};
