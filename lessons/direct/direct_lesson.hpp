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

    // coordinate_drills.cpp: the two drills on points and their generators
    void DRILL_COORDINATES();
    void GEN_RANDOM_POINT_OF_8();
    void GEN_RANDOM_POINT_OF_4();
    // The chosen point of a generator: X(1), Y(1) from elements of T() and
    // F(), and X$ its coordinates as a text.
    void choose_point(float t_element, float f_element);

    float M = 0;  // terms scene: the anchor a connecting line starts from

    // ==== topics 3 to 5: graphs of y=ax; table, formula and graph; basic problems ====
    // graphs of y=ax
    void SHOW_AIMS_GRAPH();
    void SCENE_GRAPH_BY_DENSER_POINTS();
    void SCENE_GRAPH_NEGATIVE_SLOPE();
    void SCENE_CHANGE_POSITIVE_A();
    void SCENE_CHANGE_NEGATIVE_A();
    void SCENE_GRAPH_SUMMARY();
    void SCENE_GRAPH_DRAWING();
    void SCENE_GRAPH_ANSWERS();
    // The numbers and words by which the two scenes on the change of y differ.
    struct ChangeOfY;
    void change_of_y_scene(const ChangeOfY& scene);
    // The table of x = -4..4 under the pen: an x row YI1 + 60 and a y row 50
    // lower, from XI1, in cells 58 by 50 between "…" cells; `y_texts` holds
    // the nine y cells, empty ones drawn empty. X(11), X(12), Y(11), Y(12)
    // keep its corners and the pen follows its last cell.
    void x_table_minus4_to_4(const std::string (&y_texts)[9], float y_colour);
    // The y cell under x = n of that table, drawn again with `text`.
    void x_table_y_cell(int n, const std::string& text, float colour);
    // The plane of half-unit squares with decimal labels, its top left at
    // (ggx, 30): 24 by 32 squares of 20 px, x from -6 to 6, y from -8 to 8.
    void half_unit_plane(float ggx);
    // A point of that plane, in values, without a label.
    void half_unit_point(float x, float y, float radius);
    // The line y = a x over the half-unit plane with its label offset.
    void half_unit_line(float a, float colour, const std::string& label, float shift_x,
                        float shift_y);
    // A point in values without a label, and a labelled line y = a x, on a
    // plane of one value per square.
    void plain_point(float x, float y, float radius, float colour);
    void labelled_line(float a, float colour, const std::string& label, float shift_y);
    // One plane of the summary: axes without grid and the line y = a x.
    void summary_plane(float ggx, float aa1, float aa2, float a);
    // On that line, the run arrow from x = run_from to x = run_to and the
    // rise arrow (GX3, GY3 and GX4, GY4 keep their corners).
    void summary_arrows(float run_from, float run_to);

    // table, formula and graph
    void SHOW_AIMS_TABLE_FORMULA_GRAPH();
    void SCENE_FORMULA_FROM_TABLE();
    void SCENE_CONSTANT_IN_TABLE_FORMULA_GRAPH();
    void DRILL_FORMULA_FROM_GRAPH();
    void SCENE_FORMULA_FROM_GRAPH_ANSWERS();
    // The table of y = -3x for x = first_x..last_x at (40, YI1 + some rows):
    // "x" and "…" 58 wide, the values and the closing "…" `cell_width` wide.
    // X(11), X(12) its left edges, X(13)... the value columns' centres,
    // Y(11)..Y(13) the tops of its rows and its bottom.
    void constant_table(float top, int first_x, int last_x, float cell_width);
    // The dotted arcs between the value columns IJ and IJ + 1 of that
    // table: one over the x row labelled "1", one under the y row "-3".
    void table_step_arc(float chord_y, float houkou, float label_colour, const std::string& label);
    // The numbers of one drill problem: a = n/d in lowest terms, d at least
    // 2, n never the last problem's; d takes the sign (T(1), T(2), their
    // texts T$(1), T$(2), T$(12) and a as markup in T$(3)).
    void pick_formula_from_graph_numbers();
    // One problem of the drill, from its erased lower page to the answer.
    void formula_from_graph_problem();

    // basic problems
    void SCENE_BASIC_PROBLEMS_1_2();
    void SCENE_BASIC_PROBLEM_3();
    void SCENE_BASIC_PROBLEMS_4_5();
    // A point of the basic problems' planes: radius 8, its letter 10 px right
    // of and 30 px above the usual place.
    void lettered_point(float x, float y, float colour, const std::string& letter);
};

}  // namespace lessons
