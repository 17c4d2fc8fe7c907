// The hardware backend over a fake HID layer: the reports it builds from the
// device's report ids and lengths, presence as its caller sees it, and
// transfers that do not hold up the rest of the backend.
#include "frame/Window.h"
#include "portio/win32/HidBackend.h"
#include "testing/MessagePump.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <future>
#include <mutex>
#include <thread>

namespace portio {
namespace {

constexpr UINT kEventMessage = WM_APP + 1;
constexpr UINT kPresenceMessage = WM_APP + 2;
constexpr DWORD kDeadlineMs = 60000;

// What the fake device saw and how it behaves; shared by every connection.
struct FakeDevice {
    std::mutex lock;
    bool listed = true;
    bool opens = true;
    std::vector<std::vector<unsigned char>> features;
    std::vector<std::vector<unsigned char>> writes;
    // While set, a write waits until released or cancelled.
    HANDLE release = nullptr;
    std::atomic<bool> writeWaiting{false};

    // Changes a behaviour while the backend's threads may look at it.
    void Set(bool FakeDevice::*behaviour, bool value) {
        std::lock_guard<std::mutex> guard(lock);
        this->*behaviour = value;
    }
};

class FakeConnection : public HidConnection {
public:
    explicit FakeConnection(FakeDevice& device) : m_device(device), m_cancel(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~FakeConnection() override { CloseHandle(m_cancel); }

    bool SetFeature(std::vector<unsigned char>& report) override {
        std::lock_guard<std::mutex> guard(m_device.lock);
        m_device.features.push_back(report);
        return true;
    }
    bool GetFeature(std::vector<unsigned char>&) override { return false; }
    bool Write(const std::vector<unsigned char>& report) override {
        if (m_device.release) {
            m_device.writeWaiting = true;
            HANDLE events[] = {m_device.release, m_cancel};
            if (WaitForMultipleObjects(2, events, FALSE, kDeadlineMs) != WAIT_OBJECT_0) return false;
        }
        std::lock_guard<std::mutex> guard(m_device.lock);
        m_device.writes.push_back(report);
        return true;
    }
    void Cancel() override { SetEvent(m_cancel); }

private:
    FakeDevice& m_device;
    HANDLE m_cancel;
};

class FakeLayer : public HidLayer {
public:
    FakeLayer(FakeDevice& device, std::vector<HidInterface> interfaces)
        : m_device(device), m_interfaces(std::move(interfaces)) {}
    std::vector<HidInterface> Find(int, int) override {
        std::lock_guard<std::mutex> guard(m_device.lock);
        return m_device.listed ? m_interfaces : std::vector<HidInterface>();
    }
    std::shared_ptr<HidConnection> Open(const HidInterface&, HidChannel) override {
        std::lock_guard<std::mutex> guard(m_device.lock);
        if (!m_device.opens) return nullptr;
        return std::make_shared<FakeConnection>(m_device);
    }

private:
    FakeDevice& m_device;
    std::vector<HidInterface> m_interfaces;
};

// A vendor collection with both channels.
HidInterface VendorInterface(unsigned char featureId, int featureLength, unsigned char outputId, int outputLength) {
    HidInterface device;
    device.Path = "fake";
    device.UsagePage = 0xFF00;
    device.FeatureReportId = featureId;
    device.FeatureLength = featureLength;
    device.OutputReportId = outputId;
    device.OutputLength = outputLength;
    return device;
}

std::vector<unsigned char> Bytes(int count, unsigned char first) {
    std::vector<unsigned char> bytes(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) bytes[static_cast<size_t>(i)] = static_cast<unsigned char>(first + i);
    return bytes;
}

TEST(HidBackend_Reports, StartWithTheDevicesReportIdAndFillItsLength) {
    struct Row {
        const char* name;
        HidInterface device;
        bool feature;  // SetFeature, else WriteUsb
        int length;
        int result;
        std::vector<unsigned char> sent;  // empty: nothing reached the device
    };
    std::vector<unsigned char> command = Bytes(8, 0x10);
    std::vector<unsigned char> chunk = Bytes(64, 0x40);
    auto withId = [](unsigned char id, std::vector<unsigned char> data, size_t length) {
        data.insert(data.begin(), id);
        data.resize(length, 0);
        return data;
    };
    const Row rows[] = {
        {"no report ids: id byte 0", VendorInterface(0, 9, 0, 65), true, 8, 1, withId(0, command, 9)},
        {"feature id 5 from the capabilities", VendorInterface(5, 9, 0, 65), true, 8, 1, withId(5, command, 9)},
        {"a longer feature report is padded with zeros", VendorInterface(3, 33, 0, 65), true, 8, 1,
         withId(3, command, 33)},
        {"output id 2", VendorInterface(0, 9, 2, 65), false, 64, 1, withId(2, chunk, 65)},
        {"a short chunk is padded", VendorInterface(0, 9, 7, 65), false, 10, 1,
         withId(7, Bytes(10, 0x40), 65)},
        // Corners: data filling the report exactly, one byte too many, none.
        {"command one byte too long for a 9-byte report", VendorInterface(0, 9, 0, 65), true, 9, 0, {}},
        {"empty command", VendorInterface(0, 9, 0, 65), true, 0, 0, {}},
        {"chunk one byte too long", VendorInterface(0, 9, 0, 65), false, 65, 0, {}},
    };
    for (const Row& row : rows) {
        FakeDevice device;
        HidBackend backend(std::make_unique<FakeLayer>(device, std::vector<HidInterface>{row.device}));
        ASSERT_EQ(backend.OpenFeature(), 1) << row.name;
        ASSERT_EQ(backend.OpenReport(), 1) << row.name;
        std::vector<unsigned char> data = Bytes(std::max(row.length, 1), row.feature ? 0x10 : 0x40);
        const int result =
            row.feature ? backend.SetFeature(data.data(), row.length) : backend.WriteUsb(data.data(), row.length);
        EXPECT_EQ(result, row.result) << row.name;
        const auto& seen = row.feature ? device.features : device.writes;
        if (row.sent.empty()) {
            EXPECT_TRUE(seen.empty()) << row.name;
        } else {
            ASSERT_EQ(seen.size(), 1u) << row.name;
            EXPECT_EQ(seen[0], row.sent) << row.name;
        }
    }
}

// A window of this thread that keeps the presence messages it gets.
class PresenceWindow : public Window {
public:
    PresenceWindow() { Create("HidBackendTestPresence", "", WS_POPUP, 0, 0, 0, 0, 0); }
    const std::vector<WPARAM>& Presence() const { return m_presence; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kPresenceMessage) m_presence.push_back(wParam);
        return DefaultProcessing(message, wParam, lParam);
    }

private:
    std::vector<WPARAM> m_presence;
};

TEST(HidBackend_Presence, OutputChannelOpeningLateIsAnnouncedAndItsLossToo) {
    FakeDevice device;
    device.opens = false;  // listed, but the output channel does not open yet
    HidBackend backend(std::make_unique<FakeLayer>(device, std::vector<HidInterface>{VendorInterface(0, 9, 0, 65)}));
    PresenceWindow window;
    ASSERT_EQ(backend.OpenMonitor(window.Handle(), kEventMessage, kPresenceMessage), 1);
    EXPECT_EQ(backend.OpenReport(), 0);  // the caller starts without the mouse

    device.Set(&FakeDevice::opens, true);
    // The periodic check finds the channel openable: the caller hears "attached".
    EXPECT_TRUE(testsupport::PumpUntil([&] { return !window.Presence().empty(); }, kDeadlineMs));
    ASSERT_EQ(window.Presence(), std::vector<WPARAM>{1});
    EXPECT_EQ(backend.OpenReport(), 1);

    device.Set(&FakeDevice::listed, false);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return window.Presence().size() == 2; }, kDeadlineMs));
    EXPECT_EQ(window.Presence(), (std::vector<WPARAM>{1, 0}));
    backend.CloseMonitor();
}

