// The basic problems of page 143: no aims page, a bar of two pages. Both
// open with the same header cell and a badge with the problem's number
// below its left end.
#include "framework/platform/screen.hpp"
#include "inverse_lesson.hpp"

namespace lessons {

// Entry and bar at once. There is no review page: choice 3 leaves for the
// main menu like choice 4.
void InverseLesson::INV_BASIC_PROBLEMS_MENU() {
    for (;;) {
        switch (submenu_choice("P143 基本の問題 ①1　②2　③振り返り　④終了", 4)) {
            case 1:
                INV_BASIC_PROBLEM1_SCENE();
                break;
            case 2:
                INV_BASIC_PROBLEM2_SCENE();
                break;
            default:
                return;
        }
    }
}

// The badge is a cell 38 × 44, border 4, fill 3, its number in colour 13,
// its top 60 px below the header's.
void InverseLesson::basic_problems_header(const std::string& number, float badge_left) {
    problems_page("P143 基本の問題", 360, 40 + 81);
    problem_badge(badge_left, 90, number);
}

// (1) the formula from x = 3, y = -8; after a key, (2) its values at x = 2
// and x = -4, placed 80 px right of the end of the substitution line of (1)
// and 50 px above it.
void InverseLesson::INV_BASIC_PROBLEM1_SCENE() {
    basic_problems_header("1", 40);
    XI2 = X;
    YI1 = Y;
    write_on(3, "(1)");
    write_on(0, "y=ﾀa/xﾀに ");
    write_at(XI0 + 58, YI1 + 70, 3, "x=3,y=-8 を代入して");
    U_A(1) = XI2 + 80;
    V_A(1) = YI1 - 50;
    write_at(XI0 + 58, YI1 + 70, 0, "-8=ﾀa/3ﾀ  ");
    write_on(0, "ﾀa/3ﾀ=-8");
    write_at(XI0 + 58, YI1 + 70, 0, "a=");
    write_on(3, "-24");
    write_at(XI2 + 60, YI1, 5, "答　y=-ﾀ24/xﾀ");
    WAIT_KEY();

    XI0 = U_A(1);
    XI1 = U_A(1) + 81;
    YI1 = V_A(1);
    write_at(XI0, YI1, 3, "(2)");
    write_on(0, "y=-ﾀ24/xﾀに ");
    write_at(XI1, YI1 + 60, 3, "x=2 を代入して");
    write_at(XI1, YI1 + 70, 0, "y=-ﾀ24/2ﾀ=");
    write_on(5, "-12");
    write_at(XI1, YI1 + 60, 3, "x=-4 を代入して");
    write_at(XI1, YI1 + 70, 0, "y=-ﾀ24/-4ﾀ=");
    write_on(5, "6");
}

// The graph of y = -8/x on a numbered grid, drawn at width 6, its formula
// 44 px above the curve's right end; no pause.
void InverseLesson::INV_BASIC_PROBLEM2_SCENE() {
    // The second badge stands 5 px further right than the first.
    basic_problems_header("2", 45);
    plane(200, 100, -9, 9, -9, 9, 30, 14, 0);
    rt::SET_DRAW_WIDTH(6);
    graph_of(1, -8, 3, "y=-ﾀ8/xﾀ", 0, -44);
}

}  // namespace lessons
