// Names and numbers by which Monitor and Herald meet, and Herald's own
// timing and sizes of the notice panel.
#pragma once

#include <cstddef>
#include <cstdint>

namespace herald {

// The window Monitor finds by title and posts its notices to.
constexpr char kWindowTitle[] = "Zelkor_510-7716_Gaming_Mouse_Normal_OSD";
constexpr char kWindowClass[] = "HeraldNoticeWindow";

// Id of the display window's hidden child whose text is the notice on
// screen (empty when none), so that other programs can read what is shown.
constexpr int kShownTextId = 100;

// Messages received from Monitor.
constexpr unsigned kMsgNotice = 1324;           // wParam = notice kind, lParam = notice data
constexpr unsigned kMsgDisplaySettings = 1326;  // the agent applied new settings
constexpr unsigned kMsgApply = 1224;            // settings changed, re-read them

// Notice kinds (wParam of kMsgNotice).
constexpr uint32_t kNoticeProfile = 40;  // lParam = slot << 16
constexpr uint32_t kNoticeText = 50;     // OSDData/Message
constexpr uint32_t kNoticeMacro = 70;    // MacroOSD/MacroName

// The text notice holds at most this many characters.
constexpr size_t kMessageLimit = 150;

// A notice stays fully visible, then fades out.
constexpr uint32_t kHoldMilliseconds = 1500;
constexpr uint32_t kFadeMilliseconds = 500;
constexpr uint32_t kFadeStepMilliseconds = 30;

}  // namespace herald
