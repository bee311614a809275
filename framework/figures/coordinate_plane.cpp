// The coordinate plane: a rectangle of square grid cells, every fifth grid
// line thicker and numbered, the two axes and the names "x", "y" and "0".
//
// The caller gives the top-left corner (GGX, GGY), the ranges AA1..AA2 and
// BB1..BB2 in values, the pixels per grid step SIZE and the values per grid
// step BAIX, BAIY. DRAW_AXES divides the ranges in place (they are grid steps
// afterwards) and leaves the origin GX0, GY0 and the edges GX1, GY1, GX2, GY2
// for the points, graphs and marks drawn next. Its numbers count grid steps;
// with another scale the caller switches them off (NASI = -1) and writes the
// values with AXIS_DECIMAL_LABELS. Numbers and names are drawn directly in
// fonts of their own, not through the formula typesetter.
#include <cmath>

#include "framework/shell/counted_loop.hpp"
#include "framework/figures/figures.hpp"
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "framework/platform/text.hpp"

namespace figures {

using shell::count_loop;

namespace {

// Every fifth grid line (counted from the origin) is thick and numbered.
bool every_fifth(float step) { return rt::CINT(step) % 5 == 0; }

// A scale of 0 means one value per step; a negative one counts as positive.
void sound_scale(float& scale) {
    if (scale == 0) {
        scale = 1;
    } else if (scale < 0) {
        scale = std::fabs(scale);
    }
}

// An axis number or name: magnified twice in width, in colour 0.
void axis_text(float x, float y, const std::string& text) {
    if (!text.empty()) rt::SYMBOL(x, y, text, 2, 1, 0);
}

// The face of the names "0" and "y" and the one left for the scenes.
constexpr const char* kGothic = "ゴシック";

}  // namespace

void Figures::DRAW_AXES() {
    // DR is shared with the text routines; the width of the call is kept here.
    const std::int32_t entry_width = rt::GET_DRAW_WIDTH();
    DR = entry_width;

    sound_scale(BAIX);
    sound_scale(BAIY);
    AA1 = AA1 / BAIX;
    AA2 = AA2 / BAIX;
    BB1 = BB1 / BAIY;
    BB2 = BB2 / BAIY;
    if (GGX == 0 && GGY == 0) {
        GGX = 640;
        GGY = 180;
    }

    GX0 = GGX + SIZE * std::fabs(AA1);
    GY0 = GGY + SIZE * BB2;
    GX1 = GGX;
    GY1 = GGY;
    GX2 = GX0 + SIZE * AA2;
    GY2 = GY0 + SIZE * std::fabs(BB1);

    SIZE1 = (SIZE < 40) ? 26 : 30;
    rt::SET_FONT_SIZE(SIZE1);

    if (CCC2 != 0) {
        // Thin lines half a pixel before each grid line; they also make the
        // plane's edges.
        rt::SET_DRAW_WIDTH(1);
        count_loop(II, AA1, AA2, [&] {
            const float x = GX0 + SIZE * II - 0.5f;
            rt::LINE(x, GY1, x, GY2, 0);
        });
        count_loop(II, BB1, BB2, [&] {
            const float y = GY0 - SIZE * II - 0.5f;
            rt::LINE(GX1, y, GX2, y, 0);
        });

        // Thick lines on every fifth grid line, each with its number: under
        // the x axis centred on its line, left of the y axis ending at it.
        count_loop(II, AA1, AA2, [&] {
            if (!every_fifth(II)) return;
            rt::SET_DRAW_WIDTH(3);
            const float x = GX0 + SIZE * II;
            rt::LINE(x, GY1, x, GY2, 1);
            std::string number = stripped_text_of(II);
            if (II == 0 || NASI == -1) number.clear();
            CCC1 = 0;
            axis_text(x - (rt::KLEN(number) / 2) * SIZE1, GY0, number);
        });
        count_loop(II, BB1, BB2, [&] {
            if (!every_fifth(II)) return;
            rt::SET_DRAW_WIDTH(3);
            const float y = GY0 - SIZE * II;
            rt::LINE(GX1, y, GX2, y, 1);
            std::string number = stripped_text_of(II);
            if (II == 0 || NASI == -1) number.clear();
            CCC1 = 0;
            axis_text(GX0 - rt::KLEN(number) * SIZE1, y - SIZE1 / 2 - 4, number);
        });
    }

    // The axes over the grid.
    rt::SET_DRAW_WIDTH(4);
    rt::LINE(GX0, GY1, GX0, GY2, 0);
    rt::LINE(GX1, GY0, GX2, GY0, 0);

    // The names, whatever the switches say.
    CCC1 = 0;
    rt::SET_FONT_BOLD(-1);
    rt::SET_FONT_NAME("Times New Roman");
    rt::SET_FONT_SIZE(SIZE1 * 0.8f);
    rt::SET_FONT_ITALIC(-1);
    rt::SYMBOL(GX2 - 0.8f * SIZE1, GY0 - 1.5f * SIZE1, "x", 3, 2, 0);
    rt::SET_FONT_NAME(kGothic);
    rt::SET_FONT_SIZE(SIZE1);
    rt::SET_FONT_ITALIC(0);
    AA_S = "0";
    X = GX0 - SIZE1;
    Y = GY0;
    axis_text(X, Y, AA_S);
    AA_S = "y";
    X = GX0;
    Y = GY1 - SIZE1 / 2;
    axis_text(X, Y, AA_S);

    rt::SET_FONT_BOLD(0);
    rt::SET_FONT_SIZE(16);
    rt::SET_DRAW_WIDTH(entry_width);
    NASI = 0;
}

namespace {

// Splits a tick value into its whole part P1 and tenths digit P2 (of the
// magnitude) and their texts P1$ (with the sign) and P2$. Both come from the
// value rounded to whole tenths, so a scale that single precision cannot hold
// exactly (0.1, 0.3) still gives the digit it stands for.
void split_tenths(Figures& f, float value) {
    const long tenths = std::lround(std::fabs(value) * 10);
    f.P1 = static_cast<float>(tenths / 10);
    f.P2 = static_cast<float>(tenths % 10);
    f.P1_S = f.stripped_text_of(f.P1);
    if (value < 0) f.P1_S = "-" + f.P1_S;
    f.P2_S = f.stripped_text_of(f.P2);
}

// The label of the tick value split by split_tenths, its top-left at (x, y):
// a whole value as its digits; otherwise the digits without the point, and
// the point drawn on its own in a cell of the digits' height centred on the
// border between the whole part's cells and the tenths digit's: the canvas
// stands such a point in the middle of its cell on the baseline, so it sits
// in the gap between the two digits, on their baseline.
void decimal_label(Figures& f, float x, float y) {
    f.CCC1 = 0;
    f.X = x;
    f.Y = y;
    axis_text(f.X, f.Y, f.AA_S);
    if (f.P2 == 0) return;
    f.AA_S = ".";
    f.X = x + f.SIZE1 * rt::KLEN(f.P1_S) - f.SIZE1 / 2;
    f.Y = y;
    axis_text(f.X, f.Y, f.AA_S);
}

// The text of the label: the whole part, then the tenths digit unless it is 0.
std::string decimal_text(const Figures& f) {
    return (f.P2 == 0) ? f.P1_S : f.P1_S + f.P2_S;
}

}  // namespace

void Figures::AXIS_DECIMAL_LABELS() {
    rt::SET_FONT_SIZE(SIZE1);
    CCC1 = 0;

    // Under the x axis, 4 pixels lower than the grid-step numbers, centred
    // on the tick.
    count_loop(II, AA1, AA2, [&] {
        split_tenths(*this, II * BAIX);
        if (II == 0 || !every_fifth(II)) return;
        AA_S = decimal_text(*this);
        decimal_label(*this, GX0 + SIZE * II - (rt::KLEN(AA_S) / 2) * SIZE1, GY0 + 4);
    });
    // Left of the y axis, ending at it, centred on the tick and then raised
    // by the program's DECIMAL_Y_LABEL_RAISE (by default to the height of
    // the grid-step numbers).
    count_loop(II, BB1, BB2, [&] {
        split_tenths(*this, II * BAIY);
        if (II == 0 || !every_fifth(II)) return;
        AA_S = decimal_text(*this);
        decimal_label(*this, GX0 - rt::KLEN(AA_S) * SIZE1,
                      GY0 - SIZE * II - SIZE1 / 2 - DECIMAL_Y_LABEL_RAISE);
    });

    rt::SET_FONT_SIZE(16);
}

}  // namespace figures
