// Negative values and finding a: the topic's aims page and bar, the tables of
// y=5x and y=-3x over negative x, the summary of the properties of
// proportion and the worked answers of exercise 1. The two drills of the
// topic are in find_a_drills.cpp.
#include "direct_lesson.hpp"
#include "framework/platform/screen.hpp"

namespace lessons {

void DirectLesson::TOPIC_NEGATIVE_AND_FIND_A() {
    SHOW_AIMS_NEGATIVE_AND_FIND_A();
    run_bar("①x<0　②a<0　③まとめ　④例1　⑤問題　⑥問1　⑦終了",
            {&DirectLesson::SCENE_TABLE_NEGATIVE_X, &DirectLesson::SCENE_TABLE_NEGATIVE_A,
             &DirectLesson::SCENE_PROPERTIES_SUMMARY, &DirectLesson::DRILL_FORMULA_FROM_PAIR,
             &DirectLesson::DRILL_VALUE_FROM_PAIR, &DirectLesson::SCENE_EXERCISE_ANSWERS_FIND_A});
}

// Two aims, each a numbered line and an indented second line; no key wait,
// the bar comes right under it.
void DirectLesson::SHOW_AIMS_NEGATIVE_AND_FIND_A() {
    aim_page(0, "1 y=ax について、", true);
    write_at(XI1 + 54, YI1 + 50, 0, "xの変域やaが負の数の場合を調べよう。");
    write_at(XI1, YI1 + 65, 0, "2 yがxに比例するとき、");
    write_at(XI1 + 54, YI1 + 50, 0, "1組のx,yの値から、yをxの式で表そう。");
}

// ---- the tables over negative x ---------------------------------------------------

void DirectLesson::SCENE_TABLE_NEGATIVE_X() {
    table_over_negative_x(5, false, 70);
}

void DirectLesson::SCENE_TABLE_NEGATIVE_A() {
    table_over_negative_x(-3, true, 60);
}

void DirectLesson::negative_x_table_row(float y, const std::string& head, bool x_row,
                                        bool all_cells_wide) {
    table_cell_at(40, y, 60, 50, head, 0, 0, 15);
    table_cell_at(X, y, 60, 50, "…", 0, 0, 15);
    U_A(1) = X;
    count_loop(II, -4, 4, [&] {
        X_A(15 + II) = U_A(1);
        const float width = all_cells_wide || II <= -2 ? 90 : 60;
        const std::string text = x_row ? stripped_text_of(II) : II == 0 ? "0" : "";
        table_cell_at(U_A(1), y, width, 50, text, 0, 0, 15);
        U_A(1) = X;
    });
    table_cell_at(U_A(1), y, all_cells_wide ? 90 : 60, 50, "…", 0, 0, 15);
}

// The table of y = a*x with its y row empty but for the 0 under x = 0; the
// values at x = -4 and -3 worked out on screen, the rest one cell per key;
// then the two properties that still hold.
void DirectLesson::table_over_negative_x(float a, bool all_cells_wide, float gap_to_properties) {
    const std::string a_text = stripped_text_of(a);
    const std::string formula = "y=" + a_text + "x";
    // A value cell of the y row drawn again with y at its column's x.
    auto y_cell = [&](float x) {
        const float column = 11 + x + 4;
        const float width = all_cells_wide || x <= -2 ? 90 : 60;
        table_cell_at(X_A(column), V_A(1), width, 50, stripped_text_of(a * x), 3, 0, 15);
    };

    white_box(0, 0, 1760, 1800);
    XI0 = 40;
    XI1 = XI0 + 27;
    YI1 = 15;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI0, YI1, 3, "Q " + formula + " ");
    write_on(0, "のとき、次の表を完成しよう。");
    negative_x_table_row(YI1 + 60, "x", true, all_cells_wide);
    V_A(1) = YI1 + 110;
    negative_x_table_row(V_A(1), "y", false, all_cells_wide);
    WAIT_KEY();

    write_at(XI1, V_A(1) + 70, 0, formula + " に");
    write_on(3, "x=-4");
    write_on(0, "を代入して");
    WAIT_KEY();
    for (const float x : {-4.0f, -3.0f}) {
        write_at(XI1, YI1 + 50, 0, "y=" + a_text + "*(" + stripped_text_of(x) + ")=");
        write_on(3, stripped_text_of(a * x));
        y_cell(x);
        WAIT_KEY();
    }
    count_loop(II, -2, 4, [&] {
        y_cell(II);
        WAIT_KEY();
    });
    // A second wait after the last cell: two keys lead to the properties.
    WAIT_KEY();

