// Line geometry on pixel points: the foot of a perpendicular, the meeting
// point of two lines, and the point of a line at a given x or y. Lines are
// given by two of their points and held, where they are computed, as a slope
// and an intercept in screen space (y = slope * x + intercept, y downwards).
#include "framework/figures/figures.hpp"
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"

namespace figures {

// The foot (EX, EY) of the perpendicular from C to the line AB, marked with a
// white dot of radius 2. A line given by two equal points counts as vertical.
void Figures::PERPENDICULAR_FOOT() {
    if (AX == BX) {
        EX = AX;
        EY = CY;
    } else if (AY == BY) {
        EX = CX;
        EY = AY;
    } else {
        AA1 = rt::DIV(BY - AY, BX - AX);
        BB1 = AY - AA1 * AX;
        AA2 = rt::DIV(-1, AA1);
        BB2 = CY - AA2 * CX;
        EX = rt::DIV(-(BB1 - BB2), AA1 - AA2);
        EY = rt::DIV(AA1 * BB2 - AA2 * BB1, AA1 - AA2);
    }
    rt::CIRCLE(EX, EY, 2, 15, 0, 0, 15);
}

// Where the lines AB and CD meet: (AX2, AY2), with the slopes and intercepts
// in A1, B1 (AB) and A2, B2 (CD). A horizontal line has slope 0 and its y as
// intercept; a vertical line has the mark 1000 as slope and puts its x
// straight into AX2. Parallel lines leave 10000 in AX1 and AY1.
void Figures::LINE_INTERSECTION() {
    // Vertical lines are told apart by these flags, not by the mark alone, so
    // that a line whose slope happens to be 1000 still gets its true answer.
    bool ab_vertical = false;
    bool cd_vertical = false;
    if (AY == BY) {
        A1 = 0;
        B1 = AY;
    } else if (AX == BX) {
        A1 = 1000;
        AX2 = AX;
        ab_vertical = true;
    } else {
        A1 = rt::DIV(BY - AY, BX - AX);
        B1 = AY - A1 * AX;
    }
    if (CY == DY) {
        A2 = 0;
        B2 = CY;
    } else if (CX == DX) {
        A2 = 1000;
        AX2 = CX;
        cd_vertical = true;
    } else {
        A2 = rt::DIV(DY - CY, DX - CX);
        B2 = CY - A2 * CX;
    }
    const bool parallel =
        (ab_vertical && cd_vertical) || (!ab_vertical && !cd_vertical && A1 == A2);
    if (parallel) {
        AX1 = 10000;
        AY1 = 10000;
        return;
    }
    if (ab_vertical) {
        AY2 = A2 * AX2 + B2;
        return;
    }
    if (cd_vertical) {
        AY2 = A1 * AX2 + B1;
        return;
    }
    AX2 = rt::DIV(-(B2 - B1), A2 - A1);
    AY2 = rt::DIV(-A1 * (B2 - B1) + (A2 - A1) * B1, A2 - A1);
}

// The point (X1, Y1) of the line AB at a given coordinate: CX < 0 asks for
// the x at y = CY, CY < 0 for the y at x = CX (zero is a given coordinate).
// With neither negative X1 and Y1 keep their values; with both, CY decides.
void Figures::LINE_POINT() {
    if (AX == BX) {
        X1 = AX;
        Y1 = CY;
        return;
    }
    if (AY == BY) {
        X1 = CX;
        Y1 = AY;
        return;
    }
    A = rt::DIV(BY - AY, BX - AX);
    B = AY - A * AX;
    if (CX < 0) {
        X1 = rt::DIV(CY - B, A);
        Y1 = CY;
    }
    if (CY < 0) {
        Y1 = A * CX + B;
        X1 = CX;
    }
}

}  // namespace figures
