// The basic problems of p.134: no aims page, a bar of three pages. Each page
// opens with the same frame: the header cell naming it, and a numbered badge
// cell for every problem.
#include "direct_lesson.hpp"
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"

namespace lessons {

namespace {
// This program's header cell and badges.
constexpr float kHeaderWidth = 360;
constexpr float kHeaderHeight = 48;
constexpr float kBadgeHeight = 44;
const char* const kHeader = "P134 基本の問題";
}  // namespace

// No aims page: the bar comes at once.
void DirectLesson::TOPIC_BASIC_PROBLEMS() {
    run_bar("P134 基本の問題 ①1,2　②3　③4,5　④終了",
            {&DirectLesson::SCENE_BASIC_PROBLEMS_1_2, &DirectLesson::SCENE_BASIC_PROBLEM_3,
             &DirectLesson::SCENE_BASIC_PROBLEMS_4_5});
}

void DirectLesson::lettered_point(float x, float y, float colour, const std::string& letter) {
    point_at(x, y, 8, colour, letter, 10, -30);
}

// ---- problems 1 and 2 ---------------------------------------------------------------------------

// Problem 1 (why the answer is ア) and problem 2: (1) a from x=4, y=-8;
// (2) y=-2x at x=3 and x=-6, in a second column that starts 80 px right of
// the substitution line of (1).
void DirectLesson::SCENE_BASIC_PROBLEMS_1_2() {
    problems_page(kHeader, kHeaderWidth, 40 + 81, 3, kHeaderHeight);
    problem_badge(XI0, YI1 + 60, "1", kBadgeHeight);
    write_at(XI2 + 40, YI1, 0, "比例の関係では、");
    write_at(XI1, YI1 + 50, 0, "xの値が");
    write_on(3, "2倍、3倍…");
    write_on(0, "になると、yの値も");
    write_on(3, "2倍、3倍…");
    write_on(0, "…になるから");
    write_at(XI1, YI1 + 50, 5, "答　ア");
    WAIT_KEY();

    problem_badge(XI1 - 76, YI1 + 60, "2", kBadgeHeight);
    write_on(3, "(1)");
    write_on(0, "y=axに ");
    write_at(XI0 + 58, YI1 + 50, 0, "x=4,y=-8 を代入して");
    U_A(1) = X + 80;
    V_A(1) = Y - 75;
    write_at(XI0 + 58, YI1 + 50, 0, "-8=a*4  ");
    write_on(0, "4a=-8");
    write_at(XI0 + 58, YI1 + 50, 0, "a=");
    write_on(3, "-2");
    write_at(XI2 + 60, YI1, 5, "答　y=-2x");
    WAIT_KEY();

    XI0 = U_A(1);
    XI1 = XI0 + 81;
    YI1 = V_A(1);
    write_at(XI0, YI1, 3, "(2)");
    write_on(0, "y=-2xに ");
    write_at(XI1, YI1 + 50, 3, "x=3 を代入して");
    write_at(XI1, YI1 + 50, 0, "y=-2*3=");
    write_on(5, "-6");
    write_at(XI1, YI1 + 50, 3, "x=-6 を代入して");
    write_at(XI1, YI1 + 50, 0, "y=-2*(-6)=");
    write_on(5, "12");
}

// ---- problem 3 --------------------------------------------------------------------------------

// The plane with the given points A, B, C; their coordinates; then the
// answer points D, E, F.
void DirectLesson::SCENE_BASIC_PROBLEM_3() {
    problems_page(kHeader, kHeaderWidth, 40 + 81, 3, kHeaderHeight);
    problem_badge(XI1 - 76, YI1 + 60, "3", kBadgeHeight);
    GGX = 720;
    GGY = 100;
    AA1 = -6;
    AA2 = 6;
    BB1 = -6;
    BB2 = 6;
    CCC2 = 14;
    NASI = 0;
    SIZE = 40;
    DRAW_AXES();
    lettered_point(3, -2, 3, "A");
    lettered_point(-4, 4, 3, "B");
    lettered_point(0, -5, 3, "C");
    WAIT_KEY();
    write_at(XI0, YI1 + 50, 0, "(1)");
    write_at(XI1, YI1 + 50, 5, "A(3,-2)");
    write_at(XI1, YI1 + 50, 5, "B(-4,4)");
    write_at(XI1, YI1 + 50, 5, "C(0,-5)");
    WAIT_KEY();
    lettered_point(5, 4, 5, "D");
    lettered_point(-3, -1, 5, "E");
    lettered_point(-1, 0, 5, "F");
}

// ---- problems 4 and 5 ---------------------------------------------------------------------------

// One plane for both: line ① of problem 5 first, the three lines of
// problem 4 one key each, then the formula of ① from its point (2,-3).
void DirectLesson::SCENE_BASIC_PROBLEMS_4_5() {
    problems_page(kHeader, kHeaderWidth, 40 + 81, 3, kHeaderHeight);
    problem_badge(XI1 - 76, YI1 + 60, "4", kBadgeHeight);
    GGX = 600;
    GGY = 100;
    AA1 = -6;
    AA2 = 6;
    BB1 = -6;
    BB2 = 6;
    CCC2 = 14;
    NASI = 0;
    SIZE = 40;
    DRAW_AXES();
    rt::SET_DRAW_WIDTH(5);
    graph_of(3, -1.5f, 0, "①", -360, -480);
    WAIT_KEY();
    graph_of(3, 3, 3, "(1)", -40, -44);
    WAIT_KEY();
    graph_of(3, -1.0f / 3.0f, 3, "(2)", -40, -44);
    WAIT_KEY();
    graph_of(3, 0.75f, 3, "(3)", -40, -44);
    WAIT_KEY();

    // The graph routine leaves HABA = 5000; the badge sets its own width.
    problem_badge(XI1 - 76, YI1 + 60, "5", kBadgeHeight);
    write_at(XI0, YI1 + 50, 0, "求める式を");
    write_on(3, "y=ax ");
    write_on(0, "とすると");
    write_at(XI0, YI1 + 50, 3, " 点(2,-3)");
    write_on(0, "を通るから、");
    lettered_point(2, -3, 5, "");
    WAIT_KEY();
    write_at(XI0, YI1 + 50, 3, "x=2,y=-3 を代入して");
    write_at(XI0, YI1 + 50, 0, "-3=a*2  2a=-3");
    write_at(XI0, YI1 + 70, 3, "a=-ﾀ3/2ﾀ");
    write_at(XI2 + 80, YI1, 5, "答　y=-ﾀ3/2ﾀx");
}

}  // namespace lessons
