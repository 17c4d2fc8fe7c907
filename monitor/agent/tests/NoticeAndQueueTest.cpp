#include "monitor/agent/NoticeRecord.h"
#include "monitor/agent/WriteRequestQueue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace {

TEST(ParseNoticeRecord_Records, AcceptsOnlyTheExactSizeAndStaysInside) {
    std::vector<char> record(kNoticeRecordSize, '\0');
    std::string text;

    record[0] = 'X';  // byte 0 is not part of the text
    memcpy(&record[1], "Hello", 5);
    ASSERT_TRUE(ParseNoticeRecord(record.data(), record.size(), text));
    EXPECT_EQ(text, "Hello");

    // 150 and 152 bytes change nothing.
    text = "unchanged";
    EXPECT_FALSE(ParseNoticeRecord(record.data(), 150, text));
    std::vector<char> longer(152, 'a');
    EXPECT_FALSE(ParseNoticeRecord(longer.data(), longer.size(), text));
    EXPECT_FALSE(ParseNoticeRecord(nullptr, kNoticeRecordSize, text));
    EXPECT_EQ(text, "unchanged");

    // No terminator: the text is cut at the end of the record (read as a
    // separate heap block so the sanitizer sees any overrun).
    auto unterminated = std::make_unique<char[]>(kNoticeRecordSize);
    memset(unterminated.get(), 'z', kNoticeRecordSize);
    ASSERT_TRUE(ParseNoticeRecord(unterminated.get(), kNoticeRecordSize, text));
    EXPECT_EQ(text, std::string(150, 'z'));
}

TEST(WriteRequestQueue_Order, PopsInPushOrderWithTheirOwnSnapshots) {
    WriteRequestQueue queue;
    auto block = std::make_unique<SettingsBlock>();
    ClearBlock(*block);
    block->CurrentSlot = 1;
    queue.Push(2, 0, *block);
    block->CurrentSlot = 3;  // a later change does not reach the first request
    queue.Push(1, 1, *block);
    queue.Push(3, 0, *block);
    queue.DropNewest();  // the third could not be posted
    EXPECT_EQ(queue.Size(), 2u);

    WriteRequest request;
    ASSERT_TRUE(queue.PopOldest(request));
    EXPECT_EQ(request.mode, 2);
    EXPECT_EQ(request.snapshot->CurrentSlot, 1);
    ASSERT_TRUE(queue.PopOldest(request));
    EXPECT_EQ(request.mode, 1);
    EXPECT_EQ(request.parameter, 1);
    EXPECT_EQ(request.snapshot->CurrentSlot, 3);
    EXPECT_FALSE(queue.PopOldest(request));
    queue.DropNewest();  // harmless when empty
}

// Only the newest full write runs: an older one still queued is dropped;
// every other request runs in its turn.
TEST(WriteRequestQueue_StaleFullWrite, IsDroppedForTheNewestOne) {
    const std::pair<std::vector<int>, std::vector<intptr_t>> rows[] = {  // modes pushed, indexes popped
        {{2, 2}, {1}}, {{1, 2, 3, 2, 2}, {0, 2, 4}}, {{3, 1, 3}, {0, 1, 2}}};
    for (const auto& [modes, popped] : rows) {
        WriteRequestQueue queue;
        const auto block = std::make_unique<SettingsBlock>();
        for (size_t i = 0; i < modes.size(); ++i) queue.Push(modes[i], static_cast<intptr_t>(i), *block);
        std::vector<intptr_t> taken;
        for (WriteRequest request; queue.PopOldest(request);) taken.push_back(request.parameter);
        EXPECT_EQ(taken, popped) << ::testing::PrintToString(modes);
    }
}

// One thread pushes while another pops: every request arrives once, whole.
TEST(WriteRequestQueue_Threads, DeliversEveryRequestWhole) {
    WriteRequestQueue queue;
    constexpr int kCount = 200;
    std::thread producer([&] {
        auto block = std::make_unique<SettingsBlock>();
        for (int i = 0; i < kCount; ++i) {
            memset(block.get(), i & 0x7F, sizeof *block);
            queue.Push(1, i, *block);
        }
    });
    int received = 0;
    while (received < kCount) {
        WriteRequest request;
        if (!queue.PopOldest(request)) {
            std::this_thread::yield();
            continue;
        }
        ASSERT_EQ(request.parameter, received);
        const auto* bytes = reinterpret_cast<const unsigned char*>(request.snapshot.get());
        for (size_t offset = 0; offset < sizeof(SettingsBlock); offset += 997) {
            ASSERT_EQ(bytes[offset], received & 0x7F);
        }
        ++received;
    }
    producer.join();
}

}  // namespace
