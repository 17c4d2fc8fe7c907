#include "FunctionCodes.h"

namespace {

struct CodeDescription {
    int code;
    const char* description;
};

const CodeDescription kDescriptions[] = {
    {0, "no function"},
    {1, "left button"},
    {2, "right button"},
    {3, "middle button"},
    {4, "left double click"},
    {5, "key combination"},
    {6, "disabled"},
    {7, "side button (forward)"},
    {8, "side button (backward)"},
    {9, "wheel up"},
    {10, "wheel down"},
    {11, "wheel tilt (one way)"},
    {12, "wheel tilt (other way)"},
    {13, "resolution level cycle"},
    {14, "resolution level up"},
    {15, "resolution level down"},
    {16, "macro"},
    {17, "launch program"},
    {18, "profile cycle"},
    {19, "profile up"},
    {20, "profile down"},
    {21, "left-button rapid clicking"},
    {22, "paced clicking"},
    {23, "Windows key"},
    {24, "open the configuration program"},
    {25, "media player"},
    {26, "previous track"},
    {27, "next track"},
    {28, "play/pause"},
    {29, "stop"},
    {30, "mute"},
    {31, "volume up"},
    {32, "volume down"},
    {33, "calculator"},
    {34, "e-mail"},
    {35, "favourites"},
    {36, "browser forward"},
    {37, "browser back"},
    {38, "browser stop"},
    {39, "my computer"},
    {40, "refresh"},
    {41, "browser home"},
    {42, "search"},
    {43, "menu entry without action"},
    {44, "menu entry without action"},
    {51, "Ctrl+C"},
    {52, "Ctrl+X"},
    {53, "Ctrl+N"},
    {54, "Ctrl+O"},
    {55, "Ctrl+V"},
    {56, "Ctrl+P"},
    {57, "Ctrl+Y"},
    {58, "Ctrl+S"},
    {59, "Ctrl+Shift+S"},
    {60, "Ctrl+A"},
    {61, "Ctrl+Z"},
    {64, "Alt+F4"},
    {65, "Ctrl+F"},
    {66, "Ctrl+E"},
    {67, "Alt+Space, X"},
    {68, "Alt+Space, N"},
    {69, "Windows+D"},
    {70, "Windows+R"},
    {80, "left triple click"},
    {81, "device function 5.1"},
    {82, "device function 5.2"},
    {83, "device function 5.3"},
    {84, "Alt+Tab"},
    {85, "Windows+L"},
    {86, "device function 11"},
};

}  // namespace

const char* FunctionCodeDescription(int code) {
    for (const CodeDescription& entry : kDescriptions)
        if (entry.code == code) return entry.description;
    return nullptr;
}
