// Coordinates: the topic's aims page and bar, the graph of y=2x for x from 0,
// the terms of the coordinate plane and the answers of the two exercises.
// The drills on points are in coordinate_drills.cpp.
//
// None of these scenes sets BAIX, BAIY or NASI: the point and graph routines
// leave the scales at 1 and the axes routine leaves NASI at 0, so every plane
// here has one value per grid square and numbers its fifth lines.
#include "direct_lesson.hpp"
#include "framework/platform/screen.hpp"

namespace lessons {

void DirectLesson::TOPIC_COORDINATES() {
    SHOW_AIMS_COORDINATES();
    run_bar("①P126Q　②用語　③練習　④問１,2　⑤終了",
            {&DirectLesson::SCENE_GRAPH_NONNEGATIVE_X, &DirectLesson::SCENE_COORDINATE_TERMS,
             &DirectLesson::DRILL_COORDINATES, &DirectLesson::SCENE_COORDINATE_ANSWERS});
}

void DirectLesson::SHOW_AIMS_COORDINATES() {
    aim_page(0, "点の位置を、xとyの値の組で表そう。", true);
}

void DirectLesson::plane_with_grid(float ggx, float ggy, float x_from, float x_to, float y_from,
                                   float y_to, float size) {
    GGX = ggx;
    GGY = ggy;
    AA1 = x_from;
    AA2 = x_to;
    BB1 = y_from;
    BB2 = y_to;
    SIZE = size;
    CCC2 = 1;
    DRAW_AXES();
}

// ---- the graph of y=2x for x from 0 -----------------------------------------------

// The table of y=2x for x = 0 to 6 beside a first-quadrant plane: the values
// of y one per key, the points one per key, then the line and the question
// that leads to negative x.
void DirectLesson::SCENE_GRAPH_NONNEGATIVE_X() {
    white_box(0, 0, 1600, 1800);
    rt::SET_DRAW_WIDTH(5);
    XI1 = 38;
    YI1 = 30;
    write_at(XI1, YI1, 3, "x≧0 の範囲のグラフをかこう。");
    write_at(XI1, YI1 + 50, 0, "y=2x");

    // Header column and first value column; x row and y row.
    X_A(11) = XI1;
    X_A(12) = X_A(11) + 60;
    Y_A(11) = YI1 + 60;
    Y_A(12) = Y_A(11) + 50;
    table_cell_at(X_A(11), Y_A(11), 60, 50, "x", 0, 3, 15);
    count_loop(II, 0, 6, [&] {
        table_cell_at(X_A(12) + 60 * II, Y_A(11), 60, 50, stripped_text_of(II), 0, 3, 15);
    });
    table_cell_at(X_A(11), Y_A(12), 60, 50, "y", 0, 3, 15);
    count_loop(II, 0, 6, [&] {
        T_A_S(II) = stripped_text_of(2 * II);
        // The given value: the others are for the learner to work out.
        table_cell_at(X_A(12) + 60 * II, Y_A(12), 60, 50, II == 3 ? T_A_S(II) : "", 0, 3, 15);
    });
    XI2 = X;
    YI1 = Y_A(12);
    plane_with_grid(XI2 + 90, 50, 0, 7, 0, 13, 40);
    WAIT_KEY();

    count_loop(II, 0, 6, [&] {
        WAIT_KEY();
        table_cell_at(X_A(12) + 60 * II, Y_A(12), 60, 50, T_A_S(II), II == 3 ? 0 : 5, 3, 15);
    });
    WAIT_KEY();

    count_loop(II, 0, 6, [&] {
        WAIT_KEY();
        point_at(II, 2 * II, 8, 3, "");
    });
    WAIT_KEY();

    // Drawn only inside the plane: it ends at (6.5, 13).
    IROIRO = 3;
    AA = 2;
    BB = 0;
    CCC3 = 3;
    AAA_S = "";
    PLOT_GRAPH();
    WAIT_KEY();

    write_at(XI1, YI1 + 90, 3, "x<0 の範囲のグラフをかくには?");
}

// ---- the terms of the plane ---------------------------------------------------------

// From the point (3,6) of y=2x on a first-quadrant plane the axes grow to
// negative x, then to negative y, all three planes on one origin (840,330);
// then each term is listed at the left and marked on the plane.
void DirectLesson::SCENE_COORDINATE_TERMS() {
    white_box(0, 0, 1600, 1800);
    rt::SET_DRAW_WIDTH(5);
    XI1 = 40;
    YI1 = 30;
    write_at(XI1, YI1, 0, "x=3 のときy=6");
    plane_with_grid(840, 50, 0, 7, 0, 7, 40);
    WAIT_KEY();
    point_at(3, 6, 8, 3, "");
    WAIT_KEY();
    // Drawn over the first plane without erasing it, so the point stays.
    plane_with_grid(560, 50, -7, 7, 0, 7, 40);
    WAIT_KEY();
    plane_with_grid(560, 50, -7, 7, -7, 7, 40);
    WAIT_KEY();

    // Each axis label leaves an anchor just after its last character, 25 px
    // below its top, where the line from "座標軸" ends.
    write_at(XI1, YI1 + 80, 5, "x軸");
    write_on(0, "…横の直線");
    label_at(GX0 + 40, GY0 - 50, 5, "x軸");
    X_A(1) = X;
    Y_A(1) = Y + 25;
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 5, "y軸");
    write_on(0, "…縦の直線");
    label_at(GX0, GY0 - 160, 5, "y軸");
    X_A(2) = X;
    Y_A(2) = Y + 25;
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 5, "座標軸");
    write_on(0, "…x軸とy軸");
    X_A(3) = GX0 + 160;
    Y_A(3) = GY0 - 100;
    label_at(X_A(3), Y_A(3) - 25, 5, "座標軸");
    M = 3;
    for (const float to : {1.0f, 2.0f}) {
        N = to;
        rt::LINE(X_A(M), Y_A(M), X_A(N), Y_A(N), 3);
    }
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 5, "原点");
    write_on(0, "…座標軸の交点");
    write_on(5, "O(オー)");
    label_at(GX0 + 40, GY0 + 50, 5, "原点");
    // One head, at the origin.
    ZX0 = GX0 + 40;
    ZY0 = GY0 + 75;
    ZX = GX0;
    ZY = GY0;
    MUKI = 1;
    YA = 1;
    NAGASA = 16;
    CCC2 = 3;
    DRAW_ARROW();
    WAIT_KEY();

    point_at(3, 6, 8, 3, "P", 30);
    X_A(1) = GX;
    Y_A(1) = GY;
    WAIT_KEY();
    // P's feet on the axes, in the colour of their coordinates.
    write_at(XI1, YI1 + 70, 3, "点Pの");
    write_on(5, "x座標");
    write_on(0, "…3");
    rt::LINE(X_A(1), Y_A(1), X_A(1), GY0, 7);
    label_at(X_A(1) - 14, GY0 + 4, 7, "3");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 3, "点Pの");
    write_on(5, "y座標");
    write_on(0, "…6");
    rt::LINE(X_A(1), Y_A(1), GX0, Y_A(1), 7);
    label_at(GX0 - 30, Y_A(1) - 24, 7, "6");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 3, "点Pの");
    write_on(5, "座標");
    write_on(0, "…");
    write_on(5, "(3,6)");
    point_at(3, 6, 8, 3, "P(3,6)", 30);
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 3, "原点Oの");
    write_on(5, "座標");
    write_on(0, "…");
    write_on(5, "(0,0)");
}

