// The formula from a graph: a drill on lines through the origin and a
// lattice point, a = n/d never a whole number, and the worked answers of
// question 1.
#include "direct_lesson.hpp"
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"

namespace lessons {

// ---- the drill ----------------------------------------------------------------------------------

// n from 1 to 5 and d from 2 to 9, reduced; drawn again while a is a whole
// number or n is the last problem's numerator (FMAESU, which topic 1's drill
// also writes). Only d, and so the x of the point A, takes the sign.
void DirectLesson::pick_formula_from_graph_numbers() {
    for (;;) {
        T_A(1) = rt::INT(5 * rt::RND() + 1);
        T_A(2) = rt::INT(8 * rt::RND() + 2);
        DS = T_A(1);
        DB = T_A(2);
        REDUCE_FRACTION();
        if (DB == 1) continue;
        T_A(1) = DS;
        T_A(2) = DB;
        if (T_A(1) == FMAESU) continue;
        FMAESU = T_A(1);
        break;
    }
    P = rt::INT(2 * rt::RND());
    if (P == 0) T_A(2) = -T_A(2);
    FORMAT_TABLE_ARRAYS();
    // A negative x goes in brackets inside the product.
    T_A_S(12) = T_A(2) < 0 ? "(" + T_A_S(2) + ")" : T_A_S(2);
    DS = T_A(1);
    DB = T_A(2);
    REDUCE_FRACTION();
    T_A_S(3) = A2_S;
}

// The lower page erased under the title, the plane and the line, then the
// way from the point A to the formula, one line per key.
void DirectLesson::formula_from_graph_problem() {
    pick_formula_from_graph_numbers();
    XI0 = 40;
    XI1 = XI0 + 60;
    YI1 = Y_A(31);
    X_A(31) = XI0;
    white_box(X_A(31), Y_A(31), 2000, 1800);
    GGX = 724;
    GGY = Y_A(31);
    AA1 = -10;
    AA2 = 10;
    BB1 = -10;
    BB2 = 10;
    CCC2 = 10;
    SIZE = 25;
    NASI = 1;
    DRAW_AXES();
    graph_of(3, T_A(1) / T_A(2), 3);
    WAIT_KEY();

    write_at(XI1, YI1, 0, "求める式を");
    write_on(3, "y=ax ");
    write_on(0, "とすると");
    WAIT_KEY();
    write_at(XI1, YI1 + 60, 0, "グラフは");
    write_on(3, "点A(" + T_A_S(2) + "," + T_A_S(1) + ")");
    write_on(0, "を通るから");
    XG = T_A(2);
    YG = T_A(1);
    R = 8;
    CCC3 = 5;
    AAA_S = "A";
    KASANARIX = 10;
    KASANARIY = -30;
    PLOT_POINT();
    WAIT_KEY();
    write_at(XI1, YI1 + 60, 0, "y=axに");
    write_on(3, "x=" + T_A_S(2) + ",y=" + T_A_S(1));
    write_on(0, "を代入して");
    WAIT_KEY();
    write_at(XI1, YI1 + 60, 0, T_A_S(1) + "=a*" + T_A_S(12));
    WAIT_KEY();
    // With n = 1 the line "da=1" stays blank; its place is kept.
    write_at(XI1, YI1 + 50, 0, T_A(1) == 1 ? "" : T_A_S(2) + "a=" + T_A_S(1));
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 3, "a=" + T_A_S(3));
    write_at(XI2 + 120, YI1, 5, "答　y=" + T_A_S(3) + "x");
    NEXT_STEP_INPUT();
}

// Problems until the learner enters 1, then the method in two points and
// the textbook pointer.
void DirectLesson::DRILL_FORMULA_FROM_GRAPH() {
    white_box(0, 0, 1320, 1300);
    rt::SET_DRAW_WIDTH(5);
    XI1 = 40;
    YI1 = 30;
    write_at(XI1, YI1, 0, "例1 図の比例のグラフで、yをxの式で表しなさい。");
    Y_A(31) = Y + 60;
    AINP = 3;
    while (AINP != 1) formula_from_graph_problem();

    WAIT_KEY();
    write_at(XI0, YI1 + 90, 3, "①");
    write_on(0, "求める式を");
    write_on(5, "y=ax");
    write_on(0, "とする。");
    write_at(XI0, YI1 + 50, 3, "②");
    write_on(0, "x,yが");
    write_on(5, "整数");
    write_on(0, "になる点をさがし、");
    write_on(5, "代入");
    write_on(0, "する。");
    WAIT_KEY();
    write_at(44, 600, 7, "教科書P133 問1 をしなさい。");
}

// ---- the answers of question 1 ----------------------------------------------------------------

// Both lines on one plane at once, then for each its point, the
// substitution, a and the formula. The scene draws in the width in force.
void DirectLesson::SCENE_FORMULA_FROM_GRAPH_ANSWERS() {
    white_box(0, 0, 1320, 1300);
    XI0 = 40;
    XI1 = XI0 + 81;
    YI1 = 30;
    GGX = 724;
    GGY = YI1 + 50;
    AA1 = -5;
    AA2 = 5;
    BB1 = -5;
    BB2 = 5;
    CCC2 = 10;
    SIZE = 40;
    NASI = 1;
    DRAW_AXES();
    auto line = [&](float a, float colour, const char* label) {
        IROIRO = 3;
        AA = a;
        BB = 0;
        CCC3 = colour;
        AAA_S = label;
        KASANARIX = 0;
        KASANARIY = 0;
        PLOT_GRAPH();
    };
    line(4.0f / 3.0f, 3, "(1)");
    line(-2.5f, 7, "(2)");
    auto point = [&](float x, float y, const char* letter) {
        XG = x;
        YG = y;
        R = 8;
        CCC3 = 5;
        AAA_S = letter;
        KASANARIX = 10;
        KASANARIY = -30;
        PLOT_POINT();
    };

    write_at(XI1, YI1, 0, "問1　解答");
    write_at(XI0, YI1 + 50, 0, "(1)");
    write_on(3, "点A(3,4)");
    write_on(0, "を通るから、");
    point(3, 4, "A");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 3, "x=3,y=4 を代入して");
    write_at(XI1, YI1 + 50, 0, "4=a*3  3a=4");
    write_at(XI1, YI1 + 70, 3, "a=ﾀ4/3ﾀ");
    write_at(XI2 + 80, YI1, 5, "答　y=ﾀ4/3ﾀx");
    WAIT_KEY();
    write_at(XI0, YI1 + 90, 0, "(2)");
    write_on(3, "点B(2,-5)");
    write_on(0, "を通るから、");
    point(2, -5, "B");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 3, "x=2,y=-5 を代入して");
    write_at(XI1, YI1 + 50, 0, "-5=a*2  2a=-5");
    write_at(XI1, YI1 + 70, 3, "a=-ﾀ5/2ﾀ");
    write_at(XI2 + 80, YI1, 5, "答　y=-ﾀ5/2ﾀx");
}

}  // namespace lessons
