// The agent's macro store under any sequence of stores, clears and reads
// with any macro number: numbers 0..99 hold the last block stored, any other
// number is ignored and reads as an empty block, a clear empties all.
#include "FuzzCheck.h"

#include "monitor/device/MacroStore.h"

#include <array>
#include <vector>

namespace {

using namespace device;

constexpr size_t kMaxOperations = 256;
constexpr int kNumberMargin = 300;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    MacroStore store;
    std::array<ReportData, kMacroNumberCount> model{};
    std::array<bool, kMacroNumberCount> present{};
    for (size_t step = 0; step < kMaxOperations && input.remaining_bytes() > 0; ++step) {
        const int number = input.ConsumeBool() ? input.ConsumeIntegral<int>()
                                               : input.ConsumeIntegralInRange(-kNumberMargin, kNumberMargin);
        const bool valid = number >= 0 && number < kMacroNumberCount;
        switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0: {
            ReportData block{};
            const std::vector<uint8_t> bytes = input.ConsumeBytes<uint8_t>(kReportSize);
            std::copy(bytes.begin(), bytes.end(), block.begin());
            store.Store(number, block);
            if (valid) {
                model[number] = block;
                present[number] = true;
            }
            break;
        }
        case 1:
            store.Clear();
            model = {};
            present = {};
            break;
        default:
            break;
        }
        FUZZ_CHECK(store.IsPresent(number) == (valid && present[number]));
        FUZZ_CHECK(store.Block(number) == (valid ? model[number] : ReportData{}));
    }
    for (int number = 0; number < kMacroNumberCount; ++number) {
        FUZZ_CHECK(store.IsPresent(number) == present[number]);
        FUZZ_CHECK(store.Block(number) == model[number]);
    }
    return 0;
}
