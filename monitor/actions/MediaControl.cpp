#include "monitor/actions/MediaControl.h"

#include "monitor/actions/ActionConstants.h"

#include <algorithm>
#include <cctype>

namespace actions {

namespace {

// Registry values naming the players' programs (under HKEY_LOCAL_MACHINE).
constexpr char kMediaPlayerPathKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wmplayer.exe";
constexpr char kITunesPathKey[] = "SOFTWARE\\Apple Computer, Inc.\\iPod\\RegisteredApps\\4";
constexpr char kITunesPathValue[] = "path";
constexpr char kRealPlayerCommandKey[] = "SOFTWARE\\Classes\\Applications\\RealPlay.exe\\shell\\open\\command";
constexpr char kWinampCommandKey[] = "SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command";
constexpr char kITunesName[] = "iTunes";
constexpr char kRealPlayerName[] = "realplay";
constexpr char kWinampName[] = "winamp";

// The players' windows.
constexpr char kMediaPlayerTitle[] = "Windows Media Player";
constexpr char kITunesClass[] = "iTunes";
constexpr char kITunesTitle[] = "iTunes";
constexpr char kRealPlayerClass[] = "GeminiWindowClass";
constexpr char kWinampClass[] = "Winamp v1.x";

// WM_APPCOMMAND commands for Windows Media Player.
constexpr intptr_t kAppCommandNext = 11;
constexpr intptr_t kAppCommandPrevious = 12;
constexpr intptr_t kAppCommandStop = 13;
constexpr intptr_t kAppCommandPlayPause = 14;
constexpr int kAppCommandShift = 16;

// WM_COMMAND ids of RealPlayer and Winamp.
constexpr uintptr_t kRealNext = 0x100CB;
constexpr uintptr_t kRealPrevious = 0x100CC;
constexpr uintptr_t kRealPlayPause = 0x100C8;
constexpr uintptr_t kRealStop = 0x100C9;
constexpr uintptr_t kWinampNext = 40048;
constexpr uintptr_t kWinampPrevious = 40044;
constexpr uintptr_t kWinampPlay = 40045;
constexpr uintptr_t kWinampPause = 40046;
constexpr uintptr_t kWinampStop = 40047;

// Key strokes sent to iTunes, with their lParam words.
constexpr unsigned kITunesPauseMilliseconds = 100;
constexpr intptr_t kControlDown = 0x001D0001;
constexpr intptr_t kControlUp = static_cast<intptr_t>(0xC01D0001u);
constexpr intptr_t kRightDown = 0x014D0001;
constexpr intptr_t kRightUp = static_cast<intptr_t>(0xC14D0001u);
constexpr intptr_t kLeftDown = 0x014B0001;
constexpr intptr_t kLeftUp = static_cast<intptr_t>(0xC14B0001u);
constexpr intptr_t kSpaceDown = 0x00390001;
constexpr intptr_t kSpaceUp = static_cast<intptr_t>(0xC0390001u);

bool ContainsIgnoringCase(const std::string& text, const char* part) {
    std::string lower = text;
    std::string wanted = part;
    auto toLower = [](std::string& s) {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    };
    toLower(lower);
    toLower(wanted);
    return lower.find(wanted) != std::string::npos;
}

// A shell command value is expected to begin with a quoted program path:
// the text from its second character up to the next double quote.
std::string ProgramOfCommand(const std::string& command) {
    if (command.find('"') == std::string::npos) return command;
    const std::string rest = command.substr(1);
    const size_t quote = rest.find('"');
    return quote == std::string::npos ? rest : rest.substr(0, quote);
}

}  // namespace

void MediaControl::Command(int command, int release) {
    const int32_t player = CurrentProfile(m_host.Settings()).MediaOption;
    if (release != 0) {
        if (command == kMediaVolumeUp || command == kMediaVolumeDown) Stop();
        return;
    }
    switch (command) {
    case kMediaOpenPlayer: OpenPlayer(player); break;
    case kMediaNextTrack: TrackCommand(player, Track::Next); break;
    case kMediaPreviousTrack: TrackCommand(player, Track::Previous); break;
    case kMediaPlayPause: TrackCommand(player, Track::PlayPause); break;
    case kMediaStop: TrackCommand(player, Track::Stop); break;
    case kMediaMute: m_keys.Tap(VolumeTap::Mute); break;
    case kMediaVolumeUp:
    case kMediaVolumeDown:
        m_volumeDirection = command;
        m_volumeHeld = true;
        RepeatVolume();
        m_host.StartTimer(kTimerMediaRepeat, kMediaRepeatMilliseconds);
        break;
    default: break;
    }
}

void MediaControl::RepeatVolume() {
    if (!m_volumeHeld) return;
    m_keys.Tap(m_volumeDirection == kMediaVolumeUp ? VolumeTap::Up : VolumeTap::Down);
}

void MediaControl::Stop() {
    m_volumeHeld = false;
    m_host.StopTimer(kTimerMediaRepeat);
}

void MediaControl::OpenPlayer(int32_t player) {
    std::string path;
    switch (player) {
    case kWindowsMediaPlayer: {
        if (WindowId window = m_windows.Find(nullptr, kMediaPlayerTitle)) {
            m_windows.BringToFront(window);
            return;
        }
        if (!m_registry.ReadText(kMediaPlayerPathKey, nullptr, path)) return;
        path = m_shell.ExpandEnvironment(path);
        if (!path.empty()) m_shell.Execute(path);
        return;
    }
    case kITunes:
        if (m_registry.ReadText(kITunesPathKey, kITunesPathValue, path) && ContainsIgnoringCase(path, kITunesName)) {
            m_shell.Execute(path);
        }
        return;
    case kRealPlayer: OpenByCommandLine(kRealPlayerCommandKey, kRealPlayerName); return;
    case kWinamp: OpenByCommandLine(kWinampCommandKey, kWinampName); return;
    default: return;
    }
}

void MediaControl::OpenByCommandLine(const char* subkey, const char* expectedName) {
    std::string command;
    if (!m_registry.ReadText(subkey, nullptr, command)) return;
    const std::string program = ProgramOfCommand(command);
    if (ContainsIgnoringCase(program, expectedName)) m_shell.Execute(program);
}

void MediaControl::TrackCommand(int32_t player, Track track) {
    switch (player) {
    case kWindowsMediaPlayer: {
        static constexpr intptr_t kCommands[] = {kAppCommandNext, kAppCommandPrevious, kAppCommandPlayPause,
                                                 kAppCommandStop};
        const uintptr_t own = m_host.OwnWindow();
        m_windows.Post(own, kWmAppCommand, own, kCommands[static_cast<int>(track)] << kAppCommandShift);
        return;
    }
    case kITunes: ITunesTrack(track); return;
    case kRealPlayer: {
        static constexpr uintptr_t kCommands[] = {kRealNext, kRealPrevious, kRealPlayPause, kRealStop};
        if (WindowId window = m_windows.Find(kRealPlayerClass, nullptr)) {
            m_windows.Send(window, kWmCommand, kCommands[static_cast<int>(track)], 0);
        }
        return;
    }
    case kWinamp: {
        const WindowId window = m_windows.Find(kWinampClass, nullptr);
        if (!window) return;
        uintptr_t id = track == Track::Next ? kWinampNext : track == Track::Previous ? kWinampPrevious : kWinampStop;
        if (track == Track::PlayPause) {
            // The toggle follows our own presses, not the player's real state.
            id = m_winampSendsPlay ? kWinampPlay : kWinampPause;
            m_winampSendsPlay = !m_winampSendsPlay;
        }
        m_windows.Send(window, kWmCommand, id, 0);
        return;
    }
    default: return;
    }
}

void MediaControl::ITunesTrack(Track track) {
    const WindowId window = m_windows.Find(kITunesClass, kITunesTitle);
    if (!window) return;
    if (track == Track::Next || track == Track::Previous) {
        const bool next = track == Track::Next;
        const uint8_t arrow = next ? kVkRight : kVkLeft;
        m_windows.Send(window, kWmKeyDown, kVkControl, kControlDown);
        m_clock.Sleep(kITunesPauseMilliseconds);
        m_windows.Send(window, kWmKeyDown, arrow, next ? kRightDown : kLeftDown);
        m_clock.Sleep(kITunesPauseMilliseconds);
        m_windows.Send(window, kWmKeyUp, arrow, next ? kRightUp : kLeftUp);
        m_clock.Sleep(kITunesPauseMilliseconds);
        m_windows.Send(window, kWmKeyUp, kVkControl, kControlUp);
        return;
    }
    m_windows.Post(window, kWmKeyDown, kVkSpace, kSpaceDown);
    m_clock.Sleep(kITunesPauseMilliseconds);
    m_windows.Post(window, kWmKeyUp, kVkSpace, kSpaceUp);
}

}  // namespace actions
