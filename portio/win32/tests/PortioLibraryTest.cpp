// The real portio.dll, loaded from a temporary program folder of its own,
// bound by name as the agent binds it, driven through portioctl.exe and
// through its control window.
#include "portio/ControlProtocol.h"
#include "portio/PortioApi.h"
#include "portio/TransferLog.h"
#include "testing/DistFolder.h"
#include "testing/ProgramRun.h"
#include "testing/TempFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace portio {
namespace {

constexpr UINT kEventMessage = 1325;
constexpr UINT kPresenceMessage = 1326;
constexpr DWORD kProcessDeadlineMs = 60000;
constexpr DWORD kMessageDeadlineMs = 30000;
constexpr char kLogName[] = "transfers.log";

const std::vector<uint8_t> kSelectSlot0 = {0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFC};

std::string DistFile(const char* name) { return testsupport::DistFolder() + name; }

struct Library {
    Set_VIDPIDFunction Set_VIDPID = nullptr;
    Open_DevMonitorFunction Open_DevMonitor = nullptr;
    Close_DevMonitorFunction Close_DevMonitor = nullptr;
    Open_FeatureDeviceFunction Open_FeatureDevice = nullptr;
    Close_FeatureDeviceFunction Close_FeatureDevice = nullptr;
    Open_ReportDeviceFunction Open_ReportDevice = nullptr;
    Close_ReportDeviceFunction Close_ReportDevice = nullptr;
    SetFeatureFunction SetFeature = nullptr;
    WriteUSBFunction WriteUSB = nullptr;
    GetFeatureFunction GetFeature = nullptr;
    ReadUSBFunction ReadUSB = nullptr;
};

// Binds the export by name; false when the library lacks it.
template <typename Function>
bool Bind(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return function != nullptr;
}

using testsupport::ProgramResult;

// A program folder with portio.dll, portioctl.exe and the given portio.ini.
class ProgramFolder {
public:
    explicit ProgramFolder(const std::string& settings) : m_folder("pio") {
        CopyFileA(DistFile("portio.dll").c_str(), (Path() + "portio.dll").c_str(), FALSE);
        CopyFileA(DistFile("portioctl.exe").c_str(), (Path() + "portioctl.exe").c_str(), FALSE);
        if (!settings.empty()) std::ofstream(Path() + "portio.ini") << settings;
    }
    const std::string& Path() const { return m_folder.Path(); }

private:
    testsupport::TempFolder m_folder;
};

class PortioLibrary : public ::testing::Test {
protected:
    void Load(const std::string& settings) {
        m_folder = std::make_unique<ProgramFolder>(settings);
        m_module = LoadLibraryA((m_folder->Path() + "portio.dll").c_str());
        ASSERT_NE(m_module, nullptr);
        const bool bound[] = {
            Bind(m_module, kSet_VIDPIDName, m_library.Set_VIDPID),
            Bind(m_module, kOpen_DevMonitorName, m_library.Open_DevMonitor),
            Bind(m_module, kClose_DevMonitorName, m_library.Close_DevMonitor),
            Bind(m_module, kOpen_FeatureDeviceName, m_library.Open_FeatureDevice),
            Bind(m_module, kClose_FeatureDeviceName, m_library.Close_FeatureDevice),
            Bind(m_module, kOpen_ReportDeviceName, m_library.Open_ReportDevice),
            Bind(m_module, kClose_ReportDeviceName, m_library.Close_ReportDevice),
            Bind(m_module, kSetFeatureName, m_library.SetFeature),
            Bind(m_module, kWriteUSBName, m_library.WriteUSB),
            Bind(m_module, kGetFeatureName, m_library.GetFeature),
            Bind(m_module, kReadUSBName, m_library.ReadUSB)};
        for (bool function : bound) ASSERT_TRUE(function);
        m_window = CreateWindowExA(0, "STATIC", "portio test", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(m_window, nullptr);
    }

    // The library loaded with these settings and started in the agent's order.
    void LoadAndStart(const std::string& settings) {
        ASSERT_NO_FATAL_FAILURE(Load(settings));
        ASSERT_NO_FATAL_FAILURE(StartLikeTheAgent());
    }

    // The agent's start-up order.
    void StartLikeTheAgent() {
        m_library.Set_VIDPID(kVendorId, kProductId);
        ASSERT_EQ(m_library.Open_DevMonitor(m_window, kEventMessage, kPresenceMessage), 1);
        m_library.Open_FeatureDevice();
        m_presentAtStart = m_library.Open_ReportDevice();
    }

    void TearDown() override {
        if (m_module) {
            m_library.Close_FeatureDevice();
            m_library.Close_ReportDevice();
            m_library.Close_DevMonitor();
            FreeLibrary(m_module);
        }
        if (m_window) DestroyWindow(m_window);
        m_folder.reset();
    }

    ProgramResult RunTool(const std::string& arguments) {
        return testsupport::RunProgram("\"" + m_folder->Path() + "portioctl.exe\" " + arguments, m_folder->Path(),
                                       kProcessDeadlineMs);
    }

    // Waits (generously) for the next message of the two numbers.
    bool NextMessage(MSG& message) {
        const ULONGLONG deadline = GetTickCount64() + kMessageDeadlineMs;
        while (GetTickCount64() < deadline) {
            if (PeekMessageA(&message, m_window, kEventMessage, kPresenceMessage, PM_REMOVE)) return true;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_POSTMESSAGE);
        }
        return false;
    }

