#include "WindowsKeyboardLayout.h"

#include <windows.h>

static_assert(kMapVirtualKeyToScanCode == MAPVK_VK_TO_VSC);
static_assert(kMapScanCodeToVirtualKeyEx == MAPVK_VSC_TO_VK_EX);

uint32_t WindowsKeyboardLayout::MapKey(uint32_t code, uint32_t mapType) {
    return MapVirtualKeyA(code, mapType);
}
