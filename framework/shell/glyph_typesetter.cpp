// The glyph typesetter: draws a piece of formula text character by character
// at fixed offsets, magnifications and advances from the pen (TX, TY), keeps
// the mode flags (superscript next, small raised next, tall parentheses,
// fraction size) and grows the overline of an open root sign glyph by glyph.
//
// Each character is drawn by the first row of the class table below that
// takes it; the rows are tested in a fixed order and the order matters (a
// pending superscript wins over the italic letters, a fraction's full-width
// signs over the plain ones).
#include <initializer_list>
#include <string>
#include <vector>

#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "framework/platform/text.hpp"
#include "shell.hpp"

namespace shell {

namespace {

const std::string kGothic = "ゴシック";
const std::string kSerif = "Times New Roman";
const std::string kScriptFace = "MT Extra";

// Signs drawn in place of the characters that stand for them in a text.
struct Substitution {
    const char* from;
    const char* to;
};
const Substitution kSubstitutions[] = {
    {"%", "°"}, {"*", "×"}, {"/", "÷"}, {"@", "±"}, {"!", "√"},
};

bool is_italic_letter(const std::string& c) {
    return c == "a" || c == "x" || c == "c";
}

}  // namespace

void Shell::RENDER_GLYPHS() {
    TX = X;
    TY = Y;
    DR = static_cast<float>(rt::GET_DRAW_WIDTH());
    R_S = A_S;
    NAG = rt::KLEN(R_S);
    rt::SET_FONT_NAME(kGothic);
    rt::SET_FONT_SIZE(16);
    rt::SET_FONT_BOLD(-1);

    const int ink = rt::CINT(CCC1);
    // The current character at an offset from the pen (TX, TY).
    auto text_at = [&](float dx, float dy, float h, float v) {
        rt::SYMBOL(TX + dx, TY + dy, B_S, h, v, ink);
    };
    auto line_by = [&](float dx, float dy, float a, float b) {
        rt::LINE(TX + dx, TY + dy, TX + dx + a, TY + dy + b, ink);
    };
    // A root sign or parallelogram: five points from the pen, in width
    // `width`, then width 3 again.
    auto figure = [&](int width, std::initializer_list<rt::Point> offsets) {
        std::vector<rt::Point> points;
        for (const rt::Point& p : offsets) points.push_back({TX + p.x, TY + p.y});
        rt::SET_DRAW_WIDTH(width);
        rt::POLYLINE(points, ink);
        rt::SET_DRAW_WIDTH(3);
    };
    // The overline of an open root, from where its drawn part starts to the
    // right end of the newest glyph.
    auto overline = [&](float dy) {
        rt::SET_DRAW_WIDTH(3);
        rt::LINE(TXM, Y + dy, TX, Y + dy, ink);
        rt::SET_DRAW_WIDTH(3);
    };

    // The loop runs its body once even for an empty piece (with an empty
    // character), and its bound is fixed at the start.
    const float last = NAG;
    I = 1;
    do {
        B_S = rt::KMID(R_S, I, 1);
        for (const Substitution& s : kSubstitutions) {
            if (B_S == s.from) {
                B_S = s.to;
                break;
            }
        }

        // Marks and drawn figures: no overline step after them.
        bool figure_row = true;
        if (B_S == "^") {
            JYOU = 1;
        } else if (B_S == "\\") {
            JYOUK = 1;
        } else if (B_S == "ﾝ") {
            HROOT = 0;
        } else if (B_S == "√" && BUN == 1) {
            figure(3, {{4, 24}, {8, 13}, {16, 29}, {24, -6}, {26, -6}});
            TX = TX + 26;
            HROOT = 11;
            TXM = TX;
        } else if (B_S == "√") {
            figure(3, {{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}});
            TX = TX + 28;
            HROOT = 1;
            TXM = TX;
        } else if (B_S == "&") {
            figure(5, {{4, 40}, {25, 40}, {32, 8}, {11, 8}, {4, 40}});
            TX = TX + 36;
            TXM = TX;
        } else if (B_S == "＃") {
            figure(5, {{10, 8}, {4, 36}, {26, 36}, {32, 8}, {10, 8}});
            TX = TX + 36;
            TXM = TX;
        } else {
            figure_row = false;
        }

        if (!figure_row) {
            TA2 = rt::LEN(B_S);
            if (B_S == ".") {
                text_at(-3, 14, 3, 2);
                TX = TX + 8;
            } else if (B_S == "'" || B_S == "°") {
                text_at(0, 0, 3, 3);
                TX = TX + 12;
            } else if (KAKKO == 1 && B_S == "(") {
                text_at(-4, -6, 3, 4);
                TX = TX + 27;
            } else if (KAKKO == 1 && B_S == ")") {
                text_at(6, -6, 3, 4);
                KAKKO = 0;
                TX = TX + 27;
            } else if (B_S == "=") {
                rt::SET_FONT_SIZE(14);
                rt::SET_FONT_BOLD(-1);
                text_at(4, 0, 3, 3);
                rt::SET_FONT_SIZE(16);
                TX = TX + 32;
            } else if (JYOUK == 1) {
                rt::SET_FONT_SIZE(8);
                text_at(0, -10, 6, 3);
                rt::SET_FONT_SIZE(16);
                JYOUK = 0;
                TX = TX + 24;
            } else if (JYOU == 1 && BUN == 1) {
                rt::SET_FONT_SIZE(8);
                text_at(0, -4, 6, 3);
                rt::SET_FONT_SIZE(16);
                JYOU = 0;
                TX = TX + 24;
            } else if (JYOU == 1) {
                text_at(0, 0, 3, 2);
                JYOU = 0;
                TX = TX + 24;
            } else if (is_italic_letter(B_S)) {
                // Italic letters: a small serif face magnified into a tall
                // cell, larger inside a fraction.
                rt::SET_FONT_NAME(kSerif);
                rt::SET_FONT_SIZE(8);
                rt::SET_FONT_ITALIC(-1);
                if (BUN == 1) {
                    text_at(4, -16, 12, 5);
                } else {
                    text_at(4, -22, 10, 7);
                }
                rt::SET_FONT_NAME(kGothic);
                rt::SET_FONT_SIZE(16);
                rt::SET_FONT_ITALIC(0);
                TX = TX + (BUN == 1 ? 32 : 27);
            } else if (B_S == "l") {
                // The script ell, placed from the line's own y.
                rt::SET_FONT_NAME(kScriptFace);
                rt::SET_FONT_SIZE(16);
                rt::SET_FONT_BOLD(-1);
                rt::SYMBOL(TX, Y, B_S, 6, 3, ink);
                rt::SET_FONT_NAME(kGothic);
                rt::SET_FONT_SIZE(16);
                rt::SET_FONT_BOLD(0);
                TX = TX + 32;
            } else if (B_S == "-" && BUN == 1) {
                rt::SET_DRAW_WIDTH(5);
                line_by(6, 14, 20, 0);
                rt::SET_DRAW_WIDTH(3);
                TX = TX + 32;
            } else if (B_S == "+" && BUN == 1) {
                rt::SET_DRAW_WIDTH(5);
                line_by(6, 14, 20, 0);
                line_by(16, 4, 0, 20);
                rt::SET_DRAW_WIDTH(3);
                TX = TX + 32;
            } else if (B_S == "-") {
                rt::SET_DRAW_WIDTH(5);
                line_by(4, 20, 19, 0);
                rt::SET_DRAW_WIDTH(3);
                TX = TX + 27;
            } else if (B_S == "+") {
                rt::SET_DRAW_WIDTH(5);
                line_by(4, 22, 19, 0);
                line_by(13, 10, 0, 24);
                rt::SET_DRAW_WIDTH(3);
                TX = TX + 27;
            } else if ((B_S == "×" || B_S == "÷" || B_S == "±") && BUN != 1) {
                text_at(-4, 0, 2, 3);
                TX = TX + 27;
            } else if (B_S == " ") {
                TX = TX + 27;
            } else if (TA2 == 2 && BUN == 1) {
                rt::SET_FONT_SIZE(11);
                text_at(0, 0, 3, 3);
                rt::SET_FONT_SIZE(16);
                TX = TX + 38;
            } else if (TA2 == 2) {
                text_at(0, 0, 2, 3);
                TX = TX + 34;
            } else if (BUN == 1) {
                text_at(0, 0, 4, 2);
                TX = TX + 32;
            } else {
                text_at(0, 0, 3, 3);
                TX = TX + 27;
            }

            // The overline of an open root grows to the right end of this
            // glyph; with none open its start follows the pen.
            if (HROOT == 1) {
                overline(-4);
            } else if (HROOT == 11) {
                overline(-6);
            } else if (HROOT == 22 && BUN != 1) {
                overline(-14);
            } else {
                TXM = TX;
            }
        }
        I = I + 1;
    } while (I <= last);

    X = TX;
    Y = TY;
    rt::SET_FONT_BOLD(0);
    rt::SET_DRAW_WIDTH(rt::CINT(DR));
}

}  // namespace shell
