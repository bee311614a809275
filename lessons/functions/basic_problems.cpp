// The basic problems of page 122: no aims page, a bar of two pages. Each page
// opens with the same header cell and marks every problem with a numbered
// badge cell.
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "functions_lesson.hpp"

namespace lessons {

namespace {
// Badge "1" is 4 px taller than the others.
constexpr float kFirstBadgeHeight = 48;
constexpr float kBadgeHeight = 44;
}  // namespace

// No aims page: the bar comes at once.
void FunctionsLesson::BASIC_PROBLEMS_MENU() {
    run_bar("P122 基本の問題 ①1,2　②3,4　③終了",
            {&FunctionsLesson::BASIC_PROBLEMS_12_SCENE, &FunctionsLesson::BASIC_PROBLEMS_34_SCENE});
}

// The start of both pages: the cleared page, the pen margins and the header
// cell naming the page, drawn at width 3.
void FunctionsLesson::BASIC_PROBLEMS_HEADER() {
    problems_page("P122 基本の問題", 396, 40 + 81);
}

// Problem 1 (which statement makes y a function of x) and problem 2 (the
// perimeter of a rectangle x cm by 4 cm, filled into a table one key each).
void FunctionsLesson::BASIC_PROBLEMS_12_SCENE() {
    BASIC_PROBLEMS_HEADER();
    YI1 = 90;
    table_cell_at(XI0, YI1, 38, kFirstBadgeHeight, "1", 13, 4, 3);
    write_at(XI0 + 38 + 20, YI1, 3, "ア ");
    write_on(0, "1辺x を決めると周の長さy は1つに決まる。");
    WAIT_KEY();
    write_at(XI0 + 38 + 20, YI1 + 50, 3, "イ ");
    write_on(0, "身長x を決めても体重y は1つに決まらない。");
    write_at(XI1, YI1 + 50, 5, "答　ア");
    WAIT_KEY();

    YI1 = 250;
    table_cell_at(XI1 - 76, YI1, 38, kBadgeHeight, "2", 13, 4, 3);
    rectangle_4_by_x(800);
    label_at(810, 390, 3, "周の長さycm");
    // The table of the perimeter: x row and y row, five columns.
    X_A(11) = XI1;
    Y_A(11) = YI1 + 30;
    Y_A(12) = Y_A(11) + 50;
    table_cell_at(X_A(11), Y_A(11), 90, 50, "x", 0, 0, 15);
    for (int i = 1; i <= 5; ++i) {
        table_cell_at(X_A(11) + 90 * i, Y_A(11), 90, 50, stripped_text_of(i), 0, 0, 15);
    }
    table_cell_at(X_A(11), Y_A(12), 90, 50, "y", 0, 0, 15);
    for (int i = 1; i <= 5; ++i) {
        table_cell_at(X_A(11) + 90 * i, Y_A(12), 90, 50, "", 0, 0, 15);
    }
    WAIT_KEY();
    for (int i = 1; i <= 5; ++i) {
        table_cell_at(X_A(11) + 90 * i, Y_A(12), 90, 50, stripped_text_of(2 * i + 8), 5, 0, 15);
        WAIT_KEY();
    }

    write_at(XI0, 400, 3, "(2)");
    WAIT_KEY();
    write_on(0, "y=2(x+4) だから");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 5, "y=2x+8");
    WAIT_KEY();
    write_at(XI0, YI1 + 60, 3, "(3)");
    write_on(0, "横x を決めると周の長さy は1つに決まるから、");
    write_at(XI1, YI1 + 50, 5, "yはxの関数である。");
}

// Problem 3 (circumference of a circle, y = πx) and problem 4 (time of a
// walk of 1200 m, y = 1200/x).
void FunctionsLesson::BASIC_PROBLEMS_34_SCENE() {
    BASIC_PROBLEMS_HEADER();
    YI1 = 90;
    table_cell_at(XI1 - 76, YI1, 38, kBadgeHeight, "3", 13, 4, 3);
    rt::SET_DRAW_WIDTH(5);
    // The circle of diameter x cm in an invisible 4 by 4 frame of 60 px squares.
    figure_frame(880, 50, 4, 4, 60);
    figure_point(0, 2, 2);  // centre
    figure_point(1, 0, 2);  // ends of a diameter
    figure_point(2, 4, 2);
    figure_point(3, 2, 1);  // label point of the circumference
    rt::CIRCLE(X_A(0), Y_A(0), 8, 0, 0, 0, 0);
    rt::CIRCLE(X_A(0), Y_A(0), 2 * SIZE, 0);
    rt::LINE(X_A(1), Y_A(1), X_A(2), Y_A(2), 0);
    length_mark(1, 2, -1, 5, 20, "xcm");
    label_at(X_A(3) - 27, Y_A(3), 0, "ycm");
    write_at(XI1, YI1, 3, "円の直径をxcm,周の長さをycm とするとき");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "y=x*π で");
    write_on(3, "y=πx だから");
    write_on(5, "yはxに比例する。");
    write_at(XI1, YI1 + 50, 0, "比例定数は、");
    WAIT_KEY();
    write_on(5, "π");
    write_on(3, "(円周率)");
    WAIT_KEY();

    YI1 = 270;
    table_cell_at(XI1 - 76, YI1, 38, kBadgeHeight, "4", 13, 4, 3);
    write_at(XI1 - 76 + 38 + 30, YI1, 3, "時間=ﾀ道のり/速さﾀ ");
    WAIT_KEY();
    write_at(XI1, YI1 + 90, 3, "y=ﾀ1200/xﾀ だから");
    write_on(5, "yはxに反比例する。");
    write_at(XI1, YI1 + 70, 0, "比例定数は、");
    WAIT_KEY();
    write_on(5, "1200");
    write_on(3, "(道のり)");
}

}  // namespace lessons
