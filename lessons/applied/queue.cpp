// Topic 1: the waiting line at the shop. How long must ゆのか, last in the
// line, wait? The line is drawn as a row of boxes, moved by itself or one
// person per key, and reasoned out in three scenes drawn under it.
#include "applied_lesson.hpp"
#include "framework/platform/screen.hpp"

namespace lessons {

namespace {

// The labels of the numbered person boxes.
const char* const kCircledNumbers[19] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩",
                                         "⑪", "⑫", "⑬", "⑭", "⑮", "⑯", "⑰", "⑱", "⑲"};

}  // namespace

// ---- topic entry and bar --------------------------------------------------------

void AppliedLesson::QUEUE_TOPIC() {
    QUEUE_AIM();
    WAIT_KEY();
    QUEUE_SCENE_SETUP();
    QUEUE_MENU();
}

void AppliedLesson::QUEUE_AIM() {
    aim_page(32, "待ち時間を予想しよう。");
}

// The question and the line of 19 people; the rows and the first lines of
// the reasoning scenes are fixed here once per entry. YOSOU is left as it
// is, so the line is numbered once the assumption scene has run.
void AppliedLesson::QUEUE_SCENE_SETUP() {
    white_box(0, 0, 1760, 1800);
    write_at(30, 30, 0, "「教科書P145 Q」");
    write_on(3, "何がわかれば、待ち時間を予想できる？");

    X_A(1) = 30;                // the shop box
    X_A(2) = X_A(1) + 80 + 20;  // the first person, 20 px from the shop
    Y_A(1) = 100;               // the row DRAW_QUEUE draws
    Y_A(2) = Y_A(1);            // first row
    Y_A(3) = Y_A(1) + 60;       // second row
    Y_A(31) = Y_A(3) + 70;      // first lines of the three reasoning scenes
    Y_A(32) = Y_A(31) + 50;
    Y_A(33) = Y_A(32) + 100;

    KK = 19;
    DRAW_QUEUE();
}

// Scenes draw over the picture that is on the screen: nothing is cleared
// when the bar comes back.
void AppliedLesson::QUEUE_MENU() {
    run_bar<AppliedLesson>(" ①予想　②手動　③デモ　④行列仮定　⑤時間予想　⑥終了",
                           {&AppliedLesson::QUEUE_PREDICT_ANSWER, &AppliedLesson::QUEUE_MANUAL,
                            &AppliedLesson::QUEUE_DEMO, &AppliedLesson::QUEUE_ASSUMPTION_SCENE,
                            &AppliedLesson::QUEUE_TIME_SCENE});
}

// ---- the picture of the line ----------------------------------------------------

void AppliedLesson::queue_shop() {
    table_cell_at(X_A(1), Y_A(1), 80, 50, "P店", 7, 0, 15);
}

// The shop, KK people (person 1 next to the shop) and ゆのか, touching, in
// the row at Y(1); leaves the pen (XI3, YI3) at the right of ゆのか's box.
void AppliedLesson::DRAW_QUEUE() {
    queue_shop();
    count_loop(II, 1, KK, [&] {
        table_cell_at(X_A(2) + (II - 1) * 40, Y_A(1), 40, 50, YOSOU == 1 ? T_A_S(II) : "人", 3, 0,
                      13);
    });
    table_cell_at(X_A(2) + KK * 40, Y_A(1), 120, 50, "ゆのか", 7, 0, 15);
    XI3 = X;
    YI3 = Y;
}

// ---- the two modes ------------------------------------------------------------------

// Frames of 19 down to 1 people ahead, each erased after its pause; then
// ゆのか alone next to the shop, where the first person stood. Only the
// row at Y(1) is erased. Keys typed during the fixed waits stay queued.
void AppliedLesson::queue_moves(bool by_key) {
    for (KK = 19; KK >= 1; KK = KK - 1) {
        DRAW_QUEUE();
        if (by_key) {
            WAIT_KEY();
        } else {
            rt::WAIT(30);
        }
        white_box(0, Y_A(1), 1760, 60);
    }
    queue_shop();
    table_cell_at(X_A(2), Y_A(1), 120, 50, "ゆのか", 7, 0, 15);
}

