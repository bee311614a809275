// Topic 1: a pool filled by a tap. Variables and functions: the depth of the
// water against the hours, a depth table filled hour by hour, and the two
// filling animations (the plain one and the one with scale and clock).
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "functions_lesson.hpp"

namespace lessons {

// ---- topic entry and bar --------------------------------------------------------

void FunctionsLesson::POOL_MENU() {
    POOL_AIM_AND_GEOMETRY();
    run_bar("①P115Q　②P116Q　③終了",
            {&FunctionsLesson::POOL_Q115_SCENE, &FunctionsLesson::POOL_Q116_SCENE});
}

void FunctionsLesson::POOL_AIM_AND_GEOMETRY() {
    white_box(0, 0, 1760, 1800);
    aim_page(0, "変数と関数の意味を理解しよう。");
    // The pool seen from the side: 520 by 360 pixels inside, 3 pixels a cm.
    X_A(31) = 720;
    X_A(32) = X_A(31) + 520;
    X_A(34) = X_A(32);
    Y_A(31) = 600;
    Y_A(32) = Y_A(31) - 360;
    Y_A(33) = Y_A(32) - 16;
    Y_A(34) = Y_A(33) - 16;
}

// ---- the pool figure ---------------------------------------------------------------

// An open U of thick walls, no line along the brim.
void FunctionsLesson::pool_walls() {
    rt::SET_DRAW_WIDTH(20);
    rt::POLYLINE({{X_A(31) - 6, Y_A(32)},
                  {X_A(31) - 6, Y_A(31) + 6},
                  {X_A(32) + 6, Y_A(31) + 6},
                  {X_A(32) + 6, Y_A(32)}},
                 0);
    rt::SET_DRAW_WIDTH(3);
}

void FunctionsLesson::pool_empty_interior() {
    rt::BOX(X_A(31), Y_A(31), X_A(32), Y_A(32), 15, 15);
}

void FunctionsLesson::pool_water(float height) {
    rt::BOX(X_A(31), Y_A(31), X_A(32), Y_A(31) - height, 11, 11);
}

void FunctionsLesson::POOL_DRAW_FAUCET() {
    // The pipe along the brim with its spout reaching down to the brim line.
    polygon_by_steps(X_A(32), Y_A(33), {{-72, 0}, {0, 16}, {8, 0}, {0, -8}, {64, 0}}, 0, 11);
    // The handle: its stem and its bar.
    rt::BOX(X_A(34) - 40, Y_A(33), X_A(34) - 48, Y_A(33) - 8, 0, 14);
    rt::BOX(X_A(34) - 32, Y_A(33) - 8, X_A(34) - 56, Y_A(33) - 12, 0, 14);
}

void FunctionsLesson::POOL_DRAW_DEPTH_SCALE() {
    F_A_S(2) = "20";
    F_A_S(3) = "40";
    F_A_S(4) = "60";
    F_A_S(5) = "80";
    F_A_S(6) = "100";
    F_A_S(7) = "120";
    // A short tick every 5 cm.
    count_loop(II, 2, 24, [&] {
        const float y = Y_A(31) - 15 * (II - 1);
        rt::LINE(X_A(31) + 4, y, X_A(31) + 20, y, 0);
    });
    // A long tick and its label every 20 cm.
    count_loop(II, 2, 7, [&] {
        const float y = Y_A(31) - 60 * (II - 1);
        rt::LINE(X_A(31) + 4, y, X_A(31) + 26, y, 5);
        label_at(X_A(31) + 30, y - 24, 0, F_A_S(II));
    });
}

void FunctionsLesson::POOL_DRAW_WATER_JET() {
    rt::POLYLINE({{X_A(32) - 96, Y_A(31) - 4},
                  {X_A(32) - 32, Y_A(31) - 4},
                  {X_A(32) - 64, Y_A(32)},
                  {X_A(32) - 72, Y_A(32)},
                  {X_A(32) - 96, Y_A(31) - 4}},
                 11, 11);
}

void FunctionsLesson::POOL_DRAW_TIME_LABEL() {
    label_at(X_A(31) + 180, Y_A(31) - 150, 0, T_A_S(1) + "時間" + T_A_S(2) + "分");
}

// ---- the filling animations --------------------------------------------------------
// One frame is 6 minutes and 3 pixels (1 cm) of water; 120 frames fill the
// pool. No key is read while the water rises.

void FunctionsLesson::POOL_FILL_ANIMATION() {
    POOL_DRAW_FAUCET();
    pool_empty_interior();
    WAIT_KEY();
    POOL_DRAW_WATER_JET();
    count_loop(IJ, 1, 120, [&] {
        pool_empty_interior();
        pool_water(3 * IJ);
        POOL_DRAW_WATER_JET();
        rt::WAIT(5);
    });
}

void FunctionsLesson::POOL_FILL_ANIMATION_TIMED() {
    POOL_DRAW_FAUCET();
    pool_walls();
    pool_empty_interior();
    POOL_DRAW_DEPTH_SCALE();
    T_A(1) = 0;
    T_A(2) = 0;
    FORMAT_TABLE_ARRAYS();
    POOL_DRAW_TIME_LABEL();
    WAIT_KEY();
    POOL_DRAW_WATER_JET();
    count_loop(IJ, 1, 120, [&] {
        pool_empty_interior();
        pool_water(3 * IJ);
        POOL_DRAW_DEPTH_SCALE();
        POOL_DRAW_WATER_JET();
        T_A(1) = rt::INT(IJ / 10);
        T_A(2) = rt::INT(rt::MOD(IJ, 10) * 6);
        FORMAT_TABLE_ARRAYS();
        POOL_DRAW_TIME_LABEL();
        rt::WAIT(5);
    });
}

// ---- scenes ------------------------------------------------------------------------------

void FunctionsLesson::POOL_Q115_SCENE() {
    white_box(0, 0, 1600, 1800);
    XI0 = 40;
    XI1 = XI0 + 36;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI0, YI1, 3, "Q 空のプールに水を入れます。");
    POOL_DRAW_FAUCET();
    pool_walls();
    pool_empty_interior();
    POOL_FILL_ANIMATION();
    WAIT_KEY();

