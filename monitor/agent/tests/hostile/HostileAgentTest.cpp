// Monitor.exe fed what a broken or hostile peer can hand it: damaged shared
// blocks, WM_COPYDATA of every size, event words of every type with their
// boundary data. The agent must keep running and answering, and the virtual
// mouse must see nothing but well-formed transfers.
#include "HostileAgentSupport.h"

#include "monitor/agent/AgentConstants.h"
#include "profile/SettingsBlock.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using namespace agenttest;

// Out of every range the record allows.
const int32_t kHostileColours[8] = {-1, 8, 9, 255, 256, INT_MAX, INT_MIN, 1000};
const int32_t kHostileLevels[kLevelCount] = {0, 13, -1, 255, INT_MIN};

// Every byte of every record `fill` (texts without terminators, every
// integer field and flag out of range), the function codes counted up from
// `firstCode` over the 80 buttons, colour indexes and levels out of range.
void FillHostileRecords(SettingsBlock& block, uint8_t fill, int firstCode, uint16_t eventCount) {
    std::memset(block.Profiles, fill, sizeof block.Profiles);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        ProfileRecord& record = block.Profiles[slot];
        std::memcpy(record.ColorOptions, kHostileColours, sizeof kHostileColours);
        std::memcpy(record.CpiLevel_X, kHostileLevels, sizeof kHostileLevels);
        for (int button = 0; button < kButtonCount; ++button) {
            ButtonAssignmentEntry& entry = record.MacroKeyInfo[button];
            entry.FunctionCode = static_cast<uint8_t>(firstCode + slot * kButtonCount + button);
            entry.ItemCount = eventCount;
        }
    }
}

void SetEveryFlag(SettingsBlock& block, int32_t value) {
    int32_t* first = &block.ButtonChanged[0][0];
    int32_t* end = reinterpret_cast<int32_t*>(reinterpret_cast<char*>(&block) + sizeof block);
    std::fill(first, end, value);
}

TEST(HostileBlock_Apply, AgentRunsOnAndTheMouseSeesOnlyWellFormedTransfers) {
    struct Row {
        const char* what;
        int32_t currentSlot;
        uint8_t fill;
        int firstCode;
        uint16_t eventCount;
        int32_t flags;
        WPARAM mode;
    };
    const Row rows[] = {
        // No flag holds exactly 1: only the opening and the select command.
        {"slot 77, every flag 0xFFFFFFFF", 77, 0xFF, 0, 0xFFFF, -1, 0},
        // Everything written: codes 0..79, event counts 0xFFFF, delays 65535 ms.
        {"slot -5, codes 0..79, bytes 0xFF", -5, 0xFF, 0, 0xFFFF, 1, 0},
        // Codes 80..159, 41 events of the long form (more than the block holds).
        {"slot INT_MAX, codes 80..159, bytes 0x80", INT_MAX, 0x80, 80, 41, 1, 1},
        // Codes 160..239, 40 events of delay 0x7F7F.
        {"slot INT_MIN, codes 160..239, bytes 0x7F", INT_MIN, 0x7F, 160, 40, 1, 1},
        // Codes 240..255 and on past 255 (wrapping to 0..63), 0x8000 events.
        {"slot 5, codes 240..255 and 0..63, bytes 0x01", 5, 0x01, 240, 0x8000, 1, 0},
    };
    ProgramFolder folder;
    REQUIRE_READY(folder);
    HWND window = StartAgentAndWaitForFirstWrite(folder);
    ASSERT_NE(window, nullptr);
    auto block = std::make_unique<SettingsBlock>();
    for (const Row& row : rows) {
        FillHostileRecords(*block, row.fill, row.firstCode, row.eventCount);
        block->CurrentSlot = row.currentSlot;
        block->MouseType = -1;
        SetEveryFlag(*block, row.flags);
        const size_t selects = SelectCount(folder);
        ASSERT_TRUE(WriteSharedBlock(*block)) << row.what;
        DWORD_PTR result = 0;
        ASSERT_NE(SendMessageTimeoutA(window, agent::kMsgApplySettings, row.mode, 0, SMTO_NORMAL, kAnswerMs, &result), 0)
            << row.what;
        ASSERT_TRUE(WaitFor([&] { return SelectCount(folder) > selects; })) << row.what;
        // A damaged current slot selects slot 1 on the mouse.
        const TransferLine select = folder.Transfers().back();
        EXPECT_EQ(select.bytes, (std::vector<uint8_t>{0x02, 0x01, 0, 0, 0, 0, 0, 0xFC})) << row.what;
        ASSERT_TRUE(Responsive(folder, window)) << row.what;
    }
    ExpectWellFormedTransfers(folder);
}

