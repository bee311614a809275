// Topic 2: domains. Inequalities drawn as rays and intervals on short number
// lines, and a point the learner moves along 0 to 10 with the arrow keys.
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "framework/platform/text.hpp"
#include "functions_lesson.hpp"

namespace lessons {

// ---- number lines -------------------------------------------------------------------
// A line stands 25 px below the text line at GY; its marks lie 60 and 210 px
// right of GX and it ends 270 px right of GX.

// A label ends at its mark: 14 px left of it for every character.
void FunctionsLesson::number_line_label(const std::string& text, float mark_x) {
    label_at(mark_x - 14 * rt::KLEN(text), GY + 10, 0, text);
}

// An end point: filled when it belongs to the set, a ring otherwise.
void FunctionsLesson::number_line_end_point(float x, bool included) {
    rt::CIRCLE(x, GY, 10, 3, 0, 0, included ? 3 : rt::kNoFill);
}

void FunctionsLesson::NUMBER_LINE_RAY() {
    GY = GY + 25;
    GX1 = GX + 60;
    GX2 = GX + 210;
    GX3 = GX + 270;
    rt::LINE(GX, GY, GX3, GY, 0);
    if (GX2_S == ">") {
        rt::BOX(GX1 + 3, GY - 1, GX3 - 4, GY + 1, 3, 3);
        polygon_by_steps(GX3, GY, {{-20, -10}, {0, 20}, {20, -10}}, 3, 3);
        GX0 = GX1;
        number_line_label(GX1_S, GX1);
    } else {
        rt::BOX(GX + 4, GY - 1, GX2 - 3, GY + 1, 3, 3);
        polygon_by_steps(GX, GY, {{20, 10}, {0, -20}, {-20, 10}}, 3, 3);
        GX0 = GX2;
        number_line_label(GX1_S, GX2);
    }
    number_line_end_point(GX0, GX3_S == "=");
}

void FunctionsLesson::NUMBER_LINE_INTERVAL() {
    GY = GY + 25;
    GX1 = GX + 60;
    GX2 = GX + 210;
    GX3 = GX + 270;
    rt::LINE(GX, GY, GX3, GY, 0);
    rt::BOX(GX1 + 3, GY - 1, GX2 - 4, GY + 1, 3, 3);
    number_line_label(GX1_S, GX1);
    number_line_label(GX2_S, GX2);
    number_line_end_point(GX1, GX11_S == "=");
    number_line_end_point(GX2, GX21_S == "=");
}

// ---- the slider -------------------------------------------------------------------------
// The value v of 0 to 10 lies at GX0 + 30 v; the point is a ring at 0, which
// the domain 0<x≦10 leaves out, and filled everywhere else.

void FunctionsLesson::NUMBER_LINE_SLIDER_DRAW() {
    GX1 = GX0 + 300;
    rt::BOX(GX0 - 60, GY0 - 60, GX1 + 60, GY0 + 60, 15, 15);
    rt::LINE(GX0 - 60, GY0, GX1 + 60, GY0, 0);
    rt::LINE(GX0, GY0, GX1, GY0, 3);
    rt::LINE(GX0, GY0 - 4, GX0, GY0 + 4, 0);
    rt::LINE(GX1, GY0 - 4, GX1, GY0 + 4, 0);
    label_at(GX - 14, GY0 - 55, 0, "x");
    label_at(GX0 - 14, GY0 + 12, 0, "0");
    label_at(GX1 - 27, GY0 + 12, 0, "10");
    rt::CIRCLE(GX, GY0, 10, 3, 0, 0, GX == GX0 ? rt::kNoFill : 3);
}

void FunctionsLesson::NUMBER_LINE_SLIDER_KEYS() {
    for (;;) {
        const float step = arrow_key_step();
        GX = GX + 30 * step;
        if (GX > GX1) GX = GX1;
        if (GX < GX0) GX = GX0;
        if (step == 0) return;
        NUMBER_LINE_SLIDER_DRAW();
    }
}

// ---- topic entry and bar ---------------------------------------------------------------

void FunctionsLesson::DOMAIN_MENU() {
    DOMAIN_AIM();
    run_bar("①復習　②変域　③問1,2　④終了",
            {&FunctionsLesson::DOMAIN_REVIEW_SCENE, &FunctionsLesson::DOMAIN_SCENE,
             &FunctionsLesson::DOMAIN_ANSWERS_SCENE});
}

void FunctionsLesson::DOMAIN_AIM() {
    white_box(0, 0, 1760, 1800);
    aim_page(0, "変域の表し方を知り、不等号を使って変域を表そう。");
}

// ---- scenes ------------------------------------------------------------------------------
// A number line goes right of the text just written, beside its line.

void FunctionsLesson::ray_beside(float gap, const std::string& end, const std::string& direction,
                                 const std::string& included) {
    GX = XI2 + gap;
    GY = YI1;
    GX1_S = end;
    GX2_S = direction;
    GX3_S = included;
    NUMBER_LINE_RAY();
}

void FunctionsLesson::interval_beside(const std::string& left, const std::string& left_included,
                                      const std::string& right,
                                      const std::string& right_included) {
    GX = XI2 + 32;
    GY = YI1;
    GX1_S = left;
    GX11_S = left_included;
    GX2_S = right;
    GX21_S = right_included;
    NUMBER_LINE_INTERVAL();
}

void FunctionsLesson::DOMAIN_REVIEW_SCENE() {
    white_box(0, 0, 1600, 1800);
    XI1 = 38;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI1, YI1, 3, "復習 次の数量の関係を不等号を使って表しなさい。");
    write_at(XI1, YI1 + 50, 0, "① xは0より大きい　　　② xは0より小さい");
    write_at(XI1, YI1 + 50, 0, "③ xは5以上　　　　　　④ xは5以下");
    write_at(XI1, YI1 + 50, 0, "⑤ xは-2未満");
    WAIT_KEY();

