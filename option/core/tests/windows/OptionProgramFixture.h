// The fixture of the tests of the real programs: a program folder of its
// own for each test (skipped when the build lacks a program) and Option's
// main window once started.
#pragma once

#include <gtest/gtest.h>

#include "OptionProgramSupport.h"

class OptionProgramFixture : public ::testing::Test {
protected:
    void SetUp() override { REQUIRE_READY(m_folder); }
    // False when the main window did not show.
    bool StartOption() { return (m_option = m_folder.StartOption()) != nullptr; }
    bool ClickMain(int key) const { return m_folder.Click(m_option, kMainSkin, key); }
    bool ApplyEnabled() const { return m_folder.ControlEnabled(m_option, kMainSkin, kApplyKey); }

    optiontest::OptionFolder m_folder;
    HWND m_option = nullptr;
};