TEST(HostileCopyData_EverySize, AgentRunsOnAndAnswers) {
    ProgramFolder folder;
    REQUIRE_READY(folder);
    HWND window = StartAgentAndWaitForFirstWrite(folder);
    ASSERT_NE(window, nullptr);
    constexpr DWORD kLargestSize = 1024;
    // No terminator anywhere: a text notice must stop at the record's end.
    std::vector<char> data(kLargestSize, 'X');
    unsigned sent = 0;
    for (DWORD size = 0; size <= kLargestSize; ++size) {
        COPYDATASTRUCT copy{size, size, data.data()};
        DWORD_PTR result = 0;
        sent += SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_NORMAL, kAnswerMs,
                                    &result) != 0;
    }
    // A null data pointer with sizes that would otherwise be read.
    for (DWORD size : {0ul, 1ul, 151ul, 1024ul}) {
        COPYDATASTRUCT copy{0, size, nullptr};
        DWORD_PTR result = 0;
        SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_NORMAL, kAnswerMs, &result);
    }
    EXPECT_EQ(sent, kLargestSize + 1);
    EXPECT_TRUE(Responsive(folder, window));
}

TEST(HostileEvents_EveryTypeAndBoundary, AgentRunsOnAndTheMouseStaysWellFormed) {
    ProgramFolder folder;
    REQUIRE_READY(folder);
    HWND window = StartAgentAndWaitForFirstWrite(folder);
    ASSERT_NE(window, nullptr);

    // The current slot's buttons carry the host-handled functions with
    // hostile data: key combinations of key 0xFF with every modifier bit,
    // a macro of 0xFFFF events (played as its 40 of delay 0), a program path
    // without a terminator.
    auto block = std::make_unique<SettingsBlock>();
    FillHostileRecords(*block, 0xFF, 0, 0xFFFF);
    const uint8_t hostCodes[kButtonCount] = {5, 16, 17, 24, 5, 16, 17, 0, 0xFF, 43, 44, 6, 5, 16, 17, 5};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        for (int button = 0; button < kButtonCount; ++button) {
            ButtonAssignmentEntry& entry = block->Profiles[slot].MacroKeyInfo[button];
            entry.FunctionCode = hostCodes[button];
            for (size_t at = 0; at + 4 <= sizeof entry.Data; at += 4) {
                const uint8_t event[4] = {0xFF, 0x03, 0x00, 0x00};  // key 0xFF, action 3, no delay
                std::memcpy(entry.Data + at, event, sizeof event);
            }
        }
    }
    block->CurrentSlot = 0;
    SetEveryFlag(*block, 0);
    ASSERT_TRUE(WriteSharedBlock(*block));
    DWORD_PTR result = 0;
    ASSERT_NE(SendMessageTimeoutA(window, agent::kMsgApplySettings, 0, 0, SMTO_NORMAL, kAnswerMs, &result), 0);
    ASSERT_TRUE(WaitForQuietLog(folder));

    // Every type the decoder tells apart, its neighbours and the extremes.
    const unsigned types[] = {0x0000, 0x0001, 0x000A, 0x00A0, 0x01F2, 0x0700, 0x07FF, 0x0800, 0x08FF,
                              0x1000, 0x4000, 0x5000, 0x7F00, 0xC000, 0xF000, 0xFFFF};
    // Range edges of every handler: 0, 1, 8/9 (levels, rates), 16/17
    // (buttons), 32/39/40 (media), 255/256, a release of buttons 1 and 16,
    // sensitivities 20 and 21, and the extremes.
    const unsigned data[] = {0, 1, 2, 8, 9, 16, 17, 32, 39, 40, 0x00FF, 0x0100,
                             0x0101, 0x0110, 0x1414, 0x1515, 0xFF00, 0xFFFF};
    unsigned posted = 0;
    for (unsigned type : types) {
        for (unsigned word : data) posted += PostMessageA(window, agent::kMsgDeviceEvent, type, word) != 0;
        // The events of one type handled before the next: a type that ends
        // the agent is named.
        ASSERT_TRUE(Responsive(folder, window)) << std::hex << "type 0x" << type;
    }
    // The same through the library's own path, one event per type.
    unsigned throughPortio = 0;
    for (unsigned type : types) {
        char arguments[64];
        snprintf(arguments, sizeof arguments, "event 0x%04X 0xFFFF", type);
        throughPortio += RunPortioctl(arguments) == 0;
    }
    ASSERT_TRUE(Responsive(folder, window));
    ASSERT_TRUE(WaitForQuietLog(folder));
    ASSERT_TRUE(Responsive(folder, window)) << "after the events";
    // A removal among the events leaves the mouse out until it is back.
    PostMessageA(window, agent::kMsgDevicePresence, 1, 0);
    EXPECT_EQ(posted, sizeof types / sizeof types[0] * (sizeof data / sizeof data[0]));
    EXPECT_EQ(throughPortio, sizeof types / sizeof types[0]);
    ASSERT_TRUE(Responsive(folder, window));
    ASSERT_TRUE(WaitForQuietLog(folder));
    EXPECT_TRUE(Responsive(folder, window));
    ExpectWellFormedTransfers(folder);
}

}  // namespace
