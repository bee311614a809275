// The drills of the topic on negative values: finding a of y=a/x from one
// pair of values (two methods, one drill each), and finding y at a second x.
// Each problem is drawn on a cleared page and the drill repeats until 1 is
// entered at the next-step prompt.
#include <cmath>

#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "inverse_lesson.hpp"

namespace lessons {

// y is 2..5, bumped to the next value when it equals the previous
// problem's y (FMAESU keeps that y then); x is 3..9.
void InverseLesson::find_a_problem_numbers() {
    T_A(1) = rt::INT(4 * rt::RND() + 2);
    if (T_A(1) == FMAESU) {
        T_A(1) = T_A(1) + 1;
    } else {
        FMAESU = T_A(1);
    }
    F_A(2) = rt::INT(7 * rt::RND() + 3);
    T_A(2) = T_A(1) * F_A(2);
    FORMAT_TABLE_ARRAYS();
}

void InverseLesson::INV_FIND_A_EXAMPLE_DRILL() {
    // The problem's two lines, the same in both drills but for its number.
    const auto problem = [&](const std::string& heading) {
        find_a_problem_numbers();
        white_box(0, 0, 1320, 1300);
        XI0 = 40;
        XI1 = XI0 + 81;
        YI1 = 30;
        write_at(XI0, YI1, 0,
                 heading + "　yはxに反比例し、x=" + F_A_S(2) + "のときy=" + T_A_S(1) + "です。");
        write_at(XI1, YI1 + 50, 0, "このとき、yをxの式で表しなさい。");
        WAIT_KEY();
    };

    // Drill 1: substitute the pair into y=a/x and solve for a.
    AINP = 3;
    while (AINP != 1) {
        problem("例1");
        write_at(XI0, YI1 + 50, 7, "<解答>");
        write_at(XI1, YI1 + 50, 0, "求める式を");
        write_on(3, "y=ﾀa/xﾀ");
        write_on(0, "として");
        write_at(XI1, YI1 + 60, 3, "x=" + F_A_S(2) + ",y=" + T_A_S(1));
        write_on(0, "を代入すると");
        WAIT_KEY();
        write_at(XI1, YI1 + 60, 0, T_A_S(1) + "=ﾀa/" + F_A_S(2) + "ﾀ");
        WAIT_KEY();
        write_at(XI1, YI1 + 60, 0, "ﾀa/" + F_A_S(2) + "ﾀ=" + T_A_S(1));
        WAIT_KEY();
        write_at(XI1, YI1 + 70, 0, "a=" + F_A_S(2) + "*" + T_A_S(1) + "=" + T_A_S(2));
        WAIT_KEY();
        write_at(XI1, YI1 + 70, 5, "答　y=ﾀ" + T_A_S(2) + "/xﾀ");
        NEXT_STEP_INPUT();
    }
    write_at(XI0, YI1 + 80, 5, "y=ﾀa/xﾀ として aを求める");
    WAIT_KEY();

    // Drill 2: a is the product xy.
    AINP = 3;
    while (AINP != 1) {
        problem("例2");
        write_at(XI0, YI1 + 50, 7, "<別解>");
        write_at(XI1, YI1 + 50, 0, "求める式を");
        write_on(3, "y=ﾀa/xﾀ");
        write_on(0, "とすると");
        write_at(XI1, YI1 + 70, 3, "a=");
        WAIT_KEY();
        write_on(0, F_A_S(2) + "*" + T_A_S(1) + "=");
        WAIT_KEY();
        write_on(3, T_A_S(2));
        WAIT_KEY();
        write_at(XI1, YI1 + 70, 5, "答　y=ﾀ" + T_A_S(2) + "/xﾀ");
        NEXT_STEP_INPUT();
    }
    write_at(XI0, YI1 + 80, 5, "a=xy から aを求める");
}

// y is inversely proportional to x, y = y1 at x = x1 (either sign): a = x1*y1,
// then y at x2 as a whole number or in lowest terms, with the unreduced
// fraction shown first whenever it reduces. Nothing keeps the same problem
// from coming twice.
void InverseLesson::INV_FIND_Y_PROBLEM_DRILL() {
    AINP = 3;
    while (AINP != 1) {
        T_A(1) = rt::INT(4 * rt::RND() + 2);
        F_A(1) = rt::INT(8 * rt::RND() + 1);
        P = rt::INT(2 * rt::RND());
        if (P == 0) T_A(1) = -T_A(1);
        T_A(2) = rt::INT(8 * rt::RND() + 3);
        T_A(3) = T_A(1) * F_A(1);
        T_A(4) = std::fabs(T_A(3));
        if (T_A(2) == T_A(1)) T_A(2) = T_A(2) + 1;
        DB = T_A(2);
        DS = T_A(3);
        REDUCE_FRACTION();
        X_A_S(1) = A2_S;
        F_A(2) = DB;
        FORMAT_TABLE_ARRAYS();
        F_A_S(3) = T_A(3) < 0 ? "-" : "";

        white_box(0, 0, 1320, 1300);
        XI0 = 40;
        XI1 = XI0 + 81;
        YI1 = 30;
        write_at(XI0, YI1, 0,
                 "Q 　yはxに反比例し、x=" + T_A_S(1) + "のときy=" + F_A_S(1) + "です。");
        write_at(XI1, YI1 + 50, 0, "x=" + T_A_S(2) + "のときのyの値を求めなさい。");
        WAIT_KEY();
        write_at(XI0, YI1 + 50, 7, "<解答>");
        write_at(XI1, YI1 + 70, 0, "求める式を");
        write_on(3, "y=ﾀa/xﾀ");
        write_on(0, "とすると、");
        write_at(XI1, YI1 + 50, 3, "x=" + T_A_S(1) + "のとき,y=" + F_A_S(1));
        write_on(0, " だから");
        WAIT_KEY();
        write_at(XI1, YI1 + 70, 3, "a=");
        write_on(0, T_A_S(1) + "*" + F_A_S(1) + "=");
        WAIT_KEY();
        write_on(3, T_A_S(3));
        WAIT_KEY();
        write_at(XI2 + 50, YI1, 0, "よって ");
        write_on(3, "y=" + F_A_S(3) + "ﾀ" + T_A_S(4) + "/xﾀ");
        WAIT_KEY();
        write_at(XI1, YI1 + 70, 0, "この式に x=" + T_A_S(2) + "を代入して");
        WAIT_KEY();
        write_at(XI1, YI1 + 70, 3, "y=");
        WAIT_KEY();
        if (F_A(2) != T_A(2)) {
            write_on(0, F_A_S(3) + "ﾀ" + T_A_S(4) + "/" + T_A_S(2) + "ﾀ=");
            WAIT_KEY();
        }
        write_on(3, X_A_S(1));
        WAIT_KEY();
        write_at(XI1, YI1 + 70, 5, "答　y=" + X_A_S(1));
        NEXT_STEP_INPUT();
    }
    WAIT_KEY();
    write_at(400, YI1 + 50, 7, "教科書P137 問1　をしなさい。");
}

}  // namespace lessons
