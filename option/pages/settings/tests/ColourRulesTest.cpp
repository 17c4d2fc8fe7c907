#include "option/pages/settings/core/ColourRules.h"
#include "option/pages/settings/core/DoubleClickKeeper.h"

#include <gtest/gtest.h>

#include <vector>

#include "profile/PointerSystem.h"

namespace {

TEST(ColourChannels, ValueBoxesReplaceOneByte) {
    const struct {
        const char* what;
        uint32_t box;
        int32_t value;
        uint32_t colour;
    } rows[] = {
        {"400 is red, the low byte", 400, 0xAB, 0x003322AB},
        {"401 is green", 401, 0x00, 0x00330011},
        {"402 is blue, the third byte", 402, 0xFF, 0x00FF2211},
        {"above 255 is clamped", 401, 300, 0x0033FF11},
        {"another identifier changes nothing", 403, 7, 0x00332211},
    };
    for (const auto& row : rows) EXPECT_EQ(WithChannel(0x00332211, row.box, row.value), row.colour) << row.what;
    EXPECT_EQ(ChannelOf(0x00332211, 400), 0x11);
    EXPECT_EQ(ChannelOf(0x00332211, 402), 0x33);
    EXPECT_EQ(ChannelOf(0x00332211, 399), -1);
}

TEST(ColourField, CornersAndEdges) {
    const int width = 181, height = 101;
    const struct {
        const char* what;
        int x, y;
        uint32_t colour;
    } rows[] = {
        {"top left is white", 0, 0, 0xFFFFFF},
        {"middle left is pure red", 0, 50, 0x0000FF},
        {"a third across is pure green", 60, 50, 0x00FF00},
        {"two thirds across is pure blue", 120, 50, 0xFF0000},
        {"bottom is black", 90, 100, 0x000000},
        {"outside is black", 181, 0, 0x000000},
        {"negative is black", -1, 10, 0x000000},
    };
    for (const auto& row : rows) EXPECT_EQ(ColourFieldAt(row.x, row.y, width, height), row.colour) << row.what;
    // A degenerate field has no colours.
    EXPECT_EQ(ColourFieldAt(0, 0, 1, 1), 0u);
    EXPECT_EQ(ColourFieldAt(0, 0, 0, 10), 0u);
}

class RecordingPointerSystem : public PointerSystem {
public:
    void SetDoubleClickTime(uint32_t milliseconds) override { times.push_back(milliseconds); }
    void SetSystemParameter(uint32_t, uint32_t, void*, uint32_t) override {}
    void SendToOwnWindow(uint32_t, uintptr_t, const void*) override {}
    void Broadcast(uint32_t, uint32_t, uint32_t, uintptr_t, const char*) override {}
    std::vector<uint32_t> times;
};

TEST(DoubleClickKeeper, RestoresTheTimeFromBeforeTheFirstTrial) {
    RecordingPointerSystem system;
    DoubleClickKeeper keeper;
    keeper.Restore(system);  // nothing tried: nothing to put back
    EXPECT_TRUE(system.times.empty());
    keeper.Try(system, 500, 300);
    keeper.Try(system, 300, 650);
    keeper.Restore(system);
    keeper.Restore(system);  // only once
    EXPECT_EQ(system.times, (std::vector<uint32_t>{300, 650, 500}));
    // After Apply the tried time is the profile's and stays.
    keeper.Try(system, 500, 410);
    keeper.Applied();
    keeper.Restore(system);
    EXPECT_EQ(system.times, (std::vector<uint32_t>{300, 650, 500, 410}));
    // A new trial after Apply returns to the applied time.
    keeper.Try(system, 410, 270);
    keeper.Restore(system);
    EXPECT_EQ(system.times.back(), 410u);
}

}  // namespace
