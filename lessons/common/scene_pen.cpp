// The scene pen: text pieces that make the current line, labels, white
// boxes, the aims page, framed cells and the arrow-key prompt.
#include "framework/platform/text.hpp"
#include "lesson.hpp"

namespace lessons {

void Lesson::write_at(float x, float y, float colour, const std::string& text) {
    CCC1 = colour;
    X = x;
    Y = y;
    AA_S = text;
    TEXT_OUT();
    XI2 = X;
    YI1 = Y;
}

void Lesson::write_on(float colour, const std::string& text) {
    write_at(XI2, YI1, colour, text);
}

void Lesson::label_at(float x, float y, float colour, const std::string& text) {
    CCC1 = colour;
    X = x;
    Y = y;
    AA_S = text;
    TEXT_OUT();
}

void Lesson::white_box(float x, float y, float w, float h) {
    rt::BOX(x, y, x + w, y + h, 15, 15);
}

void Lesson::aim_page(float indent, const std::string& aim, bool clear_first) {
    if (clear_first) white_box(0, 0, 1760, 1800);
    XI1 = 44;
    YI1 = 240;
    write_at(XI1, YI1, 3, "<めあて>");
    write_at(XI1 + indent, YI1 + 65, 0, aim);
}

void Lesson::table_cell_at(float x, float y, float width, float height, const std::string& text,
                           float text_colour, float border, float fill) {
    X = x;
    Y = y;
    HABA = width;
    TATE = height;
    A_S = text;
    CCC1 = text_colour;
    CCC2 = border;
    CCC3 = fill;
    TABLE_CELL();
}

// The message "←→で動く,ENTERで終了" in the bottom bar until an arrow or
// Enter comes: 1 for the right arrow (code 28), -1 for the left arrow (29),
// 0 for Enter.
float Lesson::arrow_key_step() {
    for (;;) {
        AA_S = "←→で動く,ENTERで終了";
        BOTTOM_MESSAGE_WAIT();
        if (I_S == rt::CHR(28)) return 1;
        if (I_S == rt::CHR(29)) return -1;
        if (I_S == rt::CHR(13)) return 0;
    }
}

}  // namespace lessons