    write_at(XI0, YI1 + 50, 3, "①");
    write_on(0, "何がわかれば､満水になるまでの時間を予想できますか?");
    WAIT_KEY();

    write_at(XI1, YI1 + 50, 7, "1時間で増える水の深さ、満水のときの水の深さ");
}

// A cell of the depth table: 81 by 50, framed in 0 and filled with 13.
void FunctionsLesson::depth_table_cell(float x, float y, float text_colour,
                                       const std::string& text) {
    table_cell_at(x, y, 81, 50, text, text_colour, 0, 13);
}

void FunctionsLesson::POOL_Q116_SCENE() {
    // The task and the pool after 2 hours.
    white_box(0, 0, 1600, 1800);
    XI0 = 40;
    XI1 = XI0 + 27;
    rt::SET_DRAW_WIDTH(5);
    YI1 = Y_A(34);
    write_at(XI0, YI1, 3, "Q ");
    write_on(0, "水を入れ始めてから2時間後の");
    write_at(XI1, YI1 + 50, 0, "深さは、底から20cmだった。");
    POOL_DRAW_FAUCET();
    pool_walls();
    pool_empty_interior();
    pool_water(60);
    POOL_DRAW_WATER_JET();
    POOL_DRAW_DEPTH_SCALE();
    T_A(1) = 2;
    T_A(2) = 0;
    FORMAT_TABLE_ARRAYS();
    POOL_DRAW_TIME_LABEL();
    WAIT_KEY();

    // The task for the table, and the table with its given depths.
    write_at(XI1, YI1 + 50, 0, "満水のときの水の深さを");
    write_at(XI1, YI1 + 50, 0, "120cmとして、上の表をうめよう。");
    Y_A(1) = Y;
    YI1 = 30;
    write_at(XI1, YI1, 3, "x時間後の水の深さをycmとする。");
    X_A(11) = XI0;
    X_A(12) = X_A(11) + 81;
    Y_A(11) = YI1 + 60;
    Y_A(12) = Y_A(11) + 50;
    count_loop(II, -1, 7, [&] {
        const std::string hour = II == -1 ? "x" : II == 7 ? "…" : stripped_text_of(II);
        depth_table_cell(X_A(11) + 81 * (II + 1), Y_A(11), 0, hour);
    });
    count_loop(II, -1, 7, [&] {
        const std::string depth = II == -1 ? "y" : II == 0 ? "0" : II == 2 ? "20" : II == 7 ? "…" : "";
        depth_table_cell(X_A(11) + 81 * (II + 1), Y_A(12), 0, depth);
    });
    WAIT_KEY();

    // The table filled hour by hour, the pool rising 10 cm an hour.
    count_loop(II, 0, 6, [&] { F_A(II) = II * 10; });
    F_A_S(0) = "0";
    count_loop(IK, 0, 6, [&] {
        pool_empty_interior();
        if (IK != 0) pool_water(30 * IK);
        POOL_DRAW_DEPTH_SCALE();
        T_A(1) = IK;
        T_A(2) = 0;
        FORMAT_TABLE_ARRAYS();
        POOL_DRAW_TIME_LABEL();
        depth_table_cell(X_A(12) + 81 * IK, Y_A(12), 5, F_A_S(IK));
        WAIT_KEY();
    });

    // When is the pool full?
    YI1 = Y_A(1);
    write_at(XI0, YI1 + 60, 3, "Q ");
    write_on(7, "満水になるのは何時間後?");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 5, "  12時間後");
    WAIT_KEY();
    POOL_FILL_ANIMATION_TIMED();
    WAIT_KEY();

    // A variable.
    white_box(0, Y_A(34), 1600, 1800);
    XI1 = 40;
    YI1 = 208;
    write_at(XI1, YI1 + 50, 5, "1 変数");
    write_at(XI1 + 54, YI1 + 50, 0, "いろいろな値をとる文字");
    write_on(3, "(表のx,y)");
    WAIT_KEY();

    // A function.
    write_at(XI1, YI1 + 70, 5, "２　yはxの関数である");
    write_at(XI1 + 54, YI1 + 50, 0, "2つの変数x,yにおいて、");
    write_at(XI1 + 54, YI1 + 50, 0, "xの値を決めると、それにともなって");
    write_at(XI1 + 54, YI1 + 50, 0, "yの値が");
    write_on(3, "ただ1つ");
    write_on(0, "に決まるとき");
}

}  // namespace lessons
