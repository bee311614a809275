// Reading graphs of y=ax: how y changes as x grows (one script for a>0 and
// a<0), the summary page, and drawing a graph through a lattice point with
// the answers of question 3.
#include "direct_lesson.hpp"
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"

namespace lessons {

// ---- how y changes as x increases ---------------------------------------------------------

struct DirectLesson::ChangeOfY {
    float a;               // the constant of the line
    const char* question;  // the task above the table
    float axis_left;       // x range of the plane
    float axis_right;
    const char* line_label;
    float first_x;           // x of point 1; points 1 to 5 follow one apart
    int far_point;           // end of the large step: its run and rise end here
    float shift_x;           // point 1 and the far point moved by this much are
    float shift_y;           //   the ends of the closing arrow (points 6, 7)
    const char* large_step;  // step 1: how far x goes
    const char* run_words;   // step 2
    const char* run_label;
    const char* rise_label;  // step 4
    const char* rise_words;
    const char* rise_result;
    const char* unit_words;  // step 8
    const char* unit_result;
    const char* slope_word;  // step 9
};

void DirectLesson::SCENE_CHANGE_POSITIVE_A() {
    change_of_y_scene({2, "Q y=2xで、xの値が増加するとき、yの値の変化を調べよう。", -2, 5, "y=2x",
                       -1, 4, 0, 3, " xが-1から3増加すると", "xが-1から右へ3進み", "3", "6",
                       "yは上に6進むから、", "6増加する", "yは上へ2ずつ進むから、", "2ずつ増加する",
                       "右上がり"});
}

void DirectLesson::SCENE_CHANGE_NEGATIVE_A() {
    change_of_y_scene({-2, "Q y=-2xで、xの値が増加するとき、yの値の変化を調べよう。", -5, 2,
                       "y=-2x", -3, 5, -2, 0, " xが-3から4増加すると", "xが-3から右へ4進み", "4",
                       "-8", "yは下に8進むから、", "8減少する", "yは下へ2ずつ進むから、",
                       "2ずつ減少する", "右下がり"});
}

// The table and the graph at once; then one large step of x as a run and a
// rise arrow, four unit steps as slope triangles whose run labels and rise
// labels come in two passes, and the arrow showing the line's slope.
void DirectLesson::change_of_y_scene(const ChangeOfY& s) {
    white_box(0, 0, 1320, 1300);
    rt::SET_DRAW_WIDTH(5);
    XI0 = 30;
    XI1 = XI0 + 36;
    YI1 = 20;
    write_at(XI0, YI1, 3, s.question);
    std::string y_texts[9];
    for (int n = -4; n <= 4; ++n) y_texts[n + 4] = stripped_text_of(s.a * n);
    x_table_minus4_to_4(y_texts, 0);

    GGX = 792;
    GGY = 120;
    AA1 = s.axis_left;
    AA2 = s.axis_right;
    BB1 = -2;
    BB2 = 7;
    SIZE = 40;
    CCC2 = 10;
    NASI = 1;
    DRAW_AXES();
    IROIRO = 3;
    AA = s.a;
    BB = 0;
    CCC3 = 0;
    AAA_S = s.line_label;
    KASANARIX = 0;
    KASANARIY = 0;
    PLOT_GRAPH();

    // Points 1 to 5 on the line, 6 and 7 the closing arrow's ends; in values,
    // then in pixels.
    for (int i = 1; i <= 5; ++i) {
        X_A(i) = s.first_x + (i - 1);
        Y_A(i) = s.a * X_A(i);
    }
    X_A(6) = X_A(1) + s.shift_x;
    Y_A(6) = Y_A(1) + s.shift_y;
    X_A(7) = X_A(s.far_point) + s.shift_x;
    Y_A(7) = Y_A(s.far_point) + s.shift_y;
    for (int i = 1; i <= 7; ++i) {
        X_A(i) = GX0 + X_A(i) * SIZE;
        Y_A(i) = GY0 - Y_A(i) * SIZE;
    }
    write_at(XI0, YI1 + 70, 7, "①");
    write_on(0, s.large_step);
    WAIT_KEY();

    write_at(XI1, YI1 + 50, 0, "グラフでは、");
    write_on(3, s.run_words);
    GX3 = X_A(1);
    GY3 = Y_A(1);
    GX4 = X_A(s.far_point);
    GY4 = Y_A(s.far_point);
    arrow(GX3, GY3, GX4, GY3, 5);
    label_at((GX3 + GX4) / 2 - 14, GY3, 5, s.run_label);
    WAIT_KEY();
    arrow(GX4, GY3, GX4, GY4, 5);
    WAIT_KEY();
    label_at(GX4, (GY3 + GY4) / 2 - 16, 5, s.rise_label);
    write_at(XI1, YI1 + 50, 3, s.rise_words);
    write_on(5, s.rise_result);
    WAIT_KEY();

    write_at(XI0, YI1 + 70, 7, "②");
    write_on(0, " xが1ずつ増加すると");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "グラフでは、");
    write_on(3, "xが1ずつ右へ進み");
    WAIT_KEY();
    // The unit triangles twice over the same pairs: first with the run
    // labels only, then with the rise labels only.
    auto unit_triangles = [&](const char* labels) {
        for (int i = 1; i <= 4; ++i) {
            GX3 = X_A(i);
            GY3 = Y_A(i);
            GX4 = X_A(i + 1);
            GY4 = Y_A(i + 1);
            HYOUJI_S = labels;
            SLOPE_TRIANGLE();
        }
    };
    unit_triangles("yn");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 3, s.unit_words);
    write_on(5, s.unit_result);
    unit_triangles("ny");
    WAIT_KEY();

    write_at(XI0, YI1 + 70, 7, "③");
    write_on(0, " グラフは");
    write_on(5, s.slope_word);
    write_on(0, "になっている。");
    rt::SET_DRAW_WIDTH(10);
    arrow(X_A(6), Y_A(6), X_A(7), Y_A(7), 5);
}

