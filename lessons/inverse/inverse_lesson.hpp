// lesson_inverse: inverse proportion y=a/x, its tables, its graph and its
// behaviour near the axes, reading the formula off table and graph, and y=ax
// and y=a/x compared.
#pragma once

#include <string>

#include "lessons/common/lesson.hpp"

namespace lessons {

class InverseLesson : public Lesson {
public:
    // The main menu (main_menu.cpp): the program's first lesson step; returns
    // when the learner quits.
    void MAIN_MENU();

    // The entries of the five main-menu items, in menu order: negative values
    // and finding a; the graph of y=a/x; table, formula and graph; the basic
    // problems of p.143; the features of y=ax and y=a/x.
    void INV_NEGATIVE_TOPIC();
    void INV_GRAPH_TOPIC();
    void INV_TABLE_FORMULA_GRAPH_TOPIC();
    void INV_BASIC_PROBLEMS_MENU();
    void INV_FEATURES_TOPIC();

protected:
    std::string program_title() const override { return "lesson_inverse"; }
    void MAIN_MENU_ENTRY() override { MAIN_MENU(); }

    // ---- item 1, negative values and finding a ----------------------------------------
    // negative.cpp: the aims page, the bar, the tables of y=24/x and y=-24/x,
    // the summary of the properties and the answers of question 1.
    void INV_NEGATIVE_AIMS();
    void INV_NEGATIVE_MENU();
    void INV_TABLE_X_NEGATIVE_SCENE();
    void INV_TABLE_A_NEGATIVE_SCENE();
    void INV_PROPERTIES_SUMMARY_SCENE();
    void INV_FORMULA_Q1_ANSWERS_SCENE();
    // The table scene of y = a/x for x = -4 .. 4 (a = 24 or -24).
    void inverse_table_scene(float a);
    // negative_drills.cpp: finding a from one pair, then y at a second x.
    void INV_FIND_A_EXAMPLE_DRILL();
    void INV_FIND_Y_PROBLEM_DRILL();
    // One problem's numbers of the first drill: y of the pair in T(1) (kept
    // away from FMAESU), x in F(2), a = xy in T(2), their texts by
    // FORMAT_TABLE_ARRAYS.
    void find_a_problem_numbers();

    // ---- item 2, the graph of y=a/x ---------------------------------------------------
    // graph.cpp: the aims page, the bar, y=6/x point by point, y=-6/x and the
    // page comparing the two.
    void INV_GRAPH_AIMS();
    void INV_GRAPH_MENU();
    void INV_GRAPH_POSITIVE_SCENE();
    void INV_GRAPH_NEGATIVE_SCENE();
    // graph_zoom.cpp: the magnified windows near both axes, the answer graph
    // of y=4/x.
    void INV_NEAR_AXES_ZOOM_SCENE();
    void INV_GRAPH_Q1_ANSWER_SCENE();
    // One magnified window's tick texts at the fifth grid line of each axis,
    // in font size 26: the x tick, the y tick, and the separate point that
    // makes one of them a decimal (after the x tick's digits when
    // `point_on_x`, else after the y tick's).
    void zoom_ticks(const std::string& x_tick, const std::string& y_tick, bool point_on_x);
    // graph_change.cpp: how y changes for a > 0 and a < 0, the hyperbola
    // summary.
    void INV_CHANGE_POSITIVE_SCENE();
    void INV_CHANGE_NEGATIVE_SCENE();
    void INV_HYPERBOLA_SUMMARY_SCENE();
    // The six-point change scene of y = a/x (a = 6 or -6).
    void change_scene(float a);

    // ---- item 3, table, formula and graph ---------------------------------------------
    // table_formula_graph.cpp: the aims page, the bar, the formula from the
    // table of p.142 in three ways, where the constant 12 shows in table,
    // formula and graph, and the two hyperbolas of question 1.
    void INV_TABLE_FORMULA_GRAPH_AIMS();
    void INV_TABLE_FORMULA_GRAPH_MENU();
    void INV_TABLE_TO_FORMULA_SCENE();
    void INV_CONSTANT_IN_VIEWS_SCENE();
    void INV_GRAPH_TO_FORMULA_Q1_ANSWERS();
    // The x row and the y row of the table of y = a/x: a row name and a lead
    // cell "…", both 58 wide, a value cell 90 wide for each x from `first` to
    // `last`, and a tail cell "…" `tail_width` wide; the x row at the top
    // Y(11), the y row at Y(12), from the left edge X(11), the value cells
    // from X(12). The y of the column x is kept in T$(x + 5), with "*" (shown
    // as ×) where x is 0.
    void inverse_table_rows(float a, int first, int last, float tail_width);
    // graph_formula_drill.cpp: example 1, a formula read off a random graph.
    void INV_GRAPH_TO_FORMULA_DRILL();
    // One draw of the drill's point A = (T(1), T(2)) and its constant F(1) =
    // x0·y0 (F(2) its size), drawn again while the constant equals FMAESU or
    // its size is 10 or less; the accepted constant goes to FMAESU.
    void graph_drill_draw();

