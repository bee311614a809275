// Topic 3: when one quantity is a function of another. A square and a
// rectangle as worked examples, the answers of two exercises, and a table of
// the hours that fill a 120 cm pool completed cell by cell.
#include "framework/platform/screen.hpp"
#include "functions_lesson.hpp"

namespace lessons {

// ---- topic entry and bar --------------------------------------------------------

void FunctionsLesson::RELATION_MENU() {
    RELATION_AIM();
    run_bar("①例２　②問3,4　③問5　④終了",
            {&FunctionsLesson::RELATION_EXAMPLE2_SCENE, &FunctionsLesson::RELATION_ANSWERS34_SCENE,
             &FunctionsLesson::RELATION_ANSWER5_SCENE});
}

void FunctionsLesson::RELATION_AIM() {
    aim_page(32, "ともなって変わる2つの数量の間の関係を、表や式に表そう。");
}

// ---- figures of the worked example ------------------------------------------------
// An invisible grid of 60 px squares places the figure: its corners, given in
// grid units from the grid's bottom-left corner, go into X(), Y() from
// `first_corner` on and into G() as corners 1 to 4, and the closed outline is
// drawn in width 5.
void FunctionsLesson::relation_figure(float ggx, float ggy, float yoko, float tate,
                                      int first_corner,
                                      std::initializer_list<rt::Point> grid_corners) {
    GGX = ggx;
    GGY = ggy;
    YOKO = yoko;
    TATE = tate;
    SIZE = 60;
    CCC2 = 15;
    DRAW_GRID();
    int corner = 1;
    for (const rt::Point& uv : grid_corners) {
        const int i = first_corner + corner - 1;
        X_A(i) = GX0 + SIZE * uv.x;
        Y_A(i) = GY0 - SIZE * uv.y;
        G_A(1, corner) = X_A(i);
        G_A(2, corner) = Y_A(i);
        ++corner;
    }
    rt::SET_DRAW_WIDTH(5);
    KAKU = 4;
    SIZE1 = 5;
    CCC2 = 0;
    AAA_S = "";
    DRAW_POLYGON();
}

// The dotted bow marking a side "xcm": `side` -1 bulges left of the chord
// from the first corner to the second (above a side drawn rightwards), 1 right.
void FunctionsLesson::relation_side_arc(int from_corner, int to_corner, float side) {
    ZX0 = X_A(from_corner);
    ZY0 = Y_A(from_corner);
    ZX1 = X_A(to_corner);
    ZY1 = Y_A(to_corner);
    HOUKOU = side;
    TAKASA = 20;
    HABA = 5;
    NAKA = 0;
    CCC2 = 3;
    CCC1 = 3;
    AAA_S = "xcm";
    DOTTED_ARC();
}

// ---- scenes ------------------------------------------------------------------------------

void FunctionsLesson::RELATION_EXAMPLE2_SCENE() {
    white_box(0, 0, 1320, 1800);
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI1, YI1, 0, "例2 次の場合、");
    write_on(3, "「yはxの関数である」");
    write_on(0, "といえますか。");
    write_at(XI1, YI1 + 50, 0, "① 1辺がxcm の正方形の面積をycm^2 とするとき。");
    write_at(XI1, YI1 + 50, 0, "② 縦の長さxcm の長方形の面積をycm^2 とするとき。");

    relation_figure(1000, 30, 4, 4, 1, {{0, 3}, {0, 0}, {3, 0}, {3, 3}});
    relation_side_arc(1, 4, -1);
    label_at(X_A(1) + 60, Y_A(1) + 60, 3, "ycm^2");
    relation_figure(1000, 300, 4, 2, 5, {{0, 2}, {0, 0}, {4, 0}, {4, 2}});
    relation_side_arc(5, 6, 1);
    label_at(X_A(5) + 60, Y_A(5) + 30, 3, "ycm^2");

    write_at(XI1, YI1 + 50, 3, "<解答>");
    WAIT_KEY();

