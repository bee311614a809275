// Plain text: every character in a 16-pixel cell, half-width letters, digits
// and signs shown in their full-width forms, "^" as the only markup. Also the
// blank remover that every number text goes through before it is shown.
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "framework/platform/text.hpp"
#include "shell.hpp"

namespace shell {

// Turns the one character B$ into the form plain text shows it in. Each
// table pair maps the one-byte character at byte position n of its left
// text to character n of its right text. A result of the first pair is a
// two-byte character, which the second pair never holds, so a character is
// converted at most once. "A" becomes the Greek capital alpha and "x" the
// Greek small chi, as the textbook sets them; "ﾀ" becomes a horizontal bar.
void Shell::CONVERT_WIDE() {
    HENK2_S = "　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ";
    HENK1_S = " XYABCDEFGHIJKLMNOPQRSTUVWZ";
    N1 = rt::INSTR(HENK1_S, B_S);
    if (N1 != 0) B_S = rt::KMID(HENK2_S, N1, 1);

    HENK3_S =
        "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐ"
        "ｑｒｓｔｕｖｗ△：";
    HENK_S = " 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:";
    N = rt::INSTR(HENK_S, B_S);
    if (N != 0) B_S = rt::KMID(HENK3_S, N, 1);
}

// Removes every half-width blank from A$, byte by byte; a two-byte character
// never holds the blank's byte, so it passes whole, the ideographic space
// included.
void Shell::STRIP_SPACES() {
    X9_S = "";
    KB8 = rt::LEN(A_S);
    IB8 = 1;
    const float last = KB8;
    do {
        X8_S = rt::MID(A_S, IB8, 1);
        if (X8_S != " ") X9_S += X8_S;
        IB8 += 1;
    } while (IB8 <= last);
    A_S = X9_S;
}

// Draws A$ from (X, Y) in colour CCC1, bold, one character per 16-pixel
// cell; the pen moves in XT and X stays. Blanks are closed up first. A
// character after "^" is drawn as given: one that stays half-width stands
// 4 pixels higher. The full stop is drawn 4 pixels left and takes no cell,
// so that it sits between two digits. An empty text still takes one cell.
void Shell::DRAW_CHARS() {
    STRIP_SPACES();
    LE = rt::KLEN(A_S);
    XT = X;
    rt::SET_FONT_BOLD(-1);
    I = 1;
    const float last = LE;
    do {
        B_S = rt::KMID(A_S, I, 1);
        if (B_S == "^") {
            JYOU = 1;
        } else {
            if (JYOU != 1) {
                CONVERT_WIDE();
            } else {
                JYOU = 0;
            }
            L = rt::LEN(B_S) == 1 ? 4 : 0;
            if (B_S == "．") XT = XT - 4;
            rt::SYMBOL(XT, Y - L, B_S, 1, 1, rt::CINT(CCC1));
            if (B_S == "．") XT = XT - 12;
            XT = XT + 16;
        }
        I += 1;
    } while (I <= last);
}

// Draws AA$ from (X, Y) in colour CCC1, one character at a time, consuming
// it and leaving X after the text. Since each character goes to DRAW_CHARS on
// its own, a blank is not closed up: it takes its 16-pixel cell.
void Shell::PRINT_AA() {
    for (;;) {
        LEM = rt::KLEN(AA_S);
        if (LEM == 0) return;
        A_S = rt::KLEFT(AA_S, 1);
        AA_S = rt::KRIGHT(AA_S, LEM - 1);
        if (A_S == "^") {
            JYOU = 1;
            continue;
        }
        DRAW_CHARS();
        X = XT;
    }
}

}  // namespace shell
