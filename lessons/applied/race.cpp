// The race read off two graphs (textbook p.149): the fastest runner covers
// 300 m a minute, the slowest 120 m; both are drawn as proportional graphs on
// a plane of 5 minutes and 500 m per grid unit, the 6000 m line is crossed at
// 20 and 50 minutes, and the difference, 30 minutes, is the answer.
#include "applied_lesson.hpp"
#include "framework/platform/screen.hpp"

namespace lessons {

// Entered from the main menu: the aims page once, then the bar until its
// last item.
void AppliedLesson::RACE_MENU() {
    RACE_AIM();
    run_bar<AppliedLesson>("①P149Q　②終了", {&AppliedLesson::RACE_GRAPH_SCENE});
}

// Drawn on the page the main menu has just cleared; no key wait.
void AppliedLesson::RACE_AIM() {
    aim_page(32, "身の回りの問題を、比例のグラフを利用して解決しよう。");
}

// One runner as y = speed * x over the whole 90 minutes; the lowered ceiling
// stops the line at 10000 m. The label stands 119 px left of and 70 px above
// the line's upper end, over the plane.
void AppliedLesson::race_graph(float speed, const std::string& label) {
    IROIRO = 3;
    AA = speed;
    BB = 0;
    CCC3 = 3;
    // DRAW_AXES turned the ranges into grid units; the graph takes values.
    AA1 = 0;
    AA2 = 90;
    BB1 = 0;
    BB2 = 10000;
    BAIX = 5;
    BAIY = 500;
    AAA_S = label;
    KASANARIX = -119;
    KASANARIY = -70;
    PLOT_GRAPH();
}

// A point of the 6000 m level at `minutes`, its pixel place kept in
// X(index), Y(index).
void AppliedLesson::race_crossing(float minutes, int index) {
    XG = minutes;
    YG = 6000;
    CCC3 = 7;
    BAIX = 5;
    BAIY = 500;
    AAA_S = "";
    KASANARIX = 0;
    KASANARIY = 0;
    PLOT_POINT();
    X_A(index) = GX;
    Y_A(index) = GY;
}

void AppliedLesson::RACE_GRAPH_SCENE() {
    white_box(0, 0, 1760, 1300);
    XI0 = 30;
    XI1 = XI0 + 36;
    YI1 = 20;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI0, YI1, 0, "もっとも速い選手は");
    write_on(3, "分速300m");
    write_at(XI0, YI1 + 50, 0, "もっとも遅い選手は");
    write_on(3, "分速120m");
    write_on(0, "で走る。");

    // Minutes across, metres up: 18 by 21 units of 25 px, origin (760, 575),
    // its own numbers off; the values are written by AXIS_DECIMAL_LABELS.
    GGX = 760;
    GGY = 50;
    AA1 = 0;
    AA2 = 90;
    BB1 = 0;
    BB2 = 10500;
    BAIX = 5;
    BAIY = 500;
    SIZE = 25;
    CCC2 = 14;
    NASI = -1;
    DRAW_AXES();
    BAIX = 5;
    BAIY = 500;
    AXIS_DECIMAL_LABELS();

    // The units, bold, drawn as they are written (not through the formula
    // text): under the right end of the x axis and right of the name "y".
    rt::SET_FONT_SIZE(SIZE1);
    rt::SET_FONT_BOLD(-1);
    rt::SYMBOL(GX2 - 2 * SIZE1, GY0, "(分)", 1, 1, 0);
    rt::SYMBOL(GX0 + SIZE1, GY1 - SIZE1 / 2, "(ｍ)", 1, 1, 0);
    rt::SET_FONT_SIZE(16);
    rt::SET_FONT_BOLD(0);

    // The graphs stop one unit under the top grid line, at 10000 m. The
    // next plane sets GY1 afresh.
    GY1 = GY1 + SIZE;
    WAIT_KEY();
    race_graph(300, "先頭の選手");
    WAIT_KEY();
    race_graph(120, "最後の選手");
    WAIT_KEY();

    write_at(XI0, YI1 + 50, 0, "スタートから");
    write_on(3, "6km");
    write_on(0, "の地点を先頭の選手");
    write_at(XI0, YI1 + 50, 0, "が通過して、何分後に");
    write_at(XI0, YI1 + 50, 0, "最後の選手が通過しますか?");
    WAIT_KEY();
    write_at(XI0, YI1 + 50, 3, "①");
    write_on(7, "グラフから読みとれることは?");
    WAIT_KEY();

    // The 6000 m level across the plane, between two dots of radius 1.
    R = 1;
    race_crossing(0, 3);
    race_crossing(90, 4);
    rt::LINE(X_A(3), Y_A(3), X_A(4), Y_A(4), 7);
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "6km地点の通過時間");
    WAIT_KEY();

    // Where each runner reaches 6000 m, and the line down to its minutes.
    auto reading = [&](float minutes, int i, const std::string& text) {
        R = 7;
        race_crossing(minutes, i);
        WAIT_KEY();
        rt::SET_DRAW_WIDTH(5);
        rt::LINE(X_A(i), Y_A(i), X_A(i), GY0, 7);
        WAIT_KEY();
        write_at(XI2 + 10, YI1, 3, text);
        WAIT_KEY();
    };
    reading(20, 1, "20分");
    reading(50, 2, ",50分");

    write_at(XI0, YI1 + 50, 3, "②");
    write_on(7, "何分後ですか?");
    WAIT_KEY();
    write_on(3, "50-20=");
    write_on(5, "30(分後)");
    WAIT_KEY();
    write_at(XI0, YI1 + 50, 3, "③");
    write_on(7, "求め方を説明しよう");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "2人のグラフで、y座標が6000に");
    write_at(XI1, YI1 + 50, 0, "なる点をさがす。");
    WAIT_KEY();
    write_on(0, "その点のx座標");
    write_at(XI1, YI1 + 50, 0, "を読みとり、");
    WAIT_KEY();
    write_on(0, "差を求める。");
}

}  // namespace lessons
