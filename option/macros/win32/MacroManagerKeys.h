// The macro manager's skin, its placement keys, control identifiers, the
// event list's context-menu commands and their language-library texts.
#pragma once

namespace macromanager {

constexpr char kSkinFile[] = "skin_macro_manager.ini";
constexpr char kTitle[] = "Macro Manager";

constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kClose = 3;
constexpr int kNew = 4;
constexpr int kDelete = 5;
constexpr int kNameList = 6;
constexpr int kRecord = 7;
constexpr int kRecordDelays = 8;
constexpr int kRepeat = 9;
constexpr int kRepeatCount = 10;
constexpr int kEventList = 11;
constexpr int kImport = 12;
constexpr int kExport = 13;
// Disabled while recording: the way out is the record button alone.
constexpr int kCommandKeys[] = {kOk, kCancel, kClose, kNew, kDelete, kImport, kExport};

constexpr int kNameListId = 4096;
constexpr int kEventListId = 4097;
constexpr int kRepeatCountId = 4010;
constexpr int kRepeatCountLength = 3;

// Record button images, "<set>_record_<state>.jpg"; the normal image is
// also the disabled look.
constexpr char kStartImages[] = "start";
constexpr char kStopImages[] = "stop";
constexpr char kRecordImageFormat[] = "%s_record_%s.jpg";

// Event list context menu.
constexpr unsigned kRecordBefore = 1001;
constexpr unsigned kRecordAfter = 1002;
constexpr unsigned kInsertDelay = 1003;
constexpr unsigned kEdit = 1004;
constexpr unsigned kDeleteLine = 1005;
// Items that open a submenu carry this; 0 would make them separators.
constexpr unsigned kPopupItem = 4095;
constexpr unsigned kTextRecordBefore = 1053;
constexpr unsigned kTextRecordAfter = 1054;
constexpr unsigned kTextInsertDelay = 1055;
constexpr unsigned kTextEdit = 1056;
constexpr unsigned kTextDelete = 1057;
constexpr unsigned kTextMouseEvents = 1058;
constexpr unsigned kFirstButtonText = 1059;  // left, right, middle, 244, 243
constexpr unsigned kFirstActionText = 1064;  // down, up, click
constexpr int kMouseButtonCount = 5;
constexpr int kMouseActionCount = 3;

}  // namespace macromanager
