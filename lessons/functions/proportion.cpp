// The proportion topic: its aims page, its bar and four scenes (the walker
// at 80 m a minute, judging from the formula, the 4 cm by x cm rectangle and
// the answers of exercise 1). The scene helpers shared with the topics on
// inverse proportion and on the basic problems come first.
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "functions_lesson.hpp"

namespace lessons {

// ---- scene helpers of topics 5 to 7 ----------------------------------------------

// The rectangle x cm by 4 cm in an invisible 4 by 3 frame of 60 px squares
// with its corner at (frame_x, 300): points 5 to 8 its corners.
void FunctionsLesson::rectangle_4_by_x(float frame_x) {
    rectangle_with_length_marks(frame_x, 300, 4, "xcm", "4cm");
}

void FunctionsLesson::answer_parallelogram(float ggx, const std::string& height_label,
                                           const std::string& base_label,
                                           const std::string& area_label) {
    white_box(0, 0, 1760, 1800);
    figure_frame(ggx, 100, 5, 3, 60);
    figure_point(1, 1, 3);    // top-left vertex
    figure_point(2, 0, 0);    // bottom-left vertex
    figure_point(3, 4, 0);    // bottom-right vertex
    figure_point(4, 5, 3);    // top-right vertex
    figure_point(5, 1.5, 3);  // top end of the height
    figure_point(6, 1.5, 0);  // foot of the height
    figure_point(7, 2, 3);    // area label
    rt::SET_DRAW_WIDTH(5);
    figure_quad(1, 2, 3, 4);
    rt::LINE(X_A(5), Y_A(5), X_A(6), Y_A(6), 0);
    length_mark(5, 6, -1, 5, 20, height_label);
    length_mark(2, 3, 1, 10, 20, base_label);
    label_at(X_A(7), Y_A(7), 3, area_label);
}

void FunctionsLesson::judge_line(float y, const std::string& number, const std::string& mark,
                                 const std::string& constant, bool last) {
    write_at(40, y, 0, number);
    WAIT_KEY();
    write_on(5, mark);
    if (!constant.empty()) {
        write_on(0, "　比例定数は、");
        WAIT_KEY();
        write_on(5, constant);
    }
    if (!last) WAIT_KEY();
}

// ---- the topic ---------------------------------------------------------------------

void FunctionsLesson::PROPORTION_MENU() {
    PROPORTION_AIM();
    run_bar(
        " ①比例の定義　②式で判断　③例１　④問１　⑤終了",
        {&FunctionsLesson::PROPORTION_DEFINITION_SCENE, &FunctionsLesson::PROPORTION_JUDGE_SCENE,
         &FunctionsLesson::PROPORTION_EXAMPLE1_SCENE, &FunctionsLesson::PROPORTION_ANSWERS1_SCENE});
}

// Drawn on the page the main menu has just cleared; no key wait.
void FunctionsLesson::PROPORTION_AIM() {
    aim_page(32, "1 小学校で学んだ比例をみなおそう。");
    write_at(XI1 + 32, YI1 + 65, 0, "2 比例の関係を式に表そう。");
}

// Walking at 80 m a minute: the table of y = 80x filled one value per key,
// four observations, then the definition of proportion and its properties.
void FunctionsLesson::PROPORTION_DEFINITION_SCENE() {
    white_box(0, 0, 1760, 1800);
    rt::SET_DRAW_WIDTH(5);
    XI1 = 40;
    YI1 = 20;
    write_at(XI1, YI1, 3, "Q 毎分80m");
    write_on(0, "の速さで、");
    write_on(3, "x分");
    write_on(0, "歩くときの道のりを");
    write_on(3, "ym");
    write_on(0, "とすると");

    // Table corners: header column and first value cell, x row and y row.
    X_A(11) = XI1;
    X_A(12) = X_A(11) + 60;
    Y_A(11) = YI1 + 60;
    Y_A(12) = Y_A(11) + 50;
    table_cell_at(X_A(11), Y_A(11), 60, 50, "x", 0, 0, 15);
    count_loop(II, 0, 10, [&] {
        table_cell_at(90 * II + X_A(12), Y_A(11), 90, 50, stripped_text_of(II), 0, 0, 15);
    });
    table_cell_at(X_A(11), Y_A(12), 60, 50, "y", 0, 0, 15);
    count_loop(II, 0, 10, [&] { table_cell_at(90 * II + X_A(12), Y_A(12), 90, 50, "", 3, 0, 15); });
    WAIT_KEY();

    // One y value per key, left to right.
    count_loop(II, 0, 10, [&] {
        table_cell_at(90 * II + X_A(12), Y_A(12), 90, 50, stripped_text_of(80 * II), 3, 0, 15);
        WAIT_KEY();
    });
    // A second wait after 800: two keys lead to the observations.
    WAIT_KEY();

    YI1 = Y_A(12);
    write_at(XI1, YI1 + 70, 0, "① xの値が2倍,3倍,…となると、");
    write_on(3, "yの値は ");
    WAIT_KEY();
    write_on(3, "2倍,3倍,…となる");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "② yはxの関数ですか？");
    WAIT_KEY();
    write_on(3, "xの値を決めると、yの値は1つに決まるから");
    write_on(5, "関数");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "③ yをxの式で表すと");
    WAIT_KEY();
    write_on(3, "(道のり)=80*(時間) だから ");
    WAIT_KEY();
    write_on(5, "y=80x");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "④ x≠0のとき、ﾀy/xﾀの値は？");
    WAIT_KEY();
    write_on(5, "どこも 80");
    WAIT_KEY();

    write_at(XI1, YI1 + 50, 5, "<比例の関係とその性質>");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "① yがxの関数で、");
    write_on(5, "y=ax");
    write_on(0, "と表されるとき、");
    write_on(5, "yはxに比例する");
    write_on(0, "という。");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "② ");
    write_on(3, "y=ax");
    write_on(0, "の");
    write_on(3, "a");
    write_on(0, "を");
    WAIT_KEY();
    write_on(5, "比例定数");
    write_on(0, "という。");
    write_on(3, "(y=80x では 80)");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "③ xの値が");
    write_on(3, "2倍、3倍…");
    write_on(0, "になると、yの値も");
    write_on(3, "2倍、3倍…");
    write_on(0, "…になる。");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "④ x≠0のとき、");
    write_on(3, "ﾀy/xﾀ");
    write_on(0, "の値は");
    write_on(5, "一定で、比例定数");
    write_on(0, "になる。　");
    write_on(5, "ﾀy/xﾀ=a");
}

