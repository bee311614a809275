// Negative values and finding a: the aims page, the bar, the tables of
// y=24/x and y=-24/x, the summary of the properties and the worked answers of
// question 1. The two drills live in negative_drills.cpp.
#include "framework/platform/screen.hpp"
#include "inverse_lesson.hpp"

namespace lessons {

void InverseLesson::INV_NEGATIVE_TOPIC() {
    INV_NEGATIVE_AIMS();
    INV_NEGATIVE_MENU();
}

// A page of its own: five lines from y = 240 to 480, no key wait.
void InverseLesson::INV_NEGATIVE_AIMS() {
    aim_page(0, "1 y=ﾀa/xﾀ について、", true);
    write_at(XI1 + 54, YI1 + 60, 0, "xの変域やaが負の数の場合を調べよう。");
    write_at(44, YI1 + 65, 0, "2 yがxに反比例するとき、");
    write_at(XI1 + 54, YI1 + 50, 0, "1組のx,yの値から、yをxの式で表そう。");
}

void InverseLesson::INV_NEGATIVE_MENU() {
    run_bar(
        "①x<0　②a<0　③まとめ　④例1　⑤問題　⑥問1　⑦終了",
        {&InverseLesson::INV_TABLE_X_NEGATIVE_SCENE, &InverseLesson::INV_TABLE_A_NEGATIVE_SCENE,
         &InverseLesson::INV_PROPERTIES_SUMMARY_SCENE, &InverseLesson::INV_FIND_A_EXAMPLE_DRILL,
         &InverseLesson::INV_FIND_Y_PROBLEM_DRILL, &InverseLesson::INV_FORMULA_Q1_ANSWERS_SCENE});
}

void InverseLesson::INV_TABLE_X_NEGATIVE_SCENE() {
    inverse_table_scene(24);
}

void InverseLesson::INV_TABLE_A_NEGATIVE_SCENE() {
    inverse_table_scene(-24);
}

// The table of y = a/x for x = -4 .. 4: the first two y values worked out by
// substitution, the other seven one per key, then the two properties. The
// constant is written as a minus sign before the fraction when negative.
void InverseLesson::inverse_table_scene(float a) {
    const std::string sign = a < 0 ? "-" : "";
    const std::string fraction_of = "y=" + sign + "ﾀ24/";  // the formula up to its denominator
    white_box(0, 0, 1760, 1800);
    XI0 = 40;
    XI1 = XI0 + 27;
    YI1 = 15;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI0, YI1, 3, "Q " + fraction_of + "xﾀ ");
    write_on(0, "のとき、次の表を完成しよう。");

    X_A(11) = XI0;
    X_A(13) = XI0 + 2 * 60;
    Y_A(11) = YI1 + 60;
    Y_A(12) = Y_A(11) + 50;
    // Both rows: the row name and "…" 60 wide, the nine columns 90 wide, a closing "…" 90 wide.
    for (const float row : {Y_A(11), Y_A(12)}) {
        const bool x_row = row == Y_A(11);
        table_cell_at(X_A(11), row, 60, 50, x_row ? "x" : "y", 0, 0, 15);
        table_cell_at(X, row, 60, 50, "…", 0, 0, 15);
        U_A(1) = X;
        count_loop(II, -4, 4, [&] {
            const std::string text = x_row ? stripped_text_of(II) : (II == 0 ? "*" : "");
            table_cell_at(U_A(1), row, 90, 50, text, 0, 0, 15);
            U_A(1) = X;
        });
        table_cell_at(U_A(1), row, 90, 50, "…", 0, 0, 15);
    }
    V_A(1) = Y;
    WAIT_KEY();

    write_at(XI1, V_A(1) + 70, 0, fraction_of + "xﾀ に");
    write_on(3, "x=-4");
    write_on(0, "を代入して");
    WAIT_KEY();
    // The two substituted values go into their cells as they are written.
    const std::string at_minus_4 = stripped_text_of(a / -4);
    write_at(XI1, YI1 + 70, 0, fraction_of + "-4ﾀ=");
    write_on(3, at_minus_4);
    U_A(1) = X_A(13);
    table_cell_at(U_A(1), Y_A(12), 90, 50, at_minus_4, 3, 0, 15);
    U_A(1) = X;
    WAIT_KEY();
    const std::string at_minus_3 = stripped_text_of(a / -3);
    write_at(XI2 + 60, YI1, 0, fraction_of + "-3ﾀ=");
    write_on(3, at_minus_3);
    table_cell_at(U_A(1), Y_A(12), 90, 50, at_minus_3, 3, 0, 15);
    U_A(1) = X;
    WAIT_KEY();
    count_loop(II, -2, 4, [&] {
        table_cell_at(U_A(1), Y_A(12), 90, 50, II == 0 ? "*" : stripped_text_of(a / II), 3, 0, 15);
        U_A(1) = X;
        WAIT_KEY();
    });
    // Two keys after the last value before the properties.
    WAIT_KEY();

