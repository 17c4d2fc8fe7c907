// The decoder's handler in the agent: arrival and removal go to the agent's
// logic, opening Option to the agent window, everything else to the action
// engine.
#pragma once

#include "monitor/actions/ActionEngine.h"
#include "monitor/agent/AgentCore.h"
#include "monitor/device/DeviceEvent.h"

#include <functional>

class DeviceEventRouter : public device::DeviceEventHandler {
public:
    DeviceEventRouter(AgentCore& core, ActionEngine& actions, std::function<void()> openOption)
        : m_core(core), m_actions(actions), m_openOption(std::move(openOption)) {}

    void OnArrival() override { m_core.OnArrival(); }
    void OnRemoval() override { m_core.OnRemoval(); }
    void OpenOption() override {
        if (m_openOption) m_openOption();
    }
    void ScrollStep(int step) override { m_actions.ScrollStep(step); }
    void DeviceStateNotice(uint16_t type, uint16_t data) override { m_actions.DeviceStateNotice(type, data); }
    void ButtonAction(uint16_t data) override { m_actions.ButtonAction(data); }
    void ProgramLaunch(int button) override { m_actions.ProgramLaunch(button); }
    void MediaCommand(int command, int release) override { m_actions.MediaCommand(command, release); }

private:
    AgentCore& m_core;
    ActionEngine& m_actions;
    std::function<void()> m_openOption;
};