// Five formulas, the rule, then each formula marked one piece per key.
void FunctionsLesson::PROPORTION_JUDGE_SCENE() {
    white_box(0, 0, 1760, 1800);
    rt::SET_DRAW_WIDTH(5);
    XI1 = 40;
    YI1 = 30;
    write_at(XI1, YI1, 3, "Q yがxに比例するのはどれですか。比例定数も答えなさい。");
    write_at(XI1, 100, 0, "①y=5x ,②y=ﾀ3/xﾀ ,③ﾀy/xﾀ=2 ,④y=ﾀx/2ﾀ ,⑤y=3x^2");
    WAIT_KEY();
    write_at(XI1, 170, 7, "<考え方>");
    write_at(XI1 + 80, YI1 + 50, 3, "y=ax か　ﾀy/xﾀ=a の形をしていればよい。");
    WAIT_KEY();
    judge_line(YI1 + 70, "①　", "○", "5", false);
    judge_line(YI1 + 70, "②　", "×", "", false);
    judge_line(YI1 + 70, "③　", "○", "2", false);
    judge_line(YI1 + 70, "④　", "○", "ﾀ1/2ﾀ", false);
    judge_line(YI1 + 70, "⑤　", "×", "", true);
}

// A rectangle 4 cm high and x cm wide: y = 4x, the constant is the height.
void FunctionsLesson::PROPORTION_EXAMPLE1_SCENE() {
    white_box(0, 0, 1760, 1800);
    rectangle_4_by_x(720);
    label_at(X_A(5) + 60, Y_A(5) + 30, 3, "ycm^2");
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);

    write_at(XI1, YI1, 3, "例1 ");
    write_on(0, "縦が4cm,横がxcm の長方形の面積をycm^2 とするとき");
    write_at(XI1, YI1 + 50, 0, "  yはxに比例しますか。また、比例定数も答えなさい。");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 7, "<考え方>");
    write_on(3, "式に表し、y=ax の形かどうかを調べる。");
    WAIT_KEY();
    // An empty piece: this step is a key wait only.
    write_at(XI1, YI1 + 70, 0, "");
    WAIT_KEY();
    write_at(XI1, YI1, 0, "y=4*x で　");
    write_on(3, "y=4x だから");
    write_at(XI1, YI1 + 50, 5, "yはxに比例する。");
    write_at(XI1, YI1 + 50, 0, "比例定数は、");
    WAIT_KEY();
    write_on(5, "4");
    write_on(3, "(縦の長さ)");
    WAIT_KEY();
    write_at(XI1, YI1 + 80, 7, "教科書P120 問1　をやろう。");
}

// The answers of exercise 1: a parallelogram with base 12 cm, y = 12x, and
// the walker at 4 km an hour, y = 4x.
void FunctionsLesson::PROPORTION_ANSWERS1_SCENE() {
    answer_parallelogram(880, "xcm", "12cm", "ycm^2");
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);

    write_at(XI1, YI1, 3, "問1 解答");
    write_at(XI1, YI1 + 50, 0, "(1) ");
    WAIT_KEY();
    write_on(3, "y=12x だから");
    write_on(5, "yはxに比例する。");
    WAIT_KEY();
    write_at(XI1 + 81, YI1 + 50, 0, "　比例定数は、");
    write_on(5, "12(底辺)");
    write_at(XI1, YI1 + 50, 0, "(2) ");
    WAIT_KEY();
    write_on(3, "y=4x だから");
    write_on(5, "yはxに比例する。");
    write_at(XI1 + 81, YI1 + 50, 0, "　比例定数は、");
    write_on(5, "4(速さ)");
}

}  // namespace lessons
