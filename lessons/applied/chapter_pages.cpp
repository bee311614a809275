// What the chapter problem pages share: framed cells the pen follows, and
// points and graphs on one value per grid unit.
#include "applied_lesson.hpp"
#include "framework/platform/screen.hpp"

namespace lessons {

void AppliedLesson::page_cell(float x, float y, float width, float height, const std::string& text,
                              float text_colour, float border, float fill) {
    table_cell_at(x, y, width, height, text, text_colour, border, fill);
    XI2 = X;
    YI1 = Y;
}

void AppliedLesson::plane_point(float xg, float yg, float r, float colour, const std::string& label,
                                float shift_x, float shift_y) {
    XG = xg;
    YG = yg;
    R = r;
    CCC3 = colour;
    AAA_S = label;
    KASANARIX = shift_x;
    KASANARIY = shift_y;
    PLOT_POINT();
}

void AppliedLesson::plane_graph(float kind, float a, float colour, const std::string& label,
                                float shift_x, float shift_y) {
    IROIRO = kind;
    AA = a;
    BB = 0;
    CCC3 = colour;
    AAA_S = label;
    KASANARIX = shift_x;
    KASANARIY = shift_y;
    PLOT_GRAPH();
}

}  // namespace lessons
