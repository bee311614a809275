// Chapter problems B (textbook p.151): no aims page, a bar of two problems.
// Problem 1 explores the triangle ABP with the moving point, then graphs its
// area y = 3x over the domain; problem 2 reads a line and a hyperbola.
#include "applied_lesson.hpp"
#include "framework/platform/screen.hpp"

namespace lessons {

void AppliedLesson::CHAPTER_B_MENU() {
    run_bar<AppliedLesson>("P151 章の問題B ①　②　③終了", {&AppliedLesson::CHAPTER_B_PROBLEM_1,
                                                          &AppliedLesson::CHAPTER_B_PROBLEM_2});
}

void AppliedLesson::CHAPTER_B_PROBLEM_1() {
    problems_page("P151 章の問題B", 360, 40 + 81, 3);
    problem_badge(XI0, YI1 + 60, "1");
    MOVING_POINT_FIGURE();

    write_at(XI2 + 50, YI1, 0, "三角形の面積は、ﾀ1/2ﾀ*x*6=3x(cm^2)");
    write_at(XI1, YI1 + 50, 0, "だから ");
    write_on(5, "y=3x");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "xの変域は、");
    WAIT_KEY();
    write_on(5, "0≦x≦10");

    // One grid unit is 2 across and 5 up; the plane writes no numbers of
    // its own, only "10" and "25" are written as values.
    plane(200, YI1 + 70, -1, 7, -1, 8, 40, 14, -1);
    BAIX = 2;
    BAIY = 5;
    AXIS_DECIMAL_LABELS();

    // y = 3x dotted across the whole plane, in grid units y = 1.2x, a dot
    // every 0.2 units wherever it lies between the top and bottom edges.
    // The sums stay in single precision: the step at x = 7 itself is missed.
    AA = 1.2f;
    GX5 = AA1;
    GY5 = AA * GX5;
    HABA = 0.2f;
    while (GX5 <= AA2) {
        GX = GX0 + SIZE * GX5;
        GY = GY0 - SIZE * GY5;
        if (GY1 <= GY && GY <= GY2) rt::CIRCLE(GX, GY, 1, 0, 0, 0, 0);
        GX5 = GX5 + HABA;
        GY5 = AA * GX5;
    }
    WAIT_KEY();

    // The part over the domain 0 <= x <= 10, thick, over the dots.
    AA1 = 0;
    AA2 = 10;
    rt::SET_DRAW_WIDTH(6);
    BAIX = 2;
    BAIY = 5;
    graph_of(3, 3, 3, "y=3x", 0, 40);
}

// The line (1) y = 3/2 x through A(10, 15) and the hyperbola (2) y = 54/x
// through P(6, 9), then a = 3/2, b = 54 and the 16 points of (2) with whole
// coordinates.
void AppliedLesson::CHAPTER_B_PROBLEM_2() {
    problems_page("P151 章の問題B", 360, 40, 5);
    problem_badge(XI2 + 76, YI1, "2");

    plane(840, 50, -10, 20, -25, 25, 12, 0, -1);
    graph_of(3, 1.5f, 3, "①", 0, 0);
    graph_of(1, 54, 3, "②", 0, -40);
    point_at(10, 15, 4, 5, "A");
    X_A(1) = GX;
    Y_A(1) = GY;
    rt::LINE(X_A(1), Y_A(1), X_A(1), GY0, 5);
    label_at(X_A(1), GY0, 5, "10");
    rt::LINE(X_A(1), Y_A(1), GX0, Y_A(1), 5);
    label_at(GX0 - 54, Y_A(1) - 25, 5, "15");
    point_at(6, 9, 4, 7, "P");
    X_A(2) = GX;
    Y_A(2) = GY;
    rt::LINE(X_A(2), Y_A(2), X_A(2), GY0, 7);
    label_at(X_A(2) - 27, GY0, 7, "6");
    WAIT_KEY();

    write_at(XI1, YI1 + 50, 0, "(1)");
    write_on(3, "①は点A(10,15)を通るから");
    write_at(XI1, YI1 + 50, 3, "y=ax");
    write_on(0, "に");
    write_on(3, "x=10,y=15");
    write_on(0, "を代入して");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 0, "15=10a  10a=15  ");
    write_on(5, "a=ﾀ3/2ﾀ");
    WAIT_KEY();
    write_at(XI1, YI1 + 60, 7, "点Pのy座標は、");
    write_on(3, "y=ﾀ3/2ﾀx");
    write_on(0, "に");
    write_on(3, "x=6");
    write_on(0, "を代入して");
    WAIT_KEY();

    rt::LINE(X_A(2), Y_A(2), GX0, Y_A(2), 7);
    label_at(GX0 - 27, Y_A(2) - 25, 7, "9");
    write_at(XI1, YI1 + 70, 0, "y=ﾀ3/2ﾀ*6=9 このx,yの値を");
    write_on(3, "y=ﾀb/xﾀ");
    write_on(0, "に代入して");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 0, "9=ﾀb/6ﾀ  ﾀb/6ﾀ=9  ");
    write_on(5, "b=54");
    WAIT_KEY();
    write_at(XI1, YI1 + 60, 0, "(2)");
    write_on(3, "整数になるのはxの値が");
    write_at(XI1, YI1 + 50, 3, "54の約数であればよいから");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "x=1,2,3,6,9,18,27,54");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "負の数もあるから　");
    write_on(3, "8*2=16 ");
    write_on(5, "答　16個");
}

}  // namespace lessons
