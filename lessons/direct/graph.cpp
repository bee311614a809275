// Graphs of y=ax: the aims page, the bar of eight, and the two scenes that
// build the lines y=2x and y=-2x from their tables on a plane of half-unit
// squares. The scenes on how y changes, the summary and the drawing of graphs
// follow in graph_reading.cpp.
#include "direct_lesson.hpp"
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"

namespace lessons {

void DirectLesson::TOPIC_GRAPH() {
    SHOW_AIMS_GRAPH();
    run_bar("①y=2x　②y=-2x　③値変化a>0　④a<0　⑤まとめ　⑥グラフ　⑦問３　⑧終了",
            {&DirectLesson::SCENE_GRAPH_BY_DENSER_POINTS, &DirectLesson::SCENE_GRAPH_NEGATIVE_SLOPE,
             &DirectLesson::SCENE_CHANGE_POSITIVE_A, &DirectLesson::SCENE_CHANGE_NEGATIVE_A,
             &DirectLesson::SCENE_GRAPH_SUMMARY, &DirectLesson::SCENE_GRAPH_DRAWING,
             &DirectLesson::SCENE_GRAPH_ANSWERS});
}

// Drawn on the page the main menu has just cleared; no key wait.
void DirectLesson::SHOW_AIMS_GRAPH() {
    aim_page(32, "比例のグラフをかき、特徴を調べよう。");
}

// ---- tables and the half-unit plane ------------------------------------------------

void DirectLesson::x_table_minus4_to_4(const std::string (&y_texts)[9], float y_colour) {
    X_A(11) = XI1;
    X_A(12) = X_A(11) + 116;
    Y_A(11) = YI1 + 60;
    Y_A(12) = Y_A(11) + 50;
    // Each row: its name, "…", the nine values, "…".
    auto row = [&](float top, const char* name, auto value_text, float colour) {
        table_cell_at(X_A(11), top, 58, 50, name, 0, 3, 15);
        table_cell_at(X_A(11) + 58, top, 58, 50, "…", 0, 3, 15);
        for (int n = -4; n <= 4; ++n) {
            table_cell_at(X_A(12) + 58 * (n + 4), top, 58, 50, value_text(n), colour, 3, 15);
        }
        table_cell_at(X_A(12) + 58 * 9, top, 58, 50, "…", 0, 3, 15);
    };
    row(
        Y_A(11), "x", [&](int n) { return stripped_text_of(n); }, 0);
    row(
        Y_A(12), "y", [&](int n) { return y_texts[n + 4]; }, y_colour);
    XI2 = X;
    YI1 = Y;
}

void DirectLesson::x_table_y_cell(int n, const std::string& text, float colour) {
    table_cell_at(X_A(12) + 58 * (n + 4), Y_A(12), 58, 50, text, colour, 3, 15);
}

// The grid counts in squares of 0.5: DRAW_AXES sees one value per square
// and no numbers, the decimal labels then read each square as 0.5.
void DirectLesson::half_unit_plane(float ggx) {
    GGX = ggx;
    GGY = 30;
    AA1 = -12;
    AA2 = 12;
    BB1 = -16;
    BB2 = 16;
    SIZE = 20;
    CCC2 = 1;
    NASI = -1;
    BAIX = 1;
    BAIY = 1;
    DRAW_AXES();
    BAIX = 0.5;
    BAIY = 0.5;
    AXIS_DECIMAL_LABELS();
}

// The point routine sets the scale back to 1 after every point, so each
// point sets the half unit again.
void DirectLesson::half_unit_point(float x, float y, float radius) {
    XG = x;
    YG = y;
    R = radius;
    CCC3 = 3;
    AAA_S = "";
    KASANARIX = 0;
    KASANARIY = 0;
    BAIX = 0.5;
    BAIY = 0.5;
    PLOT_POINT();
}

void DirectLesson::half_unit_line(float a, float colour, const std::string& label, float shift_x,
                                  float shift_y) {
    BAIX = 0.5;
    BAIY = 0.5;
    graph_of(3, a, colour, label, shift_x, shift_y);
}

// ---- y=2x by ever denser points --------------------------------------------------------

// The table of y=2x over whole x, then over x every 0.5, each value and
// point one key at a time; then the plane again, filled with ever denser
// small dots until they merge under the line.
void DirectLesson::SCENE_GRAPH_BY_DENSER_POINTS() {
    white_box(0, 0, 1320, 1300);
    rt::SET_DRAW_WIDTH(5);
    XI1 = 40;
    YI1 = 30;
    write_at(XI1, YI1, 3, "Q y=2xのグラフをかこう。");
    // Only the 6 under x=3 is given; it keeps colour 0 at its turn.
    for (int n = -4; n <= 4; ++n) T_A_S(n + 5) = stripped_text_of(2 * n);
    x_table_minus4_to_4({"", "", "", "", "", "", "", "6", ""}, 0);
    X_A(13) = X_A(11) + 58;
    half_unit_plane(XI2 + 20);

    WAIT_KEY();
    for (int n = -4; n <= 4; ++n) {
        WAIT_KEY();
        x_table_y_cell(n, T_A_S(n + 5), n == 3 ? 0 : 5);
    }
    WAIT_KEY();
    half_unit_point(3, 6, 8);
    WAIT_KEY();
    for (int n = -4; n <= 4; ++n) {
        WAIT_KEY();
        half_unit_point(n, 2 * n, 8);
    }
    WAIT_KEY();
    write_at(XI1, 200, 7, "xの値を0.5おきにとろう。");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "y=2x");

