// Fixed numbers of the Win32 side of the skin toolkit that the portable core
// does not already name (its SkinMessages.h, SkinStyle.h, SkinMenu.h and
// ScrollBarModel.h hold the rest).
#pragma once

#include <windows.h>

// The low bits of a button style that give its type (BS_TYPEMASK).
constexpr DWORD kButtonTypeMask = 0x0F;

// Window classes of our own controls.
constexpr char kSliderTrackClass[] = "SkinSliderTrack";
constexpr char kSliderThumbClass[] = "SkinSliderThumb";
constexpr char kFillBarClass[] = "SkinFillBar";
constexpr char kValueBoxClass[] = "SkinValueBox";
constexpr char kScrollBarClass[] = "SkinScrollBar";

// Identifiers of a value box's inner windows.
constexpr UINT kValueBoxFieldId = 1;

// Skin list: private messages its in-place edit posts to it, the default row
// height and the default row colours (owners set their own).
constexpr UINT kListCommitEditMessage = WM_APP + 1;
constexpr UINT kListCancelEditMessage = WM_APP + 2;
constexpr int kListDefaultRowHeight = 18;
constexpr COLORREF kListDefaultBackground = RGB(30, 30, 30);
constexpr COLORREF kListDefaultText = RGB(240, 240, 240);
constexpr COLORREF kListDefaultSelectedBackground = RGB(230, 30, 30);
constexpr COLORREF kListDefaultSelectedText = RGB(255, 255, 255);
constexpr COLORREF kListDefaultHoverBackground = RGB(70, 70, 70);

// Skinned scroll bar: the track between the arrows when the owner gives no look.
constexpr COLORREF kScrollTrackColour = RGB(30, 30, 30);
