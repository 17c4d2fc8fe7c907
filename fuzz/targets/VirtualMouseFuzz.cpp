// The virtual mouse's protocol core fed any transfers: its state stays in
// range, its descriptions index only their tables, and after any garbage a
// well-formed command and report are taken exactly. Transfer log lines that
// parse format back to the same record.
#include "FuzzCheck.h"

#include "portio/StateReport.h"
#include "portio/TransferLog.h"
#include "portio/VirtualMouse.h"

#include <cstring>
#include <vector>

namespace {

using namespace portio;

constexpr size_t kMaxTransfers = 200;
constexpr int kMaxTransferLength = 80;

std::vector<uint8_t> WellFormed(uint8_t code, uint8_t first, uint8_t second) {
    std::vector<uint8_t> command(kCommandLength, 0);
    command[0] = code;
    command[1] = first;
    command[2] = second;
    command[kCommandLength - 1] = CheckByte(command.data());
    return command;
}

// Every rejection of the transfer itself; an abandoned report is counted
// besides, on the command that cut it short.
unsigned Rejections(const MouseCounters& counters) { return counters.Violations() - counters.IncompleteReports; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    VirtualMouse mouse;
    for (size_t i = 0; i < kMaxTransfers && input.remaining_bytes() > 0; ++i) {
        const bool isCommand = input.ConsumeBool();
        const bool nominal = input.ConsumeBool();
        const int length = nominal ? (isCommand ? kCommandLength : kChunkLength)
                                   : input.ConsumeIntegralInRange(0, kMaxTransferLength);
        std::vector<uint8_t> bytes = input.ConsumeBytes<uint8_t>(length);
        bytes.resize(length);
        // Half the commands carry a correct check byte, to get past it.
        if (isCommand && length == kCommandLength && input.ConsumeBool())
            bytes[kCommandLength - 1] = CheckByte(bytes.data());
        const MouseCounters before = mouse.State().Counters;
        const bool accepted = isCommand ? mouse.ReceiveCommand(length ? bytes.data() : nullptr, length)
                                        : mouse.ReceiveChunk(length ? bytes.data() : nullptr, length);
        const MouseCounters& after = mouse.State().Counters;
        if (isCommand) {
            FUZZ_CHECK(accepted == (after.Commands == before.Commands + 1));
            FUZZ_CHECK(accepted || Rejections(after) == Rejections(before) + 1);
        }
        FUZZ_CHECK(after.Reports <= after.Commands);
        FUZZ_CHECK(mouse.State().CurrentProfile >= -1 && mouse.State().CurrentProfile < kSlotCount);
    }
    (void)DescribeMouseState(mouse.State());
    (void)DumpMouseState(mouse.State());

    // Whatever came before: a select and a report are taken whole.
    const uint8_t slot = static_cast<uint8_t>(size % kSlotCount);
    FUZZ_CHECK(mouse.ReceiveCommand(WellFormed(kProfileSelectCommand, slot + 1, 0).data(), kCommandLength));
    FUZZ_CHECK(mouse.State().CurrentProfile == slot);
    ReportData report{};
    for (size_t i = 0; i < report.size(); ++i) report[i] = static_cast<uint8_t>(i * 7 + size);
    FUZZ_CHECK(mouse.ReceiveCommand(WellFormed(kConfigurationReport, slot + 1, kReportDataLength).data(),
                                    kCommandLength));
    FUZZ_CHECK(mouse.AwaitingChunks());
    FUZZ_CHECK(mouse.ReceiveChunk(report.data(), kChunkLength));
    FUZZ_CHECK(mouse.ReceiveChunk(report.data() + kChunkLength, kChunkLength));
    FUZZ_CHECK(!mouse.AwaitingChunks());
    FUZZ_CHECK(mouse.State().Slots[slot].ConfigurationKnown && mouse.State().Slots[slot].Configuration == report);

    // The input as a transfer log line.
    const std::string line(reinterpret_cast<const char*>(data), size);
    TransferRecord record;
    if (ParseTransferLine(line, record)) {
        FUZZ_CHECK(record.Kind == kSetFeatureTransfer || record.Kind == kWriteUSBTransfer);
        TransferRecord back;
        const std::string formatted = FormatTransferLine(record.Microseconds, record.Kind.c_str(), record.Bytes.data(),
                                                         static_cast<int>(record.Bytes.size()));
        FUZZ_CHECK(ParseTransferLine(formatted, back));
        FUZZ_CHECK(back.Microseconds == record.Microseconds && back.Kind == record.Kind && back.Bytes == record.Bytes);
    }
    return 0;
}
