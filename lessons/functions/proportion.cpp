// The proportion topic: its aims page, its bar and four scenes (the walker
// at 80 m a minute, judging from the formula, the 4 cm by x cm rectangle and
// the answers of exercise 1). The scene helpers shared with the topics on
// inverse proportion and on the basic problems come first.
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "functions_lesson.hpp"

namespace lessons {

// ---- scene helpers of topics 5 to 7 ----------------------------------------------

void FunctionsLesson::piece_at(float x, float y, float colour, const std::string& text) {
    CCC1 = colour;
    X = x;
    Y = y;
    AA_S = text;
    TEXT_OUT();
    XI2 = X;
    YI1 = Y;
}

void FunctionsLesson::piece_after(float colour, const std::string& text) {
    piece_at(XI2, YI1, colour, text);
}

void FunctionsLesson::figure_label(float x, float y, float colour, const std::string& text) {
    CCC1 = colour;
    X = x;
    Y = y;
    AA_S = text;
    TEXT_OUT();
}

void FunctionsLesson::clear_scene() { rt::BOX(0, 0, 1760, 1800, 15, 15); }

void FunctionsLesson::aims_page(const std::string& line1, const std::string& line2) {
    XI1 = 44;
    YI1 = 240;
    piece_at(XI1, YI1, 3, "<めあて>");
    piece_at(XI1 + 32, YI1 + 65, 0, line1);
    piece_at(XI1 + 32, YI1 + 65, 0, line2);
}

void FunctionsLesson::framed_cell(float x, float y, float haba, float tate, float border,
                                  float fill, float colour, const std::string& text) {
    X = x;
    Y = y;
    HABA = haba;
    TATE = tate;
    CCC2 = border;
    CCC3 = fill;
    CCC1 = colour;
    A_S = text;
    TABLE_CELL();
}

std::string FunctionsLesson::number_text(float value) {
    A_S = rt::STR(value);
    STRIP_SPACES();
    return A_S;
}

void FunctionsLesson::figure_frame(float ggx, float ggy, float yoko, float tate, float size) {
    GGX = ggx;
    GGY = ggy;
    YOKO = yoko;
    TATE = tate;
    CCC2 = 15;
    SIZE = size;
    DRAW_GRID();
}

void FunctionsLesson::figure_point(int index, float a, float b) {
    X_A(index) = a;
    Y_A(index) = b;
    X_A(index) = GX0 + SIZE * X_A(index);
    Y_A(index) = GY0 - SIZE * Y_A(index);
}

void FunctionsLesson::figure_quad(int p1, int p2, int p3, int p4) {
    const int corners[4] = {p1, p2, p3, p4};
    for (int i = 1; i <= 4; ++i) {
        G_A(1, i) = X_A(corners[i - 1]);
        G_A(2, i) = Y_A(corners[i - 1]);
    }
    SIZE1 = 5;
    CCC2 = 0;
    KAKU = 4;
    NAGASA = 10;
    AAA_S = "";
    DRAW_POLYGON();
}

void FunctionsLesson::length_mark(int from, int to, float houkou, float haba, float takasa,
                                  const std::string& label) {
    ZX0 = X_A(from);
    ZY0 = Y_A(from);
    ZX1 = X_A(to);
    ZY1 = Y_A(to);
    CCC1 = 3;
    CCC2 = 3;
    HOUKOU = houkou;
    HABA = haba;
    TAKASA = takasa;
    AAA_S = label;
    DOTTED_ARC();
}

void FunctionsLesson::answer_parallelogram(float ggx, const std::string& height_label,
                                           const std::string& base_label,
                                           const std::string& area_label) {
    clear_scene();
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
    figure_label(X_A(7), Y_A(7), 3, area_label);
}

void FunctionsLesson::judge_line(float y, const std::string& number, const std::string& mark,
                                 const std::string& constant, bool last) {
    piece_at(40, y, 0, number);
    WAIT_KEY();
    piece_after(5, mark);
    if (!constant.empty()) {
        piece_after(0, "　比例定数は、");
        WAIT_KEY();
        piece_after(5, constant);
    }
    if (!last) WAIT_KEY();
}

// ---- the topic ---------------------------------------------------------------------

void FunctionsLesson::PROPORTION_MENU() {
    PROPORTION_AIM();
    for (;;) {
        switch (submenu_choice(" ①比例の定義　②式で判断　③例１　④問１　⑤終了", 5)) {
            case 1: PROPORTION_DEFINITION_SCENE(); break;
            case 2: PROPORTION_JUDGE_SCENE(); break;
            case 3: PROPORTION_EXAMPLE1_SCENE(); break;
            case 4: PROPORTION_ANSWERS1_SCENE(); break;
            default: return;  // back to the main menu, which redraws itself
        }
    }
}

// Drawn on the page the main menu has just cleared; no key wait.
void FunctionsLesson::PROPORTION_AIM() {
    aims_page("1 小学校で学んだ比例をみなおそう。", "2 比例の関係を式に表そう。");
}

// Walking at 80 m a minute: the table of y = 80x filled one value per key,
// four observations, then the definition of proportion and its properties.
void FunctionsLesson::PROPORTION_DEFINITION_SCENE() {
    clear_scene();
    rt::SET_DRAW_WIDTH(5);
    XI1 = 40;
    YI1 = 20;
    piece_at(XI1, YI1, 3, "Q 毎分80m");
    piece_after(0, "の速さで、");
    piece_after(3, "x分");
    piece_after(0, "歩くときの道のりを");
    piece_after(3, "ym");
    piece_after(0, "とすると");

    // Table corners: header column and first value cell, x row and y row.
    X_A(11) = XI1;
    X_A(12) = X_A(11) + 60;
    Y_A(11) = YI1 + 60;
    Y_A(12) = Y_A(11) + 50;
    framed_cell(X_A(11), Y_A(11), 60, 50, 0, 15, 0, "x");
    for (int column = 0; column <= 10; ++column) {
        II = column;
        framed_cell(90 * II + X_A(12), Y_A(11), 90, 50, 0, 15, 0, number_text(II));
    }
    framed_cell(X_A(11), Y_A(12), 60, 50, 0, 15, 0, "y");
    for (int column = 0; column <= 10; ++column) {
        II = column;
        framed_cell(90 * II + X_A(12), Y_A(12), 90, 50, 0, 15, 3, "");
    }
    WAIT_KEY();

    // One y value per key, left to right.
    for (int column = 0; column <= 10; ++column) {
        II = column;
        framed_cell(90 * II + X_A(12), Y_A(12), 90, 50, 0, 15, 3, number_text(80 * II));
        WAIT_KEY();
    }
    // A second wait after 800: two keys lead to the observations.
    WAIT_KEY();

    YI1 = Y_A(12);
    piece_at(XI1, YI1 + 70, 0, "① xの値が2倍,3倍,…となると、");
    piece_after(3, "yの値は ");
    WAIT_KEY();
    piece_after(3, "2倍,3倍,…となる");
    WAIT_KEY();
    piece_at(XI1, YI1 + 50, 0, "② yはxの関数ですか？");
    WAIT_KEY();
    piece_after(3, "xの値を決めると、yの値は1つに決まるから");
    piece_after(5, "関数");
    WAIT_KEY();
    piece_at(XI1, YI1 + 50, 0, "③ yをxの式で表すと");
    WAIT_KEY();
    piece_after(3, "(道のり)=80*(時間) だから ");
    WAIT_KEY();
    piece_after(5, "y=80x");
    WAIT_KEY();
    piece_at(XI1, YI1 + 50, 0, "④ x≠0のとき、ﾀy/xﾀの値は？");
    WAIT_KEY();
    piece_after(5, "どこも 80");
    WAIT_KEY();

    piece_at(XI1, YI1 + 50, 5, "<比例の関係とその性質>");
    WAIT_KEY();
    piece_at(XI1, YI1 + 50, 0, "① yがxの関数で、");
    piece_after(5, "y=ax");
    piece_after(0, "と表されるとき、");
    piece_after(5, "yはxに比例する");
    piece_after(0, "という。");
    WAIT_KEY();
    piece_at(XI1, YI1 + 50, 0, "② ");
    piece_after(3, "y=ax");
    piece_after(0, "の");
    piece_after(3, "a");
    piece_after(0, "を");
    WAIT_KEY();
    piece_after(5, "比例定数");
    piece_after(0, "という。");
    piece_after(3, "(y=80x では 80)");
    WAIT_KEY();
    piece_at(XI1, YI1 + 50, 0, "③ xの値が");
    piece_after(3, "2倍、3倍…");
    piece_after(0, "になると、yの値も");
    piece_after(3, "2倍、3倍…");
    piece_after(0, "…になる。");
    WAIT_KEY();
    piece_at(XI1, YI1 + 50, 0, "④ x≠0のとき、");
    piece_after(3, "ﾀy/xﾀ");
    piece_after(0, "の値は");
    piece_after(5, "一定で、比例定数");
    piece_after(0, "になる。　");
    piece_after(5, "ﾀy/xﾀ=a");
}

// Five formulas, the rule, then each formula marked one piece per key.
void FunctionsLesson::PROPORTION_JUDGE_SCENE() {
    clear_scene();
    rt::SET_DRAW_WIDTH(5);
    XI1 = 40;
    YI1 = 30;
    piece_at(XI1, YI1, 3, "Q yがxに比例するのはどれですか。比例定数も答えなさい。");
    piece_at(XI1, 100, 0, "①y=5x ,②y=ﾀ3/xﾀ ,③ﾀy/xﾀ=2 ,④y=ﾀx/2ﾀ ,⑤y=3x^2");
    WAIT_KEY();
    piece_at(XI1, 170, 7, "<考え方>");
    piece_at(XI1 + 80, YI1 + 50, 3, "y=ax か　ﾀy/xﾀ=a の形をしていればよい。");
    WAIT_KEY();
    judge_line(YI1 + 70, "①　", "○", "5", false);
    judge_line(YI1 + 70, "②　", "×", "", false);
    judge_line(YI1 + 70, "③　", "○", "2", false);
    judge_line(YI1 + 70, "④　", "○", "ﾀ1/2ﾀ", false);
    judge_line(YI1 + 70, "⑤　", "×", "", true);
}

// A rectangle 4 cm high and x cm wide: y = 4x, the constant is the height.
void FunctionsLesson::PROPORTION_EXAMPLE1_SCENE() {
    clear_scene();
    figure_frame(720, 300, 4, 3, 60);
    figure_point(5, 0, 2);
    figure_point(6, 0, 0);
    figure_point(7, 4, 0);
    figure_point(8, 4, 2);
    rt::SET_DRAW_WIDTH(5);
    figure_quad(5, 6, 7, 8);
    length_mark(5, 8, -1, 5, 20, "xcm");
    length_mark(5, 6, 1, 10, 20, "4cm");
    figure_label(X_A(5) + 60, Y_A(5) + 30, 3, "ycm^2");
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);