TEST(HidBackend_Transfers, BlockedWriteHoldsNoLockAndEndsWhenTheChannelCloses) {
    FakeDevice device;
    HidBackend backend(std::make_unique<FakeLayer>(device, std::vector<HidInterface>{VendorInterface(0, 9, 0, 65)}));
    ASSERT_EQ(backend.OpenFeature(), 1);
    ASSERT_EQ(backend.OpenReport(), 1);
    device.release = CreateEventA(nullptr, TRUE, FALSE, nullptr);

    std::vector<unsigned char> chunk = Bytes(64, 0);
    std::future<int> write = std::async(std::launch::async, [&] { return backend.WriteUsb(chunk.data(), 64); });
    ASSERT_TRUE(testsupport::PumpUntil([&] { return device.writeWaiting.load(); }, kDeadlineMs));

    // While the device keeps the write waiting, a command still goes out and
    // the output channel can be closed, which ends the write.
    std::vector<unsigned char> command = Bytes(8, 0);
    std::future<int> others = std::async(std::launch::async, [&] {
        const int sent = backend.SetFeature(command.data(), 8);
        backend.CloseReport();
        return sent;
    });
    ASSERT_EQ(others.wait_for(std::chrono::milliseconds(kDeadlineMs)), std::future_status::ready)
        << "the backend waited for the blocked write";
    EXPECT_EQ(others.get(), 1);
    ASSERT_EQ(write.wait_for(std::chrono::milliseconds(kDeadlineMs)), std::future_status::ready);
    EXPECT_EQ(write.get(), 0);
    EXPECT_TRUE(device.writes.empty());
    SetEvent(device.release);
    CloseHandle(device.release);
}

}  // namespace
}  // namespace portio
