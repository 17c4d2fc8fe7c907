#include "option/core/win32/PageSet.h"

#include "option/macros/win32/MacroManagerWindow.h"
#include "option/pages/settings/win32/LightingPage.h"
#include "option/pages/settings/win32/PerformancePage.h"
#include "option/pages/settings/win32/ResolutionPage.h"
#include "option/pages/win32/ButtonPage.h"

using mainwindow::Page;

PageArray CreatePages(PointerSystem& pointer) {
    PageArray pages;
    pages[static_cast<int>(Page::Buttons)] = std::make_unique<ButtonPage>();
    pages[static_cast<int>(Page::Resolution)] = std::make_unique<ResolutionPage>();
    pages[static_cast<int>(Page::Performance)] = std::make_unique<PerformancePage>(pointer);
    pages[static_cast<int>(Page::Lighting)] = std::make_unique<LightingPage>();
    pages[static_cast<int>(Page::Macros)] = std::make_unique<MacroManagerWindow>();
    return pages;
}

PerformancePage* PerformancePageOf(const PageArray& pages) {
    // A page never shown has nothing on trial.
    ConfigPage* page = pages[static_cast<int>(Page::Performance)].get();
    return page && page->PageWindow() ? static_cast<PerformancePage*>(page) : nullptr;
}
