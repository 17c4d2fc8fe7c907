#include "ProgramFolder.h"

#include "monitor/agent/AgentConstants.h"
#include "portio/TransferLog.h"
#include "testing/DamagedFiles.h"
#include "testing/DistFolder.h"

#include <cstring>
#include <fstream>

namespace agenttest {

namespace {

constexpr char kAgentTitle[] = "TARVIK-Q7 Gaming Mouse Monitor";
constexpr UINT kCommandExit = 6002;
constexpr char kTransferLogName[] = "transfers.log";
constexpr uint8_t kProfileSelectCode = 0x02;

}  // namespace

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

ProgramFolder::ProgramFolder(Portio portio, bool attached) {
    CreateDirectoryA((m_path + "config").c_str(), nullptr);

    const std::string dist = testsupport::DistFolder();
    m_ready = Copy(dist + "Monitor.exe", "Monitor.exe") &&
              Copy(testsupport::TestFolder() + "standin-option\\Option.exe", "Option.exe");
    // strtab.dll is optional to the agent: without it the tray texts are empty.
    CopyFileA((dist + "strtab.dll").c_str(), (m_path + "strtab.dll").c_str(), FALSE);
    if (portio == Portio::Virtual) {
        m_ready = m_ready && Copy(dist + "portio.dll", "portio.dll");
        std::ofstream ini(m_path + "portio.ini");
        ini << "[VirtualMouse]\r\nEnabled=1\r\nAttached=" << (attached ? 1 : 0) << "\r\nLog=" << kTransferLogName
            << "\r\n";
    } else if (portio == Portio::Recording) {
        m_ready = m_ready && Copy(testsupport::TestFolder() + "portio-recording\\portio.dll", "portio.dll");
    }
}

ProgramFolder::~ProgramFolder() {
    if (m_agent) {
        StopAgent();
        if (WaitForSingleObject(m_agent, 0) == WAIT_TIMEOUT) TerminateProcess(m_agent, 1);
        CloseHandle(m_agent);
    }
    // The stand-in Option may still run.
    HWND option = FindWindowA(nullptr, "TARVIK-Q7 Gaming Mouse Option");
    if (option) PostMessageA(option, WM_CLOSE, 0, 0);
    WaitFor([] { return FindWindowA(nullptr, "TARVIK-Q7 Gaming Mouse Option") == nullptr; }, 10000);
}

bool ProgramFolder::Copy(const std::string& from, const std::string& name) {
    if (CopyFileA(from.c_str(), (m_path + name).c_str(), FALSE)) return true;
    if (m_missing.empty()) m_missing = "missing " + from;
    return false;
}

bool ProgramFolder::AddFromDist(const std::string& name) {
    const bool copied = Copy(testsupport::DistFolder() + name, name);
    m_ready = m_ready && copied;
    return copied;
}

HANDLE ProgramFolder::StartAgent(const std::string& arguments) {
    std::string commandLine = "\"" + m_path + "Monitor.exe\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    HANDLE process = testsupport::StartProgram(commandLine, m_path);
    if (!m_agent) m_agent = process;
    return process;
}

HWND ProgramFolder::WaitForAgentWindow() const {
    HWND window = nullptr;
    WaitFor([&] { return (window = FindWindowA(nullptr, kAgentTitle)) != nullptr; });
    return window;
}

bool ProgramFolder::StopAgent() {
    if (!m_agent) return true;
    if (WaitForSingleObject(m_agent, 0) == WAIT_OBJECT_0) return true;
    HWND window = FindWindowA(nullptr, kAgentTitle);
    if (window) PostMessageA(window, WM_COMMAND, kCommandExit, 0);
    return WaitForExit(m_agent) != -1;
}

std::string ProgramFolder::SettingsValue(const char* section, const char* key) const {
    return testsupport::IniValue(m_path + "config.ini", section, key);
}

std::vector<TransferLine> ProgramFolder::Transfers() const {
    std::vector<TransferLine> transfers;
    for (const std::string& line : ReadLines(m_path + kTransferLogName)) {
        portio::TransferRecord record;
        if (!portio::ParseTransferLine(line, record)) continue;
        transfers.push_back({record.Kind, record.Microseconds, record.Bytes});
    }
    return transfers;
}

bool WaitForQuietLog(const ProgramFolder& folder, ULONGLONG quietMs, DWORD deadlineMilliseconds) {
    return testsupport::WaitForQuiet([&] { return folder.Transfers().size(); }, quietMs, deadlineMilliseconds);
}

std::string ProgramFolder::TransferLogPath() const { return m_path + kTransferLogName; }

std::vector<std::string> ProgramFolder::OptionRecord() const { return ReadLines(m_path + "standin-option.log"); }

std::vector<std::string> ProgramFolder::PortioCalls() const { return ReadLines(m_path + "portio-calls.log"); }

std::unique_ptr<SettingsBlock> DefaultProfileSet() {
    auto block = std::make_unique<SettingsBlock>();
    ClearBlock(*block);
    ResetProfileSet(*block);
    return block;
}

bool WriteSharedBlock(const SettingsBlock& block) {
    HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, agent::kSharedBlockName);
    HANDLE mutex = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, agent::kSettingsMutexName);
    bool written = false;
    if (mapping && mutex) {
        void* view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof block);
        if (view && WaitForSingleObject(mutex, INFINITE) == WAIT_OBJECT_0) {
            memcpy(view, &block, sizeof block);
            ReleaseMutex(mutex);
            written = true;
        }
        if (view) UnmapViewOfFile(view);
    }
    if (mapping) CloseHandle(mapping);
    if (mutex) CloseHandle(mutex);
    return written;
}

size_t SelectCount(const ProgramFolder& folder) {
    size_t count = 0;
    for (const TransferLine& line : folder.Transfers())
        count += line.kind == "SetFeature" && !line.bytes.empty() && line.bytes[0] == kProfileSelectCode;
    return count;
}

HWND StartAgentAndWaitForFirstWrite(ProgramFolder& folder) {
    if (!folder.StartAgent()) return nullptr;
    HWND window = folder.WaitForAgentWindow();
    if (!window || !WaitFor([&] { return SelectCount(folder) >= 1; })) return nullptr;
    return window;
}

long RunPortioctl(const std::string& arguments, std::string* output) {
    const std::string command = "\"" + testsupport::DistFolder() + "portioctl.exe\" --wait 30 " + arguments;
    const testsupport::ProgramResult run = testsupport::RunProgram(command);
    if (output) *output = run.output;
    return run.timedOut ? -1 : static_cast<long>(run.exitCode);
}


}  // namespace agenttest