    piece_at(XI1, YI1, 3, "例1 ");
    piece_after(0, "縦が4cm,横がxcm の長方形の面積をycm^2 とするとき");
    piece_at(XI1, YI1 + 50, 0, "  yはxに比例しますか。また、比例定数も答えなさい。");
    WAIT_KEY();
    piece_at(XI1, YI1 + 70, 7, "<考え方>");
    piece_after(3, "式に表し、y=ax の形かどうかを調べる。");
    WAIT_KEY();
    // An empty piece: this step is a key wait only.
    piece_at(XI1, YI1 + 70, 0, "");
    WAIT_KEY();
    piece_at(XI1, YI1, 0, "y=4*x で　");
    piece_after(3, "y=4x だから");
    piece_at(XI1, YI1 + 50, 5, "yはxに比例する。");
    piece_at(XI1, YI1 + 50, 0, "比例定数は、");
    WAIT_KEY();
    piece_after(5, "4");
    piece_after(3, "(縦の長さ)");
    WAIT_KEY();
    piece_at(XI1, YI1 + 80, 7, "教科書P120 問1　をやろう。");
}

// The answers of exercise 1: a parallelogram with base 12 cm, y = 12x, and
// the walker at 4 km an hour, y = 4x.
void FunctionsLesson::PROPORTION_ANSWERS1_SCENE() {
    answer_parallelogram(880, "xcm", "12cm", "ycm^2");
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);

    piece_at(XI1, YI1, 3, "問1 解答");
    piece_at(XI1, YI1 + 50, 0, "(1) ");
    WAIT_KEY();
    piece_after(3, "y=12x だから");
    piece_after(5, "yはxに比例する。");
    WAIT_KEY();
    piece_at(XI1 + 81, YI1 + 50, 0, "　比例定数は、");
    piece_after(5, "12(底辺)");
    piece_at(XI1, YI1 + 50, 0, "(2) ");
    WAIT_KEY();
    piece_after(3, "y=4x だから");
    piece_after(5, "yはxに比例する。");
    piece_at(XI1 + 81, YI1 + 50, 0, "　比例定数は、");
    piece_after(5, "4(速さ)");
}

}  // namespace lessons
