// lesson_functions: variables, functions and domains, then first looks at
// proportion and inverse proportion.
#pragma once

#include <initializer_list>
#include <string>

#include "lessons/common/lesson.hpp"

namespace lessons {

class FunctionsLesson : public Lesson {
public:
    // The main menu: the program's first lesson step; returns when the
    // learner quits.
    void FUNCTIONS_MAIN_MENU();

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
    // This program's bars leave AINP = 10 after reading a choice.
    void after_bar_choice() override { AINP = 10; }

    // ---- values of topics 1 to 4 (their scenes' own names) --------------------------
    float IK = 0;  // pool: the hour shown while the depth table fills, 0 to 6
    float X11 = 0;  // domain: x of the answer cell, kept to draw it again
    float Y11 = 0;  // domain: y of the answer cell
    std::string GX1_S;  // number line: label of the (left) end point
    std::string GX2_S;  // ray: ">" points right; interval: label of the right end point
    std::string GX3_S;  // ray: "=" fills the end point
    std::string GX11_S;  // interval: "=" fills the left end point
    std::string GX21_S;  // interval: "=" fills the right end point

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

    // Scene helpers of topics 5 to 7 (proportion.cpp); the scene pen, the
    // cells, the figure shapes and the bar loop are the shared ones.
    // The rectangle x cm by 4 cm with its length marks, frame corner (frame_x, 300).
    void rectangle_4_by_x(float frame_x);
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
