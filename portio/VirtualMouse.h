// The virtual mouse's protocol core: fed the commands and data chunks the
// host sends, it keeps what the real mouse would keep and counts what the
// real mouse would reject.
#pragma once

#include "portio/Protocol.h"

#include <array>
#include <cstdint>

namespace portio {

using ReportData = std::array<uint8_t, kReportDataLength>;

struct SlotState {
    bool RateKnown = false;
    uint8_t RateCode = 0;  // report interval in ms: 8, 4, 2, 1
    bool LevelKnown = false;
    uint8_t Level = 0;  // 1-based resolution level
    bool ConfigurationKnown = false;
    ReportData Configuration{};
    bool ButtonMapKnown = false;
    ReportData ButtonMap{};
};

struct MacroState {
    bool Known = false;
    ReportData Data{};
};

struct MouseCounters {
    unsigned Commands = 0;  // accepted commands, data reports included
    unsigned Reports = 0;   // data reports completed with both chunks
    unsigned Openings = 0;
    unsigned BadCheckBytes = 0;
    unsigned UnexpectedChunks = 0;   // a chunk that no data command announced
    unsigned BadLengths = 0;         // a command not 8 bytes or a chunk not 64 bytes
    unsigned UnknownCommands = 0;    // a valid check byte on an unknown code
    unsigned BadParameters = 0;      // slot outside 1..5, macro number outside 1..80
    unsigned IncompleteReports = 0;  // a command arrived before both chunks
    unsigned BadOpenings = 0;        // an opening command other than 01 88 02
    unsigned BadDataMarks = 0;       // a data command whose byte 2 is not 0x80
    unsigned NonZeroReserved = 0;    // a command with bytes 3..6 not all zero

    // Every rejected transfer, of whatever kind.
    unsigned Violations() const {
        return BadCheckBytes + UnexpectedChunks + BadLengths + UnknownCommands + BadParameters + IncompleteReports +
               BadOpenings + BadDataMarks + NonZeroReserved;
    }
};

struct MouseState {
    int CurrentProfile = -1;  // slot 0..4; -1 until a profile select
    std::array<SlotState, kSlotCount> Slots{};
    std::array<MacroState, kLastMacroNumber> Macros{};  // index = macro number - 1
    MouseCounters Counters{};
};

class VirtualMouse {
public:
    // True when the command was accepted (valid length, check byte, code
    // and parameters).
    bool ReceiveCommand(const uint8_t* bytes, int length);
    // True when the chunk belonged to an announced report.
    bool ReceiveChunk(const uint8_t* bytes, int length);

    const MouseState& State() const { return m_state; }
    // True while a data command waits for its chunks.
    bool AwaitingChunks() const { return m_pending.Active; }

private:
    struct PendingReport {
        bool Active = false;
        bool Discard = false;  // the command was rejected; swallow its chunks
        uint8_t Code = 0;
        int Target = 0;  // slot 0..4 or macro number 1..80
        int ChunksReceived = 0;
        ReportData Data{};
    };

    bool Accept(const Command& command);
    void Store(const PendingReport& report);

    MouseState m_state;
    PendingReport m_pending;
};

}  // namespace portio
