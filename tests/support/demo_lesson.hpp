#pragma once

#include "framework/figures/figures.hpp"

namespace demo {

class DemoLesson : public figures::Figures {
protected:
    std::string program_title() const override { return "demo"; }
    void MAIN_MENU_ENTRY() override;
};

}  // namespace demo
