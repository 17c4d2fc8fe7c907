// Fakes of the platform for the session's tests: the shared block, the
// agent, and byte copies inside the in-memory INI store.
#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "option/core/OptionPorts.h"
#include "option/macros/MemoryIniFileStore.h"

namespace coretest {

class FakeSharedBlock : public SharedBlockPort {
public:
    bool agentRunning = true;
    bool attached = false;
    int writes = 0;
    std::unique_ptr<SettingsBlock> block = std::make_unique<SettingsBlock>();

    bool Attach() override { return attached = attached || agentRunning; }
    bool Attached() const override { return attached; }
    bool Read(SettingsBlock& copy) override {
        if (!attached) return false;
        copy = *block;
        return true;
    }
    bool Write(const SettingsBlock& copy) override {
        if (!attached) return false;
        *block = copy;
        ++writes;
        return true;
    }
};

class FakeAgent : public AgentPort {
public:
    bool windowExists = true;
    std::vector<int> applyModes;
    int appletNotices = 0;

    bool SendApply(int mode) override {
        if (!windowExists) return false;
        applyModes.push_back(mode);
        return true;
    }
    void NotifyApplets() override { ++appletNotices; }
};

// Copies section by section through the store's text form.
class StoreCopies : public FileOperations {
public:
    explicit StoreCopies(MemoryIniFileStore& store) : m_store(store) {}
    std::vector<std::string> copies;
    std::vector<std::pair<std::string, unsigned>> attributes;
    bool failCopies = false;

    bool Copy(const std::string& from, const std::string& to) override {
        copies.push_back(from + " -> " + to);
        if (failCopies || !m_store.FileExists(from)) return false;
        std::istringstream lines(m_store.Text(from));
        std::string line, section;
        while (std::getline(lines, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.size() > 1 && line.front() == '[') {
                section = line.substr(1, line.size() - 2);
            } else if (size_t equals = line.find('='); equals != std::string::npos) {
                m_store.SetValue(to, section, line.substr(0, equals), line.substr(equals + 1));
            }
        }
        return true;
    }
    void SetAttributes(const std::string& path, unsigned value) override { attributes.push_back({path, value}); }

private:
    MemoryIniFileStore& m_store;
};

}  // namespace coretest
