#include "WriteRequestQueue.h"

#include "monitor/agent/AgentConstants.h"

#include <algorithm>

void WriteRequestQueue::Push(int mode, intptr_t parameter, const SettingsBlock& block) {
    WriteRequest request;
    request.mode = mode;
    request.parameter = parameter;
    request.snapshot = std::make_unique<SettingsBlock>(block);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_requests.push_back(std::move(request));
}

void WriteRequestQueue::DropNewest() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_requests.empty()) m_requests.pop_back();
}

bool WriteRequestQueue::PopOldest(WriteRequest& request) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto isFullWrite = [](const WriteRequest& queued) { return queued.mode == agent::kWriteEverything; };
    auto fullWrites = std::count_if(m_requests.begin(), m_requests.end(), isFullWrite);
    while (fullWrites > 1 && isFullWrite(m_requests.front())) {
        m_requests.pop_front();
        --fullWrites;
    }
    if (m_requests.empty()) return false;
    request = std::move(m_requests.front());
    m_requests.pop_front();
    return true;
}

size_t WriteRequestQueue::Size() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests.size();
}
