// The process-wide current hint text: the hint of the control last entered by
// the pointer. The main window shows it on MSG_SHOW_HINT. User-interface
// thread only.
#pragma once

#include <string>

const std::string& CurrentHintText();

// Skin buttons replace the text unconditionally on every hover change.
void SetCurrentHint(const std::string& hint);

// The short form used by the value controls on pointer moves: replaces the
// text only when it differs regardless of case. True when replaced; the
// caller then posts MSG_SHOW_HINT (1, 0) to the main window.
bool OfferCurrentHint(const std::string& hint);
