// Table, formula and graph of inverse proportion: the aims page, the bar, the
// formula read off the table of page 142 in three ways, where the constant 12
// shows in table, formula and graph, and the answers of question 1.
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "inverse_lesson.hpp"

namespace lessons {

// The aims page once, then the bar: the pages come back to the bar, not here.
void InverseLesson::INV_TABLE_FORMULA_GRAPH_TOPIC() {
    INV_TABLE_FORMULA_GRAPH_AIMS();
    INV_TABLE_FORMULA_GRAPH_MENU();
}

// Drawn on the page the main menu has just cleared; no key wait.
void InverseLesson::INV_TABLE_FORMULA_GRAPH_AIMS() {
    aim_page(32, "①　反比例を表す表・式・グラフのどこに比例定数があらわれるか考えよう。");
    write_at(XI1 + 32, YI1 + 65, 0, "②　反比例のグラフから式を求めよう。");
}

void InverseLesson::INV_TABLE_FORMULA_GRAPH_MENU() {
    run_bar(
        "①P142Ｑ　②表式グラフ　③例１　④問１　⑤終了",
        {&InverseLesson::INV_TABLE_TO_FORMULA_SCENE, &InverseLesson::INV_CONSTANT_IN_VIEWS_SCENE,
         &InverseLesson::INV_GRAPH_TO_FORMULA_DRILL,
         &InverseLesson::INV_GRAPH_TO_FORMULA_Q1_ANSWERS});
}

void InverseLesson::inverse_table_rows(float a, int first, int last, float tail_width) {
    // The x row is drawn completely, then the y row.
    for (int row = 11; row <= 12; ++row) {
        const float top = Y_A(row);
        row_head(X_A(11), top, row == 11 ? "x" : "y", 58);
        count_loop(II, static_cast<float>(first), static_cast<float>(last), [&] {
            std::string text;
            if (row == 11) {
                text = stripped_text_of(II);
            } else {
                // No value where x is 0: the mark "*" and no division.
                T_A_S(rt::CINT(II + 5)) = II != 0 ? stripped_text_of(a / II) : "*";
                text = T_A_S(rt::CINT(II + 5));
            }
            row_cell(X_A(12) + 90 * (II - first), top, 90, text, 0);
        });
        // The tail follows where the last value cell left the pen.
        row_cell(X, top, tail_width, "…", 0);
    }
}

// The table of y = 12/x for x = -4..4 at once, then three ideas: one pair
// put into y = a/x, the product x×y, and the value of y at x = 1. The second
// column starts 90 px right of the end of the line "xとyの組を1組選んで…".
void InverseLesson::INV_TABLE_TO_FORMULA_SCENE() {
    white_box(0, 0, 1320, 1300);
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI1, YI1, 3, "「教科書P142Q」表から反比例の式を求めよう。");
    X_A(11) = XI1;
    X_A(12) = X_A(11) + 116;
    Y_A(11) = YI1 + 70;
    Y_A(12) = Y_A(11) + 50;
    inverse_table_rows(12, -4, 4, 90);
    XI2 = X;
    YI1 = Y;

    WAIT_KEY();
    write_at(XI1, YI1 + 70, 7, "<考え①>");
    write_at(XI1, YI1 + 50, 0, "xとyの組を1組選んで…");
    U_A(1) = XI2 + 90;
    V_A(1) = YI1;
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 3, "x=3,y=4");
    write_on(0, "を選び、");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 3, "y=ﾀa/xﾀ");
    write_on(0, "に代入する。");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 0, "4=ﾀa/3ﾀ  ﾀa/3ﾀ=4");
    write_at(XI1, YI1 + 60, 0, "a=");
    write_on(3, "12");
    write_on(0, " だから");
    write_at(XI1, YI1 + 70, 5, "y=ﾀ12/xﾀ");

    // The second column, level with "<考え①>".
    WAIT_KEY();
    XI1 = U_A(1);
    YI1 = V_A(1);
    write_at(XI1, YI1 - 50, 7, "<考え②>");
    write_at(XI1, YI1 + 50, 3, "比例定数=x*yの値");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, " だから a=3*4=");
    write_on(3, "12");
    write_at(XI1, YI1 + 70, 5, "  y=ﾀ12/xﾀ");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 7, "<考え③>");
    write_at(XI1, YI1 + 50, 0, "x=1のときのyの値は…");
    WAIT_KEY();
    write_on(3, "比例定数");
    write_on(0, "だから ");
    write_at(XI1, YI1 + 70, 5, "  y=ﾀ12/xﾀ");
}

