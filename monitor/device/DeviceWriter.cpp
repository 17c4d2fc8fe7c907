#include "monitor/device/DeviceWriter.h"

namespace device {

DeviceWriter::DeviceWriter(DeviceTransport& transport, Sleeper& sleeper, DeviceLinkState& link)
    : m_transport(transport), m_sleeper(sleeper), m_link(link) {}

std::optional<int> DeviceWriter::Write(const SettingsBlock& snapshot, DeviceWriteMode mode) {
    // Busy before the state check: a removal that comes after the check
    // finds the write busy and aborts it (see MarkRemoved).
    m_link.Busy.store(true);
    m_link.Abort.store(false);
    if (m_link.State.load() != kDevicePresent || m_link.Stopping.load()) {
        m_link.Busy.store(false);
        return std::nullopt;
    }
    const int result = Run(PlanDeviceWrite(snapshot, mode, m_macros));
    m_link.Busy.store(false);
    return result;
}

int DeviceWriter::Run(const std::vector<DeviceWriteStep>& steps) {
    int result = 0;
    for (const DeviceWriteStep& step : steps) {
        switch (step.StepKind) {
        case DeviceWriteStep::Kind::Command: {
            const int sent = m_transport.SetFeature(step.Bytes.data(), kCommandSize);
            if (step.IsSelect) result = sent;
            break;
        }
        case DeviceWriteStep::Kind::Chunk:
            m_transport.WriteUSB(step.Bytes.data(), kChunkSize);
            break;
        case DeviceWriteStep::Kind::Pause:
            if (!Pause(step.Milliseconds) || Aborted()) return 0;
            break;
        case DeviceWriteStep::Kind::Sleep:
            m_sleeper.Sleep(step.Milliseconds);
            break;
        }
    }
    return result;
}

bool DeviceWriter::Pause(unsigned milliseconds) {
    for (unsigned round = 0; round < milliseconds / kPauseRoundMilliseconds; ++round) {
        if (Aborted()) return false;
        m_sleeper.Sleep(kPauseRoundMilliseconds);
    }
    return true;
}

bool DeviceWriter::Aborted() const { return m_link.Abort.load() || m_link.Stopping.load(); }

}  // namespace device
