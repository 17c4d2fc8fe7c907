// Media commands of the mouse's media buttons: the chosen player opened or
// steered the way that player understands, and the system volume keys
// tapped (repeated every 300 ms while a volume button is held).
#pragma once

#include "monitor/actions/Clock.h"
#include "monitor/actions/EngineHost.h"
#include "monitor/actions/KeyEmulation.h"
#include "monitor/actions/SystemServices.h"
#include "monitor/actions/WindowSystem.h"

namespace actions {

// Media command numbers of the device event.
constexpr int kMediaOpenPlayer = 32;
constexpr int kMediaNextTrack = 33;
constexpr int kMediaPreviousTrack = 34;
constexpr int kMediaPlayPause = 35;
constexpr int kMediaStop = 36;
constexpr int kMediaMute = 37;
constexpr int kMediaVolumeUp = 38;
constexpr int kMediaVolumeDown = 39;

// MediaOption values.
enum Player : int32_t { kWindowsMediaPlayer = 0, kITunes = 1, kRealPlayer = 2, kWinamp = 3 };

class MediaControl {
public:
    MediaControl(EngineHost& host, WindowSystem& windows, Shell& shell, PlayerRegistry& registry,
                 KeyEmulation& keys, Clock& clock)
        : m_host(host), m_windows(windows), m_shell(shell), m_registry(registry), m_keys(keys), m_clock(clock) {}

    // release: the high byte of the event data (0 = press).
    void Command(int command, int release);
    // Timer 101: a tap while a volume button is down.
    void RepeatVolume();
    // Stops the volume repeat (release, removal of the mouse, shutdown).
    void Stop();

private:
    enum class Track { Next, Previous, PlayPause, Stop };
    void OpenPlayer(int32_t player);
    void OpenByCommandLine(const char* subkey, const char* expectedName);
    void TrackCommand(int32_t player, Track track);
    void ITunesTrack(Track track);

    EngineHost& m_host;
    WindowSystem& m_windows;
    Shell& m_shell;
    PlayerRegistry& m_registry;
    KeyEmulation& m_keys;
    Clock& m_clock;
    int m_volumeDirection = kMediaVolumeUp;
    // A volume button is down: timer ticks tap only then.
    bool m_volumeHeld = false;
    bool m_winampSendsPlay = true;
};

}  // namespace actions
