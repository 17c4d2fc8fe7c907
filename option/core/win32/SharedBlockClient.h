// The configuration program's side of the shared settings block: it maps
// the block the agent created and copies it whole under the settings mutex.
// The mutex is opened for each copy and closed right after, so that an agent
// restarted while this program runs can create it again.
#pragma once

#include <windows.h>

#include "option/core/OptionPorts.h"

class SharedBlockClient : public SharedBlockPort {
public:
    SharedBlockClient() = default;
    SharedBlockClient(const SharedBlockClient&) = delete;
    SharedBlockClient& operator=(const SharedBlockClient&) = delete;
    ~SharedBlockClient() override { Detach(); }

    // False without an agent; a mapping whose view cannot be mapped shows
    // "Could not map view of file." and gives false too.
    bool Attach() override;
    bool Attached() const override { return m_view != nullptr; }
    bool Read(SettingsBlock& block) override;
    bool Write(const SettingsBlock& block) override;
    void Detach();

private:
    template <class Copy>
    bool UnderMutex(Copy copy);

    HANDLE m_mapping = nullptr;
    void* m_view = nullptr;
};
