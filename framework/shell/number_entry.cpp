// The number field: how the menus and drills read a typed number. A label
// "入力" and a blinking dot at (KAIX, KAIY); the keys "-", ".", "/" and the
// digits are echoed in their full-width forms and kept in AINP$; Backspace
// and Delete wipe the entry; Enter ends it. PARSE_INPUT then values the text,
// reading "p/q" as a quotient.
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "framework/platform/text.hpp"
#include "shell.hpp"

namespace shell {

namespace {

// The cursor dot shows for this many empty polls, then hides for as many. A
// poll that finds no key waits up to 50 ms in the window, so the dot shows
// for half a second and hides for half a second.
constexpr float kBlinkPolls = 10;

// The cursor dot, radius 4, centred 8 px right of and below the echo position;
// drawn in white it is erased.
void draw_cursor(float xx, float yy, int colour) {
    rt::CIRCLE(xx + 8, yy + 8, 4, colour, 0, 0, colour);
}

}  // namespace

// The whole field: label, key loop, and the erase of field and label. The
// pen on entry is kept in X1, Y1.
void Shell::INPUT_NUMBER() {
    XX = KAIX;
    YY = KAIY;
    X1 = X;
    Y1 = Y;
    AINP_S = "";
    CCC1 = 0;
    X = XX - 48;
    Y = YY;
    AA_S = "入力";
    PRINT_AA();
    INPUT_NUMBER_KEYS();
    rt::BOX(KAIX - 48, KAIY - 8, KAIX - 48 + 240, KAIY - 8 + 30, rt::kWhite, rt::kWhite);
}

// The key loop of the field, until Enter. An entry that already holds ten
// characters is wiped by whatever key comes next, Enter included, so at most
// nine characters are ever handed back.
void Shell::INPUT_NUMBER_KEYS() {
    for (;;) {
        draw_cursor(XX, YY, 5);
        TENMETSU = 0;
        for (;;) {
            I_S = rt::INKEY();
            if (!I_S.empty()) break;
            TENMETSU = TENMETSU + 1;
            if (TENMETSU == kBlinkPolls) draw_cursor(XX, YY, rt::kWhite);
            if (TENMETSU == 2 * kBlinkPolls) {
                draw_cursor(XX, YY, 5);
                TENMETSU = 0;
            }
        }

        if (I_S == rt::CHR(8) || I_S == rt::CHR(12) || rt::KLEN(AINP_S) > 9) {
            // Wipe the echo cells and the cursor; the label stays.
            rt::BOX(KAIX, KAIY - 8, KAIX + 192, KAIY - 8 + 30, rt::kWhite, rt::kWhite);
            AINP_S = "";
            I_S = "";
            XX = KAIX;
            YY = KAIY;
            continue;
        }
        if (I_S == rt::CHR(13)) {
            draw_cursor(XX, YY, rt::kWhite);
            return;
        }
        // "-", ".", "/" and "0" to "9" are the codes 45 to 57.
        if (!(I_S < "-") && !(I_S > "9")) {
            draw_cursor(XX, YY, rt::kWhite);
            CCC1 = 5;
            A_S = I_S;
            X = XX;
            Y = YY;
            DRAW_CHARS();
            XX = XT;
            AINP_S = AINP_S + I_S;
            continue;
        }
        // Any other key is ignored; the cursor is shown again.
    }
}

// The value of the typed text into AINP. A text with a "/" is the value of
// the part before the first "/" divided by that of the rest. A denominator
// that reads as 0 ("4/0", "4/", "/") gives AINP = 0 instead of a failed
// division: 0 is no menu item and not the drill's 1, so a menu is drawn
// again, a bar asks again and a drill goes on.
void Shell::PARSE_INPUT() {
    LEM = rt::KLEN(AINP_S);
    N = rt::KINSTR(1, AINP_S, "/");
    if (N == 0) {
        AINP = rt::VAL(AINP_S);
        return;
    }
    A_S = rt::KLEFT(AINP_S, N - 1);
    B_S = rt::KRIGHT(AINP_S, LEM - N);
    if (rt::VAL(B_S) == 0) {
        AINP = 0;
        return;
    }
    AINP = rt::VAL(A_S) / rt::VAL(B_S);
}

}  // namespace shell
