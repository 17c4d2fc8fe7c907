#include "DebugOutputCapture.h"

#include <algorithm>

namespace agenttest {

namespace {

// How long one wait for a debug event lasts before the stop flag is checked.
constexpr DWORD kEventWaitMs = 100;
constexpr DWORD kAttachDeadlineMs = 30000;
// Longest debug text kept.
constexpr SIZE_T kTextCapacity = 1024;

}  // namespace

DebugOutputCapture::DebugOutputCapture(DWORD processId) : m_processId(processId) {
    m_thread = std::thread([this] { Run(); });
}

DebugOutputCapture::~DebugOutputCapture() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
}

bool DebugOutputCapture::WaitUntilAttached() {
    const ULONGLONG end = GetTickCount64() + kAttachDeadlineMs;
    while (m_attached == 0 && GetTickCount64() < end) Sleep(20);
    return m_attached == 1;
}

bool DebugOutputCapture::Holds(const std::string& text) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::find(m_texts.begin(), m_texts.end(), text) != m_texts.end();
}

void DebugOutputCapture::Run() {
    if (!DebugActiveProcess(m_processId)) {
        m_attached = -1;
        return;
    }
    // Ending the capture must not end the agent.
    DebugSetProcessKillOnExit(FALSE);
    m_attached = 1;
    bool running = true;
    while (running && !m_stop) {
        DEBUG_EVENT event{};
        if (!WaitForDebugEvent(&event, kEventWaitMs)) continue;
        DWORD status = DBG_CONTINUE;
        switch (event.dwDebugEventCode) {
        case CREATE_PROCESS_DEBUG_EVENT:
            if (event.u.CreateProcessInfo.hFile) CloseHandle(event.u.CreateProcessInfo.hFile);
            m_process = event.u.CreateProcessInfo.hProcess;
            break;
        case LOAD_DLL_DEBUG_EVENT:
            if (event.u.LoadDll.hFile) CloseHandle(event.u.LoadDll.hFile);
            break;
        case OUTPUT_DEBUG_STRING_EVENT:
            Keep(event);
            break;
        case EXCEPTION_DEBUG_EVENT:
            // The attach breakpoint is ours; every other exception is the
            // agent's own to handle.
            if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT)
                status = DBG_EXCEPTION_NOT_HANDLED;
            break;
        case EXIT_PROCESS_DEBUG_EVENT:
            running = false;
            break;
        default:
            break;
        }
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
    }
    if (running) DebugActiveProcessStop(m_processId);
}

void DebugOutputCapture::Keep(const DEBUG_EVENT& event) {
    const OUTPUT_DEBUG_STRING_INFO& info = event.u.DebugString;
    if (!m_process || info.fUnicode) return;
    std::string text(std::min<SIZE_T>(info.nDebugStringLength, kTextCapacity), '\0');
    SIZE_T read = 0;
    if (!ReadProcessMemory(m_process, info.lpDebugStringData, &text[0], text.size(), &read)) return;
    text.resize(strnlen(text.c_str(), read));
    std::lock_guard<std::mutex> lock(m_mutex);
    m_texts.push_back(text);
}

}  // namespace agenttest
