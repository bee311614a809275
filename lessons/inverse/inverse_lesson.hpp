// lesson_inverse: inverse proportion y=a/x, its tables, its graph and its behaviour near
// the axes, and y=ax and y=a/x compared.
#pragma once

#include <string>

#include "lessons/common/lesson.hpp"

namespace lessons {

class InverseLesson : public Lesson {
public:
    // The main menu: the program's first lesson step; returns when the
    // learner quits.
    void MAIN_MENU();

    // The topic entries the main menu starts.
    void INV_NEGATIVE_TOPIC();             // negative values and finding a
    void INV_GRAPH_TOPIC();                // the graph of y=a/x
    void INV_TABLE_FORMULA_GRAPH_TOPIC();  // table, formula and graph
    void INV_BASIC_PROBLEMS_MENU();        // the basic problems of p.143
    void INV_FEATURES_TOPIC();             // the features of y=ax and y=a/x

protected:
    std::string program_title() const override { return "lesson_inverse"; }
    void MAIN_MENU_ENTRY() override { MAIN_MENU(); }

    // ==== topics 1 and 2: negative values and finding a; the graph of y=a/x ====
    // (their scenes, helpers and own values)

    // ==== topics 3 to 5: table, formula and graph; basic problems; features compared ====
    // (their scenes, helpers and own values)
};

}  // namespace lessons
