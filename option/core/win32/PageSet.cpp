#include "option/core/win32/PageSet.h"

PageArray CreatePages() { return PageArray{}; }
