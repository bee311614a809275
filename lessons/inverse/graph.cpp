// The graph of y=a/x: the aims page, the bar, the graph of y=6/x built
// point by point, and the graph of y=-6/x with the page comparing the two.
#include "framework/platform/screen.hpp"
#include "inverse_lesson.hpp"

namespace lessons {

void InverseLesson::INV_GRAPH_TOPIC() {
    INV_GRAPH_AIMS();
    INV_GRAPH_MENU();
}

// Drawn on the window the main menu has just erased; no key wait.
void InverseLesson::INV_GRAPH_AIMS() {
    aim_page(32, "反比例のグラフをかき、特徴を調べよう。");
}

void InverseLesson::INV_GRAPH_MENU() {
    run_bar("①グラフa>0　②a<0　③両軸付近　④問1　⑤値変化a>0　⑥a<0　⑦まとめ　⑧終了",
            {&InverseLesson::INV_GRAPH_POSITIVE_SCENE, &InverseLesson::INV_GRAPH_NEGATIVE_SCENE,
             &InverseLesson::INV_NEAR_AXES_ZOOM_SCENE, &InverseLesson::INV_GRAPH_Q1_ANSWER_SCENE,
             &InverseLesson::INV_CHANGE_POSITIVE_SCENE, &InverseLesson::INV_CHANGE_NEGATIVE_SCENE,
             &InverseLesson::INV_HYPERBOLA_SUMMARY_SCENE});
}

// y = 6/x from its points: the table of x = -6 .. 6 filled one value per key,
// the twelve integer points, the half steps of x > 0 with their own table,
// finer points still, then the plane drawn anew with the curve alone.
void InverseLesson::INV_GRAPH_POSITIVE_SCENE() {
    static const char* const kYTexts[13] = {"-1", "-1.2", "-1.5", "-2",  "-3",  "-6", "*",
                                            "6",  "3",    "2",    "1.5", "1.2", "1"};
    white_box(0, 0, 1320, 1300);
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI1, YI1, 3, "y=ﾀ6/xﾀ のグラフをかこう。");

    // The first table: x = -6 .. -4 in columns 90 wide, x = -3 .. 6 in columns 70 wide.
    X_A(11) = XI1;
    X_A(12) = X_A(11) + 108;
    X_A(13) = X_A(12) + 270;
    Y_A(11) = YI1 + 60;
    Y_A(12) = Y_A(11) + 50;
    Y_A(13) = Y_A(12) + 50;
    for (int k = 1; k <= 13; ++k) T_A_S(k) = kYTexts[k - 1];
    const auto left = [&](float x) {
        return x <= -4 ? X_A(12) + 90 * (x + 6) : X_A(13) + 70 * (x + 3);
    };
    const auto width = [](float x) { return x <= -4 ? 90.0f : 70.0f; };
    for (const float row : {Y_A(11), Y_A(12)}) {
        const bool x_row = row == Y_A(11);
        row_head(X_A(11), row, x_row ? "x" : "y", 54);
        count_loop(II, -6, 6, [&] {
            row_cell(left(II), row, width(II), x_row ? stripped_text_of(II) : "", 0);
        });
        row_cell(X, row, 54, "…", 0);
    }
    XI2 = X;
    YI1 = Y_A(12);

    plane(800, Y_A(13) + 30, -7, 7, -7, 7, 30, 14, 1);
    WAIT_KEY();
    count_loop(II, -6, 6, [&] {
        WAIT_KEY();
        row_cell(left(II), Y_A(12), width(II), T_A_S(II + 7), 5);
    });
    count_loop(II, -6, 6, [&] {
        if (II != 0) T_A(II + 7) = 6 / II;
    });
    WAIT_KEY();
    // One key per integer x; the key for x = 0 draws nothing.
    count_loop(II, -6, 6, [&] {
        WAIT_KEY();
        if (II != 0) point_at(II, T_A(II + 7), 4, 5);
    });
    WAIT_KEY();

    write_at(40, YI1 + 60, 7, "xの値を0.5おきにとろう。");
    // The second table, x = 1.5 .. 5.5, without a closing "…".
    static const char* const kHalfStepTexts[5] = {"4", "2.4", "1.71", "1.33", "1.09"};
    for (int k = 1; k <= 5; ++k) T_A_S(k) = kHalfStepTexts[k - 1];
    X_A(11) = XI1;
    X_A(12) = X_A(11) + 116;
    Y_A(11) = YI1 + 60;
    Y_A(12) = Y_A(11) + 50;
    for (const float row : {Y_A(11), Y_A(12)}) {
        const bool x_row = row == Y_A(11);
        row_head(X_A(11), row, x_row ? "x" : "y", 58);
        count_loop(II, 1, 5, [&] {
            row_cell(X_A(12) + 90 * (II - 1), row, 90, x_row ? stripped_text_of(II + 0.5f) : "", 0);
        });
    }
    WAIT_KEY();
    count_loop(II, 1, 5, [&] {
        WAIT_KEY();
        row_cell(X_A(12) + 90 * (II - 1), Y_A(12), 90, T_A_S(II), 5);
    });
    WAIT_KEY();
    count_loop(II, 1, 5, [&] {
        T_A(II) = II + 0.5f;
        F_A(II) = 6 / T_A(II);
    });
    count_loop(II, 1, 5, [&] {
        WAIT_KEY();
        point_at(T_A(II), F_A(II), 4, 5);
    });
    WAIT_KEY();

