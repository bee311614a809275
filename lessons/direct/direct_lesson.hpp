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
    // negative_find_a.cpp: topic 1's aims page, its two tables, the summary
    // and the worked answers of exercise 1
    void SHOW_AIMS_NEGATIVE_AND_FIND_A();
    void SCENE_TABLE_NEGATIVE_X();
    void SCENE_TABLE_NEGATIVE_A();
    void SCENE_PROPERTIES_SUMMARY();
    void SCENE_EXERCISE_ANSWERS_FIND_A();
    // The table scene of y = a*x over x = -4 to 4: every value cell 90 wide
    // (or only those of x = -4 to -2), and the gap above the first property.
    void table_over_negative_x(float a, bool all_cells_wide, float gap_to_properties);
    // One row of that table at height y: its head, "…", nine value cells and
    // "…"; the x row shows every value, the y row only the 0 under x = 0.
    // The left edges of the value cells go to X(11) to X(19).
    void negative_x_table_row(float y, const std::string& head, bool x_row, bool all_cells_wide);
    // One column of the worked answers: its heading, the substitution, the
    // equation solved for a, and the answer; a key after each step but the last.
    void find_a_answer_column(const std::string& heading, const std::string& pair,
                              const std::string& substituted, const std::string& solved,
                              const std::string& fraction, const std::string& value,
                              const std::string& answer);

    // find_a_drills.cpp: the drill of the formula from one pair, and the one
    // of the constant and then y at a new x
    void DRILL_FORMULA_FROM_PAIR();
    void DRILL_VALUE_FROM_PAIR();

    // coordinates.cpp: topic 2's aims page, the graph of y=2x for x from 0,
    // the terms of the plane and the answers of the two exercises
    void SHOW_AIMS_COORDINATES();
    void SCENE_GRAPH_NONNEGATIVE_X();
    void SCENE_COORDINATE_TERMS();
    void SCENE_COORDINATE_ANSWERS();
    // A plane with its grid: top-left corner, x and y ranges, pixels per unit.
    void plane_with_grid(float ggx, float ggy, float x_from, float x_to, float y_from, float y_to,
                         float size);
    // One point of the current plane with its label (empty: none).
    void plane_point(float x, float y, float radius, float colour, const std::string& label);

    // coordinate_drills.cpp: the two drills on points and their generators
    void DRILL_COORDINATES();
    void GEN_RANDOM_POINT_OF_8();
    void GEN_RANDOM_POINT_OF_4();
    // The chosen point of a generator: X(1), Y(1) from elements of T() and
    // F(), and X$ its coordinates as a text.
    void choose_point(float t_element, float f_element);

    float M = 0;  // terms scene: the anchor a connecting line starts from

    // ==== topics 3 to 5: graphs of y=ax; table, formula and graph; basic problems ====
    // (their scenes, helpers and own values)
};

}  // namespace lessons
