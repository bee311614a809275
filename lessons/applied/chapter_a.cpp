// Chapter problems A (textbook p.150): no aims page, a bar of four answer
// pages. Each page starts from a white screen with the header cell and marks
// every problem with its badge; the bar comes back under the finished page.
#include "applied_lesson.hpp"
#include "framework/platform/screen.hpp"

namespace lessons {

void AppliedLesson::CHAPTER_A_MENU() {
    run_bar<AppliedLesson>(
        "P150 章の問題A ①1,2,3　②４　③５　④６　⑤終了",
        {&AppliedLesson::CHAPTER_A_ANSWERS_1_3, &AppliedLesson::CHAPTER_A_ANSWER_4,
         &AppliedLesson::CHAPTER_A_ANSWER_5, &AppliedLesson::CHAPTER_A_ANSWER_6});
}

// Problem 1 (which statements hold), problem 2 (three points read off a
// plane) and problem 3 (a tank filled at 4 L a minute).
void AppliedLesson::CHAPTER_A_ANSWERS_1_3() {
    problems_page("P150 章の問題A", 360, 40 + 81, 3);
    problem_badge(XI0, YI1 + 60, "1");
    write_at(XI2 + 20, YI1, 0, "比例についていえること…");
    write_on(5, "ア,ウ,エ");
    write_at(XI0 + 58, YI1 + 50, 0, "反比例についていえること…");
    write_on(5, "イ,エ");
    WAIT_KEY();

    problem_badge(XI1 - 76, YI1 + 90, "2");
    plane(840, 30, -6, 6, -6, 6, 30, 14, 0);
    point_at(-3, 5, 8, 3, "A", -20, 0);
    point_at(0, 0, 8, 3, "");
    point_at(2, -4, 8, 5, "B(2,-4)", -40, -20);
    write_at(XI2 + 30, YI1, 5, "A(-3,5),O(0,0)");
    WAIT_KEY();

    problem_badge(XI1 - 76, YI1 + 90, "3");
    write_at(XI0 + 58, YI1, 0, "(1)x分間では、4*x=4x(L) たまるから");
    write_at(XI0 + 58 + 81, YI1 + 50, 5, "y=4x");
    WAIT_KEY();
    write_at(XI0 + 58, YI1 + 90, 0, "(2)いっぱいになる時間は、30/x=ﾀ30/xﾀ(分間) だから ");
    write_on(5, "y=ﾀ30/xﾀ");
    write_at(XI0 + 58, YI1 + 70, 0, "反比例するもの…");
    write_on(5, "(2)");
}

// The graphs of y = 3/5 x and y = -12/x, all at once, without a key.
void AppliedLesson::CHAPTER_A_ANSWER_4() {
    problems_page("P150 章の問題A", 360, 121, 3);
    problem_badge(XI1 + 40, YI1 + 60, "4");
    plane(XI2 + 120, YI1 + 30, -6, 6, -6, 6, 30, 14, 0);
    rt::SET_DRAW_WIDTH(6);
    graph_of(3, 0.6f, 3, "(1)y=ﾀ3/5ﾀx", -135, -44);
    rt::SET_DRAW_WIDTH(6);
    // Only the branches for 2 <= |x| <= 6 fall inside the plane.
    graph_of(1, -12, 5, "y=-ﾀ12/xﾀ", -54, 44);
}

// Two formulas, each found from one pair of values.
void AppliedLesson::CHAPTER_A_ANSWER_5() {
    problems_page("P150 章の問題A", 360, 121, 3);
    problem_badge(XI2 + 40, YI1, "5");
    write_at(XI0, YI1 + 50, 0, "(1)求める式を");
    write_on(3, "y=ax");
    write_on(0, "として");
    write_at(XI1, YI1 + 50, 3, "x=3,y=-12");
    write_on(0, "を代入すると");
    write_at(XI1, YI1 + 50, 0, "-12=a*3");
    write_on(0, "  3a=-12");
    write_at(XI1, YI1 + 70, 0, "a=ﾀ-12/3ﾀ");
    write_on(3, "=-4");
    write_on(5, " 答　y=-4x");
    WAIT_KEY();

    write_at(XI0, YI1 + 70, 0, "(2)求める式を");
    write_on(3, "y=ﾀa/xﾀ");
    write_on(0, "として");
    write_at(XI1, YI1 + 60, 3, "x=-4,y=-2");
    write_on(0, "を代入すると");
    write_at(XI1, YI1 + 60, 0, "-2=ﾀa/-4ﾀ");
    write_on(0, "  ﾀa/-4ﾀ=-2");
    write_at(XI1, YI1 + 60, 0, "a=-2*(-4)");
    write_on(3, "=8");
    write_on(5, " 答　y=ﾀ8/xﾀ");
}

// A rectangle of perimeter 24 cm: y = -x + 12 is neither proportion nor
// inverse proportion.
void AppliedLesson::CHAPTER_A_ANSWER_6() {
    problems_page("P150 章の問題A", 360, 40, 5);
    problem_badge(XI2 + 40, YI1, "6");
    // 6 by 2 squares of 60 px, bottom-left corner at (800, 255); "ycm" over
    // the top side, "xcm" left of the left side.
    rectangle_with_length_marks(800, 75, 6, "ycm", "xcm");
    label_at(X_A(5) + 10, Y_A(5) + 30, 3, "周の長さ24cm");

    write_at(XI0, YI1 + 70, 3, "縦をxcm,横をycm とすると");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "x+y=12 だから");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 3, "y=-x+12");
    WAIT_KEY();
    write_at(XI0, YI1 + 60, 3, "y=ax の形");
    write_on(0, "でも");
    write_on(3, "y=ﾀa/xﾀ の形");
    write_on(0, "でもないから、");
    write_at(XI1, YI1 + 70, 5, "比例でも反比例でもない。");
}

}  // namespace lessons
