// The shapes the scenes of lesson_inverse share: table cells, coordinate
// planes and their graphs, points, the marked point with its guides, arrow
// pairs and the blanks of a page.
#include "framework/platform/screen.hpp"
#include "inverse_lesson.hpp"

namespace lessons {

void InverseLesson::row_cell(float x, float y, float width, const std::string& text, float colour) {
    table_cell_at(x, y, width, 50, text, colour, 3, 15);
}

void InverseLesson::row_head(float left, float top, const std::string& name, float width) {
    row_cell(left, top, width, name, 0);
    row_cell(X, top, width, "…", 0);
}

void InverseLesson::header_cell(float x, float y, float width, float height,
                                const std::string& text) {
    table_cell_at(x, y, width, height, text, 0, 3, 13);
}

void InverseLesson::marked_point(float gx, float gy, float label_colour, float label_drop) {
    X_A(2) = GX0 + gx * SIZE;
    Y_A(2) = GY0 - gy * SIZE;
    X_A(1) = X_A(2);
    Y_A(1) = GY0;
    X_A(3) = GX0;
    Y_A(3) = Y_A(2);
    label_at(X_A(1) - 14, Y_A(1) + label_drop, label_colour, "1");
    rt::SET_DRAW_WIDTH(5);
    rt::LINE(X_A(1), Y_A(1), X_A(2), Y_A(2), 7);
    rt::LINE(X_A(3), Y_A(3), X_A(2), Y_A(2), 7);
    rt::CIRCLE(X_A(2), Y_A(2), 8, 7, 0, 0, 7);
}

void InverseLesson::marked_y_label(const std::string& text) {
    label_at(X_A(3) - 58, Y_A(3) - 25, 5, text);
}

void InverseLesson::to_pixels(int first, int last) {
    for (int k = first; k <= last; ++k) {
        X_A(k) = GX0 + X_A(k) * SIZE;
        Y_A(k) = GY0 - Y_A(k) * SIZE;
    }
}

void InverseLesson::inverse_points(int first, int last, float a) {
    for (int k = first; k <= last; ++k) Y_A(k) = a / X_A(k);
    to_pixels(first, last);
}

void InverseLesson::branch_points(int first, float a) {
    const float xs[4] = {-6, -1, 1, 6};
    for (int k = 0; k < 4; ++k) X_A(first + k) = xs[k];
    inverse_points(first, first + 3, a);
}

void InverseLesson::arrow_pair(int from, int to, float colour, float run_label_dy,
                               bool label_last) {
    GX3 = X_A(from);
    GY3 = Y_A(from);
    GX4 = X_A(to);
    GY4 = Y_A(to);
    YA = 0;  // one head only
    const auto run_label = [&] { label_at((GX3 + GX4) / 2 - 14, GY3 + run_label_dy, 5, "増加"); };
    arrow(GX3, GY3, GX4, GY3, colour);
    if (!label_last) run_label();
    arrow(GX4, GY3, GX4, GY4, colour);
    if (label_last) run_label();
}

void InverseLesson::change_label(int from, int to, float dx, const std::string& text) {
    label_at(X_A(to) + dx, (Y_A(from) + Y_A(to)) / 2 - 16, 5, text);
}

void InverseLesson::blank_here(int index) {
    U_A(index) = XI2;
    V_A(index) = YI1;
}

void InverseLesson::fill_blank(int index, const std::string& text) {
    label_at(U_A(index), V_A(index), 5, text);
}

}  // namespace lessons