    // The half points (-3.5, -7) ... (3.5, 7); the number text writes the two
    // between -1 and 1 without their zero, so the scene writes them itself.
    for (int i = 1; i <= 8; ++i) {
        T_A(i) = i - 4.5f;
        F_A(i) = 2 * T_A(i);
    }
    FORMAT_TABLE_ARRAYS();
    T_A_S(4) = "-0.5";
    T_A_S(5) = "0.5";
    Y_A(11) = YI1 + 60;
    Y_A(12) = Y_A(11) + 50;
    Y_A(13) = Y_A(12) + 50;
    Y_A(14) = Y_A(13) + 50;
    // Left half: x -3.5 .. -0.5 from X(12); right half: 0.5 .. 3.5 from X(13).
    auto names = [&](float top, const char* name) {
        table_cell_at(X_A(11), top, 58, 50, name, 0, 3, 15);
    };
    names(Y_A(11), "x");
    table_cell_at(X_A(11) + 58, Y_A(11), 58, 50, "…", 0, 3, 15);
    for (int i = 1; i <= 4; ++i)
        table_cell_at(X_A(12) + 90 * (i - 1), Y_A(11), 90, 50, T_A_S(i), 0, 3, 15);
    names(Y_A(12), "y");
    table_cell_at(X_A(11) + 58, Y_A(12), 58, 50, "…", 0, 3, 15);
    for (int i = 1; i <= 4; ++i)
        table_cell_at(X_A(12) + 90 * (i - 1), Y_A(12), 90, 50, "", 0, 3, 15);
    names(Y_A(13), "x");
    for (int i = 5; i <= 8; ++i)
        table_cell_at(X_A(13) + 90 * (i - 5), Y_A(13), 90, 50, T_A_S(i), 0, 3, 15);
    table_cell_at(X_A(13) + 90 * 4, Y_A(13), 90, 50, "…", 0, 3, 15);
    names(Y_A(14), "y");
    for (int i = 5; i <= 8; ++i)
        table_cell_at(X_A(13) + 90 * (i - 5), Y_A(14), 90, 50, "", 0, 3, 15);
    table_cell_at(X_A(13) + 90 * 4, Y_A(14), 90, 50, "…", 0, 3, 15);

    WAIT_KEY();
    for (int i = 1; i <= 8; ++i) {
        WAIT_KEY();
        if (i <= 4) {
            table_cell_at(X_A(12) + 90 * (i - 1), Y_A(12), 90, 50, F_A_S(i), 5, 3, 15);
        } else {
            table_cell_at(X_A(13) + 90 * (i - 5), Y_A(14), 90, 50, F_A_S(i), 5, 3, 15);
        }
    }
    WAIT_KEY();
    for (int i = 1; i <= 8; ++i) {
        WAIT_KEY();
        half_unit_point(T_A(i), F_A(i), 8);
    }

    // The plane afresh, and ever denser dots. Every x comes from a whole
    // counter, so each set has exactly its count of dots.
    white_box(GX1, 0, 1320, 1300);
    half_unit_plane(GX1);
    for (int k = -8; k <= 8; ++k) half_unit_point(k / 2.0f, k, 4);
    WAIT_KEY();
    for (int i = 1; i <= 16; ++i) {
        const float x = 0.5f * i - 4.25f;
        half_unit_point(x, 2 * x, 4);
        WAIT_KEY();
    }
    WAIT_KEY();
    for (int k = -40; k <= 40; ++k) half_unit_point(k / 10.0f, 2 * (k / 10.0f), 4);
    WAIT_KEY();
    for (int k = -80; k <= 80; ++k) half_unit_point(k / 20.0f, 2 * (k / 20.0f), 4);
    half_unit_line(2, 3, "y=2x", -150, 0);

    WAIT_KEY();
    write_at(XI1, 520, 5, "y=2x のグラフは直線になる。");
    write_at(XI1, 570, 3, "y=2x を満たす点の集まり");
}

// ---- y=-2x beside y=2x ------------------------------------------------------------------

// With y=2x drawn for comparison, the table of y=-2x one value per key, its
// points one per key, its line; then what the two lines share and where they
// differ.
void DirectLesson::SCENE_GRAPH_NEGATIVE_SLOPE() {
    white_box(0, 0, 1320, 1300);
    rt::SET_DRAW_WIDTH(5);
    XI1 = 40;
    YI1 = 30;
    write_at(XI1, YI1, 3, "Q y=-2xのグラフをかこう。");
    for (int n = -4; n <= 4; ++n) T_A_S(n + 5) = stripped_text_of(-2 * n);
    x_table_minus4_to_4({"", "", "", "", "", "", "", "", ""}, 0);
    half_unit_plane(XI2 + 20);
    half_unit_line(2, 7, "y=2x", -140, 0);

    WAIT_KEY();
    for (int n = -4; n <= 4; ++n) {
        WAIT_KEY();
        x_table_y_cell(n, T_A_S(n + 5), 5);
    }
    WAIT_KEY();
    for (int n = -4; n <= 4; ++n) {
        WAIT_KEY();
        half_unit_point(n, -2 * n, 8);
    }
    WAIT_KEY();
    half_unit_line(-2, 3, "y=-2x", -60, -160);

    WAIT_KEY();
    write_at(XI1, 210, 7, "Q 2つのグラフの共通点は?");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "① 直線になる");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "② 原点を通る");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 7, "Q 2つのグラフのちがいは?");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "① a>0で右に上がり、");
    write_at(XI1 + 36, YI1 + 50, 0, " a<0で右に下がる");
}

}  // namespace lessons
