// The child pages the main window hosts, one per tab. A page that does not
// exist yet is null; its tab stays disabled.
#pragma once

#include <array>
#include <memory>

#include "option/core/ConfigPage.h"
#include "option/core/MainWindowKeys.h"

class PerformancePage;
class PointerSystem;

using PageArray = std::array<std::unique_ptr<ConfigPage>, mainwindow::kPageCount>;

// `pointer` receives the performance page's trial double-click times and
// must outlive the pages.
PageArray CreatePages(PointerSystem& pointer);
// The performance page of the set, or null.
PerformancePage* PerformancePageOf(const PageArray& pages);
