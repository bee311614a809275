// Table cells: a filled, framed box with one text (or two, one above the
// other) centred across its width at a fixed offset from its top.
//
// The caller puts the pen (X, Y) at the cell's top-left corner and sets
// HABA, TATE, the colours CCC1 (text), CCC2 (border), CCC3 (fill) and the
// text; the cell leaves the pen at the top-left corner of the next cell to
// the right, so a table row is a run of calls. A text is measured by drawing
// it once below the page, then the box is drawn, then the text on its fill.
// The cells neither set nor restore the draw width: the border shows the
// caller's width.
#include "framework/figures/figures.hpp"
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "framework/platform/text.hpp"

namespace figures {

namespace {

// Height of a line of formula text, and of one holding a stacked fraction.
constexpr float kTextHeight = 44;
constexpr float kFractionHeight = 50;
// Height of a line of compact text.
constexpr float kCompactHeight = 26;

// Left offset of a text of width LLT in a cell HABA wide: centred, but never
// left of the cell's edge (a text wider than the cell overflows to the right).
void centre_offset(Figures& f) {
    f.LT1 = (f.HABA - f.LLT) / 2;
    if (f.LT1 < 0) f.LT1 = 0;
}

// Measures the formula text A$ (LLT) and works out its left offset (LT1).
// Measuring may close a tall bracket, so the state found at the call is put
// back for the drawing pass.
void measure_formula(Figures& f) {
    f.KAKKO = f.KAKKO1;
    f.MEASURE_TEXT();
    f.KAKKO = f.KAKKO1;
    centre_offset(f);
}

// The box of a cell, top-left (x, y), HABA wide and TATE high.
void cell_box(Figures& f, float x, float y) {
    rt::BOX(x, y, x + f.HABA, y + f.TATE, rt::CINT(f.CCC2), rt::CINT(f.CCC3));
}

// One formula text at (x, y) in CCC1.
void formula_at(Figures& f, float x, float y, const std::string& text) {
    f.X = x;
    f.Y = y;
    f.AA_S = text;
    f.TEXT_OUT();
}

// One compact text at (x, y) in CCC1.
void compact_at(Figures& f, float x, float y, const std::string& text) {
    f.X = x;
    f.Y = y;
    f.AA_S = text;
    f.PRINT_COMPACT();
}

// The pen at the top-left corner of the next cell to the right.
void next_cell(Figures& f) {
    f.X = f.X1 + f.HABA;
    f.Y = f.Y1;
}

}  // namespace

void Figures::TABLE_CELL() {
    X1 = X;
    Y1 = Y;
    KAKKO1 = KAKKO;
    MOTOA_S = A_S;
    N1 = rt::KINSTR(A_S, "ﾀ");
    measure_formula(*this);

    // A fraction stands 3 pixels higher than a plain text in a cell of any height.
    if (N1 == 0) {
        Y2 = Y1 + rt::INT((TATE - kTextHeight) / 2);
    } else {
        Y2 = Y1 + rt::INT((TATE - kFractionHeight) / 2);
    }
    Y3 = Y1 + TATE;
    cell_box(*this, X1, Y1);
    formula_at(*this, X1 + LT1, Y2, MOTOA_S);
    next_cell(*this);

    // The colour that stands out on this fill, for what the scene writes next.
    CCC4 = (CCC3 == 3) ? 5 : 3;
}

void Figures::TABLE_CELL_RAISED() {
    // The pen is where the text goes (in a line of running text): the box is
    // moved up around it instead of the text down into the box.
    X1 = X;
    Y1 = Y;
    KAKKO1 = KAKKO;
    MOTOA_S = A_S;
    measure_formula(*this);

    const float raise = rt::INT((TATE - kTextHeight) / 2);
    Y2 = Y1;
    cell_box(*this, X1, Y1 - raise);
    formula_at(*this, X1 + LT1, Y2, MOTOA_S);
    next_cell(*this);
}

void Figures::TABLE_CELL_TWO_LINES() {
    X1 = X;
    Y1 = Y;
    KAKKO1 = KAKKO;

    // Upper text: placed in the upper half as a one-line cell would place it.
    MOTOA_S = A1_S;
    A_S = A1_S;
    N1 = rt::KINSTR(A_S, "ﾀ");
    measure_formula(*this);
    if (N1 == 0) {
        Y2 = Y1 + rt::INT((TATE / 2 - kTextHeight) / 2);
    } else {
        Y2 = Y1 + rt::INT((TATE / 2 - kFractionHeight) / 2);
    }
    cell_box(*this, X1, Y1);
    // A lone text moves down to the middle of the cell.
    Y22 = A2_S.empty() ? Y2 + 25 : Y2;
    formula_at(*this, X1 + LT1, Y22, MOTOA_S);

    // Lower text: one line height lower, with its own fraction test; both
    // texts see the tall-bracket state found at the call.
    MOTOA_S = A2_S;
    A_S = A2_S;
    N1 = rt::KINSTR(A_S, "ﾀ");
    measure_formula(*this);
    if (N1 == 0) {
        Y4 = Y1 + kTextHeight + rt::INT((TATE / 2 - kTextHeight) / 2);
    } else {
        Y4 = Y1 + kFractionHeight + rt::INT((TATE / 2 - kFractionHeight) / 2);
    }
    formula_at(*this, X1 + LT1, Y4, MOTOA_S);
    next_cell(*this);
}

void Figures::COMPACT_CELL() {
    X1 = X;
    Y1 = Y;
    KAKKO1 = KAKKO;
    MOTOA_S = A_S;
    MEASURE_COMPACT();
    KAKKO = KAKKO1;
    centre_offset(*this);

    Y2 = Y1 + rt::INT((TATE - kCompactHeight) / 2);
    Y3 = Y1 + TATE;
    cell_box(*this, X1, Y1);
    compact_at(*this, X1 + LT1, Y2, MOTOA_S);
    next_cell(*this);
}

void Figures::COMPACT_CELL_2ROW() {
    X1 = X;
    Y1 = Y;
    KAKKO1 = KAKKO;

    MOTOA_S = A1_S;
    A_S = A1_S;
    MEASURE_COMPACT();
    KAKKO = KAKKO1;
    centre_offset(*this);
    Y2 = Y1 + rt::INT((TATE / 2 - kCompactHeight) / 2);
    cell_box(*this, X1, Y1);
    Y22 = A2_S.empty() ? Y2 + 15 : Y2;
    compact_at(*this, X1 + LT1, Y22, MOTOA_S);

    MOTOA_S = A2_S;
    A_S = A2_S;
    MEASURE_COMPACT();
    KAKKO = KAKKO1;
    centre_offset(*this);
    Y4 = Y2 + 30;
    compact_at(*this, X1 + LT1, Y4, MOTOA_S);
    next_cell(*this);
}

void Figures::MEASURE_COMPACT() {
    // Drawn for real below the page, where it is never seen; the pen's
    // advance from 0 is the width.
    XX1 = X;
    YY1 = Y;
    X = 0;
    Y = 1800;
    AA1_S = A_S;
    AA_S = A_S;
    PRINT_COMPACT();
    LLT = X;
    X = XX1;
    Y = YY1;
    A_S = AA1_S;
}

}  // namespace figures
