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
    // Item 3, table, formula and graph: its aims page, its bar and four pages.
    void INV_TABLE_FORMULA_GRAPH_AIMS();
    void INV_TABLE_FORMULA_GRAPH_MENU();
    void INV_TABLE_TO_FORMULA_SCENE();       // the table of p.142 and three ideas
    void INV_CONSTANT_IN_VIEWS_SCENE();      // where 12 shows in table, formula and graph
    void INV_GRAPH_TO_FORMULA_DRILL();       // example 1: a formula off a random graph
    void INV_GRAPH_TO_FORMULA_Q1_ANSWERS();  // question 1: two hyperbolas

    // Item 4, the basic problems of p.143: two pages.
    void INV_BASIC_PROBLEM1_SCENE();  // the formula from one pair, then two values
    void INV_BASIC_PROBLEM2_SCENE();  // the graph of y=-8/x

    // Item 5, y=ax and y=a/x compared: its aims page, its bar and three pages.
    void INV_FEATURES_AIMS();
    void INV_FEATURES_MENU();
    void INV_FEATURES_FORMULA_SHAPE_SCENE();
    void INV_FEATURES_CHANGE_POSITIVE_SCENE();
    void INV_FEATURES_CHANGE_NEGATIVE_SCENE();

    // Shapes the pages of items 3 to 5 share.
    // The x row and the y row of the table of y = a/x: a heading cell "x"
    // or "y" and a lead cell "…", both 58 wide, a value cell 90 wide for
    // each x from `first` to `last`, and a tail cell "…" `tail_width` wide;
    // the x row at the top Y(11), the y row at Y(12), from the left edge
    // X(11), the value cells from X(12). The y of the column x is kept in
    // T$(x + 5), with "*" (shown as ×) where x is 0.
    void inverse_table_rows(float a, int first, int last, float tail_width);
    // A coordinate plane with every input of DRAW_AXES set, one value per
    // grid unit.
    void inverse_plane(float ggx, float ggy, float aa1, float aa2, float bb1, float bb2, float size,
                       float grid, float nasi);
    // A graph on the last plane: y = a/x (kind 1) or y = ax (kind 3), in
    // `colour`, with `label` at its last dot (moved by KASANARIX, KASANARIY).
    void inverse_graph(float kind, float a, float colour, const std::string& label = "");
    // The marked point of a graph at the grid point (gx, gy) of the last
    // plane: its feet X(1), Y(1) on the x-axis and X(3), Y(3) on the y-axis,
    // the point X(2), Y(2); the x label "1" 14 px left of the x-foot and
    // `label_drop` px below it, then the guides from both feet and the dot,
    // all in colour 7 at width 5.
    void marked_point(float gx, float gy, float label_colour, float label_drop);
    // The arrow pair from (GX3, GY3) to (GX4, GY4): the run arrow across
    // to (GX4, GY3), the run label "増加" in colour 5 over the run's middle
    // (14 px left of it, `label_lift` px above the arrow), then the change
    // arrow up or down to (GX4, GY4); plain arrows in colour 0, heads 16 px.
    void arrow_pair(float label_lift);
    // The text of blank `index` in colour 5 at its stored pen place
    // (U(index), V(index)).
    void fill_blank(int index, const std::string& text);
    // A lettered point of the last plane at the value point (xg, yg): a dot
    // of radius 8 in colour 5, its letter 10 px left of and 70 px above it.
    void lettered_point(float xg, float yg, const std::string& letter);
    // One draw of the drill's point A = (T(1), T(2)) and its constant F(1) =
    // x0·y0 (F(2) its size), drawn again while the constant equals FMAESU
    // or its size is 10 or less; the accepted constant goes to FMAESU.
    void graph_drill_draw();
    // The start of both basic-problems pages: the white page, the margins,
    // draw width 3 and the header cell "P143 基本の問題".
    void basic_problems_header();
    // The two increase-decrease pages, told apart by the sign of a.
    void features_change_page(float sign);
};

}  // namespace lessons