// ---- the summary ----------------------------------------------------------------------------

void DirectLesson::summary_plane(float ggx, float aa1, float aa2, float a) {
    GGX = ggx;
    GGY = YI1 + 150;
    AA1 = aa1;
    AA2 = aa2;
    BB1 = -2;
    BB2 = 6;
    SIZE = 40;
    CCC2 = 0;
    NASI = 0;
    DRAW_AXES();
    IROIRO = 3;
    AA = a;
    BB = 0;
    CCC3 = 3;
    AAA_S = "";
    KASANARIX = 0;
    KASANARIY = 0;
    PLOT_GRAPH();
}

void DirectLesson::summary_arrows(float run_from, float run_to) {
    GX3 = GX0 + SIZE * run_from;
    GY3 = GY0 - SIZE * (AA * run_from + BB);
    GX4 = GX0 + SIZE * run_to;
    GY4 = GY0 - SIZE * (AA * run_to + BB);
    arrow(GX3, GY3, GX4, GY3, 0);
    arrow(GX4, GY3, GX4, GY4, 0);
}

// The whole page at once: the framed statement, then a rising and a falling
// line with their run and rise arrows marked.
void DirectLesson::SCENE_GRAPH_SUMMARY() {
    white_box(0, 0, 1320, 1300);
    XI1 = 76;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(10);
    rt::BOX(38, 16, 38 + 760, 16 + 125, 9);
    write_at(XI1, YI1, 3, "<y=axのグラフ>");
    write_at(XI1, YI1 + 50, 0, "y=axのグラフは、");
    write_on(5, "原点を通る直線");
    write_on(0, "である。");
    rt::SET_DRAW_WIDTH(5);

    summary_plane(114, -2, 4, 1.5);
    label_at(GX0 - 135, GY1 - 50, 3, "a>0のとき");
    label_at(GX0 - 135, GY1 + 50, 5, "右上がり");
    summary_arrows(1, 3);
    label_at((GX3 + GX4) / 2 - 14, GY3, 5, "増加");
    label_at(GX4, (GY3 + GY4) / 2 - 16, 5, "増加");

    summary_plane(494, -4, 2, -1.5);
    label_at(GX0 - 135, GY1 - 50, 3, "a<0のとき");
    label_at(GX0 + 10, GY1 + 50, 5, "右下がり");
    summary_arrows(-3, -1);
    label_at((GX3 + GX4) / 2 - 14, GY3 - 50, 5, "増加");
    label_at(GX4, (GY3 + GY4) / 2 - 16, 5, "減少");
}

