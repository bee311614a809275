// Table, formula and graph: the aims page, the bar of five, four ways to
// find y=-3x from its table, and where the constant -3 shows in the table,
// the formula and the graph. The drill on the formula from a graph and the
// answers of question 1 follow in formula_from_graph.cpp.
#include "direct_lesson.hpp"
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"

namespace lessons {

void DirectLesson::TOPIC_TABLE_FORMULA_GRAPH() {
    SHOW_AIMS_TABLE_FORMULA_GRAPH();
    run_bar(
        "①P132Ｑ　②表式グラフ　③例１　④問１　⑤終了",
        {&DirectLesson::SCENE_FORMULA_FROM_TABLE,
         &DirectLesson::SCENE_CONSTANT_IN_TABLE_FORMULA_GRAPH,
         &DirectLesson::DRILL_FORMULA_FROM_GRAPH, &DirectLesson::SCENE_FORMULA_FROM_GRAPH_ANSWERS});
}

// Drawn on the page the main menu has just cleared; no key wait.
void DirectLesson::SHOW_AIMS_TABLE_FORMULA_GRAPH() {
    aim_page(32, "①　比例を表す表・式・グラフのどこに比例定数があらわれるか考えよう。");
    write_at(XI1 + 32, YI1 + 65, 0, "②　比例のグラフから式を求めよう。");
}

// ---- the table of y=-3x and its arcs -------------------------------------------------------

void DirectLesson::constant_table(float top, int first_x, int last_x, float cell_width) {
    X_A(11) = XI1;
    X_A(12) = X_A(11) + 116;
    Y_A(11) = top;
    Y_A(12) = Y_A(11) + 50;
    Y_A(13) = Y_A(12) + 50;
    const int columns = last_x - first_x + 1;
    X_A(13) = X_A(12) + cell_width / 2;
    for (int i = 14; i < 13 + columns; ++i) X_A(i) = X_A(i - 1) + cell_width;
    auto row = [&](float row_top, const char* name, int factor) {
        table_cell_at(X_A(11), row_top, 58, 50, name, 0, 3, 15);
        table_cell_at(X_A(11) + 58, row_top, 58, 50, "…", 0, 3, 15);
        for (int x = first_x; x <= last_x; ++x) {
            table_cell_at(X_A(12) + (x - first_x) * cell_width, row_top, cell_width, 50,
                          stripped_text_of(factor * x), 0, 3, 15);
        }
        table_cell_at(X_A(12) + columns * cell_width, row_top, cell_width, 50, "…", 0, 3, 15);
    };
    row(Y_A(11), "x", 1);
    row(Y_A(12), "y", -3);
    XI2 = X;
    YI1 = Y;
}

// The arc's routine reads a height below 16 as a count of 16 px and turns
// TAKASA positive in place, so every arc sets -15 afresh.
void DirectLesson::table_step_arc(float chord_y, float houkou, float label_colour,
                                  const std::string& label) {
    ZX0 = X_A(static_cast<int>(IJ));
    ZY0 = chord_y;
    ZX1 = X_A(static_cast<int>(IJ) + 1);
    ZY1 = chord_y;
    HOUKOU = houkou;
    TAKASA = -15;
    HABA = 15;
    CCC2 = 0;
    CCC1 = label_colour;
    AAA_S = label;
    DOTTED_ARC();
}

// ---- four ways to the formula ----------------------------------------------------------------

// The table of y=-3x over x = -4..4, then the ideas of three learners and
// one more in three columns under it; the second and third columns start
// where the lines before them end.
void DirectLesson::SCENE_FORMULA_FROM_TABLE() {
    white_box(0, 0, 1320, 1300);
    rt::SET_DRAW_WIDTH(5);
    XI1 = 40;
    YI1 = 30;
    write_at(XI1, YI1, 3, "Q 表から比例の式を求めよう。");
    constant_table(YI1 + 110, -4, 4, 90);
    WAIT_KEY();

    write_at(XI1, YI1 + 110, 7, "<ゆのかさんの考え>");
    write_at(XI1, YI1 + 50, 0, "ﾀy/xﾀの値は一定だから…");
    U_A(1) = X + 30;
    V_A(1) = Y;
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 3, "比例定数 ");
    write_on(0, "a=ﾀ-9/3ﾀ=");
    write_on(3, "-3");
    write_at(XI1, YI1 + 50, 5, "y=-3x");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 7, "<ぽむたさんの考え>");
    write_at(XI1, YI1 + 50, 0, "x=1のときのyの値は…");
    WAIT_KEY();

    // Second column: the end of the first idea's opening line, 30 px on.
    XI1 = U_A(1);
    YI1 = V_A(1) - 100;
    write_at(XI1, YI1 + 50, 3, "比例定数");
    write_on(0, "だから ");
    write_on(5, "y=-3x");
    V_A(2) = Y;
    U_A(2) = X;
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 7, "<るいのさんの考え>");
    write_at(XI1, YI1 + 50, 0, "xが1増えたときyは…");
    WAIT_KEY();
    // Eight pairs of neighbouring columns: "1" over the x row, a key, "-3"
    // under the y row.
    count_loop(IJ, 13, 20, [&] {
        table_step_arc(Y_A(11), -1, 5, "1");
        WAIT_KEY();
        table_step_arc(Y_A(13), 1, 5, "-3");
    });
    write_at(XI1, 450, 3, "3ずつ減少する");
    write_on(0, "から");
    write_at(XI1, YI1 + 50, 3, "  比例定数");
    write_on(0, "は");
    write_on(3, "-3");
    write_at(XI1, YI1 + 50, 5, "  y=-3x");
    WAIT_KEY();

    // Third column: where the second column's first line ends.
    XI1 = U_A(2);
    YI1 = V_A(2);
    write_at(XI1 + 30, YI1, 7, "<その他の考え>");
    write_at(XI1, YI1 + 50, 3, "x=3,y=-9");
    write_on(0, "を選び、");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 3, "y=ax");
    write_on(0, "に代入する。");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "-9=a*3  3a=-9");
    write_at(XI1, YI1 + 50, 0, "a=");
    write_on(3, "-3");
    write_on(0, " だから");
    write_at(XI1, YI1 + 50, 5, "y=-3x");
}

