// The inverse-proportion topic: its aims page, its bar and four scenes
// (walking 1200 m, judging from the formula, the rectangle of area 18 that
// the learner resizes with the arrow keys, and the answers of exercise 2).
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "framework/platform/text.hpp"
#include "functions_lesson.hpp"

namespace lessons {

void FunctionsLesson::INVERSE_MENU() {
    INVERSE_AIM();
    run_bar(" ①反比例の定義　②式で判断　③例１　④問2　⑤終了",
            {&FunctionsLesson::INVERSE_DEFINITION_SCENE, &FunctionsLesson::INVERSE_JUDGE_SCENE,
             &FunctionsLesson::INVERSE_EXAMPLE1_SCENE, &FunctionsLesson::INVERSE_ANSWERS2_SCENE});
}

// Drawn on the page the main menu has just cleared; no key wait.
void FunctionsLesson::INVERSE_AIM() {
    aim_page(32, "1 小学校で学んだ反比例をみなおそう。");
    write_at(XI1 + 32, YI1 + 65, 0, "2 反比例の関係を式に表そう。");
}

// Walking 1200 m at x m a minute takes y minutes: the table of y = 1200/x
// revealed one value per key, four questions in a second column, then the
// definition of inverse proportion and its properties.
void FunctionsLesson::INVERSE_DEFINITION_SCENE() {
    white_box(0, 0, 1760, 1800);
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI1, YI1, 3, "Q 1200m");
    write_on(0, "の道のりを、");
    write_on(3, "毎分xm");
    write_on(0, "の速さで");
    write_on(3, "y分");
    write_on(0, "歩くとすると");

    // Each row: head cell, "…", five value cells, "…"; border 3, white fill.
    const float x_row = YI1 + 60;
    const float y_row = x_row + 50;
    table_cell_at(XI1, x_row, 58, 50, "x", 0, 3, 15);
    table_cell_at(98, x_row, 58, 50, "…", 0, 3, 15);
    for (int i = 1; i <= 5; ++i) {
        table_cell_at(156 + 90 * (i - 1), x_row, 90, 50, stripped_text_of(20 * i + 20), 0, 3, 15);
    }
    table_cell_at(606, x_row, 58, 50, "…", 0, 3, 15);
    table_cell_at(XI1, y_row, 58, 50, "y", 0, 3, 15);
    table_cell_at(98, y_row, 58, 50, "…", 0, 3, 15);
    for (int i = 1; i <= 5; ++i) {
        T_A_S(i) = stripped_text_of(1200 / float(20 * i + 20));
        table_cell_at(156 + 90 * (i - 1), y_row, 90, 50, "", 0, 3, 15);
    }
    table_cell_at(606, y_row, 58, 50, "…", 0, 3, 15);
    // Anchor of the second text column: 20 px right of the table, at the x row.
    U_A(1) = 664 + 20;
    V_A(1) = x_row;
    WAIT_KEY();

    for (int i = 1; i <= 5; ++i) {
        table_cell_at(156 + 90 * (i - 1), y_row, 90, 50, T_A_S(i), 5, 3, 15);
        WAIT_KEY();
    }
    // A further wait: two keys lead from the last value to the questions.
    WAIT_KEY();

    YI1 = y_row;
    write_at(XI1, YI1 + 70, 0, "① xの値が2倍,3倍,…となると、");
    write_at(XI1 + 61, YI1 + 60, 3, "yの値は ");
    WAIT_KEY();
    write_on(3, "ﾀ1/2ﾀ倍,ﾀ1/3ﾀ倍,…となる");
    V_A(2) = YI1;
    WAIT_KEY();