    write_at(XI1, YI1 + 50, 3, "①");
    write_on(0, "xの値を決めると、yの値も1つに決まるから");
    WAIT_KEY();
    write_at(XI1 + 34, YI1 + 50, 3, "y(正方形の面積)");
    write_on(0, "は");
    write_on(3, "x(1辺の長さ)");
    write_on(0, "の");
    write_on(5, "関数である");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 3, "②");
    write_on(0, "xの値を決めても、yの値は1つに決まらないので");
    WAIT_KEY();
    write_at(XI1 + 34, YI1 + 50, 3, "y(長方形の面積)");
    write_on(0, "は");
    write_on(3, "x(縦の長さ)");
    write_on(0, "の");
    write_on(5, "関数ではない");
    WAIT_KEY();
    write_at(XI1, YI1 + 100, 7, "教科書P118 問3,4 をしなさい。");
}

void FunctionsLesson::RELATION_ANSWERS34_SCENE() {
    white_box(0, 0, 1900, 1500);
    XI1 = 76;
    YI1 = 30;
    write_at(XI1, YI1, 3, "教科書P118　問3の解答");
    write_at(XI1, YI1 + 50, 0, "(円の周の長さ)=π*(直径)=2*π*(半径) だから");
    write_at(XI1, YI1 + 50, 5, "直径,半径,面積でもよい");
    write_at(XI1, YI1 + 50, 5, "円の周の長さは直径(半径)の関数である。");
    WAIT_KEY();

    write_at(XI1, YI1 + 60, 3, "教科書P118　問4の解答");
    write_at(XI1, YI1 + 50, 0, "ア 半径x を決めると面積y は1つに決まる。");
    write_at(XI1, YI1 + 50, 0, "イ 速さx を決めると時間y は1つに決まる。");
    write_at(XI1, YI1 + 50, 0, "ウ 年齢x を決めても身長y は1つに決まらない。");
    write_at(XI1, YI1 + 50, 0, "エ 整数x を決めるとその絶対値y は1つに決まる。");
    write_at(XI1, YI1 + 50, 5, "答　ア,イ,エ");
    WAIT_KEY();

    write_at(XI1, YI1 + 80, 7, "教科書P118の問5 をしなさい。");
}

// One row of the hours table: the texts T$(0) to T$(7) in cells 60 by 50.
void FunctionsLesson::relation_table_row(float y) {
    count_loop(II, 0, 7, [&] {
        table_cell_at(X_A(11) + 60 * II, y, 60, 50, T_A_S(II), 0, 0, 15);
        XI2 = X;
        YI1 = Y;
    });
}

void FunctionsLesson::RELATION_ANSWER5_SCENE() {
    white_box(0, 0, 1900, 1500);
    XI1 = 76;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI1, YI1, 3, "教科書P118 問5の解答");
    label_at(XI1, YI1 + 60, 3, "(1)");
    X_A(11) = XI1 + 81;
    Y_A(11) = YI1 + 60;
    Y_A(12) = Y_A(11) + 50;
    const char* const x_row[] = {"x", "…", "5", "10", "15", "20", "30", "…"};
    const char* const y_row[] = {"y", "…", "", "12", "", "", "", "…"};
    for (int c = 0; c <= 7; ++c) T_A_S(c) = x_row[c];
    relation_table_row(Y_A(11));
    for (int c = 0; c <= 7; ++c) T_A_S(c) = y_row[c];
    relation_table_row(Y_A(12));
    WAIT_KEY();

    // The hours y = 120/x, one cell a key.
    const char* const hours[] = {"24", "12", "8", "6", "4"};
    for (int c = 2; c <= 6; ++c) {
        table_cell_at(X_A(11) + 60 * c, Y_A(12), 60, 50, hours[c - 2], 5, 0, 15);
        WAIT_KEY();
    }

    write_at(XI1, YI1 + 80, 3, "(2)");
    write_at(XI1 + 108, YI1, 0, "1時間にたまる水の深さx を決めると");
    write_at(XI1 + 108, YI1 + 50, 0, "満水までの時間y は1つに決まるから");
    write_at(XI1 + 108, YI1 + 50, 5, "yはxの関数である。");
    WAIT_KEY();

    write_at(XI1, YI1 + 80, 3, "(3)");
    write_at(XI1 + 108, YI1, 0, "120/8=15 だから");
    write_at(XI1 + 108, YI1 + 50, 5, "1時間に15cm ずつたまるように調整すればよい。");
}

}  // namespace lessons
