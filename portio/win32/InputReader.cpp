#include "portio/win32/InputReader.h"

#include "portio/win32/HidDevices.h"

namespace portio {

namespace {
constexpr DWORD kStopTimeoutMs = 5000;
}

InputReader::~InputReader() { Stop(); }

bool InputReader::Start(const std::string& path, int reportLength, Callback callback) {
    Stop();
    m_device = OpenHidInterface(path, GENERIC_READ, FILE_FLAG_OVERLAPPED);
    m_stop = UniqueHandle(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!m_device || !m_stop || reportLength <= 0) {
        m_device.Reset();
        return false;
    }
    m_reportLength = reportLength;
    m_callback = std::move(callback);
    m_thread = UniqueHandle(CreateThread(nullptr, 0, Run, this, 0, nullptr));
    return static_cast<bool>(m_thread);
}

void InputReader::Stop() {
    if (m_thread) {
        SetEvent(m_stop.Get());
        WaitForSingleObject(m_thread.Get(), kStopTimeoutMs);
        m_thread.Reset();
    }
    m_device.Reset();
    m_stop.Reset();
}

bool InputReader::Running() const {
    return m_thread && WaitForSingleObject(m_thread.Get(), 0) == WAIT_TIMEOUT;
}

DWORD WINAPI InputReader::Run(void* parameter) {
    try {
        static_cast<InputReader*>(parameter)->ReadLoop();
    } catch (...) {
        OutputDebugStringA("portio: input reader failed\n");
    }
    return 0;
}

void InputReader::ReadLoop() {
    UniqueHandle ready(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!ready) return;
    std::vector<unsigned char> report(static_cast<size_t>(m_reportLength));
    for (;;) {
        OVERLAPPED overlapped{};
        overlapped.hEvent = ready.Get();
        ResetEvent(ready.Get());
        DWORD received = 0;
        if (!ReadFile(m_device.Get(), report.data(), static_cast<DWORD>(report.size()), nullptr, &overlapped) &&
            GetLastError() != ERROR_IO_PENDING)
            return;  // the device is gone
        const HANDLE waits[] = {m_stop.Get(), ready.Get()};
        if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0 + 1) {
            CancelIo(m_device.Get());
            GetOverlappedResult(m_device.Get(), &overlapped, &received, TRUE);
            return;
        }
        if (!GetOverlappedResult(m_device.Get(), &overlapped, &received, FALSE)) return;
        m_callback(std::vector<unsigned char>(report.begin(), report.begin() + received));
    }
}

}  // namespace portio
