// The transfer log file: one line per transfer, written straight through
// (no buffering of ours) so that readers see each line as soon as it is
// written, time from the high-resolution performance counter.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>

namespace portio {

class TransferLogFile {
public:
    TransferLogFile() = default;
    TransferLogFile(const TransferLogFile&) = delete;
    TransferLogFile& operator=(const TransferLogFile&) = delete;
    ~TransferLogFile();

    // Appends to the file (created when missing). An empty path or a file
    // that cannot be opened leaves the log off.
    void Open(const std::string& path);
    void Write(const char* kind, const unsigned char* bytes, int length);

private:
    std::mutex m_lock;
    HANDLE m_file = INVALID_HANDLE_VALUE;
    LARGE_INTEGER m_frequency{};
};

}  // namespace portio
