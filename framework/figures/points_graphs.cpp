// Points and graphs on the coordinate plane last drawn by DRAW_AXES.
//
// A value point (x, y) lies at (GX0 + SIZE*x/BAIX, GY0 - SIZE*y/BAIY).
// PLOT_POINT draws one dot with an optional label above and left of it.
// PLOT_GRAPH draws y = a/x, y = ax^2, y = ax + b or ax + by = c, not as
// segments but as 5001 dots at equal steps of x, keeping those that fall
// between the top and the bottom edge of the plane; ax = c is a thick
// vertical line. Every point and graph ends by setting the scales BAIX, BAIY
// back to 1 and the label shifts KASANARIX, KASANARIY back to 0, so a caller
// sets them again before each call.
#include "framework/figures/figures.hpp"
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"

namespace figures {

namespace {

// The number of steps of a graph: 5001 dots from the first x to the last.
constexpr float kGraphSteps = 5000;
// Where a hyperbola that would start at x = 0 starts instead.
constexpr float kNearZero = 0.002f;

// Kind of graph (IROIRO).
constexpr float kHyperbola = 1;  // y = AA / x
constexpr float kParabola = 2;   // y = AA * x^2
constexpr float kStraight = 3;   // y = AA * x + BB (any other kind too)
constexpr float kEquation = 4;   // AA * x + BB * y = CC

// A scale of 0 means one value per step (a negative one is left as it is).
void scale_not_zero(float& scale) {
    if (scale == 0) scale = 1;
}

// The one-shot inputs of a point or graph, set back after every call.
void reset_plot_inputs(Figures& f) {
    f.KASANARIX = 0;
    f.KASANARIY = 0;
    f.BAIX = 1;
    f.BAIY = 1;
}

// The label AAA$ in the colour of the point or graph, its top-left at (x, y).
void plot_label(Figures& f, float x, float y) {
    f.CCC1 = f.CCC3;
    f.X = x;
    f.Y = y;
    f.AA_S = f.AAA_S;
    f.TEXT_OUT();
}

// The graph's y at x, in single precision.
float graph_y(const Figures& f, float x) {
    if (f.IROIRO == kHyperbola) return f.AA / x;
    if (f.IROIRO == kParabola) return f.AA * x * x;
    return f.AA * x + f.BB;
}

}  // namespace

void Figures::PLOT_POINT() {
    scale_not_zero(BAIX);
    scale_not_zero(BAIY);
    GX = GX0 + SIZE * XG / BAIX;
    GY = GY0 - SIZE * YG / BAIY;
    // Drawn wherever it falls, inside the plane or not.
    const int colour = rt::CINT(CCC3);
    rt::CIRCLE(GX, GY, R, colour, 0, 0, colour);
    plot_label(*this, GX - 20 + KASANARIX, GY - 40 + KASANARIY);
    reset_plot_inputs(*this);
}

void Figures::PLOT_GRAPH() {
    // DR is shared with the text routines; the width of the call is kept here.
    const std::int32_t entry_width = rt::GET_DRAW_WIDTH();
    DR = entry_width;
    scale_not_zero(BAIX);
    scale_not_zero(BAIY);
    HABA = kGraphSteps;

    bool drawn = true;
    if (IROIRO == kEquation && BB == 0) {
        if (AA == 0) {
            // 0 = CC is no line at all: nothing to draw, no label.
            drawn = false;
        } else {
            CC = CC / AA;
            GRAPH_VERTICAL_LINE();
        }
    } else if (IROIRO == kEquation) {
        // Turned into y = ax + b in place.
        AA = -AA / BB;
        BB = CC / BB;
        IROIRO = kStraight;
        PLOT_CURVE();
    } else {
        PLOT_CURVE();
    }

    // The label goes on from where the worker left the pen: the last dot
    // drawn, or beside the top of the vertical line.
    if (drawn) plot_label(*this, X + KASANARIX, Y + KASANARIY);
    reset_plot_inputs(*this);
    rt::SET_DRAW_WIDTH(entry_width);
}

void Figures::PLOT_CURVE() {
    X1 = AA1;
    HABA = kGraphSteps;
    // Only a straight line may be computed at x = 0.
    if (IROIRO != kStraight && X1 == 0) X1 = kNearZero;
    Y1 = graph_y(*this, X1);
    GX5 = X1;
    GY5 = Y1;
    // The step comes from the range as given, not from a moved start.
    P1 = (AA2 - AA1) / HABA;

    const int colour = rt::CINT(CCC3);
    const float last = HABA;
    II = 0;
    do {
        GX = GX0 + SIZE * GX5 / BAIX;
        GY = GY0 - SIZE * GY5 / BAIY;
        // Only the height is tested: the plane's width is the caller's range.
        if (GY1 <= GY && GY <= GY2) {
            X = GX;
            Y = GY;
            rt::CIRCLE(GX, GY, 1, colour, 0, 0, colour);
        }
        // x advances in single precision, as the dots' places depend on it.
        GX5 = GX5 + P1;
        if (IROIRO != kStraight && GX5 == 0) GX5 = GX5 + P1;
        GY5 = graph_y(*this, GX5);
        II = II + 1;
    } while (II <= last);
}

void Figures::GRAPH_VERTICAL_LINE() {
    rt::SET_DRAW_WIDTH(5);
    const float x = GX0 + SIZE * CC / BAIX;
    const float top = GY0 - SIZE * BB2 / BAIY;
    rt::LINE(x, GY0 - SIZE * BB1 / BAIY, x, top, rt::CINT(CCC3));
    X = x + 10;
    Y = top;
}

}  // namespace figures
