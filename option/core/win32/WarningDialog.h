// The warning dialogs: one class for the whole family, told apart by their
// skin file. Button "1" ends with OK, "2" and "3" with Cancel. An optional
// message is drawn over the skin's own wording.
#pragma once

#include <string>

#include "skin/win32/SkinnedWindow.h"

namespace warning {
constexpr char kClickSkin[] = "skin_click_warn.ini";
constexpr char kResetCurrentSkin[] = "skin_reset_current_warn.ini";
constexpr char kResetAllSkin[] = "skin_reset_all_warn.ini";
constexpr char kDeleteMacroSkin[] = "skin_delete_macro_warn.ini";
constexpr char kMacroSetSkin[] = "skin_macro_set_warn.ini";
constexpr char kSaveFailedSkin[] = "skin_save_failed_warn.ini";
constexpr char kImportFailedSkin[] = "skin_import_failed_warn.ini";
constexpr char kExportFailedSkin[] = "skin_export_failed_warn.ini";
}  // namespace warning

class WarningDialog : public SkinnedDialog {
public:
    explicit WarningDialog(std::string skinFile) : m_skinFile(std::move(skinFile)) {}

    void SetText(const std::string& text) { m_text = text; }
    // IDOK or IDCANCEL.
    INT_PTR Show(HWND owner);

protected:
    std::string SkinFileName() const override { return m_skinFile; }
    void CreateControls(WindowSkin& skin) override;
    void PaintOverlay(HDC dc) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::string m_skinFile;
    std::string m_text;
    Font m_font;
};

// Centres a skinned dialog over its owner's top-level window.
void CentreOverOwner(HWND dialog);