// ---- the answers of the two exercises ---------------------------------------------

// Exercise 1 reads the coordinates of A to F (the answers are the texts),
// exercise 2 places Q to V (the answers are the points, drawn last).
void DirectLesson::SCENE_COORDINATE_ANSWERS() {
    static const struct {
        const char* label;
        float x, y;
    } kPoints[12] = {{"A", 3, 2},   {"B", -2, 3}, {"C", -4, -3}, {"D", 2, -2},
                     {"E", 0, 2},   {"F", -3, 0}, {"Q", 3, 4},   {"R", 4, -3},
                     {"S", -2, -4}, {"T", -4, 1}, {"U", 0, -2},  {"V", 4, 0}};
    count_loop(II, 1, 12, [&] {
        T_A(II) = kPoints[static_cast<int>(II) - 1].x;
        F_A(II) = kPoints[static_cast<int>(II) - 1].y;
        T_A_S(II) = kPoints[static_cast<int>(II) - 1].label;
    });
    // Points first..last of the table, labelled 20 px left of and 50 px
    // above their centre.
    auto points = [&](float first, float last, float colour) {
        count_loop(II, first, last,
                   [&] { point_at(T_A(II), F_A(II), 8, colour, T_A_S(II), 0, -10); });
    };

    white_box(0, 0, 1320, 1300);
    XI1 = 38;
    YI1 = 30;
    write_at(XI1, YI1, 3, "問1 解答");
    plane_with_grid(680, 50, -6, 6, -6, 6, 40);
    points(1, 6, 3);
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 5, "A(3,2) B(-2,3) C(-4,-3)");
    write_at(XI1, YI1 + 50, 5, "D(2,-2) E(0,2) F(-3,0)");
    WAIT_KEY();
    write_at(XI1, YI1 + 80, 3, "問2 解答");
    write_at(XI1, YI1 + 50, 0, "Q(3,4) R(4,-3) S(-2,-4)");
    write_at(XI1, YI1 + 50, 0, "T(-4,1) U(0,-2) V(4,0)");
    WAIT_KEY();
    points(7, 12, 5);
}

}  // namespace lessons
