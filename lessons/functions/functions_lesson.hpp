// lesson_functions: variables, functions and domains, then first looks at
// proportion and inverse proportion.
#pragma once

#include <initializer_list>
#include <string>

#include "framework/figures/figures.hpp"
#include "framework/shell/counted_loop.hpp"
#include "framework/platform/screen.hpp"

namespace lessons {

using shell::count_loop;

class FunctionsLesson : public figures::Figures {
public:
    // The main menu: the program's first lesson step; returns when the
    // learner quits.
    void FUNCTIONS_MAIN_MENU();

    // One sub-menu bar at the bottom of the page: shows `bar_text`, reads a
    // number and returns the chosen item 1..items, asking again for anything
    // else. Sets SENTAKU, AINP (= 10) and CCC1 as the bar always does.
    int submenu_choice(const std::string& bar_text, int items);

    // A topic's bar loop: offers `bar_text`, runs scene k for item k and comes
    // back to the bar; the item after the last scene returns (to the main menu).
    using Scene = void (FunctionsLesson::*)();
    void run_bar(const std::string& bar_text, std::initializer_list<Scene> scenes);

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
    float IJ = 0;  // pool: frame of a filling animation, 1 to 120
    float IK = 0;  // pool: the hour shown while the depth table fills, 0 to 6
    float X11 = 0;  // domain: x of the answer cell, kept to draw it again
    float Y11 = 0;  // domain: y of the answer cell
    std::string GX1_S;  // number line: label of the (left) end point
    std::string GX2_S;  // ray: ">" points right; interval: label of the right end point
    std::string GX3_S;  // ray: "=" fills the end point
    std::string GX11_S;  // interval: "=" fills the left end point
    std::string GX21_S;  // interval: "=" fills the right end point

    // Scene pen of topics 1 to 4: a text piece at (x, y) that becomes the
    // current line (XI2, YI1 follow it); a piece that goes on at (XI2, YI1);
    // a label of a figure that leaves the current line alone.
    void write_at(float x, float y, float colour, const std::string& text);
    void write_on(float colour, const std::string& text);
    void label_at(float x, float y, float colour, const std::string& text);
    // A white box erasing w by h pixels from (x, y).
    void white_box(float x, float y, float w, float h);
    // The arrow-key prompt of the interactive figures: 1 right, -1 left,
    // 0 Enter (other keys ask again).
    float arrow_key_step();
    // The aims page: "<めあて>" at (44, 240), the aim 65 px lower and
    // `indent` px further right.
    void aim_page(float indent, const std::string& aim);
    // One framed table cell with its top left at (x, y).
    void table_cell_at(float x, float y, float width, float height, const std::string& text,
                       float text_colour, float border, float fill);
    // A filled polygon given by its first point and the steps to the next.
    void polygon_by_steps(float x, float y, std::initializer_list<rt::Point> steps, int border,
                          int fill);

    // ---- values of topics 5 to 7 --------------------------------------------------------
    // None of their own: their scenes use the program-wide values of the shell.

    // ---- scenes of topics 1 to 4 ----------------------------------------------------------
    // pool
    void POOL_AIM_AND_GEOMETRY();
    void POOL_Q115_SCENE();
    void POOL_Q116_SCENE();
    void POOL_DRAW_FAUCET();
    void POOL_DRAW_DEPTH_SCALE();
    void POOL_DRAW_WATER_JET();
    void POOL_DRAW_TIME_LABEL();
    void POOL_FILL_ANIMATION();
    void POOL_FILL_ANIMATION_TIMED();
    void pool_walls();
    void pool_empty_interior();
    void pool_water(float height);
    void depth_table_cell(float x, float y, float text_colour, const std::string& text);
    // domains
    void DOMAIN_AIM();
    void DOMAIN_REVIEW_SCENE();
    void DOMAIN_SCENE();
    void DOMAIN_ANSWERS_SCENE();
    void NUMBER_LINE_RAY();
    void NUMBER_LINE_INTERVAL();
    void NUMBER_LINE_SLIDER_DRAW();
    void NUMBER_LINE_SLIDER_KEYS();
    void number_line_label(const std::string& text, float mark_x);
    void number_line_end_point(float x, bool included);
    void ray_beside(float gap, const std::string& end, const std::string& direction,
                    const std::string& included);
    void interval_beside(const std::string& left, const std::string& left_included,
                         const std::string& right, const std::string& right_included);
    void domain_answer_cell(const std::string& text);
    // two quantities
    void RELATION_AIM();
    void RELATION_EXAMPLE2_SCENE();
    void RELATION_ANSWERS34_SCENE();
    void RELATION_ANSWER5_SCENE();
    void relation_figure(float ggx, float ggy, float yoko, float tate, int first_corner,
                         std::initializer_list<rt::Point> grid_corners);
    void relation_side_arc(int from_corner, int to_corner, float side);
    void relation_table_row(float y);
    // shredder
    void SHREDDER_AIM();
    void SHREDDER_SCENE();
    void shredder_column(float x, float width, std::initializer_list<const char*> texts,
                         float text_colour, float fill);

    // ---- scenes of topics 5 to 7 -----------------------------------------------------------
    // proportion.cpp: the aims page and the four scenes of the proportion topic
    void PROPORTION_AIM();
    void PROPORTION_DEFINITION_SCENE();
    void PROPORTION_JUDGE_SCENE();
    void PROPORTION_EXAMPLE1_SCENE();
    void PROPORTION_ANSWERS1_SCENE();
    // inverse.cpp: the aims page and the four scenes of the inverse-proportion topic,
    // with the rectangle of area 18 that the learner resizes
    void INVERSE_AIM();
    void INVERSE_DEFINITION_SCENE();
    void INVERSE_JUDGE_SCENE();
    void INVERSE_EXAMPLE1_SCENE();
    void AREA18_RECT_DRAW();
    void AREA18_RECT_KEYS();
    void INVERSE_ANSWERS2_SCENE();
    // basic_problems.cpp: the two pages of the basic problems
    void BASIC_PROBLEMS_12_SCENE();
    void BASIC_PROBLEMS_34_SCENE();
    void BASIC_PROBLEMS_HEADER();

    // Scene helpers of topics 5 to 7 (proportion.cpp); the scene pen, the cells
    // and the bar loop are the shared ones of the main menu.
    // An invisible figure frame: DRAW_GRID with CCC2 = 15 sets GX0, GY0 only.
    void figure_frame(float ggx, float ggy, float yoko, float tate, float size);
    // Figure point `index` at grid (a, b), kept in X() and Y() and turned into
    // pixels of the current frame.
    void figure_point(int index, float a, float b);
    // The closed outline through four figure points, width 5, colour 0.
    void figure_quad(int p1, int p2, int p3, int p4);
    // The rectangle x cm by 4 cm with its length marks, frame corner (frame_x, 300).
    void rectangle_4_by_x(float frame_x);
    // A dotted length mark with its label over the side from point `from` to
    // point `to`, dots and label in colour 3.
    void length_mark(int from, int to, float houkou, float haba, float takasa,
                     const std::string& label);
    // The parallelogram of the exercise answers with its height line, its two
    // length marks and its area label; frame top-left at (ggx, 100).
    void answer_parallelogram(float ggx, const std::string& height_label,
                              const std::string& base_label, const std::string& area_label);
    // One answer line of a judging scene at (40, y): its number, a key, its
    // mark and, for a constant, "　比例定数は、", a key and the constant; a
    // key follows unless the line is the last.
    void judge_line(float y, const std::string& number, const std::string& mark,
                    const std::string& constant, bool last);
};

}  // namespace lessons
