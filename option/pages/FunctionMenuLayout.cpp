#include "option/pages/FunctionMenuLayout.h"

#include "option/pages/MenuIdentifiers.h"

namespace {

// Text numbers of the popups.
constexpr uint32_t kMacroPopupText = 1021;
constexpr uint32_t kMediaPopupText = 1031;
constexpr uint32_t kProfilePopupText = 1069;
constexpr uint32_t kResolutionPopupText = 1017;
constexpr uint32_t kInternetPopupText = 1040;
// Texts of single items.
constexpr uint32_t kSelectMacroText = 1071;
constexpr uint32_t kLaunchProgramText = 1022;
constexpr uint32_t kModeSwitchText = 1076;
constexpr uint32_t kMediaPlayerSettingsText = 1051;
constexpr uint32_t kMacroManagerText = 1052;
// Positions 14 and 15 are the wheel's up and down.
constexpr int kFirstWheelPosition = 14;

FunctionMenuItem Item(uint32_t identifier, uint32_t textId) {
    FunctionMenuItem item;
    item.identifier = identifier;
    item.textId = textId;
    return item;
}

// Items first..last with texts firstText, firstText + 1, ...
void AppendRun(std::vector<FunctionMenuItem>& items, uint32_t first, uint32_t last, uint32_t firstText) {
    for (uint32_t id = first; id <= last; ++id) items.push_back(Item(id, firstText + (id - first)));
}

FunctionMenuItem Popup(uint32_t textId, std::vector<FunctionMenuItem> items, int32_t width = kFunctionMenuWidth) {
    FunctionMenuItem popup;
    popup.textId = textId;
    popup.popup = std::move(items);
    popup.popupWidth = width;
    return popup;
}

}  // namespace

std::vector<FunctionMenuItem> BuildFunctionMenu(const FunctionMenuOptions& options) {
    using namespace menuid;
    std::vector<FunctionMenuItem> macro{Item(kSelectMacro, kSelectMacroText)};
    for (size_t i = 0; i < options.macroNames.size(); ++i) {
        FunctionMenuItem item = Item(kFirstMacro + static_cast<uint32_t>(i), 0);
        item.text = options.macroNames[i];
        macro.push_back(item);
    }
    if (options.offerMacroManager) macro.push_back(Item(kMacroManager, kMacroManagerText));

    std::vector<FunctionMenuItem> media;
    AppendRun(media, 1025, 1032, 1032);
    // Which player the media items drive.
    media.push_back(Item(kMediaPlayerSettings, kMediaPlayerSettingsText));

    std::vector<FunctionMenuItem> profile;
    AppendRun(profile, 1018, 1020, 1024);
    std::vector<FunctionMenuItem> resolution;
    AppendRun(resolution, 1013, 1015, 1018);
    std::vector<FunctionMenuItem> internet;
    AppendRun(internet, 1033, 1042, 1041);

    std::vector<FunctionMenuItem> menu;
    menu.push_back(Popup(kMacroPopupText, std::move(macro)));
    menu.push_back(Popup(kMediaPopupText, std::move(media)));
    menu.push_back(Popup(kProfilePopupText, std::move(profile), kProfileMenuWidth));
    menu.push_back(Popup(kResolutionPopupText, std::move(resolution)));
    menu.push_back(Popup(kInternetPopupText, std::move(internet)));
    AppendRun(menu, 1001, 1012, 1005);
    menu.push_back(Item(kModeSwitch, kModeSwitchText));
    menu.push_back(Item(kLaunchProgram, kLaunchProgramText));
    // Rapid clicking (1021) and the click sequence (1022) are not for the wheel.
    const bool wheel = options.position >= kFirstWheelPosition;
    AppendRun(menu, wheel ? 1023 : 1021, 1024, wheel ? 1029 : 1027);
    return menu;
}

std::vector<uint32_t> SelectableIdentifiers(const std::vector<FunctionMenuItem>& menu) {
    std::vector<uint32_t> identifiers;
    for (const FunctionMenuItem& item : menu) {
        if (!item.IsPopup()) {
            identifiers.push_back(item.identifier);
            continue;
        }
        for (uint32_t id : SelectableIdentifiers(item.popup)) identifiers.push_back(id);
    }
    return identifiers;
}