// ---- the constant in table, formula and graph --------------------------------------------------

// The constant -3 of y=-3x in the table (the column x=1, the steps of 1 and
// -3, the factor), in the formula (y at x=1), and on the graph (the point
// (1,-3) and a step one right and three down).
void DirectLesson::SCENE_CONSTANT_IN_TABLE_FORMULA_GRAPH() {
    white_box(0, 0, 1320, 1300);
    rt::SET_DRAW_WIDTH(5);
    XI1 = 40;
    YI1 = 30;
    write_at(XI1, YI1, 3, "比例定数");
    write_on(5, "-3");
    write_on(0, "が、表・式・グラフのどこに表れるか確認しよう。");
    write_at(XI1, YI1 + 50, 7, "<表>");
    constant_table(YI1 + 60, -1, 2, 60);
    WAIT_KEY();
    // The column x=1 again, highlighted.
    table_cell_at(X_A(12) + 120, Y_A(11), 60, 50, "1", 13, 3, 6);
    table_cell_at(X_A(12) + 120, Y_A(12), 60, 50, "-3", 5, 3, 14);
    WAIT_KEY();
    count_loop(IJ, 13, 15, [&] {
        table_step_arc(Y_A(11), -1, 3, "1");
        WAIT_KEY();
        table_step_arc(Y_A(13), 1, 5, "-3");
        // The formula block hangs from the last lower label.
        V_A(1) = Y;
    });
    WAIT_KEY();
    write_at(X_A(16) + 90, Y_A(11) + 25, 3, "*(");
    write_on(5, "-3");
    write_on(3, ")");
    YI1 = V_A(1);
    WAIT_KEY();

    write_at(XI1, YI1 + 50, 7, "<式>");
    write_at(XI1, YI1 + 50, 0, "y=");
    write_on(5, "-3");
    write_on(0, "x");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 5, "x=1のときのyの値");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "x=1のとき");
    write_at(XI1, YI1 + 50, 0, "y=-3*1");
    write_at(XI1, YI1 + 50, 0, " =");
    write_on(5, "-3");
    XI1 = 640;
    YI1 = 30;
    WAIT_KEY();

    write_at(XI1, YI1 + 50, 7, "<グラフ>");
    rt::SET_DRAW_WIDTH(5);
    GGX = 640;
    GGY = YI1 + 50;
    AA1 = -4;
    AA2 = 4;
    BB1 = -6;
    BB2 = 6;
    CCC2 = 0;
    NASI = 1;
    SIZE = 40;
    DRAW_AXES();
    IROIRO = 3;
    AA = -3;
    BB = 0;
    CCC3 = 3;
    AAA_S = "";
    KASANARIX = 0;
    KASANARIY = 0;
    PLOT_GRAPH();
    GX3 = GX0 + SIZE * (-1.5f);
    GY3 = GY0 - SIZE * (AA * (-1.5f) + BB);
    GX4 = GX0 + SIZE * (-0.5f);
    GY4 = GY0 - SIZE * (AA * (-0.5f) + BB);
    X_A(1) = GX0 + SIZE;
    Y_A(1) = GY0;
    X_A(3) = GX0;
    Y_A(3) = GY0 + 3 * SIZE;
    X_A(2) = X_A(1);
    Y_A(2) = Y_A(3);
    label_at(X_A(1) - 14, Y_A(1) - 50, 3, "1");
    rt::SET_DRAW_WIDTH(5);
    rt::LINE(X_A(1), Y_A(1), X_A(2), Y_A(2), 7);
    rt::LINE(X_A(3), Y_A(3), X_A(2), Y_A(2), 7);
    rt::CIRCLE(X_A(2), Y_A(2), 8, 7, 0, 0, 7);
    WAIT_KEY();
    label_at(X_A(3) - 58, Y_A(3) - 25, 5, "-3");
    WAIT_KEY();
    write_at(X_A(2), Y_A(2) - 25, 3, "(1,");
    write_on(5, "-3");
    write_on(3, ")");
    WAIT_KEY();
    arrow(GX3, GY3, GX4, GY3, 7);
    arrow(GX4, GY3, GX4, GY4, 7);
    label_at((GX3 + GX4) / 2 - 14, GY3 - 50, 3, "1");
    WAIT_KEY();
    label_at(GX4, (GY3 + GY4) / 2 - 16, 5, "-3");
}

}  // namespace lessons
