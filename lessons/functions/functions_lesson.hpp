// lesson_functions: variables, functions and domains, then first looks at
// proportion and inverse proportion.
#pragma once

#include <string>

#include "framework/figures/figures.hpp"

namespace lessons {

class FunctionsLesson : public figures::Figures {
public:
    // The main menu: the program's first lesson step; returns when the
    // learner quits.
    void FUNCTIONS_MAIN_MENU();

    // One sub-menu bar at the bottom of the page: shows `bar_text`, reads a
    // number and returns the chosen item 1..items, asking again for anything
    // else. Sets SENTAKU, AINP (= 10) and CCC1 as the bar always does.
    int submenu_choice(const std::string& bar_text, int items);

    // ---- topics 1 to 4: pool, domains, two quantities, shredder -----------------
    void POOL_MENU();
    void DOMAIN_MENU();
    void RELATION_MENU();
    void SHREDDER_MENU();

    // ---- topics 5 to 7: proportion, inverse proportion, basic problems ---------------
    void PROPORTION_MENU();
    void INVERSE_MENU();
    void BASIC_PROBLEMS_MENU();

protected:
    std::string program_title() const override { return "lesson_functions"; }
    void MAIN_MENU_ENTRY() override { FUNCTIONS_MAIN_MENU(); }

    // ---- values of topics 1 to 4 (their scenes' own names) --------------------------
    // (added by the topics' files)

    // ---- values of topics 5 to 7 --------------------------------------------------------
    // (added by the topics' files)

    // ---- scenes of topics 1 to 4 ----------------------------------------------------------
    // (declared by the topics' files)

    // ---- scenes of topics 5 to 7 -----------------------------------------------------------
    // (declared by the topics' files)
};

}  // namespace lessons
