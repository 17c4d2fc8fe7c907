#include "monitor/device/DeviceCommand.h"

#include "monitor/device/DeviceCodes.h"

namespace device {

namespace {

uint8_t SlotNumber(int slot) { return static_cast<uint8_t>(slot + 1); }

}  // namespace

uint8_t CheckByte(const DeviceCommand& command) {
    unsigned sum = 0;
    for (int index = 0; index < kCommandSize - 1; ++index) sum += command[index];
    return static_cast<uint8_t>(0xFF - sum);
}

DeviceCommand BuildCommand(CommandCode code, uint8_t first, uint8_t second) {
    DeviceCommand command{};
    command[0] = static_cast<uint8_t>(code);
    command[1] = first;
    command[2] = second;
    command[kCommandSize - 1] = CheckByte(command);
    return command;
}

DeviceCommand OpeningCommand() {
    return BuildCommand(CommandCode::Opening, kOpeningFirst, kOpeningSecond);
}

DeviceCommand ProfileSelectCommand(int slot) {
    return BuildCommand(CommandCode::ProfileSelect, SlotNumber(slot), 0);
}

DeviceCommand ReportRateCommand(int slot, int32_t pollingRate) {
    return BuildCommand(CommandCode::ReportRate, SlotNumber(slot), RateCode(pollingRate));
}

// The mouse reports levels 1..8 (a step of 0..7). A step outside that, as a
// damaged file's missing value (-1) reads, would send level 0 or a level the
// mouse does not have; it sends the first level instead.
DeviceCommand LevelCommand(int slot, int32_t cpiStep) {
    const bool known = cpiStep >= 0 && cpiStep <= kHighestLevelStep;
    return BuildCommand(CommandCode::Level, SlotNumber(slot), static_cast<uint8_t>(known ? cpiStep + 1 : 1));
}

DeviceCommand ConfigurationCommand(int slot) {
    return BuildCommand(CommandCode::Configuration, SlotNumber(slot), kReportLength);
}

DeviceCommand ButtonMapCommand(int slot) {
    return BuildCommand(CommandCode::ButtonMap, SlotNumber(slot), kReportLength);
}

DeviceCommand MacroCommand(int macroNumber) {
    return BuildCommand(CommandCode::Macro, static_cast<uint8_t>(macroNumber), kReportLength);
}

int MacroNumber(int slot, int button) { return slot * 16 + button + 1; }

}  // namespace device