    // Messages already queued; nothing waits.
    int QueuedMessages() {
        MSG message;
        int count = 0;
        while (PeekMessageA(&message, m_window, kEventMessage, kPresenceMessage, PM_REMOVE)) ++count;
        return count;
    }

    // Every line of the transfer log; `wellFormed` tells whether each parsed.
    std::vector<TransferRecord> LogRecords(bool* wellFormed = nullptr) {
        std::ifstream file(m_folder->Path() + kLogName);
        std::vector<TransferRecord> records;
        std::string line;
        if (wellFormed) *wellFormed = true;
        while (std::getline(file, line)) {
            TransferRecord record;
            if (!ParseTransferLine(line, record) && wellFormed) *wellFormed = false;
            records.push_back(record);
        }
        return records;
    }

    std::unique_ptr<ProgramFolder> m_folder;
    HMODULE m_module = nullptr;
    Library m_library;
    HWND m_window = nullptr;
    int m_presentAtStart = -1;
};

const char kVirtualAttached[] = "[VirtualMouse]\r\nEnabled=1\r\nAttached=1\r\nLog=transfers.log\r\n";
const char kVirtualDetached[] = "[VirtualMouse]\r\nEnabled=1\r\nAttached=0\r\nLog=transfers.log\r\n";

TEST_F(PortioLibrary, Transfers_LoggedOneLineEach) {
    ASSERT_NO_FATAL_FAILURE(LoadAndStart(kVirtualAttached));
    EXPECT_EQ(m_presentAtStart, 1);
    std::vector<uint8_t> command = kSelectSlot0;
    uint8_t chunk[64];
    for (int i = 0; i < 64; ++i) chunk[i] = static_cast<uint8_t>(i * 3);
    EXPECT_EQ(m_library.SetFeature(command.data(), 8), 1);
    EXPECT_EQ(m_library.WriteUSB(chunk, 64), 1);
    EXPECT_EQ(m_library.SetFeature(command.data(), 8), 1);

    bool wellFormed = false;
    const std::vector<TransferRecord> records = LogRecords(&wellFormed);
    EXPECT_TRUE(wellFormed);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].Kind, "SetFeature");
    EXPECT_EQ(records[0].Bytes, kSelectSlot0);
    EXPECT_EQ(records[1].Kind, "WriteUSB");
    EXPECT_EQ(records[1].Bytes, std::vector<uint8_t>(chunk, chunk + 64));
    EXPECT_LE(records[0].Microseconds, records[1].Microseconds);
    EXPECT_LE(records[1].Microseconds, records[2].Microseconds);
    std::ifstream file(m_folder->Path() + kLogName);
    std::string first;
    std::getline(file, first);
    EXPECT_NE(first.find(" SetFeature 8 02010000000000FC"), std::string::npos) << first;
}

