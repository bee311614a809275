// The two drills of the topic on negative values and finding a: the formula
// y=ax from one pair of values, and the constant from one pair followed by y
// at a new x. Each draws fresh numbers, solves the problem one step per key
// and repeats until the learner enters 1 at "次のステップは１を入力。".
#include "direct_lesson.hpp"
#include "framework/platform/numbers.hpp"

namespace lessons {

// a is 2 to 5 with a random sign, x 3 to 9. An a equal to the last one kept
// in FMAESU is shown raised by one and FMAESU stays; otherwise FMAESU takes a.
void DirectLesson::DRILL_FORMULA_FROM_PAIR() {
    AINP = 3;
    while (AINP != 1) {
        T_A(1) = rt::INT(rt::RND() * 4 + 2);
        P = rt::INT(rt::RND() * 2);
        if (P == 0) T_A(1) = -T_A(1);
        if (T_A(1) == FMAESU) {
            T_A(1) = T_A(1) + 1;
        } else {
            FMAESU = T_A(1);
        }
        F_A(2) = rt::INT(rt::RND() * 7 + 3);
        T_A(2) = T_A(1) * F_A(2);
        FORMAT_TABLE_ARRAYS();

        white_box(0, 0, 1320, 1300);
        XI0 = 40;
        XI1 = XI0 + 81;
        YI1 = 30;
        write_at(XI0, YI1, 0,
                 "例1　yはxに比例し、x=" + F_A_S(2) + "のときy=" + T_A_S(2) + "です。");
        write_at(XI1, YI1 + 50, 0, "このとき、yをxの式で表しなさい。");
        WAIT_KEY();
        write_at(XI0, YI1 + 50, 7, "<解答>");
        write_at(XI1, YI1 + 50, 0, "求める式を");
        write_on(3, "y=ax");
        write_on(0, "として");
        write_at(XI1, YI1 + 50, 3, "x=" + F_A_S(2) + ",y=" + T_A_S(2));
        write_on(0, "を代入すると");
        WAIT_KEY();
        write_at(XI1, YI1 + 50, 0, T_A_S(2) + "=a*" + F_A_S(2));
        WAIT_KEY();
        write_at(XI1, YI1 + 55, 0, F_A_S(2) + "a=" + T_A_S(2));
        WAIT_KEY();
        write_at(XI1, YI1 + 70, 0, "a=ﾀ" + T_A_S(2) + "/" + F_A_S(2) + "ﾀ=" + T_A_S(1));
        WAIT_KEY();
        write_at(XI1, YI1 + 70, 5, "答　y=" + T_A_S(1) + "x");
        NEXT_STEP_INPUT();
    }
    write_at(XI0, YI1 + 80, 5, "y=ax として aを求める");
}

// x is 2 to 5, y 3 to 10 and never equal to x, the new x 6 to 12. Both a and
// the new y are shown in lowest terms; the same problem may come twice.
void DirectLesson::DRILL_VALUE_FROM_PAIR() {
    AINP = 3;
    while (AINP != 1) {
        T_A(1) = rt::INT(rt::RND() * 4 + 2);
        F_A(1) = rt::INT(rt::RND() * 8 + 3);
        if (F_A(1) == T_A(1)) F_A(1) = F_A(1) + 1;
        // a = y/x in lowest terms: its denominator in T(2), numerator in F(2).
        DB = T_A(1);
        DS = F_A(1);
        REDUCE_FRACTION();
        X_A_S(1) = A2_S;
        T_A(2) = DB;
        F_A(2) = DS;
        // y at the new x: the numerator a*x over a's denominator, reduced.
        T_A(4) = rt::INT(rt::RND() * 7 + 6);
        F_A(4) = F_A(2) * T_A(4);
        DB = T_A(2);
        DS = F_A(4);
        REDUCE_FRACTION();
        X_A_S(2) = A2_S;
        X_A_S(3) = A3_S;
        FORMAT_TABLE_ARRAYS();

        white_box(0, 0, 1320, 1300);
        XI0 = 40;
        XI1 = XI0 + 81;
        YI1 = 30;
        write_at(XI0, YI1, 0, "Q　yはxに比例し、x=" + T_A_S(1) + "のときy=" + F_A_S(1) + "です。");
        write_at(XI1, YI1 + 50, 0, "x=" + T_A_S(4) + "のときのyの値を求めなさい。");
        WAIT_KEY();
        write_at(XI0, YI1 + 50, 7, "<解答>");
        write_at(XI1, YI1 + 50, 0, "求める式を");
        write_on(3, "y=ax");
        write_on(0, "とすると、");
        write_at(XI1, YI1 + 50, 3, "x=" + T_A_S(1) + "のとき,y=" + F_A_S(1));
        write_on(0, " だから");
        WAIT_KEY();
        write_at(XI1, YI1 + 70, 3, "a=");
        // y/x itself only when it was not in lowest terms already.
        if (T_A(1) != T_A(2)) write_on(0, "ﾀ" + F_A_S(1) + "/" + T_A_S(1) + "ﾀ=");
        write_on(3, X_A_S(1));
        WAIT_KEY();
        write_at(XI2 + 50, YI1, 0, "よって ");
        write_on(3, "y=" + X_A_S(1) + "x");
        WAIT_KEY();
        write_at(XI1, YI1 + 70, 0, "この式に x=" + T_A_S(4) + "を代入して");
        WAIT_KEY();
        write_at(XI1, YI1 + 70, 0, "y=" + X_A_S(1) + "*" + T_A_S(4));
        WAIT_KEY();
        write_on(3, "=" + X_A_S(3));
        WAIT_KEY();
        write_at(XI1, YI1 + 70, 5, "答　y=" + X_A_S(2));
        NEXT_STEP_INPUT();
    }
    WAIT_KEY();
    write_at(400, YI1 + 50, 7, "教科書P125 問1　をしなさい。");
}

}  // namespace lessons