    write_at(40, YI1 + 150 + 20, 7, "さらに細かく点をとろう。");
    WAIT_KEY();
    // Twelve points, each followed by its key, then sixty at once.
    count_loop(II, 1, 12, [&] {
        const float x = 0.5f * II + 0.75f;
        point_at(x, 6 / x, 2, 5);
        WAIT_KEY();
    });
    WAIT_KEY();
    count_loop(II, 0, 59, [&] {
        const float x = II / 10 + 0.9f;
        point_at(x, 6 / x, 2, 5);
    });
    WAIT_KEY();

    // The plane erased and drawn again: the curve alone, the tables and texts stay.
    rt::BOX(GX1, GY1, GX2, GY2, 15, 15);
    plane(800, GY1, -7, 7, -7, 7, 30, 14, 1);
    graph_of(1, 6, 5, "y=ﾀ6/xﾀ", -150, -150);
    WAIT_KEY();
    write_at(40, YI1 + 60, 3, "グラフはなめらかな2つの曲線になる。");
}

// y = -6/x beside the curve y = 6/x: its table and points one per key, its
// curve, then the page on what differs and what the two graphs share.
void InverseLesson::INV_GRAPH_NEGATIVE_SCENE() {
    static const char* const kYTexts[13] = {"1",  "1.2", "1.5", "2",    "3",    "6", "*",
                                            "-6", "-3",  "-2",  "-1.5", "-1.2", "-1"};
    white_box(0, 0, 1900, 1500);
    XI1 = 40;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI1, YI1, 3, "y=-ﾀ6/xﾀ のグラフをかこう");

    // Here the wide columns are on the right: x = -6 .. 3 are 70 wide, x = 4 .. 6 90 wide.
    X_A(11) = XI1;
    X_A(12) = X_A(11) + 108;
    X_A(13) = X_A(12) + 700;
    Y_A(11) = YI1 + 60;
    Y_A(12) = Y_A(11) + 50;
    Y_A(13) = Y_A(12) + 50;
    for (int k = 1; k <= 13; ++k) T_A_S(k) = kYTexts[k - 1];
    const auto left = [&](float x) {
        return x <= 3 ? X_A(12) + 70 * (x + 6) : X_A(13) + 90 * (x - 4);
    };
    const auto width = [](float x) { return x <= 3 ? 70.0f : 90.0f; };
    for (const float row : {Y_A(11), Y_A(12)}) {
        const bool x_row = row == Y_A(11);
        row_head(X_A(11), row, x_row ? "x" : "y", 54);
        count_loop(II, -6, 6, [&] {
            row_cell(left(II), row, width(II), x_row ? stripped_text_of(II) : "", 0);
        });
        row_cell(X, row, 54, "…", 0);
    }
    XI2 = X;
    YI1 = Y_A(12);

    plane(800, Y_A(13) + 30, -7, 7, -7, 7, 30, 14, 1);
    graph_of(1, 6, 3, "y=ﾀ6/xﾀ", -108, -75);
    count_loop(II, -6, 6, [&] {
        WAIT_KEY();
        row_cell(left(II), Y_A(12), width(II), T_A_S(II + 7), 5);
    });
    count_loop(II, -6, 6, [&] {
        if (II != 0) T_A(II + 7) = -6 / II;
    });
    write_at(40, YI1 + 60, 7, "点をかき入れよう。");
    count_loop(II, -6, 6, [&] {
        WAIT_KEY();
        if (II != 0) point_at(II, T_A(II + 7), 4, 5);
    });
    WAIT_KEY();
    graph_of(1, -6, 5, "y=-ﾀ6/xﾀ", -121.5f, 30);
    WAIT_KEY();
    write_at(40, YI1 + 70, 3, "2つのグラフの共通点やちがいは?");
    WAIT_KEY();

    // The title, the table and the texts go; the plane with both curves stays.
    white_box(0, 0, 1900, 200);
    rt::BOX(0, 0, GX1 - 5, 1000, 15, 15);
    XI1 = 40;
    YI1 = 30;
    write_at(XI1, YI1, 3, "2つのグラフの共通点やちがいは?");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 7, "ちがっていること");
    write_on(0, "(比例定数をaとする)");
    write_at(XI1, YI1 + 50, 0, "①曲線は原点の");
    WAIT_KEY();
    write_at(XI1 + 40, YI1 + 50, 3, "a>0…左下と右上　a<0…左上と右下");
    WAIT_KEY();
    write_at(XI1, YI1 + 90, 7, "どちらにもいえること");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "①");
    write_on(3, "なめらかな2つの曲線");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "②");
    write_on(3, "曲線の2つの部分は同じ");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "③");
    write_on(3, "x軸,y軸と交わらない");
    WAIT_KEY();
    write_at(XI1 + 40, YI1 + 70, 7, "本当に交わらないの? 調べてみよう");
}

}  // namespace lessons