TEST_F(PortioLibrary, WrongSizes_FailButReachTheMouse) {
    ASSERT_NO_FATAL_FAILURE(LoadAndStart(kVirtualAttached));
    uint8_t bytes[64] = {};
    EXPECT_EQ(m_library.SetFeature(bytes, 7), 0);
    EXPECT_EQ(m_library.WriteUSB(bytes, 32), 0);
    EXPECT_EQ(m_library.SetFeature(nullptr, 8), 0);
    EXPECT_EQ(LogRecords().size(), 2u);
    const ProgramResult state = RunTool("state");
    EXPECT_EQ(state.exitCode, 0u);
    EXPECT_NE(state.output.find("0 unexpected chunks, 2 bad lengths"), std::string::npos) << state.output;
}

TEST_F(PortioLibrary, DetachedAtLoad_OpensAndTransfersFailUnlogged) {
    ASSERT_NO_FATAL_FAILURE(LoadAndStart(kVirtualDetached));
    EXPECT_EQ(m_presentAtStart, 0);
    std::vector<uint8_t> command = kSelectSlot0;
    EXPECT_EQ(m_library.SetFeature(command.data(), 8), 0);
    uint8_t chunk[64] = {};
    EXPECT_EQ(m_library.WriteUSB(chunk, 64), 0);
    EXPECT_EQ(m_library.GetFeature(command.data(), 8), 0);
    EXPECT_TRUE(LogRecords().empty());
}

TEST_F(PortioLibrary, AttachAndDetach_PostPresenceAndGateTheChannels) {
    ASSERT_NO_FATAL_FAILURE(LoadAndStart(kVirtualDetached));
    ASSERT_EQ(RunTool("--wait 30 attach").exitCode, 0u);
    MSG message;
    ASSERT_TRUE(NextMessage(message));
    EXPECT_EQ(message.message, kPresenceMessage);
    EXPECT_EQ(message.wParam, 1u);
    // The agent's arrival: open both channels again, then write.
    EXPECT_EQ(m_library.Open_FeatureDevice(), 1);
    EXPECT_EQ(m_library.Open_ReportDevice(), 1);
    std::vector<uint8_t> command = kSelectSlot0;
    EXPECT_EQ(m_library.SetFeature(command.data(), 8), 1);
    std::vector<uint8_t> readBack(8);
    EXPECT_EQ(m_library.GetFeature(readBack.data(), 8), 1);
    EXPECT_EQ(readBack, kSelectSlot0);

    ASSERT_EQ(RunTool("detach").exitCode, 0u);
    ASSERT_TRUE(NextMessage(message));
    EXPECT_EQ(message.message, kPresenceMessage);
    EXPECT_EQ(message.wParam, 0u);
    EXPECT_EQ(m_library.SetFeature(command.data(), 8), 0);
    // Unplugging closed the channels: a reattached mouse needs them reopened.
    ASSERT_EQ(RunTool("attach").exitCode, 0u);
    ASSERT_TRUE(NextMessage(message));
    EXPECT_EQ(message.wParam, 1u);
    EXPECT_EQ(m_library.SetFeature(command.data(), 8), 0);
    EXPECT_EQ(LogRecords().size(), 1u);
}

TEST_F(PortioLibrary, Events_PostedAsTypeAndData) {
    ASSERT_NO_FATAL_FAILURE(LoadAndStart(kVirtualAttached));
    struct Row {
        const char* Arguments;
        WPARAM Type;
        LPARAM Data;
    };
    const Row rows[] = {
        {"event 0x4000 0x0103", 0x4000, 0x0103},  // button 3 release
        {"event 0x7F00 1", 0x7F00, 1},            // any type passes through unchanged
        {"event 0xF000 0xFFFF", 0xF000, 0xFFFF},  // data fills all 16 bits
    };
    for (const Row& row : rows) {
        ASSERT_EQ(RunTool(row.Arguments).exitCode, 0u) << row.Arguments;
        MSG message;
        ASSERT_TRUE(NextMessage(message)) << row.Arguments;
        EXPECT_EQ(message.message, kEventMessage);
        EXPECT_EQ(message.wParam, row.Type);
        EXPECT_EQ(message.lParam, row.Data);
    }
}

