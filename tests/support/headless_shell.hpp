// A shell to run routines on in tests.
#pragma once

#include <string>

#include "framework/shell/shell.hpp"

namespace test_support {

// A lesson shell with no lesson: the routines of the shell run on it directly.
class HeadlessShell : public shell::Shell {
protected:
    std::string program_title() const override { return "テスト"; }
    void MAIN_MENU_ENTRY() override {}
};

}  // namespace test_support
