// The one product version. The build reads these three numbers for the
// version resource of every program and library; the configuration
// window's version line shows them as "1.04".
#pragma once

#define PRODUCT_VERSION_MAJOR 1
#define PRODUCT_VERSION_MINOR 0
#define PRODUCT_VERSION_PATCH 4

#define PRODUCT_VERSION_STRING(number) #number
// Two steps so that the numbers, not the macro names, become text.
#define PRODUCT_VERSION_SHORT(major, minor, patch) \
    PRODUCT_VERSION_STRING(major) "." PRODUCT_VERSION_STRING(minor) PRODUCT_VERSION_STRING(patch)
#define PRODUCT_VERSION_SHORT_TEXT \
    PRODUCT_VERSION_SHORT(PRODUCT_VERSION_MAJOR, PRODUCT_VERSION_MINOR, PRODUCT_VERSION_PATCH)
