// Small figure shapes of the lessons: an invisible frame and its points, a
// four-sided outline, dotted length marks, and the rectangle with two marks.
#include "lesson.hpp"

namespace lessons {

void Lesson::plane(float ggx, float ggy, float aa1, float aa2, float bb1, float bb2, float size,
                   float grid, float nasi) {
    GGX = ggx;
    GGY = ggy;
    AA1 = aa1;
    AA2 = aa2;
    BB1 = bb1;
    BB2 = bb2;
    SIZE = size;
    CCC2 = grid;
    NASI = nasi;
    BAIX = 1;
    BAIY = 1;
    DRAW_AXES();
}

void Lesson::graph_of(float kind, float a, float colour, const std::string& label, float label_dx,
                      float label_dy) {
    IROIRO = kind;
    AA = a;
    BB = 0;
    CCC3 = colour;
    AAA_S = label;
    KASANARIX = label_dx;
    KASANARIY = label_dy;
    PLOT_GRAPH();
}

void Lesson::point_at(float x, float y, float radius, float colour, const std::string& label,
                      float label_dx, float label_dy) {
    XG = x;
    YG = y;
    R = radius;
    CCC3 = colour;
    AAA_S = label;
    KASANARIX = label_dx;
    KASANARIY = label_dy;
    PLOT_POINT();
}

void Lesson::arrow(float x0, float y0, float x1, float y1, float colour) {
    ZX0 = x0;
    ZY0 = y0;
    ZX = x1;
    ZY = y1;
    CCC2 = colour;
    NAGASA = 16;
    MUKI = 1;
    DRAW_ARROW();
}

void Lesson::figure_frame(float ggx, float ggy, float yoko, float tate, float size) {
    GGX = ggx;
    GGY = ggy;
    YOKO = yoko;
    TATE = tate;
    CCC2 = 15;
    SIZE = size;
    DRAW_GRID();
}

void Lesson::figure_point(int index, float a, float b) {
    X_A(index) = a;
    Y_A(index) = b;
    X_A(index) = GX0 + SIZE * X_A(index);
    Y_A(index) = GY0 - SIZE * Y_A(index);
}

void Lesson::figure_quad(int p1, int p2, int p3, int p4) {
    const int corners[4] = {p1, p2, p3, p4};
    for (int i = 1; i <= 4; ++i) {
        G_A(1, i) = X_A(corners[i - 1]);
        G_A(2, i) = Y_A(corners[i - 1]);
    }
    SIZE1 = 5;
    CCC2 = 0;
    KAKU = 4;
    NAGASA = 10;
    AAA_S = "";
    DRAW_POLYGON();
}

void Lesson::length_mark(int from, int to, float houkou, float haba, float takasa,
                         const std::string& label, float dot_colour, float label_shift) {
    ZX0 = X_A(from);
    ZY0 = Y_A(from);
    ZX1 = X_A(to);
    ZY1 = Y_A(to);
    CCC1 = 3;
    CCC2 = dot_colour;
    HOUKOU = houkou;
    HABA = haba;
    TAKASA = takasa;
    AAA_S = label;
    AAAX = label_shift;
    DOTTED_ARC();
}

void Lesson::rectangle_with_length_marks(float ggx, float ggy, float width,
                                         const std::string& top_label,
                                         const std::string& left_label) {
    figure_frame(ggx, ggy, 4, 3, 60);
    figure_point(5, 0, 2);
    figure_point(6, 0, 0);
    figure_point(7, width, 0);
    figure_point(8, width, 2);
    rt::SET_DRAW_WIDTH(5);
    figure_quad(5, 6, 7, 8);
    length_mark(5, 8, -1, 5, 20, top_label);
    length_mark(5, 6, 1, 10, 20, left_label);
}

}  // namespace lessons
