// The scene pen: text pieces that make the current line, labels, white
// boxes, the aims page, framed cells and the arrow-key prompt.
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
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

void Lesson::problems_page(const std::string& header, float width, float indent, float draw_width,
                           float height) {
    white_box(0, 0, 1760, 1800);
    XI0 = 40;
    XI1 = indent;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(rt::CINT(draw_width));
    table_cell_at(XI0, YI1, width, height, header, 0, 3, 13);
    XI2 = X;
    YI1 = Y;
}

void Lesson::problem_badge(float x, float y, const std::string& number, float height) {
    table_cell_at(x, y, 38, height, number, 13, 4, 3);
    XI2 = X;
    YI1 = Y;
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
