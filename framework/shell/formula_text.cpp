// Formula text: the writer of every formula, sentence and label, the main
// menu's header around it, the measuring of a text by writing it below the
// visible area, and the stacked fraction.
//
// TEXT_OUT takes its text apart one character at a time: "ﾀ" ... "ﾀ" is a
// stacked fraction, "#" the tall root sign over a fraction, "^" a superscript
// for the next character; every other character goes to the glyph typesetter.
#include <string>

#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "framework/platform/text.hpp"
#include "shell.hpp"

namespace shell {

namespace {

// The one-byte marks that TEXT_OUT itself reads.
const std::string kFractionMark = "ﾀ";
const std::string kTallRoot = "#";
const std::string kSuperscript = "^";

// Measured texts are written at this height, below everything the window shows.
constexpr float kMeasureY = 1800;

// The face of the characters the glyph typesetter draws as they stand.
const std::string kGothic = "ゴシック";

}  // namespace

void Shell::TEXT_OUT() {
    for (;;) {
        // The width is read afresh on every pass: a fraction inside the text
        // runs a nested writer that overwrites DR.
        DR = static_cast<float>(rt::GET_DRAW_WIDTH());
        LEM = rt::KLEN(AA_S);
        if (LEM == 0) {
            rt::SET_DRAW_WIDTH(rt::CINT(DR));
            return;
        }
        A_S = rt::KLEFT(AA_S, 1);
        AA_S = rt::KRIGHT(AA_S, LEM - 1);

        if (A_S == kFractionMark) {
            N = rt::KINSTR(AA_S, kFractionMark);
            YMOTO = Y;
            // An opening mark without a closing one is dropped; the rest of
            // the text is written as ordinary characters.
            if (N == 0) continue;
            A_S = rt::KLEFT(AA_S, N - 1);
            AA_A_S = rt::KRIGHT(AA_S, LEM - N - 1);
            DRAW_FRACTION();
            AA_S = AA_A_S;
            continue;
        }

        if (A_S == kTallRoot) {
            // Short up-stroke, long down-stroke to 60 below the line, long
            // up-stroke to 14 above it, and the first 8 pixels of the
            // overline that the following glyphs continue.
            rt::SET_DRAW_WIDTH(3);
            rt::POLYLINE({{X + 4, Y + 36},
                          {X + 8, Y + 24},
                          {X + 16, Y + 60},
                          {X + 30, Y - 14},
                          {X + 38, Y - 14}},
                         rt::CINT(CCC1));
            B_S.clear();
            HROOT = 22;
            rt::SET_DRAW_WIDTH(rt::CINT(DR));
            X = X + 32;
            TXM = X;
            continue;
        }

        if (A_S == kSuperscript) {
            JYOU = 1;
            continue;
        }

        RENDER_GLYPHS();
    }
}

// The header "＜" + TITLE$ + "　メニュー＞" from (X, Y) in colour CCC1. A
// program's name is not a formula: its characters are drawn as they stand
// (an "l" stays an "l", a "c" upright), each where and as the glyph
// typesetter draws a plain character: Gothic, size 16, bold, a one-byte
// character magnified (3, 3) and 27 pixels on, a two-byte one (2, 3) and 34
// on. The brackets and "メニュー" go through TEXT_OUT. Leaves X after the
// header and AA$ empty, as TEXT_OUT does.
void Shell::MENU_HEADER() {
    AA_S = "＜";
    TEXT_OUT();
    rt::SET_FONT_NAME(kGothic);
    rt::SET_FONT_SIZE(16);
    rt::SET_FONT_BOLD(-1);
    for (std::size_t pos = 0; pos < TITLE_S.size();) {
        const std::string c(rt::next_char(TITLE_S, pos));
        const bool wide = c.size() == 2;
        if (c != " ") rt::SYMBOL(X, Y, c, wide ? 2 : 3, 3, rt::CINT(CCC1));
        X = X + (wide ? 34 : 27);
    }
    rt::SET_FONT_BOLD(0);
    AA_S = "　メニュー＞";
    TEXT_OUT();
}

void Shell::MEASURE_TEXT() {
    // Measuring nests (a measured text may hold a fraction, whose parts are
    // measured in turn), so each call keeps its own pen and text.
    const float kept_x = X;
    const float kept_y = Y;
    const std::string kept_text = A_S;

    X = 0;
    Y = kMeasureY;
    AA_S = A_S;
    TEXT_OUT();
    LLT = X;

    X = kept_x;
    Y = kept_y;
    A_S = kept_text;
}

void Shell::DRAW_FRACTION() {
    XT = X;
    YT = Y;
    // Byte searches: only whether a mark occurs counts.
    TA5 = rt::INSTR(A_S, "!");
    TA6 = rt::INSTR(A_S, "√");

    // The split is at the first "/"; a further "/" stays in the denominator,
    // where it is drawn as "÷". A piece without one (also the empty piece of
    // "ﾀﾀ") has an empty numerator and the whole piece as its denominator.
    TA1 = rt::INSTR(A_S, "/");
    if (TA1 == 0) {
        RTASKAI1_S.clear();
        RTASKAI2_S = A_S;
    } else {
        RTASKAI1_S = rt::LEFT(A_S, TA1 - 1);
        RTASKAI2_S = rt::MID(A_S, TA1 + 1);
    }

    // Both parts are measured at fraction size.
    X = XT;
    Y = YT;
    A_S = RTASKAI1_S;
    HAN = 32;
    BUN = 1;
    MEASURE_TEXT();
    TBSI = LLT;

    X = XT;
    Y = YT;
    A_S = RTASKAI2_S;
    HAN = 32;
    BUN = 1;
    MEASURE_TEXT();
    TBBO = LLT;
    BUN = 0;

    NAGA = TBSI >= TBBO ? TBSI : TBBO;
    TBSI1 = (NAGA - TBSI) / 2;
    TBBO1 = (NAGA - TBBO) / 2;

    // The bar, as long as the wider part.
    rt::SET_DRAW_WIDTH(4);
    BSEN = YT + 25;
    rt::LINE(XT, BSEN, XT + NAGA, BSEN, rt::CINT(CCC1));
    rt::SET_DRAW_WIDTH(rt::CINT(DR));

    // Under an open tall root sign the overline spans the whole fraction, at
    // the height of the sign's top stroke.
    if (HROOT == 22) {
        rt::SET_DRAW_WIDTH(3);
        rt::LINE(XT, YT - 14, XT + NAGA, YT - 14, rt::CINT(CCC1));
        rt::SET_DRAW_WIDTH(rt::CINT(DR));
    }

    // A denominator with a root sign or a superscript hangs lower, and lower
    // again when the piece holds a root sign anywhere.
    TA1 = rt::INSTR(RTASKAI2_S, "√");
    TA2 = rt::INSTR(RTASKAI2_S, "^");
    Y = (TA1 == 0 && TA2 == 0) ? YT + 28 : YT + 36;
    if (TA5 != 0 || TA6 != 0) Y = Y + 8;

    TBSIYAKX = XT + TBSI1;
    TBSIYAKY = YT - 10;
    TBBOYAKX = XT + TBBO1;
    TBBOYAKY = Y;

    X = XT + TBBO1;
    BUN = 1;
    A_S = RTASKAI2_S;
    RENDER_GLYPHS();

    X = XT + TBSI1;
    Y = YT - 10;
    BUN = 1;
    A_S = RTASKAI1_S;
    RENDER_GLYPHS();

    BUN = 0;
    X = XT + NAGA;
    Y = YT;
}

}  // namespace shell
