#include "portio/win32/TransferLogFile.h"

#include "portio/TransferLog.h"

namespace portio {

TransferLogFile::~TransferLogFile() {
    if (m_file != INVALID_HANDLE_VALUE) CloseHandle(m_file);
}

void TransferLogFile::Open(const std::string& path) {
    if (path.empty()) return;
    QueryPerformanceFrequency(&m_frequency);
    // Shared for reading and writing: tests read it while the agent runs.
    m_file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_file == INVALID_HANDLE_VALUE) OutputDebugStringA("portio: cannot open the transfer log\n");
}

void TransferLogFile::Write(const char* kind, const unsigned char* bytes, int length) {
    if (m_file == INVALID_HANDLE_VALUE) return;
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    const std::string line =
        FormatTransferLine(TicksToMicroseconds(static_cast<uint64_t>(now.QuadPart),
                                               static_cast<uint64_t>(m_frequency.QuadPart)),
                           kind, bytes, length);
    std::lock_guard<std::mutex> guard(m_lock);
    DWORD written = 0;
    WriteFile(m_file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace portio
