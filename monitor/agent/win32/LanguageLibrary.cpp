#include "LanguageLibrary.h"

#include "monitor/agent/AgentConstants.h"

LanguageLibrary::~LanguageLibrary() { Unload(); }

bool LanguageLibrary::Load(const std::string& programFolder) {
    Unload();
    const std::string path = programFolder + agent::kLanguageLibraryFileName;
    m_module = LoadLibraryA(path.c_str());
    return m_module != nullptr;
}

void LanguageLibrary::Unload() {
    if (m_module) {
        FreeLibrary(m_module);
        m_module = nullptr;
    }
}

std::string LanguageLibrary::Text(unsigned id) const {
    if (!m_module) return {};
    char buffer[512] = {};
    const int length = LoadStringA(m_module, id, buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, length) : std::string();
}