// The constant 12 of y = 12/x in nine stages: the table, its column x = 1
// highlighted, the product 2×6 under x = 2, the formula with only its
// numerator coloured, the value of y at x = 1, then the curve on a plane
// without grid, marked at a point of the curve with the labels 1, 12 and
// (1,12). The mark stands on the grid point two right and six up, since
// (1, 12) itself would lie on the plane's top edge under the axis name.
void InverseLesson::INV_CONSTANT_IN_VIEWS_SCENE() {
    white_box(0, 0, 1320, 1300);
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI1, YI1, 3, "比例定数");
    write_on(5, "12");
    write_on(0, "が、表・式・グラフのどこに表れるか確認しよう。");

    write_at(XI1, YI1 + 50, 7, "<表>");
    X_A(11) = XI1;
    X_A(12) = X_A(11) + 116;
    Y_A(11) = YI1 + 60;
    Y_A(12) = Y_A(11) + 50;
    inverse_table_rows(12, -1, 2, 58);
    WAIT_KEY();
    // The column x = 1 drawn again over the first.
    table_cell_at(X_A(12) + 180, Y_A(11), 90, 50, "1", 5, 3, 13);
    table_cell_at(X_A(12) + 180, Y_A(12), 90, 50, T_A_S(6), 5, 3, 13);
    WAIT_KEY();
    write_at(X_A(12) + 270, Y_A(12) + 60, 3, "2*6=");
    write_on(5, "12");
    WAIT_KEY();

    // The formula twice at one place: the coloured numerator over a blank
    // first, then bar and x under three blanks, which cover its bar.
    write_at(XI1, YI1 + 80, 7, "<式>");
    write_at(XI1, YI1 + 50, 0, "y=");
    const float fraction_x = XI2;
    label_at(fraction_x, YI1, 5, "ﾀ12/ ﾀ");
    write_at(fraction_x, YI1, 0, "ﾀ   /xﾀ");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 5, "x=1のときのyの値");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "x=1のとき");
    write_at(XI1, YI1 + 70, 0, "y=ﾀ12/1ﾀ");
    write_on(0, " =");
    write_on(5, "12");
    XI1 = 640;
    YI1 = 30;
    WAIT_KEY();

    write_at(XI1, YI1 + 50, 7, "<グラフ>");
    rt::SET_DRAW_WIDTH(5);
    plane(XI1, YI1 + 50, -12, 12, -12, 12, 20, 0, 1);
    graph_of(1, 12, 3);
    marked_point(2, 6, 3, 4);
    WAIT_KEY();
    marked_y_label("12");
    WAIT_KEY();
    write_at(X_A(2), Y_A(2) - 25, 3, "(1,");
    write_on(5, "12");
    write_on(3, ")");
}

// Question 1: y = 4/x through A(2,2) and y = -3/x through B(3,-1) on one
// grid, each answer worked to its formula, one key between the parts.
void InverseLesson::INV_GRAPH_TO_FORMULA_Q1_ANSWERS() {
    white_box(0, 0, 1320, 1300);
    XI0 = 40;
    XI1 = XI0 + 81;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    plane(724, YI1 + 50, -5, 5, -5, 5, 40, 10, 1);
    graph_of(1, 4, 3, "(1)");
    graph_of(1, -3, 7, "(2)");
    write_at(XI1, YI1, 0, "問1　解答");

    write_at(XI0, YI1 + 50, 0, "(1)");
    write_on(3, "点A(2,2)");
    write_on(0, "を通るから、");
    point_at(2, 2, 8, 5, "A", 10, -30);
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 3, "x=2,y=2 を代入して");
    write_at(XI1, YI1 + 70, 0, "2=ﾀa/2ﾀ  ﾀa/2ﾀ=2");
    write_at(XI1, YI1 + 60, 3, "a=2*2=4");
    write_at(XI2 + 80, YI1, 5, "答　y=ﾀ4/xﾀ");
    WAIT_KEY();

    write_at(XI0, YI1 + 90, 0, "(2)");
    write_on(3, "点B(3,-1)");
    write_on(0, "を通るから、");
    point_at(3, -1, 8, 5, "B", 10, -30);
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 3, "x=3,y=-1 を代入して");
    write_at(XI1, YI1 + 70, 0, "-1=ﾀa/3ﾀ  ﾀa/3ﾀ=-1");
    write_at(XI1, YI1 + 60, 3, "a=-1*3=-3");
    write_at(XI2 + 80, YI1, 5, "答　y=-ﾀ3/xﾀ");
}

}  // namespace lessons
