// Near both axes, and the answer graph of question 1. The first scene shows
// y=6/x on a plain plane and, under it, magnified windows around x = 100,
// 1000, 10000 (near the x-axis) and x = 0.1, 0.01, 0.001 (near the y-axis),
// each with tick texts of its own that tell what one grid unit is worth. The
// second draws y=4/x and y=-4/x over y=6/x and y=-6/x.
#include <cmath>

#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "framework/platform/text.hpp"
#include "inverse_lesson.hpp"

namespace lessons {

// The tick texts stand at the fifth grid line: the x tick centred under it,
// 4 px below the axis, the y tick ending at the axis level with it. A point
// drawn large just after the first "0" makes "005" read 0.05.
void InverseLesson::zoom_ticks(const std::string& x_tick, const std::string& y_tick,
                               bool point_on_x) {
    SIZE1 = 26;
    rt::SET_FONT_SIZE(SIZE1);
    const float x_len = rt::KLEN(x_tick);
    const float y_len = rt::KLEN(y_tick);
    const float x_tick_x = GX0 + SIZE * 5 - (x_len / 2) * SIZE1;
    const float x_tick_y = GY0 + 4;
    const float y_tick_x = GX0 - SIZE1 * y_len;
    const float y_tick_y = GY0 - SIZE * 5 - SIZE1 / 2;
    const auto decimal_point = [&](float x, float y) {
        rt::SYMBOL(x + SIZE1 - 8, y - 20, ".", 2, 2, 0);
    };
    rt::SYMBOL(x_tick_x, x_tick_y, x_tick, 2, 1, 0);
    if (point_on_x) {
        decimal_point(x_tick_x, x_tick_y);
        rt::SYMBOL(y_tick_x, y_tick_y, y_tick, 2, 1, 0);
    } else {
        rt::SYMBOL(y_tick_x, y_tick_y, y_tick, 2, 1, 0);
        decimal_point(y_tick_x, y_tick_y);
    }
}

void InverseLesson::INV_NEAR_AXES_ZOOM_SCENE() {
    // A window near the x-axis: nine points around x = `centre`; a grid unit
    // is worth 1 in x (grid 0 at centre - 5) and 1/centre in y, so the point
    // of x = centre stands at grid (5, 6).
    const auto x_axis_window = [&](float centre, const std::string& x_tick,
                                   const std::string& y_tick) {
        plane(880, 350, 0, 10, 0, 8, 30, 14, -1);
        zoom_ticks(x_tick, y_tick, false);
        count_loop(IJ, centre - 4, centre + 4,
                   [&] { point_at(IJ - (centre - 5), 6 * centre / IJ, 8, 3); });
        rt::SET_FONT_SIZE(16);
    };
    // A window near the y-axis: the points for x = 1 .. 5 units of the window.
    const auto y_axis_window = [&](const std::string& x_tick, const std::string& y_tick) {
        plane(880, 350, 0, 5, 0, 8, 30, 14, -1);
        zoom_ticks(x_tick, y_tick, true);
        count_loop(IJ, 1, 5, [&] { point_at(IJ, 6 / IJ, 8, 3); });
        rt::SET_FONT_SIZE(16);
    };

    white_box(0, 0, 1320, 1300);
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(40, YI1 - 10, 3, "y=ﾀ6/xﾀ で調べよう");

    // Near the x-axis.
    plane(880, 50, 0, 10, 0, 8, 30, 14, 1);
    WAIT_KEY();
    write_at(XI1, YI1 + 60, 0, "(1)x=10 のとき y=0.6");
    graph_of(1, 6, 3, "y=ﾀ6/xﾀ", -108, -100);
    WAIT_KEY();
    write_at(XI1 + 81, YI1 + 50, 0, "x=100 のとき y=0.06");
    x_axis_window(100, "100", "005");
    WAIT_KEY();
    write_at(XI1 + 81, YI1 + 50, 0, "x=1000 のとき y=0.006");
    rt::BOX(GX1 - 160, GY1, GX2, GY2 + 300, 15, 15);
    x_axis_window(1000, "1000", "0005");
    WAIT_KEY();
    write_at(XI1 + 81, YI1 + 50, 0, "x=10000 のとき y=0.0006");
    rt::BOX(GX1 - 160, GY1, GX2, GY2 + 300, 15, 15);
    x_axis_window(10000, "10000", "00005");
    WAIT_KEY();
    write_at(XI1 + 81, YI1 + 50, 5, "x軸に近づいていく");
    WAIT_KEY();
    write_at(XI2, YI1, 3, "が交わらない。");
    WAIT_KEY();

    // Near the y-axis: the graph side erased, the texts on the left stay.
    white_box(GX1 - 160, 0, 1320, 1300);
    plane(880, 50, 0, 5, 0, 8, 30, 14, 1);
    write_at(XI1, YI1 + 50, 0, "(2)x=1 のとき y=6");
    graph_of(1, 6, 3, "y=ﾀ6/xﾀ", -108, -150);
    WAIT_KEY();
    write_at(XI1 + 81, YI1 + 50, 0, "x=0.1 のとき y=60");
    y_axis_window("05", "50");
    WAIT_KEY();
    write_at(XI1 + 81, YI1 + 50, 0, "x=0.01 のとき y=600");
    rt::BOX(GX1 - 160, GY1, GX2 + 240, GY2 + 300, 15, 15);
    y_axis_window("005", "500");
    WAIT_KEY();
    write_at(XI1 + 81, YI1 + 50, 0, "x=0.001 のとき y=6000");
    rt::BOX(GX1 - 160, GY1, GX2 + 240, GY2 + 300, 15, 15);
    y_axis_window("0005", "5000");
    WAIT_KEY();
    write_at(XI1 + 81, YI1 + 50, 5, "y軸に近づいていく");
    WAIT_KEY();
    write_at(XI2, YI1, 3, "が交わらない。");
    WAIT_KEY();
    write_at(XI1, YI1 + 60, 3, "y=-ﾀ6/xﾀ でも同じ。");
    WAIT_KEY();
    write_at(XI2 + 40, YI1, 7, "教科書P140 問1 をやろう。");
}

// The answer graph of y=4/x: its table to one decimal, its points one per key
// and its curve over the reference curves y=6/x and y=-6/x; then the points
// and the curve of y=-4/x, whose values are the table's with the signs reversed.
void InverseLesson::INV_GRAPH_Q1_ANSWER_SCENE() {
    white_box(0, 0, 1320, 1300);
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(40, 30, 3, "問1解答 y=ﾀ4/xﾀ のグラフ");

    X_A(11) = XI1;
    X_A(12) = X_A(11) + 54;
    X_A(13) = X_A(12) + 360;
    Y_A(11) = YI1 + 60;
    Y_A(12) = Y_A(11) + 50;
    Y_A(13) = Y_A(12) + 50;
    Y_A(14) = Y_A(13) + 50;
    // The y texts: 4/x to the nearest tenth (40/x rounded to a whole number,
    // then tenths), the same magnitude for -x, the signs and the zero before
    // the point put in by hand.
    count_loop(II, 1, 6, [&] {
        T_A(II + 7) = static_cast<float>(rt::CINT(40 / II)) / 10;
        T_A(7 - II) = T_A(II + 7);
    });
    FORMAT_TABLE_ARRAYS();
    for (int k = 1; k <= 13; ++k) {
        if (k == 7) {
            T_A_S(k) = "*";
        } else if (k > 7 && T_A(k) < 1) {
            T_A_S(k) = "0" + T_A_S(k);
        } else if (k < 7 && T_A(k) < 1) {
            T_A_S(k) = "-0" + T_A_S(k);
        } else if (k < 7) {
            T_A_S(k) = "-" + T_A_S(k);
        }
    }
    // x = -6 .. -3 in columns 90 wide, x = -2 .. 6 in columns 70 wide; no "…" cells.
    const auto left = [&](float x) {
        return x <= -3 ? X_A(12) + (x + 6) * 90 : X_A(13) + (x + 2) * 70;
    };
    const auto width = [](float x) { return x <= -3 ? 90.0f : 70.0f; };
    row_cell(X_A(11), Y_A(11), 54, "x", 0);
    count_loop(II, -6, 6, [&] { row_cell(left(II), Y_A(11), width(II), stripped_text_of(II), 0); });
    row_cell(X_A(11), Y_A(12), 54, "y", 0);
    count_loop(II, -6, 6, [&] { row_cell(left(II), Y_A(12), width(II), "", 5); });

    plane(800, Y_A(13) + 30, -7, 7, -7, 7, 30, 14, 1);
    graph_of(1, 6, 3, "y=ﾀ6/xﾀ", -150, -150);
    graph_of(1, -6, 7, "y=-ﾀ6/xﾀ", -150, 50);
    WAIT_KEY();
    count_loop(II, -6, 6, [&] {
        WAIT_KEY();
        row_cell(left(II), Y_A(12), width(II), T_A_S(II + 7), 5);
    });

    // The points of y = a/x at their exact values, one key each (x = 0: no point).
    const auto exact_points = [&](float a) {
        count_loop(II, -6, 6, [&] { T_A(II + 7) = II == 0 ? 0 : a / II; });
        WAIT_KEY();
        count_loop(II, -6, 6, [&] {
            WAIT_KEY();
            if (II != 0) point_at(II, T_A(II + 7), 4, 5);
        });
        WAIT_KEY();
    };
    exact_points(4);
    graph_of(1, 4, 5, "y=ﾀ4/xﾀ", -420, 100);
    write_at(XI1, Y_A(14) + 50, 3, "y=-ﾀ4/xﾀ のyの値は");
    write_at(XI1, YI1 + 70, 3, "表のyの符号を反対にすればよいから");
    exact_points(-4);
    graph_of(1, -4, 5, "y=-ﾀ4/xﾀ", -420, -150);
}

}  // namespace lessons
