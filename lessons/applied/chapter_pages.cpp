// What the chapter problem pages share: framed cells the pen follows.
#include "applied_lesson.hpp"
#include "framework/platform/screen.hpp"

namespace lessons {

void AppliedLesson::page_cell(float x, float y, float width, float height, const std::string& text,
                              float text_colour, float border, float fill) {
    table_cell_at(x, y, width, height, text, text_colour, border, fill);
    XI2 = X;
    YI1 = Y;
}

}  // namespace lessons
