// The agent and applet windows, found by their titles each time.
#pragma once

#include "option/core/OptionPorts.h"

class AgentLink : public AgentPort {
public:
    bool SendApply(int mode) override;
    void NotifyApplets() override;
};