    // ---- item 4, the basic problems of p.143 --------------------------------------------
    // basic_problems.cpp: the formula from one pair and two of its values;
    // the graph of y=-8/x.
    void INV_BASIC_PROBLEM1_SCENE();
    void INV_BASIC_PROBLEM2_SCENE();
    // The start of both pages: the white page, the margins, draw width 3, the
    // header cell "P143 基本の問題" and the badge with the problem's number,
    // its left at `badge_left`.
    void basic_problems_header(const std::string& number, float badge_left);

    // ---- item 5, y=ax and y=a/x compared ------------------------------------------------
    // features.cpp: the aims page, the bar and the page on formula and shape.
    void INV_FEATURES_AIMS();
    void INV_FEATURES_MENU();
    void INV_FEATURES_FORMULA_SHAPE_SCENE();
    // features_change.cpp: the two increase-decrease pages, told apart by the
    // sign of a.
    void INV_FEATURES_CHANGE_POSITIVE_SCENE();
    void INV_FEATURES_CHANGE_NEGATIVE_SCENE();
    void features_change_page(float sign);

    // ---- shapes.cpp: the shapes the scenes share ---------------------------------------
    // A cell of a table row: 50 high, border 3, white fill.
    void row_cell(float x, float y, float width, const std::string& text, float colour);
    // The start of a table row at (left, top): the cell `name` ("x" or "y")
    // and a cell "…" after it, both `width` wide.
    void row_head(float left, float top, const std::string& name, float width);
    // A page's header cell: border 3, fill 13, its text in colour 0.
    void header_cell(float x, float y, float width, float height, const std::string& text);
    // The marked point of a graph at the grid point (gx, gy) of the last
    // plane: its feet X(1), Y(1) on the x-axis and X(3), Y(3) on the y-axis,
    // the point X(2), Y(2); the x label "1" 14 px left of the x-foot and
    // `label_drop` px below it, then the guides from both feet and the dot,
    // all in colour 7 at width 5.
    void marked_point(float gx, float gy, float label_colour, float label_drop);
    // The value at the marked point's y-foot, in colour 5, 58 px left of and
    // 25 px above the foot.
    void marked_y_label(const std::string& text);
    // Value points X(first..last), Y(first..last) turned into pixels of the
    // last plane, in place.
    void to_pixels(int first, int last);
    // The points first..last of y = a/x at the x values in X(), as pixels.
    void inverse_points(int first, int last, float a);
    // Points first..first+3 of y = a/x at x = -6, -1, 1, 6, two on each
    // branch, as pixels.
    void branch_points(int first, float a);
    // The arrow pair from point `from` to point `to` of X(), Y(), kept in
    // (GX3, GY3) and (GX4, GY4): the run arrow across to (GX4, GY3), "増加"
    // in colour 5 14 px left of the run's middle and `run_label_dy` px below
    // the arrow, then the change arrow up or down to (GX4, GY4); both arrows
    // in `colour` with 16 px heads at the draw width in force. The label
    // comes between the arrows, or with `label_last` after both.
    void arrow_pair(int from, int to, float colour, float run_label_dy, bool label_last = false);
    // The word for the change of y beside the change arrow of that pair, in
    // colour 5: `dx` px right of its shaft, 16 px above its middle.
    void change_label(int from, int to, float dx, const std::string& text);
    // Blank `index` begins where the pen stands: (XI2, YI1) is kept in
    // (U(index), V(index)).
    void blank_here(int index);
    // The text of blank `index` in colour 5 at its kept place.
    void fill_blank(int index, const std::string& text);
};

}  // namespace lessons
