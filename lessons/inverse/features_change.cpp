// How y changes as x increases, for a > 0 and for a < 0: the line y = ±1.5x
// on the left, the hyperbola y = ±5/x on the right, each with arrow pairs
// for a step of x and the change of y; one key fills the proportion's
// blanks, the next the inverse proportion's.
#include "framework/platform/screen.hpp"
#include "inverse_lesson.hpp"

namespace lessons {

void InverseLesson::INV_FEATURES_CHANGE_POSITIVE_SCENE() {
    features_change_page(1);
}

void InverseLesson::INV_FEATURES_CHANGE_NEGATIVE_SCENE() {
    features_change_page(-1);
}

// The run arrows always point right; only the change arrows turn, up where
// y increases and down where it decreases.
void InverseLesson::features_change_page(float sign) {
    const bool positive = sign > 0;
    const std::string when = positive ? "a>0 のとき" : "a<0 のとき";
    white_box(0, 0, 1320, 1800);
    rt::SET_DRAW_WIDTH(5);

    XI0 = 30;
    XI1 = XI0 + 27;
    header_cell(XI0, 20, 490, 50, "yの値の変化(比例)");
    write_at(XI1, 80, 3, when);
    write_at(XI1, 130, 0, "xの値が増加すると");
    write_at(XI1, 180, 0, "yの値は");
    blank_here(1);
    write_at(XI2 + 72, YI1, 0, "する");
    // The x range moves with the sign so that the line's rising half stays
    // in view; the axis keeps its place.
    plane(114, YI1 + 100, positive ? -2 : -4, positive ? 4 : 2, -2, 6, 40, 0, 0);
    graph_of(3, 1.5f * sign, 3);
    X_A(13) = GX0;
    Y_A(13) = GY1;
    X_A(11) = positive ? 1 : -3;
    X_A(12) = positive ? 3 : -1;
    Y_A(11) = AA * X_A(11);
    Y_A(12) = AA * X_A(12);
    to_pixels(11, 12);
    // The line's pair is labelled after both arrows, the curve's between.
    arrow_pair(11, 12, 0, positive ? 0 : -50, true);

    XI0 = 600;
    XI1 = XI0 + 27;
    header_cell(XI0, 20, 490, 50, "yの値の変化(反比例)");
    write_at(XI1, 80, 3, when);
    write_at(XI1, 130, 0, "x>0,x<0 のどちらの場合も");
    write_at(XI1, 180, 0, "xの値が増加するとyの値は");
    blank_here(2);
    write_at(XI2 + 72, YI1, 0, "する");
    plane(XI1 + 80, YI1 + 80, -6, 6, -6, 6, 30, 0, 0);
    graph_of(1, 5 * sign, 3);
    branch_points(1, 5 * sign);
    arrow_pair(1, 2, 0, positive ? -50 : 0);
    arrow_pair(3, 4, 0, -50);

    WAIT_KEY();
    const std::string line_word = positive ? "増加" : "減少";
    fill_blank(1, line_word);
    change_label(11, 12, 0, line_word);
    if (positive) {
        label_at(X_A(13) - 135, Y_A(13) + 50, 5, "右上がり");
    } else {
        label_at(X_A(13), Y_A(13) + 50, 5, "右下がり");
    }
    WAIT_KEY();
    const std::string curve_word = positive ? "減少" : "増加";
    fill_blank(2, curve_word);
    change_label(1, 2, 0, curve_word);
    change_label(3, 4, 0, curve_word);
}

}  // namespace lessons