void AppliedLesson::QUEUE_DEMO() {
    queue_moves(false);
}

void AppliedLesson::QUEUE_MANUAL() {
    queue_moves(true);
}

// ---- the three reasoning scenes -------------------------------------------------
// They write at fixed places under the set-up picture and clear nothing.

// ① What must be known: it starts with a key wait.
void AppliedLesson::QUEUE_PREDICT_ANSWER() {
    WAIT_KEY();
    write_at(30, Y_A(31), 3, "①");
    write_on(0, "1人が買うのにかかる時間と並んでいる人数");
}

// ② The line moving at a constant rate: 19 ahead, and 5 minutes later 11,
// in a second row. Leaves the line numbered and Y(1) on the second row, so
// that the modes then animate there.
void AppliedLesson::QUEUE_ASSUMPTION_SCENE() {
    for (int n = 1; n <= 19; ++n) T_A_S(n) = kCircledNumbers[n - 1];
    Y_A(1) = Y_A(2);
    YOSOU = 0;
    KK = 19;
    DRAW_QUEUE();
    WAIT_KEY();

    Y_A(1) = Y_A(2);
    YOSOU = 1;
    KK = 19;
    DRAW_QUEUE();
    WAIT_KEY();

    Y_A(1) = Y_A(3);
    YOSOU = 1;
    KK = 11;
    DRAW_QUEUE();
    write_at(XI3 + 40, YI3, 0, "5分後");
    WAIT_KEY();

    XI1 = 30;
    XI0 = XI1 + 36;
    write_at(XI1, Y_A(32), 3, "②");
    write_on(0, "行列がどのように進むと考えると、予想できる?");
    WAIT_KEY();
    write_at(XI0, YI1 + 50, 3, "一定の時間で進むと考えればよい。");
}

// ③ When ゆのか, 12th, has bought: 8 people bought in 5 minutes, so one
// takes 5/8 minute. The main working goes down the left; the second one is
// a column placed from the end of the question.
void AppliedLesson::QUEUE_TIME_SCENE() {
    XI1 = 30;
    XI0 = XI1 + 36;
    YI1 = Y_A(33);
    write_at(XI1, YI1, 3, "③");
    write_on(0, "12番目のゆのかさんが買い終わる時間は?");
    XI3 = XI2;
    YI3 = YI1;
    WAIT_KEY();

    write_at(XI0, YI1 + 50, 0, "1人進むのにかかる時間は");
    write_at(XI0, YI1 + 60, 0, "5/8=");
    write_on(3, "ﾀ5/8ﾀ(分)");
    write_on(0, " だから");
    WAIT_KEY();
    write_at(XI0, YI1 + 70, 0, "ﾀ5/8ﾀ*12=ﾀ5/2ﾀ*3=");
    write_on(5, "ﾀ15/2ﾀ(分)");
    WAIT_KEY();

    write_at(XI3 - 40, YI3 - 50, 3, "<別解>");
    WAIT_KEY();
    write_on(0, "買い終わるまで、");
    write_at(XI3 + 40, YI3, 0, "あと");
    write_on(3, "x分");
    write_on(0, "かかるとすると");
    WAIT_KEY();
    write_at(XI3 + 40, YI1 + 50, 0, "5:8=x:12");
    WAIT_KEY();
    write_at(XI3 + 40, YI1 + 50, 0, "8x=5*12=60");
    WAIT_KEY();
    write_at(XI3 + 40, YI1 + 70, 0, " x=ﾀ60/8ﾀ=");
    write_on(5, "ﾀ15/2ﾀ(分)");
}

}  // namespace lessons
