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

    // Scene helpers of topics 5 to 7 (proportion.cpp).
    // A text piece that starts a line at (x, y): sets the pen and draws `text`
    // by TEXT_OUT in `colour`, then keeps XI2 = X and YI1 = Y.
    void piece_at(float x, float y, float colour, const std::string& text);
    // A text piece that goes on where the last one ended, at (XI2, YI1).
    void piece_after(float colour, const std::string& text);
    // A text on a figure: drawn by TEXT_OUT at (x, y); the pen is not moved.
    void figure_label(float x, float y, float colour, const std::string& text);
    // The white box from (0,0), 1760 by 1800, that every scene starts with.
    void clear_scene();
    // The aims page: "<めあて>" and its two lines from (44, 240).
    void aims_page(const std::string& line1, const std::string& line2);
    // One framed cell by TABLE_CELL.
    void framed_cell(float x, float y, float haba, float tate, float border, float fill,
                     float colour, const std::string& text);
    // The text of a number without its blank (A_S is left holding it).
    std::string number_text(float value);
    // An invisible figure frame: DRAW_GRID with CCC2 = 15 sets GX0, GY0 only.
    void figure_frame(float ggx, float ggy, float yoko, float tate, float size);
    // Figure point `index` at grid (a, b), kept in X() and Y() and turned into
    // pixels of the current frame.
    void figure_point(int index, float a, float b);
    // The closed outline through four figure points, width 5, colour 0.
    void figure_quad(int p1, int p2, int p3, int p4);
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
