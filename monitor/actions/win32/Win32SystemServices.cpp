#include "monitor/actions/win32/Win32SystemServices.h"

#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

namespace actions {

namespace {

// Buffers of the registry values and the expanded path.
constexpr DWORD kPathCapacity = 260;

class SnapshotHandle {
public:
    SnapshotHandle() : m_handle(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0)) {}
    ~SnapshotHandle() {
        if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
    }
    SnapshotHandle(const SnapshotHandle&) = delete;
    SnapshotHandle& operator=(const SnapshotHandle&) = delete;
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

}  // namespace

void Win32Shell::Open(const std::string& path) {
    ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOW);
}

void Win32Shell::Execute(const std::string& commandLine) { WinExec(commandLine.c_str(), SW_SHOWNORMAL); }

std::string Win32Shell::ExpandEnvironment(const std::string& text) {
    char expanded[kPathCapacity] = {};
    const DWORD length = ExpandEnvironmentStringsA(text.c_str(), expanded, kPathCapacity);
    return length == 0 || length > kPathCapacity ? std::string() : std::string(expanded);
}

bool Win32PlayerRegistry::ReadText(const char* subkey, const char* valueName, std::string& text) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    char value[kPathCapacity + 1] = {};
    DWORD type = 0;
    DWORD size = kPathCapacity;
    const LONG result = RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    text.assign(value, strnlen(value, kPathCapacity));
    return true;
}

bool Win32ProcessList::ExecutableName(uint32_t processId, std::string& name) {
    SnapshotHandle snapshot;
    if (snapshot.Get() == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.Get(), &entry); more; more = Process32Next(snapshot.Get(), &entry)) {
        if (entry.th32ProcessID == processId) {
            name = entry.szExeFile;
            return true;
        }
    }
    return false;
}

bool Win32ProcessList::SameFileName(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

}  // namespace actions