    write_at(XI1, YI1 + gap_to_properties, 0, "① xの値が2倍,3倍,…となると、");
    write_on(3, "yの値は ");
    WAIT_KEY();
    write_on(3, "2倍,3倍,…となる");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "② x≠0のとき、ﾀy/xﾀの値は？");
    WAIT_KEY();
    write_on(5, "どこも " + a_text);
}

// ---- the summary --------------------------------------------------------------------

// Four statements about y=ax, one per key, and two notes on where they hold.
void DirectLesson::SCENE_PROPERTIES_SUMMARY() {
    white_box(0, 0, 1760, 1800);
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI1, YI1 + 50, 5, "<比例の関係とその性質>");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 0, "① yがxの関数で、");
    write_on(5, "y=ax");
    write_on(0, "と表されるとき、");
    write_on(5, "yはxに比例する");
    write_on(0, "という。");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 0, "② ");
    write_on(3, "y=ax");
    write_on(0, "の");
    write_on(3, "a");
    write_on(0, "を");
    WAIT_KEY();
    write_on(5, "比例定数");
    write_on(0, "という。");
    write_at(XI1 + 40, YI1 + 50, 3, "(y=5x では 5 , y=-3x では -3)");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 0, "③ xの値が");
    write_on(3, "2倍、3倍…");
    write_on(0, "になると、yの値も");
    write_on(3, "2倍、3倍…");
    write_on(0, "…になる。");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 0, "④ x≠0のとき、");
    write_on(3, "ﾀy/xﾀ");
    write_on(0, "の値は");
    write_on(5, "一定で、比例定数");
    write_on(0, "になる。　");
    write_on(5, "ﾀy/xﾀ=a");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 7, "これらの性質は、変域が負の数でも成り立つ。");
    write_at(XI1, YI1 + 50, 7, "また、比例定数が負の数でも成り立つ。");
}

// ---- the worked answers of exercise 1 -----------------------------------------------

void DirectLesson::find_a_answer_column(const std::string& heading, const std::string& pair,
                                        const std::string& substituted, const std::string& solved,
                                        const std::string& fraction, const std::string& value,
                                        const std::string& answer) {
    write_at(XI0, YI1 + 50, 0, heading);
    write_at(XI1, YI1 + 50, 3, "y=ax");
    write_on(0, "として");
    write_at(XI1, YI1 + 50, 3, pair);
    write_at(XI1, YI1 + 50, 0, "を代入すると");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, substituted);
    WAIT_KEY();
    write_at(XI1, YI1 + 55, 0, solved);
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 0, fraction);
    write_on(3, value);
    write_at(XI1, YI1 + 70, 5, answer);
}

// Three problems side by side, each solved one step per key; a key between
// two columns, none after the last answer.
void DirectLesson::SCENE_EXERCISE_ANSWERS_FIND_A() {
    white_box(0, 0, 1320, 1300);
    XI0 = 40;
    XI1 = XI0 + 27;
    YI1 = 30;
    write_at(XI0, YI1, 3, "問1 解答");
    WAIT_KEY();
    find_a_answer_column("(1)求める式を", "x=2,y=-8", "-8=a*2", "2a=-8", "a=ﾀ-8/2ﾀ", "=-4",
                         "答　y=-4x");
    XI0 = 440;
    XI1 = XI0 + 54;
    YI1 = 30;
    WAIT_KEY();
    find_a_answer_column("(2)求める式を", "x=3,y=15", "15=a*3", "3a=15", "a=ﾀ15/3ﾀ", "=5",
                         "答　y=5x");
    XI0 = 840;
    XI1 = XI0 + 54;
    YI1 = 30;
    WAIT_KEY();
    // The fraction keeps the minus sign in its denominator, as written.
    find_a_answer_column("(3)求める式を", "x=-8,y=4", "4=a*(-8)", "-8a=4", "a=ﾀ4/-8ﾀ", "=-ﾀ1/2ﾀ",
                         "答　y=-ﾀ1/2ﾀx");
}

}  // namespace lessons