TEST_F(PortioLibrary, EventWhileDetached_Refused) {
    ASSERT_NO_FATAL_FAILURE(LoadAndStart(kVirtualAttached));
    ASSERT_EQ(RunTool("detach").exitCode, 0u);
    MSG message;
    ASSERT_TRUE(NextMessage(message));
    EXPECT_EQ(RunTool("event 0x4000 1").exitCode, 3u);
    EXPECT_EQ(QueuedMessages(), 0);
}

TEST_F(PortioLibrary, ControlWindow_AnswersDirectMessages) {
    ASSERT_NO_FATAL_FAILURE(LoadAndStart(kVirtualAttached));
    HWND control = FindWindowA(kControlWindowClass, kControlWindowTitle);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(SendMessageA(control, kSendEventMessage, 0x000A, 0x12345), 1);
    MSG message;
    ASSERT_TRUE(NextMessage(message));
    EXPECT_EQ(message.wParam, 0x000Au);
    EXPECT_EQ(message.lParam, 0x2345);  // only the low 16 bits travel
    // Closing the monitor removes the window and stops the posting.
    EXPECT_EQ(m_library.Close_DevMonitor(), 1);
    EXPECT_EQ(FindWindowA(kControlWindowClass, kControlWindowTitle), nullptr);
    EXPECT_EQ(RunTool("attach").exitCode, 2u);
}

TEST_F(PortioLibrary, State_DecodedFromWhatWasWritten) {
    ASSERT_NO_FATAL_FAILURE(LoadAndStart(kVirtualAttached));
    std::vector<uint8_t> bytes = {0x03, 0x02, 0x01, 0, 0, 0, 0, 0xF9};  // report rate code 1 for slot 2
    EXPECT_EQ(m_library.SetFeature(bytes.data(), 8), 1);
    bytes[7] = 0;  // a damaged check byte
    EXPECT_EQ(m_library.SetFeature(bytes.data(), 8), 1);
    bytes = kSelectSlot0;
    bytes[1] = 3;
    bytes[7] = 0xFA;
    EXPECT_EQ(m_library.SetFeature(bytes.data(), 8), 1);
    const ProgramResult state = RunTool("state");
    EXPECT_EQ(state.exitCode, 0u);
    const char* expected[] = {
        "Virtual mouse: attached, feature channel open, report channel open",
        "Current profile: 3",
        "Slot 2:\n  Report rate: 1000 Hz (interval 1 ms)",
        "Rejected: 1 bad check bytes",
    };
    for (const char* part : expected) EXPECT_NE(state.output.find(part), std::string::npos) << part << "\n" << state.output;
    const ProgramResult dump = RunTool("dump");
    EXPECT_EQ(dump.exitCode, 0u);
    EXPECT_NE(dump.output.find("rate 2 01"), std::string::npos) << dump.output;
}

TEST_F(PortioLibrary, OtherIds_VirtualMouseDoesNotAnswer) {
    ASSERT_NO_FATAL_FAILURE(Load(kVirtualAttached));
    EXPECT_EQ(m_library.Set_VIDPID(0x046D, 0xC077), 1);
    EXPECT_EQ(m_library.Open_ReportDevice(), 0);
    EXPECT_EQ(m_library.Open_FeatureDevice(), 0);
    EXPECT_EQ(m_library.Set_VIDPID(kVendorId, kProductId), 1);
    EXPECT_EQ(m_library.Open_ReportDevice(), 1);
}

TEST_F(PortioLibrary, NoSettings_HardwareBackendWithoutMouse) {
    ASSERT_NO_FATAL_FAILURE(LoadAndStart(""));
    EXPECT_EQ(m_presentAtStart, 0);
    uint8_t bytes[64] = {};
    EXPECT_EQ(m_library.Open_FeatureDevice(), 0);
    EXPECT_EQ(m_library.SetFeature(bytes, 8), 0);
    EXPECT_EQ(m_library.WriteUSB(bytes, 64), 0);
    EXPECT_EQ(m_library.GetFeature(bytes, 8), 0);
    EXPECT_EQ(m_library.ReadUSB(bytes, 64), 0);
    EXPECT_EQ(FindWindowA(kControlWindowClass, kControlWindowTitle), nullptr);
    EXPECT_EQ(m_library.Close_DevMonitor(), 1);
    EXPECT_EQ(QueuedMessages(), 0);
}

}  // namespace
}  // namespace portio
