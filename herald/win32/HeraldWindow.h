// The on-screen display window: a hidden, topmost, click-through tool
// window that Monitor finds by title. A notice paints a panel near the
// bottom centre of the primary monitor, holds it and fades it out.
#pragma once

#include "frame/Window.h"
#include "herald/win32/NoticePainter.h"
#include "profile/win32/PrivateProfileAccessor.h"

#include <cstdint>
#include <string>

namespace herald {

class HeraldWindow : public Window {
public:
    explicit HeraldWindow(std::string programFolder) : m_programFolder(std::move(programFolder)) {}

    bool Create();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCreate();
    LRESULT OnNotice(WPARAM kind, LPARAM data);
    LRESULT OnSettingsChanged();
    LRESULT OnFadeTimer();
    LRESULT OnDestroy();

    void Show(const std::string& text);
    void Hide();

    std::string m_programFolder;
    PrivateProfileFiles m_files;
    NoticePainter m_painter;
    HWND m_shownText = nullptr;
    bool m_showing = false;
    std::string m_text;
    uint32_t m_kind = 0;
    LPARAM m_data = 0;
    DWORD m_shownAt = 0;
};

}  // namespace herald
