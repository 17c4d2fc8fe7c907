#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "monitor/device/DeviceEvent.h"
#include "monitor/device/DeviceLinkState.h"

using namespace device;

namespace {

// Writes each call as one line, e.g. "notice 0800 0003".
class RecordingHandler : public DeviceEventHandler {
public:
    void OnArrival() override { calls.push_back("arrival"); }
    void OnRemoval() override { calls.push_back("removal"); }
    void ScrollStep(int step) override { calls.push_back("scroll " + std::to_string(step)); }
    void DeviceStateNotice(uint16_t type, uint16_t data) override {
        calls.push_back("notice " + Hex4(type) + " " + Hex4(data));
    }
    void ButtonAction(uint16_t data) override { calls.push_back("button " + Hex4(data)); }
    void ProgramLaunch(int button) override { calls.push_back("launch " + std::to_string(button)); }
    void OpenOption() override { calls.push_back("option"); }
    void MediaCommand(int command, int release) override {
        calls.push_back("media " + std::to_string(command) + " " + std::to_string(release));
    }

    std::vector<std::string> calls;

private:
    static std::string Hex4(uint16_t value) {
        char text[8];
        snprintf(text, sizeof text, "%04X", value);
        return text;
    }
};

std::vector<std::string> Decode(uint32_t word, int32_t state = kDevicePresent) {
    RecordingHandler handler;
    DecodeDeviceEvent({word}, state, handler);
    return handler.calls;
}

using Calls = std::vector<std::string>;

}  // namespace

TEST(EventWordFromEvent_Messages, PutsTypeHighAndDataLow) {
    struct Row {
        uint64_t wParam;
        int64_t lParam;
        uint32_t word;
    };
    const Row rows[] = {
        {0x000A, 0x0003, 0x000A0003},
        {0x4000, 0x0105, 0x40000105},
        // Only the low 16 bits of lParam are data.
        {0x0800, 0x12340002, 0x08000002},
        {0xF000, -1, 0xF000FFFF},
        // The type keeps its low 16 bits; wider wParam bits fall off the word.
        {0x1234F000, 0x0020, 0xF0000020},
    };
    for (const Row& row : rows) EXPECT_EQ(EventWordFromEvent(row.wParam, row.lParam).Word, row.word) << row.word;
}

TEST(EventWordFromPresence_Messages, MapsAttachedGoneAndOther) {
    EXPECT_EQ(EventWordFromPresence(1).Word, kPresenceAttached);
    EXPECT_EQ(EventWordFromPresence(0).Word, kPresenceGone);
    EXPECT_EQ(EventWordFromPresence(2).Word, kPresenceOther);
    EXPECT_EQ(EventWordFromPresence(0x100000001ull).Word, kPresenceOther);
}

TEST(DecodeDeviceEvent_Rows, CallTheMatchingHandler) {
    struct Row {
        uint32_t word;
        Calls expected;
    };
    const Row rows[] = {
        // Scroll: only data 1 and 255.
        {0x10000001, {"scroll -1"}},
        {0x100000FF, {"scroll 1"}},
        {0x10000002, {}},
        {0x100001FF, {}},
        // Report interval: data 1..8.
        {0x01F20001, {"notice 01F2 0001"}},
        {0x01F20008, {"notice 01F2 0008"}},
        {0x01F20003, {"notice 01F2 0003"}},  // the handler decides about 3, 5, 6, 7
        {0x01F20000, {}},
        {0x01F20009, {}},
        // Profile class: any 0x08xx, any data; the handler checks 1..5.
        {0x08000003, {"notice 0800 0003"}},
        {0x08120006, {"notice 0812 0006"}},
        // Host button, press: action, then the notice with the button.
        {0x40000003, {"button 0003", "notice 4000 0003"}},
        {0x40000010, {"button 0010", "notice 4000 0010"}},
        // Release: action only.
        {0x40000103, {"button 0103"}},
        {0x40000000, {}},
        {0x40000011, {}},
        // Quiet button: action only, press and release.
        {0x50000007, {"button 0007"}},
        {0x50000207, {"button 0207"}},
        {0x50000000, {}},
        {0x50000020, {}},
        // Program launch: press only.
        {0x000A0003, {"launch 3"}},
        {0x000A0010, {"launch 16"}},
        {0x000A0103, {}},
        {0x000A0000, {}},
        {0x000A0011, {}},
        // Open Option, whatever the data.
        {0x00A00000, {"option"}},
        {0x00A0ABCD, {"option"}},
        // Level class: data 1..8.
        {0x07000001, {"notice 0700 0001"}},
        {0x07050008, {"notice 0705 0008"}},
        {0x07000009, {}},
        {0x07000000, {}},
        // Sensitivity: always a notice.
        {0xC0000500, {"notice C000 0500"}},
        {0xC0000000, {"notice C000 0000"}},
        // Media: commands 32..39 with the release byte.
        {0xF0000020, {"media 32 0"}},
        {0xF0000127, {"media 39 1"}},
        {0xF000001F, {}},
        {0xF0000028, {}},
        // Types the table does not know.
        {0x00000001, {}},
        {0x20000001, {}},
        {0x4001000A, {}},
        {0x09000001, {}},
        {0x7F010001, {}},
    };
    for (const Row& row : rows) EXPECT_EQ(Decode(row.word), row.expected) << std::hex << row.word;
}

TEST(DecodeDeviceEvent_Presence, FollowsTheDeviceState) {
    struct Row {
        const char* what;
        uint32_t word;
        int32_t state;
        Calls expected;
    };
    const Row rows[] = {
        {"attach at start-up state", kPresenceAttached, kDeviceNotOpened, {"arrival"}},
        {"attach after removal", kPresenceAttached, kDeviceRemoved, {"arrival"}},
        {"attach while present", kPresenceAttached, kDevicePresent, {}},
        {"gone while present", kPresenceGone, kDevicePresent, {"removal"}},
        {"gone at start-up state", kPresenceGone, kDeviceNotOpened, {"removal"}},
        {"gone after removal", kPresenceGone, kDeviceRemoved, {}},
        {"other presence value", kPresenceOther, kDeviceRemoved, {}},
        {"presence data 3", 0x7F000003, kDeviceRemoved, {}},
        // Other events are decoded whether or not the mouse is there.
        {"launch while removed", 0x000A0003, kDeviceRemoved, {"launch 3"}},
        {"scroll before opened", 0x10000001, kDeviceNotOpened, {"scroll -1"}},
    };
    for (const Row& row : rows) EXPECT_EQ(Decode(row.word, row.state), row.expected) << row.what;
}

TEST(DecodeDeviceEvent_TwoAttachMessages, GiveOneArrival) {
    // The agent's arrival marks the mouse present, as it would on Windows.
    class ArrivingHandler : public RecordingHandler {
    public:
        explicit ArrivingHandler(DeviceLinkState& link) : m_link(link) {}
        void OnArrival() override {
            RecordingHandler::OnArrival();
            MarkPresent(m_link);
        }

    private:
        DeviceLinkState& m_link;
    };
    DeviceLinkState link;
    ArrivingHandler handler(link);
    for (int message = 0; message < 2; ++message)
        DecodeDeviceEvent(EventWordFromPresence(1), link.State, handler);
    EXPECT_EQ(handler.calls, Calls{"arrival"});
}
