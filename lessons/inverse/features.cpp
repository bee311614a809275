// The features of y=ax and y=a/x compared: the aims page, the bar and the
// page on formula and shape of both graphs, laid out with five blanks that
// are filled one per key.
#include "framework/platform/screen.hpp"
#include "inverse_lesson.hpp"

namespace lessons {

// The aims page once, then the bar: the pages come back to the bar, not here.
void InverseLesson::INV_FEATURES_TOPIC() {
    INV_FEATURES_AIMS();
    INV_FEATURES_MENU();
}

// Drawn on the page the main menu has just cleared; no key wait.
void InverseLesson::INV_FEATURES_AIMS() {
    aim_page(32, "比例y=ax と反比例y=ﾀa/xﾀ の特徴をまとめよう。");
}

void InverseLesson::INV_FEATURES_MENU() {
    run_bar("①グラフの式,形　②増減a>0　③増減a<0　④終了",
            {&InverseLesson::INV_FEATURES_FORMULA_SHAPE_SCENE,
             &InverseLesson::INV_FEATURES_CHANGE_POSITIVE_SCENE,
             &InverseLesson::INV_FEATURES_CHANGE_NEGATIVE_SCENE});
}

// Proportion on the left, inverse proportion on the right: a header cell,
// the lines on formula and shape with their blanks, and the graph with its
// point at x = 1 marked. The blanks begin where the lines leave the pen.
void InverseLesson::INV_FEATURES_FORMULA_SHAPE_SCENE() {
    white_box(0, 0, 1320, 1800);
    rt::SET_DRAW_WIDTH(5);

    XI0 = 30;
    XI1 = XI0 + 27;
    header_cell(XI0, 20, 490, 50, "比例の特徴");
    write_at(XI1, 80, 0, "式…");
    blank_here(1);
    write_at(XI1, 140, 0, "グラフの形…");
    blank_here(2);
    // Blank 2 is a 72 px gap inside the line, blank 3 follows it.
    write_at(XI2 + 72, YI1, 0, "を通る");
    blank_here(3);
    plane(XI1 + 80, YI1 + 100, -4, 4, -6, 6, 30, 0, 1);
    graph_of(3, 3, 3);
    marked_point(1, 3, 5, 0);
    marked_y_label("a");

    XI0 = 600;
    XI1 = XI0 + 27;
    header_cell(XI0, 20, 490, 50, "反比例の特徴");
    write_at(XI1, 90, 0, "式…");
    blank_here(4);
    write_at(XI1, 150, 0, "グラフの形…");
    blank_here(5);
    plane(XI1 + 80, YI1 + 80, -12, 12, -12, 12, 18, 0, 1);
    graph_of(1, 12, 3);
    // The point of x = 1 is (1, 12), on the plane's top edge under the axis
    // name: the mark stands on the grid point two right and six up instead.
    marked_point(2, 6, 5, 4);
    marked_y_label("a");

    WAIT_KEY();
    fill_blank(1, "y=ax");
    WAIT_KEY();
    fill_blank(2, "原点");
    WAIT_KEY();
    fill_blank(3, "直線");
    WAIT_KEY();
    fill_blank(4, "y=ﾀa/xﾀ");
    WAIT_KEY();
    fill_blank(5, "双曲線");
}

}  // namespace lessons
