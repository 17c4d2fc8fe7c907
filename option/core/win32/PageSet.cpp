#include "option/core/win32/PageSet.h"

#include "option/macros/win32/MacroManagerWindow.h"
#include "option/pages/win32/ButtonPage.h"

PageArray CreatePages() {
    PageArray pages;
    pages[static_cast<int>(mainwindow::Page::Buttons)] = std::make_unique<ButtonPage>();
    pages[static_cast<int>(mainwindow::Page::Macros)] = std::make_unique<MacroManagerWindow>();
    return pages;
}
