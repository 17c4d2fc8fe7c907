// The child pages the main window hosts, one per tab. A page that does not
// exist yet is null; its tab stays disabled.
#pragma once

#include <array>
#include <memory>

#include "option/core/ConfigPage.h"
#include "option/core/MainWindowKeys.h"

using PageArray = std::array<std::unique_ptr<ConfigPage>, mainwindow::kPageCount>;

PageArray CreatePages();
