#include "option/core/win32/ProfilePropertiesDialog.h"

#include <cstdio>

#include "option/core/win32/FileDialogs.h"
#include "option/core/win32/WarningDialog.h"

namespace {

constexpr int kNameKey = 1;
constexpr int kGameKey = 2;
constexpr int kBrowseKey = 3;
constexpr int kOkKey = 4;
constexpr int kCancelKey = 5;
constexpr int kSecondCancelKey = 6;
constexpr UINT kFieldIdentifier = 4010;
constexpr int kNameLimit = 20;
constexpr COLORREF kFieldText = RGB(0, 0, 0);
constexpr COLORREF kFieldBackground = RGB(229, 229, 229);

template <size_t size>
void StoreText(char (&field)[size], const std::string& text) {
    snprintf(field, size, "%s", text.c_str());
}

}  // namespace

INT_PTR ProfilePropertiesDialog::Show(HWND owner) { return RunModal(owner); }

void ProfilePropertiesDialog::CreateControls(WindowSkin& skin) {
    for (int key : {kBrowseKey, kOkKey, kCancelKey, kSecondCancelKey}) skin.AddButton(key);
    const struct {
        BitmapEdit& field;
        int key;
    } fields[] = {{m_name, kNameKey}, {m_game, kGameKey}};
    for (const auto& place : fields) {
        place.field.Create(Handle(), ToRect(skin.Entry(place.key).rect), kFieldIdentifier, ES_AUTOHSCROLL);
        place.field.SetColours(kFieldText, kFieldBackground);
    }
    m_name.SetLimit(kNameLimit);
    if (!m_newProfile) {
        m_name.SetText(m_record.ProFileName);
        m_game.SetText(m_record.GameFile);
    }
}

LRESULT ProfilePropertiesDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        LRESULT created = SkinnedDialog::HandleMessage(message, wParam, lParam);
        CentreOverOwner(Handle());
        return created;
    }
    case WM_COMMAND: {
        const int key = Skin().KeyOf(reinterpret_cast<HWND>(lParam));
        if (key == 0) return SkinnedDialog::HandleMessage(message, wParam, lParam);
        OnButton(key);
        return 0;
    }
    case WM_LBUTTONDOWN:
        PostMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, lParam);
        return 0;
    default:
        return SkinnedDialog::HandleMessage(message, wParam, lParam);
    }
}

void ProfilePropertiesDialog::OnButton(int key) {
    switch (key) {
    case kBrowseKey: {
        std::string path;
        if (ChooseProgram(Handle(), path)) m_game.SetText(path);
        break;
    }
    case kOkKey:
        StoreText(m_record.ProFileName, m_name.Text());
        StoreText(m_record.GameFile, m_game.Text());
        EndModal(IDOK);
        break;
    case kCancelKey:
    case kSecondCancelKey:
        EndModal(IDCANCEL);
        break;
    default:
        break;
    }
}
