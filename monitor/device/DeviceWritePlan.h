// The exact sequence of a device write (commands, data chunks and pauses),
// worked out from a settings-block snapshot before anything is sent.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "monitor/device/DeviceCommand.h"
#include "monitor/device/MacroStore.h"
#include "profile/SettingsBlock.h"

namespace device {

// The wParam values of the device-writer thread message.
enum class DeviceWriteMode : int {
    Changed = 1,     // only the parts whose change flags are 1
    Full = 2,        // every part of every slot
    SelectOnly = 3,  // the profile select command alone
};

// Pauses inside a write.
constexpr unsigned kCommandPauseMilliseconds = 200;
constexpr unsigned kButtonMapPauseMilliseconds = 100;
constexpr unsigned kChunkPauseMilliseconds = 100;
constexpr unsigned kSelectOnlySleepMilliseconds = 200;
// A pause sleeps in rounds of this length, checking the abort flag before each.
constexpr unsigned kPauseRoundMilliseconds = 100;

struct DeviceWriteStep {
    enum class Kind {
        Command,  // SetFeature of the first 8 bytes
        Chunk,    // WriteUSB of all 64 bytes
        Pause,    // abortable; the write ends after it when aborted
        Sleep,    // plain sleep, not abortable
    };
    Kind StepKind;
    std::array<uint8_t, kChunkSize> Bytes;
    unsigned Milliseconds;
    bool IsSelect;  // the profile select command, whose result is the write's
};

// True when a write of this mode sends the slot's button map: every slot in
// full mode, a slot with a button change flag in changed mode.
bool WritesButtonMap(const SettingsBlock& block, DeviceWriteMode mode, int slot);

// Fills `macros` (emptied first) with the macro blocks of the slots whose
// buttons are written.
std::vector<DeviceWriteStep> PlanDeviceWrite(const SettingsBlock& block, DeviceWriteMode mode,
                                             MacroStore& macros);

// The sum of every pause and sleep a write of this block and mode must make:
// the least time the write can take.
unsigned MandatedPauseMilliseconds(const SettingsBlock& block, DeviceWriteMode mode);

}  // namespace device
