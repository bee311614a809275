// Arrows and the slope triangle.
//
// DRAW_ARROW draws a straight arrow between two pixel points with a head of
// two strokes, in the current draw width. SLOPE_TRIANGLE draws, between two
// points of a graph, a horizontal run arrow and a vertical rise arrow and, as
// the caller chooses, the run and the rise in grid steps beside them.
#include <cmath>
#include <utility>

#include "framework/figures/figures.hpp"
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "framework/platform/text.hpp"

namespace figures {

namespace {

// Exchanges the start point (ZX0, ZY0) with the end point (ZX, ZY).
void swap_ends(Figures& f) {
    std::swap(f.ZX0, f.ZX);
    std::swap(f.ZY0, f.ZY);
}

// Colours and head size of the slope triangle's arrows.
constexpr float kRunColour = 7;
constexpr float kRiseColour = 3;
constexpr float kHeadSize = 16;

// Puts the "0" the number text leaves out before a leading point: ".5" reads
// "0.5", "-.25" reads "-0.25". A point after a digit (an exponent form) is
// left alone.
std::string with_leading_zero(const std::string& text) {
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return text;
    if (point == 0 || text[point - 1] == '-') {
        return text.substr(0, point) + "0" + text.substr(point);
    }
    return text;
}

// Whether the label switch at `position` of HYOUJI$ (1 run, 2 rise) is on;
// only a lower-case "y" counts.
bool label_on(const Figures& f, float position) {
    return rt::KMID(f.HYOUJI_S, position, 1) == "y";
}

}  // namespace

void Figures::DRAW_ARROW() {
    bool again = false;
    do {
        // From here on (ZX0, ZY0) is the tip and (ZX, ZY) the tail.
        swap_ends(*this);
        if (MUKI == -1) swap_ends(*this);

        CX = ZX0 - ZX;
        CY = ZY0 - ZY;
        D = std::sqrt(CX * CX + CY * CY);
        // Ends that coincide give no direction: there is no arrow to draw.
        if (D > 0) {
            const int colour = rt::CINT(CCC2);
            rt::LINE(ZX, ZY, ZX0, ZY0, colour);
            DX = CX / D;
            DY = CY / D;
            // The head's foot on the shaft, and its two side points.
            EX = ZX0 - NAGASA * DX;
            EY = ZY0 - NAGASA * DY;
            ZX1 = EX - (NAGASA / 2) * DY;
            ZY1 = EY + (NAGASA / 2) * DX;
            ZX2 = EX + (NAGASA / 2) * DY;
            ZY2 = EY - (NAGASA / 2) * DX;
            rt::LINE(ZX1, ZY1, ZX0, ZY0, colour);
            rt::LINE(ZX2, ZY2, ZX0, ZY0, colour);
        }

        // YA = 2 runs once more from the other end: with MUKI = -1 that puts
        // a head on each end.
        again = (YA == 2);
        if (again) {
            swap_ends(*this);
            YA = 0;
        }
    } while (again);
    MUKI = 0;
}

void Figures::SLOPE_TRIANGLE() {
    if (GX3 > GX4) {
        std::swap(GX3, GX4);
        std::swap(GY3, GY4);
    }
    // Left at 4 for the scene's later lines.
    rt::SET_DRAW_WIDTH(4);

    // Run: along the first corner's height to below (or above) the second.
    ZX0 = GX3;
    ZY0 = GY3;
    ZX = GX4;
    ZY = GY3;
    MUKI = 1;
    CCC2 = kRunColour;
    NAGASA = kHeadSize;
    DRAW_ARROW();

    // Rise: up (or down) to the second corner.
    ZX0 = GX4;
    ZY0 = GY3;
    ZX = GX4;
    ZY = GY4;
    MUKI = 1;
    CCC2 = kRiseColour;
    NAGASA = kHeadSize;
    DRAW_ARROW();

    // Run and rise in grid steps; up the screen is a positive rise.
    X_S = stripped_text_of(rt::DIV(GX4 - GX3, SIZE));
    const float rise = rt::DIV(GY3 - GY4, SIZE);
    Y_S = stripped_text_of(rise);
    if (std::fabs(rise) < 1) Y_S = with_leading_zero(Y_S);

    if (label_on(*this, 1)) SLOPE_RUN_LABEL();
    if (label_on(*this, 2)) SLOPE_RISE_LABEL();
}

void Figures::SLOPE_RUN_LABEL() {
    // Centred on the run arrow, on the side away from the rise arrow.
    CCC1 = kRunColour;
    X = (GX3 + GX4) / 2 - 14;
    Y = (GY4 < GY3) ? GY3 - 44 : GY3;
    AA_S = X_S;
    TEXT_OUT();
}

void Figures::SLOPE_RISE_LABEL() {
    // Right of the rise arrow, at its middle.
    CCC1 = kRiseColour;
    X = GX4;
    Y = (GY3 + GY4) / 2 - 16;
    AA_S = Y_S;
    TEXT_OUT();
}

}  // namespace figures
