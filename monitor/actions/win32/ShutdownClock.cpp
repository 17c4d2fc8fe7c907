#include "monitor/actions/win32/ShutdownClock.h"

namespace actions {

ShutdownClock::ShutdownClock() : m_shutdown(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

ShutdownClock::~ShutdownClock() {
    if (m_shutdown) CloseHandle(m_shutdown);
}

void ShutdownClock::Sleep(unsigned milliseconds) {
    if (m_shutdown) WaitForSingleObject(m_shutdown, milliseconds);
    else ::Sleep(milliseconds);
}

void ShutdownClock::Interrupt() {
    if (m_shutdown) SetEvent(m_shutdown);
}

}  // namespace actions
