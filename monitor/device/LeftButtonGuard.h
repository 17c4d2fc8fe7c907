// A profile whose buttons leave none with the left-button function would
// take the user's click away once it reaches the mouse. Option's pages refuse
// such a profile, but a damaged file or a block written by another program
// can still carry one; the agent mends it before writing.
#pragma once

#include "profile/ProfileRecord.h"

namespace device {

// The button position that is the left button by default.
constexpr int kLeftButtonPosition = 0;

// True when at least one button has the left-button function.
bool HasLeftButton(const ProfileRecord& record);

// When no button has the left-button function, gives the left-button
// position its default entry (the left button) and returns true.
bool RestoreLeftButton(ProfileRecord& record);

}  // namespace device
