// Fixed numbers of the Win32 side of the skin toolkit that the portable core
// does not already name (its SkinMessages.h, SkinStyle.h, SkinMenu.h and
// ScrollBarModel.h hold the rest).
#pragma once

#include <windows.h>

// The low bits of a button style that give its type (BS_TYPEMASK).
constexpr DWORD kButtonTypeMask = 0x0F;

// Property by which a subclassed system control finds its object.
constexpr char kControlObjectProperty[] = "SkinControlObject";

// Window classes of our own controls.
constexpr char kSliderTrackClass[] = "SkinSliderTrack";
constexpr char kSliderThumbClass[] = "SkinSliderThumb";
constexpr char kFillBarClass[] = "SkinFillBar";
constexpr char kValueBoxClass[] = "SkinValueBox";
constexpr char kScrollBarClass[] = "SkinScrollBar";

// Identifiers of a value box's inner windows.
constexpr UINT kValueBoxFieldId = 1;