    write_at(XI1, YI1 + 70, 3, "① x>0");
    ray_beside(40, "0", ">", "");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 3, "② x<0");
    ray_beside(32, "0", "<", "");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 3, "③ x≧5");
    ray_beside(32, "5", ">", "=");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 3, "④ x≦5");
    ray_beside(32, "5", "<", "=");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 3, "⑤ x<-2");
    ray_beside(32, "-2", "<", "");
}

// The framed answer cell that stands in the line of its question.
void FunctionsLesson::domain_answer_cell(const std::string& text) {
    X = X11 + 4;
    Y = Y11;
    A_S = text;
    HABA = 180;
    TATE = 50;
    CCC2 = 3;
    CCC3 = 13;
    CCC1 = 5;
    TABLE_CELL_RAISED();
}

void FunctionsLesson::DOMAIN_SCENE() {
    white_box(0, 0, 1600, 1800);
    XI1 = 38;
    YI1 = 20;
    rt::SET_DRAW_WIDTH(5);

    // The definition, and a point to move along 0<x≦10.
    write_at(XI1, YI1, 5, " <変域>");
    write_at(XI1, YI1 + 50, 0, "①変数のとる値の範囲のこと");
    write_at(XI1, YI1 + 50, 0, "②不等号を使って表す。");
    write_at(XI1, YI1 + 55, 0, "③右のxの変域は、");
    X11 = XI2;
    Y11 = YI1;
    domain_answer_cell("");
    GX0 = 680;
    GY0 = 150;
    GX = GX0 + 90;
    NUMBER_LINE_SLIDER_DRAW();
    NUMBER_LINE_SLIDER_KEYS();

    // The answer, whatever point the learner ended on.
    domain_answer_cell("0<x≦10");
    write_at(XI1, YI1 + 55, 0, "　（0より大きく10以下）");
    V_A(1) = YI1;
    WAIT_KEY();

    // The worked example.
    write_at(XI1, YI1 + 50, 3, "例1 次の変域を不等号を");
    write_at(XI1 + 102, YI1 + 50, 3, "使って表しなさい。");
    write_at(XI1, YI1 + 50, 0, "① xの変域は、-2より大きい");
    write_at(XI1, YI1 + 50, 0, "② xの変域は、5未満");
    write_at(XI1, YI1 + 50, 0, "③ yの変域は、5以下");
    write_at(XI1, YI1 + 50, 0, "④ xの変域は、3より大きく9以下");
    write_at(XI1, YI1 + 50, 0, "⑤ yの変域は、3以上9以下");
    XI1 = 680;
    YI1 = V_A(1);
    WAIT_KEY();

    // Its answers in the right-hand column.
    write_at(XI1, YI1, 3, "① x>-2");
    ray_beside(32, "-2", ">", "");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 3, "② x<5");
    ray_beside(32, "5", "<", "");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 3, "③ y≦5");
    ray_beside(32, "5", "<", "=");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 3, "④ 3<x≦9");
    interval_beside("3", "", "9", "=");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 3, "⑤ 3≦y≦9");
    interval_beside("3", "=", "9", "=");
    WAIT_KEY();

    write_at(XI1 - 120, YI1 + 80, 7, "教科書P117 問1,2をやろう。");
}

void FunctionsLesson::DOMAIN_ANSWERS_SCENE() {
    white_box(0, 0, 1320, 1300);
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI1, YI1, 3, "問1 解答");
    write_at(XI1, YI1 + 70, 5, "0<x≦5");
    interval_beside("0", "", "5", "=");
    WAIT_KEY();
    write_at(XI1, YI1 + 90, 3, "問2 解答");
    write_at(XI1, YI1 + 70, 5, "0≦y≦120");
    interval_beside("0", "=", "120", "=");
}

}  // namespace lessons
