// Topic 2: the slide show. How long must the song be for a slide show of
// 50 photos? Then the relation a=bc of song length, time per photo and
// number of photos, and the answer of the exercise it sets.
#include "applied_lesson.hpp"
#include "framework/platform/screen.hpp"

namespace lessons {

// ---- topic entry and bar --------------------------------------------------------

// The aims page only on entry from the main menu; the scenes come back to
// the bar, their picture under it.
void AppliedLesson::SLIDESHOW_MENU() {
    SLIDESHOW_AIM();
    run_bar<AppliedLesson>(
        " ①P147Q　②関係補説　③問１　④終了",
        {&AppliedLesson::SLIDESHOW_P147_SCENE, &AppliedLesson::SLIDESHOW_RELATION_SCENE,
         &AppliedLesson::SLIDESHOW_Q1_ANSWER_SCENE});
}

void AppliedLesson::SLIDESHOW_AIM() {
    aim_page(32, "スライドショーの問題を比例や反比例を利用して解決しよう。");
}

// ---- the question of the song's length ---------------------------------------------

// KK slides, one after another in the one cell at (X(1), Y(1)), each shown
// for a fixed wait; odd ones on fill 11, even ones on 13. Each slide covers
// the last; the last one stays. Keys typed meanwhile stay queued.
void AppliedLesson::SLIDESHOW_ANIMATION() {
    count_loop(IJ, 1, KK, [&] {
        const std::string label = stripped_text_of(IJ) + "枚目の写真";
        const float fill = static_cast<int>(IJ) % 2 == 0 ? 13 : 11;
        table_cell_at(X_A(1), Y_A(1), 360, 150, label, 0, 3, fill);
        rt::WAIT(30);
    });
}

// The slides are bordered at the width the last scene left (no width of its
// own).
void AppliedLesson::SLIDESHOW_P147_SCENE() {
    white_box(0, 0, 1760, 1800);
    XI0 = 30;
    XI1 = XI0 + 36;
    YI1 = 20;
    write_at(XI0, YI1, 0, "P147Q ");
    write_on(3, "50枚の写真を写すスライドショーで使う曲の長さは？");
    X_A(1) = 200;
    Y_A(1) = YI1 + 250;
    KK = 20;
    SLIDESHOW_ANIMATION();
    WAIT_KEY();

    write_at(XI0, YI1 + 50, 3, "①");
    write_on(0, "何が決まれば、曲の長さが決まる?");
    WAIT_KEY();
    write_at(XI2 + 30, YI1, 3, "1枚の写真を写す時間");
    WAIT_KEY();

    write_at(XI0, YI1 + 50, 3, "②");
    write_on(0, "1枚の写真を写す時間を");
    write_on(3, "4秒間");
    write_on(0, " とするとき、曲の長さは?");
    WAIT_KEY();
    // The slide goes: the working takes its place.
    white_box(0, YI1 + 50, 1760, 1800);
    write_at(XI1, YI1 + 50, 0, "4*50=");
    WAIT_KEY();
    write_on(3, "200(秒)");
    WAIT_KEY();
    write_at(XI2 + 30, YI1, 3, "3分20秒");
    WAIT_KEY();

    write_at(XI0, YI1 + 50, 3, "③");
    write_on(0, "1枚の写真を写す時間を");
    write_on(3, "5秒間");
    write_on(0, " とするとき、");
    write_at(XI1, YI1 + 50, 3, "200秒");
    write_on(0, " では何枚の写真が写せる?");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "200/5=");
    WAIT_KEY();
    write_on(3, "40(枚)");
    WAIT_KEY();

    write_at(XI0, YI1 + 50, 3, "④");
    write_on(7, "曲の長さ、1枚の写真を写す時間、写真の枚数");
    write_at(XI1, YI1 + 50, 0, "の間にはどのような関係がある ?");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 3, "(曲の長さ)=(1枚の写真を写す時間)*(写真の枚数)");
}

// ---- the relation a=bc ------------------------------------------------------------

// Fixing b makes a proportional to c; fixing a makes b inversely
// proportional to c. Ends by setting the exercise of the next scene.
void AppliedLesson::SLIDESHOW_RELATION_SCENE() {
    white_box(0, 0, 1320, 1300);
    XI0 = 40;
    XI1 = XI0 + 81;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI0, YI1, 0, "Q 曲の長さを");
    write_on(3, "a秒");
    write_on(0, "、1枚の写真を写す時間を");
    write_on(3, "b秒");
    write_on(0, "、写真の枚数を");
    write_on(3, "c枚");
    write_on(0, "とすると");
    write_at(XI1, YI1 + 50, 3, "a=bc ");
    write_on(0, " となります。");
    write_at(XI0, YI1 + 50, 0, "(1)");
    write_on(3, "b=4");
    write_on(0, "と決めたときの");
    write_on(3, "aとc");
    write_on(0, "の関係をいいなさい。");
    write_at(XI0, YI1 + 50, 0, "(2)");
    write_on(3, "a=200");
    write_on(0, "と決めたときの");
    write_on(3, "bとc");
    write_on(0, "の関係をいいなさい。");
    WAIT_KEY();

    write_at(XI0, YI1 + 70, 7, "<解答>");
    write_at(XI0, YI1 + 50, 0, "(1)");
    write_on(3, "a=4c");
    write_on(0, " だから ");
    WAIT_KEY();
    write_on(5, "aはcに比例する。");
    WAIT_KEY();
    write_at(XI0, YI1 + 80, 0, "(2)");
    write_on(3, "200=bc");
    write_on(0, " だから ");
    write_on(3, "b=");
    WAIT_KEY();
    write_on(3, "ﾀ200/cﾀ");
    write_on(0, " となり ");
    WAIT_KEY();
    write_on(5, "bはcに反比例する。");
    WAIT_KEY();

    write_at(XI1, YI1 + 100, 5, "a=bc");
    write_on(0, " のとき ");
    write_on(3, "1つの文字を決まった数とすると、");
    write_at(XI1, YI1 + 50, 5, "2つの文字(変数)は比例したり、反比例したりする。 ");
    WAIT_KEY();
    write_at(44, 600, 7, "教科書P148 問1 をしなさい。");
}

// ---- the answer of exercise 1 --------------------------------------------------------

// The rectangle a cm by b cm of area S cm^2 at the right, drawn at once;
// then the two answers in five groups.
void AppliedLesson::SLIDESHOW_Q1_ANSWER_SCENE() {
    white_box(0, 0, 1320, 1300);
    rectangle_with_length_marks(1000, 100, 4, "acm", "bcm");
    label_at(X_A(5) + 60, Y_A(5) + 30, 3, "Scm^2");

    XI0 = 40;
    XI1 = 121;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI0, YI1, 3, "教科書P148 問1 解答");
    write_at(XI0, YI1 + 80, 0, "(1)");
    write_on(3, "24=ab");
    write_on(0, " だから ");
    write_on(3, "a=");
    WAIT_KEY();
    write_on(3, "ﾀ24/bﾀ");
    write_on(0, " となり ");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 5, "aはbに反比例する。");
    WAIT_KEY();
    write_at(XI0, YI1 + 80, 0, "(2)");
    write_on(3, "S=4b");
    write_on(0, " だから ");
    WAIT_KEY();
    write_on(5, "Sはbに比例する。");
}

}  // namespace lessons