    write_at(U_A(1), V_A(1), 0, "② yはxの関数ですか？");
    WAIT_KEY();
    write_on(3, "xを決める");
    write_at(U_A(1) + 61, YI1 + 50, 3, "と、yは1つに決まるから ");
    write_on(5, "関数");
    WAIT_KEY();
    write_at(U_A(1), YI1 + 50, 0, "③ yをxの式で表すと");
    WAIT_KEY();
    write_at(U_A(1), YI1 + 70, 3, "時間=ﾀ1200/速さﾀ で ");
    WAIT_KEY();
    write_on(5, "y=ﾀ1200/xﾀ");
    WAIT_KEY();
    write_at(U_A(1), YI1 + 60, 0, "④ x*yの値は？");
    WAIT_KEY();
    write_on(5, "どこも 1200");
    WAIT_KEY();

    write_at(XI1, V_A(2) + 70, 5, "<反比例の関係とその性質>");
    WAIT_KEY();
    write_at(XI1, YI1 + 60, 0, "① yがxの関数で、");
    write_on(5, "y=ﾀa/xﾀ");
    write_on(0, "と表されるとき、");
    write_on(5, "yはxに反比例する");
    write_on(0, "という。");
    WAIT_KEY();
    write_at(XI1, YI1 + 60, 0, "② ");
    write_on(3, "y=ﾀa/xﾀ");
    write_on(0, "の");
    write_on(3, "a");
    write_on(0, "を");
    WAIT_KEY();
    write_on(5, "比例定数");
    write_on(0, "という。");
    WAIT_KEY();
    write_at(XI1, YI1 + 60, 0, "③ xの値が");
    write_on(3, "2倍、3倍…");
    write_on(0, "になると、yの値は");
    write_on(3, "ﾀ1/2ﾀ倍,ﾀ1/3ﾀ倍");
    write_on(0, "…になる。");
    WAIT_KEY();
    write_at(XI1, YI1 + 60, 0, "④ ");
    write_on(3, "xy");
    write_on(0, "の値は");
    write_on(5, "一定で、比例定数");
    write_on(0, "になる。　");
    write_on(5, "xy=a");
}

// Five formulas, the rule, then each formula marked one piece per key.
void FunctionsLesson::INVERSE_JUDGE_SCENE() {
    white_box(0, 0, 1760, 1800);
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI1, YI1, 3, "課題 yがxに反比例するのはどれですか。比例定数も答えなさい。");
    write_at(XI1, 100, 0, "①y=5x ,②y=ﾀ3/xﾀ ,③ﾀy/xﾀ=2 ,④xy=12 ,⑤y=3x^2");
    WAIT_KEY();
    write_at(XI1, 170, 7, "<考え方>");
    write_at(XI1 + 80, YI1 + 50, 3, "y=ﾀa/xﾀ か　xy=a の形をしていればよい。");
    WAIT_KEY();
    judge_line(YI1 + 70, "①　", "×", "", false);
    judge_line(YI1 + 70, "②　", "○", "3", false);
    judge_line(YI1 + 70, "③　", "×", "", false);
    judge_line(YI1 + 70, "④　", "○", "12", false);
    judge_line(YI1 + 70, "⑤　", "×", "", true);
}

// Example 1: a rectangle of area 18 cm^2 that the learner widens and narrows
// with the arrow keys; its height follows as 18/x.
void FunctionsLesson::INVERSE_EXAMPLE1_SCENE() {
    white_box(0, 0, 1760, 1800);
    // An invisible frame of 13 by 11 squares of 35 px (one square is 1 cm):
    // its box (760,200)-(1215,585) holds the rectangle at every width.
    figure_frame(760, 200, 13, 11, 35);
    // The start rectangle, 6 cm by 3 cm, left side at 4 cm; X(5), Y(5) keep
    // the width and height in cm.
    X_A(1) = 4;
    X_A(2) = X_A(1);
    X_A(3) = 10;
    X_A(4) = 10;
    X_A(5) = 6;
    Y_A(1) = 3;
    Y_A(2) = 0;
    Y_A(3) = 0;
    Y_A(4) = 3;
    Y_A(5) = 3;
    for (int i = 1; i <= 4; ++i) {
        X_A(i) = GX0 + SIZE * X_A(i);
        Y_A(i) = GY0 - SIZE * Y_A(i);
    }

    rt::SET_DRAW_WIDTH(5);
    XI1 = 40;
    YI1 = 30;
    write_at(XI1, YI1, 3, "例1 次の場合yはxに反比例しますか。また、比例定数も答えなさい。");
    write_at(XI1, YI1 + 50, 0, "面積18cm^2 の長方形の 横をxcm,縦をycm とするとき");
    AREA18_RECT_DRAW();
    WAIT_KEY();
    AREA18_RECT_KEYS();
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 3, "<考え方>");
    write_on(7, "式に表し、y=ﾀa/xﾀの形かどうかを調べる。");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 0, "x*y=18 で　");
    WAIT_KEY();
    write_on(3, "y=ﾀ18/xﾀ だから");
    write_on(5, "yはxに反比例する。");
    write_at(XI1, YI1 + 70, 0, "比例定数は、");
    WAIT_KEY();
    write_on(5, "18");
    write_on(3, "(面積)");
    WAIT_KEY();
    write_at(XI1, YI1 + 80, 7, "教科書P121 問2　をやろう。");
}