// ---- drawing graphs through a lattice point ---------------------------------------------------

void DirectLesson::plain_point(float x, float y, float radius, float colour) {
    XG = x;
    YG = y;
    R = radius;
    CCC3 = colour;
    AAA_S = "";
    KASANARIX = 0;
    KASANARIY = 0;
    PLOT_POINT();
}

void DirectLesson::labelled_line(float a, float colour, const std::string& label, float shift_y) {
    IROIRO = 3;
    AA = a;
    BB = 0;
    CCC3 = colour;
    AAA_S = label;
    KASANARIX = 0;
    KASANARIY = shift_y;
    PLOT_GRAPH();
}

// Two examples: y=-3x through (2,-6), and y=(2/3)x through the lattice
// point (3,2); each point comes one key before its line.
void DirectLesson::SCENE_GRAPH_DRAWING() {
    white_box(0, 0, 1900, 1500);
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI1, YI1, 3, "Q 次の比例のグラフをかきなさい。");
    write_at(XI1, 100, 3, "① ");
    write_on(0, "y=-3x    ");
    write_on(3, "② ");
    write_on(0, "y=ﾀ2/3ﾀx");
    GGX = 680;
    GGY = 60;
    AA1 = -6;
    AA2 = 6;
    BB1 = -8;
    BB2 = 8;
    SIZE = 35;
    CCC2 = 1;
    NASI = 0;
    DRAW_AXES();
    WAIT_KEY();
    write_at(XI1, 170, 5, "原点以外に通る1点をみつけ、原点と結ぶ");
    WAIT_KEY();
    write_at(XI1, YI1 + 60, 3, "① ");
    write_on(0, "x=2 のときy=-6 だから");
    WAIT_KEY();
    write_at(XI1 + 34, YI1 + 50, 0, "グラフは");
    write_on(3, "(2,-6)");
    write_on(0, "を通る直線");
    plain_point(2, -6, 6, 3);
    WAIT_KEY();
    labelled_line(-3, 3, "y=-3x", -90);
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 3, "② ");
    write_on(5, "xもyも整数になる点をさがす");
    WAIT_KEY();
    write_at(XI1 + 34, YI1 + 70, 0, "x=3 のときy=ﾀ2/3ﾀ*3=2 だから");
    WAIT_KEY();
    write_at(XI1 + 34, YI1 + 60, 0, "グラフは");
    write_on(3, "(3,2)");
    write_on(0, "を通る直線");
    plain_point(3, 2, 6, 5);
    WAIT_KEY();
    labelled_line(2.0f / 3.0f, 5, "y=ﾀ2/3ﾀx", -90);
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 7, "教科書P131 問3 をしなさい。");
}

// The three answer lines on one plane, each point one key before its line.
void DirectLesson::SCENE_GRAPH_ANSWERS() {
    white_box(0, 0, 1320, 1300);
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI1, YI1, 7, "教科書P131問3　解答");
    GGX = 320;
    GGY = 100;
    AA1 = -6;
    AA2 = 6;
    BB1 = -6;
    BB2 = 6;
    SIZE = 40;
    CCC2 = 1;
    NASI = 0;
    DRAW_AXES();
    WAIT_KEY();
    plain_point(3, 3, 6, 5);
    WAIT_KEY();
    labelled_line(1, 3, "(1)y=x", 0);
    WAIT_KEY();
    plain_point(2, -1, 6, 5);
    WAIT_KEY();
    labelled_line(-0.5, 3, "(2)y=-ﾀ1/2ﾀx", 0);
    WAIT_KEY();
    write_at(XI1, 110, 0, "y=1.5x=");
    write_on(3, "ﾀ3/2ﾀx");
    plain_point(2, 3, 6, 5);
    WAIT_KEY();
    labelled_line(1.5, 3, "(3)y=1.5x", -50);
}

}  // namespace lessons
