// Topic 4: the shredder problem. How many A4 sheets fill the boxes of two
// shredders, worked as two proportions side by side.
#include "framework/platform/screen.hpp"
#include "functions_lesson.hpp"

namespace lessons {

// ---- topic entry and bar --------------------------------------------------------

void FunctionsLesson::SHREDDER_MENU() {
    SHREDDER_AIM();
    run_bar("①P119Q　②終了", {&FunctionsLesson::SHREDDER_SCENE});
}

void FunctionsLesson::SHREDDER_AIM() {
    aim_page(32, "関数の関係を身のまわりの問題に利用してみよう。");
}

// ---- the scene ----------------------------------------------------------------------

// One column of the data table: the texts T$(1) to T$(3) in the rows below
// the header, 50 px high each.
void FunctionsLesson::shredder_column(float x, float width, std::initializer_list<const char*> texts,
                                      float text_colour, float fill) {
    int row = 1;
    for (const char* text : texts) T_A_S(row++) = text;
    count_loop(II, 1, 3, [&] { table_cell_at(x, Y_A(11 + II), width, 50, T_A_S(II), text_colour, 0, fill); });
}

void FunctionsLesson::SHREDDER_SCENE() {
    white_box(0, 0, 1320, 1800);
    XI0 = 40;
    XI1 = XI0 + 36;
    YI1 = 30;
    rt::SET_DRAW_WIDTH(5);
    write_at(XI0, YI1, 3, "Q ");
    write_on(0, "A,B2つのシュレッダーがあり、Aの方がBより細かく裁断できます。");
    write_at(XI1, YI1 + 50, 0, "箱がいっぱいになるまでに、A4のコピー用紙で、それぞれ");
    write_at(XI1, YI1 + 50, 0, "およそ何枚の紙を裁断できますか?");
    WAIT_KEY();

    write_at(XI0, YI1 + 50, 3, "① ");
    write_on(7, "何がわかれば裁断できる紙の枚数を求められますか?");
    write_at(XI1, YI1 + 50, 3, " A,Bの箱の重さ, A4用紙の枚数と重さ");
    WAIT_KEY();

    write_at(XI0, YI1 + 50, 3, "② ");
    write_on(0, "Aが800g,Bが600g のときで求めよう。");
    // The data, in a table at the right whose top is this line.
    X_A(11) = 880;
    X_A(12) = X_A(11) + 120;
    X_A(13) = X_A(12) + 90 + 36;
    Y_A(11) = YI1;
    Y_A(12) = Y_A(11) + 50;
    Y_A(13) = Y_A(12) + 50;
    Y_A(14) = Y_A(13) + 50;
    table_cell_at(X_A(11), Y_A(11), X_A(13) - X_A(11), 50, "コピー用紙", 0, 0, 13);
    shredder_column(X_A(11), X_A(12) - X_A(11), {"サイズ", "枚数", "重さ"}, 0, 13);
    shredder_column(X_A(12), X_A(13) - X_A(12), {"A4", "100枚", "400g"}, 3, 15);
    WAIT_KEY();

    write_at(XI1, YI1 + 50, 3, "Aがx枚,Bがy枚とすると");
    WAIT_KEY();

    // The x working down the left; the y working will start 60 px right of
    // the end of its first line, at the same height.
    write_at(XI1, YI1 + 50, 0, "x:800=100:400");
    X_A(1) = XI2 + 60;
    Y_A(1) = YI1;
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "400x=800*100");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 0, "x=ﾀ800*100/400ﾀ");
    WAIT_KEY();
    write_at(XI1, YI1 + 60, 3, "x=200");
    WAIT_KEY();

    XI1 = X_A(1);
    YI1 = Y_A(1);
    write_at(XI1, YI1, 0, "y:600=100:400");
    WAIT_KEY();
    write_at(XI1, YI1 + 50, 0, "400y=600*100");
    WAIT_KEY();
    write_at(XI1, YI1 + 70, 0, "y=ﾀ600*100/400ﾀ");
    WAIT_KEY();
    write_at(XI1, YI1 + 60, 3, "y=150");
    WAIT_KEY();

    write_at(XI1 - 50, YI1 + 50, 5, "およそ Aが200枚, Bが150枚");
}

}  // namespace lessons
