// lesson_direct: proportion y=ax with negative values and constants, coordinates, graphs of y=ax,
// and the link between table, formula and graph.
#pragma once

#include <string>

#include "lessons/common/lesson.hpp"

namespace lessons {

class DirectLesson : public Lesson {
public:
    // The main menu: the program's first lesson step; returns when the
    // learner quits.
    void PROPORTION_MAIN_MENU();

    // The topic entries the main menu starts.
    void TOPIC_NEGATIVE_AND_FIND_A();  // negative values and finding a
    void TOPIC_COORDINATES();          // coordinates
    void TOPIC_GRAPH();                // graphs of y=ax
    void TOPIC_TABLE_FORMULA_GRAPH();  // table, formula and graph
    void TOPIC_BASIC_PROBLEMS();       // the basic problems of p.134

protected:
    std::string program_title() const override { return "lesson_direct"; }
    void MAIN_MENU_ENTRY() override { PROPORTION_MAIN_MENU(); }

    // ==== topics 1 and 2: negative values and finding a; coordinates ====
    // (their scenes, helpers and own values)

    // ==== topics 3 to 5: graphs of y=ax; table, formula and graph; basic problems ====
    // (their scenes, helpers and own values)
};

}  // namespace lessons
