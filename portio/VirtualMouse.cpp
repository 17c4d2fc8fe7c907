#include "portio/VirtualMouse.h"

#include <cstring>

namespace portio {

namespace {

bool IsSlotParameter(uint8_t value) { return value >= 1 && value <= kSlotCount; }

bool IsMacroNumber(uint8_t value) { return value >= kFirstMacroNumber && value <= kLastMacroNumber; }

bool ReservedBytesZero(const Command& command) {
    for (uint8_t byte : command.Reserved)
        if (byte) return false;
    return true;
}

}  // namespace

bool VirtualMouse::ReceiveCommand(const uint8_t* bytes, int length) {
    if (!bytes || length != kCommandLength) {
        ++m_state.Counters.BadLengths;
        return false;
    }
    if (m_pending.Active) {
        ++m_state.Counters.IncompleteReports;
        m_pending = PendingReport{};
    }
    if (CheckByte(bytes) != bytes[kCommandLength - 1]) {
        ++m_state.Counters.BadCheckBytes;
        return false;
    }
    Command command;
    std::memcpy(&command, bytes, sizeof command);
    const bool accepted = Accept(command);
    if (accepted) ++m_state.Counters.Commands;
    return accepted;
}

bool VirtualMouse::Accept(const Command& command) {
    // A data command's chunks follow even when the command is refused; they
    // are swallowed with it.
    const bool carriesData = CommandCarriesData(command.Code);
    if (carriesData) {
        m_pending = PendingReport{};
        m_pending.Active = true;
        m_pending.Discard = true;
    }
    if (!ReservedBytesZero(command)) {
        ++m_state.Counters.NonZeroReserved;
        return false;
    }
    if (carriesData && command.Second != kDataLengthMark) {
        ++m_state.Counters.BadDataMarks;
        return false;
    }
    switch (command.Code) {
    case kOpeningCommand:
        if (command.First != kOpeningFirst || command.Second != kOpeningSecond) {
            ++m_state.Counters.BadOpenings;
            return false;
        }
        ++m_state.Counters.Openings;
        return true;
    case kProfileSelectCommand:
    case kReportRateCommand:
    case kLevelCommand:
        if (!IsSlotParameter(command.First)) break;
        {
            const int slot = command.First - 1;
            if (command.Code == kProfileSelectCommand) {
                m_state.CurrentProfile = slot;
            } else if (command.Code == kReportRateCommand) {
                m_state.Slots[slot].RateKnown = true;
                m_state.Slots[slot].RateCode = command.Second;
            } else {
                m_state.Slots[slot].LevelKnown = true;
                m_state.Slots[slot].Level = command.Second;
            }
        }
        return true;
    case kConfigurationReport:
    case kButtonMapReport:
    case kMacroReport: {
        const bool valid = command.Code == kMacroReport ? IsMacroNumber(command.First) : IsSlotParameter(command.First);
        m_pending.Code = command.Code;
        m_pending.Discard = !valid;
        m_pending.Target = command.Code == kMacroReport ? command.First : command.First - 1;
        if (!valid) break;
        return true;
    }
    default:
        ++m_state.Counters.UnknownCommands;
        return false;
    }
    ++m_state.Counters.BadParameters;
    return false;
}

bool VirtualMouse::ReceiveChunk(const uint8_t* bytes, int length) {
    if (!bytes || length != kChunkLength) {
        ++m_state.Counters.BadLengths;
        return false;
    }
    if (!m_pending.Active) {
        ++m_state.Counters.UnexpectedChunks;
        return false;
    }
    std::memcpy(m_pending.Data.data() + m_pending.ChunksReceived * kChunkLength, bytes, kChunkLength);
    if (++m_pending.ChunksReceived < kChunksPerReport) return !m_pending.Discard;
    const PendingReport done = m_pending;
    m_pending = PendingReport{};
    if (done.Discard) return false;
    Store(done);
    ++m_state.Counters.Reports;
    return true;
}

void VirtualMouse::Store(const PendingReport& report) {
    if (report.Code == kMacroReport) {
        MacroState& macro = m_state.Macros[report.Target - kFirstMacroNumber];
        macro.Known = true;
        macro.Data = report.Data;
        return;
    }
    SlotState& slot = m_state.Slots[report.Target];
    if (report.Code == kConfigurationReport) {
        slot.ConfigurationKnown = true;
        slot.Configuration = report.Data;
    } else {
        slot.ButtonMapKnown = true;
        slot.ButtonMap = report.Data;
    }
}

}  // namespace portio
