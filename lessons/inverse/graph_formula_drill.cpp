// Example 1 of table, formula and graph: the formula of a hyperbola read off
// its graph through a random lattice point A, one key per worked step, a new
// problem until the learner types 1, then the method and the exercise.
#include <cmath>

#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "inverse_lesson.hpp"

namespace lessons {

// A = (x0, y0) with x0 in 2..7 and y0 in ±2..5, all three values drawn
// again while the constant repeats the last problem's or stays within ±10:
// a small constant puts A too close to the axes to be read off the grid.
void InverseLesson::graph_drill_draw() {
    do {
        T_A(2) = rt::INT(4 * rt::RND() + 2);
        P = rt::INT(2 * rt::RND());
        if (P == 0) T_A(2) = -T_A(2);
        T_A(1) = rt::INT(6 * rt::RND() + 2);
        F_A(1) = T_A(1) * T_A(2);
        F_A(2) = std::fabs(F_A(1));
    } while (F_A(1) == FMAESU || F_A(2) <= 10);
    FMAESU = F_A(1);
}

void InverseLesson::INV_GRAPH_TO_FORMULA_DRILL() {
    white_box(0, 0, 1320, 1300);
    rt::SET_DRAW_WIDTH(5);
    write_at(40, 30, 0, "例1 図の反比例のグラフで、yをxの式で表しなさい。");
    Y_A(31) = YI1 + 60;
    // Any value but 1: at least one problem comes.
    AINP = 3;
    while (AINP != 1) {
        graph_drill_draw();
        FORMAT_TABLE_ARRAYS();
        XI0 = 40;
        XI1 = 50;
        YI1 = Y_A(31);
        X_A(31) = 40;
        // Everything below the title goes.
        white_box(X_A(31), Y_A(31), 2000, 1800);
        plane(724, Y_A(31), -10, 10, -10, 10, 25, 10, 1);
        graph_of(1, F_A(1), 3);
        WAIT_KEY();

        write_at(XI1, YI1 + 20, 0, "求める式を");
        write_at(XI2 + 10, YI1, 3, "y=ﾀa/xﾀ ");
        write_on(0, "とすると");
        WAIT_KEY();
        write_at(XI1, YI1 + 60, 0, "グラフは");
        write_on(3, "点A(" + T_A_S(1) + "," + T_A_S(2) + ")");
        write_on(0, "を通るから");
        point_at(T_A(1), T_A(2), 8, 5, "A", 10, -30);
        WAIT_KEY();
        write_at(XI1, YI1 + 60, 0, "y=ﾀa/xﾀに");
        write_on(3, "x=" + T_A_S(1) + ",y=" + T_A_S(2));
        write_on(0, "を代入して");
        WAIT_KEY();
        write_at(XI1, YI1 + 70, 0, T_A_S(2) + "=ﾀa/" + T_A_S(1) + "ﾀ");
        WAIT_KEY();
        write_at(XI2 + 80, YI1, 0, "ﾀa/" + T_A_S(1) + "ﾀ=" + T_A_S(2));
        WAIT_KEY();
        // y0 first, so a negative factor needs no parentheses; a negative
        // constant shows as a minus before the fraction of |a|.
        write_at(XI1, YI1 + 70, 3, "a=" + T_A_S(2) + "*" + T_A_S(1) + "=" + F_A_S(1));
        write_at(XI2 + 40, YI1, 5, (F_A(1) > 0 ? "答　y=ﾀ" : "答　y=-ﾀ") + F_A_S(2) + "/xﾀ");
        NEXT_STEP_INPUT();
    }

    WAIT_KEY();
    write_at(XI0, YI1 + 90, 3, "①");
    write_on(0, "求める式を");
    write_on(5, "y=ﾀa/xﾀ");
    write_on(0, "とする。");
    write_at(XI0, YI1 + 70, 3, "②");
    write_on(0, "x,yが");
    write_on(5, "整数");
    write_on(0, "になる点をさがし、");
    write_on(5, "代入");
    write_on(0, "する。");
    WAIT_KEY();
    label_at(44, 600, 7, "教科書P143 問1 をしなさい。");
}

}  // namespace lessons
