// Compact text: a plain text in a bold face of size 15 with fixed advances,
// so that its width follows from its characters alone. No markup, no
// substitutions; only stops, commas, parentheses, the blank, full-width
// characters, the italic letters and "y" are placed on their own terms.
#include <string>

#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "framework/platform/text.hpp"
#include "shell.hpp"

namespace shell {

void Shell::PRINT_COMPACT() {
    for (;;) {
        TX = X;
        TY = Y;
        DR = static_cast<float>(rt::GET_DRAW_WIDTH());
        LEM = rt::KLEN(AA_S);
        if (LEM == 0) {
            rt::SET_FONT_BOLD(0);
            rt::SET_DRAW_WIDTH(rt::CINT(DR));
            rt::SET_FONT_SIZE(16);
            return;
        }
        A_S = rt::KLEFT(AA_S, 1);
        AA_S = rt::KRIGHT(AA_S, LEM - 1);
        R_S = A_S;
        NAG = rt::KLEN(R_S);
        rt::SET_FONT_BOLD(-1);
        rt::SET_FONT_SIZE(15);

        const int ink = rt::CINT(CCC1);
        auto text_at = [&](float dx, float dy) { rt::SYMBOL(TX + dx, TY + dy, B_S, 3, 2, ink); };
        const float last = NAG;
        I = 1;
        do {
            B_S = rt::KMID(R_S, I, 1);
            TA2 = rt::LEN(B_S);
            if (B_S == "." || B_S == ",") {
                text_at(0, 0);
                TX = TX + 8;
            } else if (B_S == "(") {
                text_at(-8, 0);
                TX = TX + 12;
            } else if (B_S == ")") {
                text_at(0, 0);
                TX = TX + 8;
            } else if (B_S == " ") {
                TX = TX + 20;
            } else if (TA2 == 2) {
                rt::SYMBOL(TX, TY, B_S, 2, 2, ink);
                TX = TX + 30;
            } else if (B_S == "a" || B_S == "x" || B_S == "c") {
                rt::SET_FONT_NAME("Times New Roman");
                rt::SET_FONT_SIZE(8);
                rt::SET_FONT_ITALIC(-1);
                rt::SYMBOL(TX + 4, TY - 12, B_S, 7, 4, ink);
                rt::SET_FONT_NAME("ゴシック");
                rt::SET_FONT_SIZE(13);
                rt::SET_FONT_ITALIC(0);
                B_S.clear();
                TX = TX + 20;
            } else if (B_S == "y") {
                // "y" is drawn 6 pixels higher than the other characters.
                TY = TY - 6;
                text_at(0, 0);
                TY = TY + 6;
                TX = TX + 20;
            } else {
                text_at(0, 0);
                TX = TX + 20;
            }
            I = I + 1;
        } while (I <= last);
        X = TX;
        Y = TY;
    }
}

}  // namespace shell
