// How y changes as x increases on y=6/x and y=-6/x (unit steps marked with
// slope triangles, the whole change with two arrows), and the summary page
// that names the graph a hyperbola.
#include "framework/platform/screen.hpp"
#include "inverse_lesson.hpp"

namespace lessons {

void InverseLesson::INV_CHANGE_POSITIVE_SCENE() {
    change_scene(6);
}

void InverseLesson::INV_CHANGE_NEGATIVE_SCENE() {
    change_scene(-6);
}

// The table and the curve of y = a/x, then for x = 1 .. 6 and again for
// x = -6 .. -1 the five unit steps and the whole change, ten keys in all.
// For a > 0 y always falls, for a < 0 it always rises.
void InverseLesson::change_scene(float a) {
    const bool positive = a > 0;
    const std::string formula = positive ? "y=ﾀ6/xﾀ" : "y=-ﾀ6/xﾀ";
    const std::string moves = positive ? "yは常に下へ進むから、" : "yは常に上へ進むから、";
    const std::string y_change = positive ? "減少" : "増加";
    // "増加" stands above the horizontal arrow when y falls (the vertical
    // arrow goes down from it), below it when y rises.
    const float across_dy = positive ? -50 : 0;

    white_box(0, 0, 1320, 1300);
    XI0 = 30;
    XI1 = XI0 + 36;
    YI1 = 20;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI0, YI1, 3, "Q " + formula + "で、xの値が増加するとき、yの値の変化を調べよう。");

    // The table: the wide columns at the ends where the values have a point.
    X_A(11) = XI1;
    Y_A(11) = YI1 + 60;
    Y_A(12) = Y_A(11) + 50;
    Y_A(13) = Y_A(12) + 50;
    const auto width = [&](float x) {
        const bool wide = positive ? x <= -4 : x >= 4;
        return wide ? 90.0f : 70.0f;
    };
    for (const float row : {Y_A(11), Y_A(12)}) {
        const bool x_row = row == Y_A(11);
        const float value_colour = x_row ? 0 : 7;
        row_head(X_A(11), row, x_row ? "x" : "y", 54);
        U_A(1) = X;
        count_loop(II, -6, 6, [&] {
            const std::string text =
                x_row ? stripped_text_of(II) : (II == 0 ? "*" : stripped_text_of(a / II));
            row_cell(U_A(1), row, width(II), text, value_colour);
            U_A(1) = X;
        });
        row_cell(U_A(1), row, 54, "…", value_colour);
    }
    YI1 = Y_A(12);

    plane(800, Y_A(13) + 30, -7, 7, -7, 7, 30, 14, 1);
    graph_of(1, a, 0, formula, -135, positive ? 75 : -175);

    const auto unit_steps = [&] {
        count_loop(II, 1, 5, [&] {
            GX3 = X_A(II);
            GY3 = Y_A(II);
            GX4 = X_A(II + 1);
            GY4 = Y_A(II + 1);
            HYOUJI_S = "yn";
            SLOPE_TRIANGLE();
        });
    };
    // One half of the scene: x from `from` in unit steps. The overall arrows
    // are drawn at the width the slope triangles leave.
    const auto half = [&](const std::string& number, const std::string& from, float down_dx) {
        write_at(XI0, YI1 + 70, 7, number);
        write_on(0, " xが" + from + "から1ずつ増加すると");
        WAIT_KEY();
        write_at(XI1, YI1 + 50, 0, "グラフでは、");
        write_on(3, "xが1ずつ右へ進み");
        WAIT_KEY();
        unit_steps();
        WAIT_KEY();
        write_at(XI1, YI1 + 50, 3, moves);
        write_on(5, y_change + "する");
        WAIT_KEY();
        arrow_pair(1, 6, 5, across_dy);
        change_label(1, 6, down_dx, y_change);
    };
    // Six points of the curve from x = x0 on in unit steps, as pixels in X(1..6), Y(1..6).
    const auto six_points = [&](float x0) {
        for (int k = 1; k <= 6; ++k) X_A(k) = x0 + k - 1;
        inverse_points(1, 6, a);
    };
    six_points(1);
    half("①", "1", -72);
    six_points(-6);
    WAIT_KEY();
    half("②", "-6", 0);
    WAIT_KEY();
    write_at(XI0, YI1 + 70, 7, "③");
    write_on(5, positive ? " y=ﾀ6/xﾀでは、xが増加するとyは減少する。"
                         : " y=-ﾀ6/xﾀでは、xが増加するとyも増加する。");
}

// The graph of y=a/x is a hyperbola: y=5/x and y=-5/x on two small planes
// without grids, then after one key the increase and the change of y on
// each of the four branches.
void InverseLesson::INV_HYPERBOLA_SUMMARY_SCENE() {
    white_box(0, 0, 1320, 1300);
    XI1 = 76;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(10);
    rt::BOX(38, 16, 38 + 760, 16 + 125, 9);
    write_at(XI1, YI1, 3, "<y=ﾀa/xﾀのグラフ>");
    write_at(XI1, YI1 + 50, 0, "グラフは、");
    write_on(5, "双曲線");
    write_on(0, "とよばれる曲線になる。");
    rt::SET_DRAW_WIDTH(5);

    plane(114, YI1 + 175, -6, 6, -6, 6, 30, 0, 0);
    graph_of(1, 5, 3);
    label_at(GX0 - 135, GY1 - 75, 3, "a>0のとき");
    branch_points(1, 5);
    plane(570, YI1 + 175, -6, 6, -6, 6, 30, 0, 0);
    graph_of(1, -5, 3);
    label_at(GX0 - 135, GY1 - 75, 3, "a<0のとき");
    branch_points(5, -5);
    WAIT_KEY();

    // On y=5/x y falls as x increases, on y=-5/x it rises: "増加" above the
    // run arrow where the change arrow goes down from it, below it where it rises.
    const auto branch_arrows = [&](int from, float run_label_dy, const std::string& change) {
        arrow_pair(from, from + 1, 5, run_label_dy);
        change_label(from, from + 1, 0, change);
    };
    branch_arrows(1, -50, "減少");
    branch_arrows(3, -50, "減少");
    branch_arrows(5, 0, "増加");
    branch_arrows(7, 0, "増加");
}

}  // namespace lessons