    write_at(XI1, YI1 + 70, 0, "① xの値が2倍,3倍,…となると、");
    write_on(3, "yの値は ");
    WAIT_KEY();
    write_on(3, "ﾀ1/2ﾀ倍,ﾀ1/3ﾀ倍,…となる");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 0, "② x≠0のとき、xyの値は？");
    WAIT_KEY();
    write_on(5, "どこも " + stripped_text_of(a));
}

// The four properties, one per key, and the two notes on negative values
// together after the last key.
void InverseLesson::INV_PROPERTIES_SUMMARY_SCENE() {
    white_box(0, 0, 1760, 1800);
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI1, YI1, 5, "<反比例の関係とその性質>");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 0, "① yがxの関数で、");
    write_on(5, "y=ﾀa/xﾀ");
    write_on(0, "と表されるとき、");
    write_on(5, "yはxに反比例する");
    write_on(0, "という。");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 0, "② ");
    write_on(3, "y=ﾀa/xﾀ");
    write_on(0, "の");
    write_on(3, "a");
    write_on(0, "を");
    WAIT_KEY();
    write_on(5, "比例定数");
    write_on(0, "という。");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 0, "③ xの値が");
    write_on(3, "2倍、3倍…");
    write_on(0, "になると、yの値は");
    write_on(3, "ﾀ1/2ﾀ倍,ﾀ1/3ﾀ倍…");
    write_on(0, "になる。");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 0, "④ ");
    write_on(3, "x*y");
    write_on(0, "の値は");
    write_on(5, "一定で、比例定数");
    write_on(0, "になる。　");
    write_on(5, "xy=a");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 7, "これらの性質は、変域が負の数でも成り立つ。");
    write_at(XI1, YI1 + 50, 7, "また、比例定数が負の数でも成り立つ。");
}

// Three worked answers side by side: (1) x=2, y=-8; (2) x=5, y=4; (3) the
// product -2*6. Each column after the first starts with a key.
void InverseLesson::INV_FORMULA_Q1_ANSWERS_SCENE() {
    white_box(0, 0, 1320, 1300);
    XI0 = 40;
    XI1 = XI0 + 27;
    YI1 = 30;
    write_at(XI0, YI1, 3, "問1 解答");

    // Answers (1) and (2): substitute the pair into y=a/x and solve for a.
    const auto substitution_column = [&](const std::string& number, const std::string& x,
                                         const std::string& y, const std::string& a,
                                         const std::string& answer) {
        WAIT_KEY();
        write_at(XI0, YI1 + 50, 0, number + "求める式を");
        write_at(XI1, YI1 + 70, 3, "y=ﾀa/xﾀ");
        write_on(0, "として");
        write_at(XI1, YI1 + 60, 3, "x=" + x + ",y=" + y);
        write_at(XI1, YI1 + 50, 0, "を代入すると");
        WAIT_KEY();
        write_at(XI1, YI1 + 70, 0, y + "=ﾀa/" + x + "ﾀ");
        WAIT_KEY();
        write_at(XI1, YI1 + 60, 0, "ﾀa/" + x + "ﾀ=" + y);
        WAIT_KEY();
        write_at(XI1, YI1 + 60, 0, "a=" + y + "*" + x);
        write_on(3, "=" + a);
        write_at(XI1, YI1 + 70, 5, answer);
    };
    substitution_column("(1)", "2", "-8", "-16", "答　y=-ﾀ16/xﾀ");
    XI0 = 440;
    XI1 = XI0 + 54;
    YI1 = 30;
    substitution_column("(2)", "5", "4", "20", "答　y=ﾀ20/xﾀ");

    XI0 = 840;
    XI1 = XI0 + 54;
    YI1 = 30;
    WAIT_KEY();
    write_at(XI0, YI1 + 50, 0, "(3)");
    write_on(3, "比例定数aは");
    write_at(XI1, YI1 + 50, 0, "a=-2*6=");
    write_on(3, "-12");
    write_at(XI1, YI1 + 50, 0, " だから");
    write_at(XI1, YI1 + 70, 5, "答　y=-ﾀ12/xﾀ");
}

}  // namespace lessons