// The rectangle with corners X(1..4), Y(1..4) (top left, bottom left, bottom
// right, top right), its width and height marks and its area label, drawn on
// the erased frame so that nothing of an earlier size remains.
void FunctionsLesson::AREA18_RECT_DRAW() {
    rt::SET_DRAW_WIDTH(5);
    rt::BOX(GX1, GY1, GX2, GY2, 15, 15);
    figure_quad(1, 2, 3, 4);
    // The arc routine turns a negative height into its absolute value, so
    // each mark sets it again.
    length_mark(1, 4, -1, 10, -15, "xcm");
    length_mark(1, 2, 1, 10, -15, "ycm");
    label_at((X_A(1) + X_A(4)) / 2 - 40.5f, (Y_A(1) + Y_A(2)) / 2 - 25, 7, "18cm^2");
}

// The arrow-key loop: code 28 widens and code 29 narrows the rectangle by
// 1 cm within 2 to 9 cm, each arrow redrawing it; Enter ends the loop.
void FunctionsLesson::AREA18_RECT_KEYS() {
    for (;;) {
        const float step = arrow_key_step();
        X_A(5) = X_A(5) + step;
        if (X_A(5) > 8) X_A(5) = 9;
        if (X_A(5) < 2) X_A(5) = 2;
        if (step == 0) return;
        Y_A(5) = 18 / X_A(5);
        X_A(3) = X_A(1) + SIZE * X_A(5);
        X_A(4) = X_A(3);
        Y_A(1) = Y_A(2) - SIZE * Y_A(5);
        Y_A(4) = Y_A(1);
        AREA18_RECT_DRAW();
    }
}

// The answers of exercise 2: a parallelogram of area 8 cm^2, y = 8/x, and a
// string of 120 cm cut into x pieces, y = 120/x.
void FunctionsLesson::INVERSE_ANSWERS2_SCENE() {
    answer_parallelogram(760, "ycm", "xcm", "8cm^2");
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);

    write_at(XI1, YI1, 3, "問2 解答");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 0, "(1) x*y=8 で ");
    WAIT_KEY();
    write_at(XI1 + 81, YI1 + 70, 3, "y=ﾀ8/xﾀ だから");
    write_on(5, "yはxに反比例する。");
    write_at(XI1 + 81, YI1 + 60, 0, "　比例定数は、");
    WAIT_KEY();
    write_on(5, "8");
    write_on(0, "…");
    WAIT_KEY();
    write_on(5, "平行四辺形の面積");
    WAIT_KEY();
    write_at(XI1, YI1 + 80, 0, "(2) y=120/x で ");
    WAIT_KEY();
    write_at(XI1 + 81, YI1 + 70, 3, "y=ﾀ120/xﾀ だから");
    write_on(5, "yはxに反比例する。");
    write_at(XI1 + 81, YI1 + 60, 0, "　比例定数は、");
    WAIT_KEY();
    write_on(5, "120");
    write_on(0, "…");
    WAIT_KEY();
    write_on(5, "もとのひもの長さ");
}

}  // namespace lessons
