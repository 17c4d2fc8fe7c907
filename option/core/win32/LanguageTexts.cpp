#include "option/core/win32/LanguageTexts.h"

#include "option/core/OptionConstants.h"

namespace {
constexpr int kLongestText = 512;
}

bool LanguageTexts::Load(const std::string& programFolder) {
    Unload();
    m_module = LoadLibraryA((programFolder + option::kLanguageLibraryName).c_str());
    return m_module != nullptr;
}

void LanguageTexts::Unload() {
    if (m_module) FreeLibrary(m_module);
    m_module = nullptr;
}

std::string LanguageTexts::Text(unsigned id) const {
    if (!m_module) return {};
    char buffer[kLongestText] = {};
    const int length = LoadStringA(m_module, id, buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, length) : std::string();
}
