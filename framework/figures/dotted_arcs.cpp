// Dotted bows that mark a length: half of an ellipse over a chord from
// A = (ZX0, ZY0) to B = (ZX1, ZY1), bulging TAKASA pixels to one side, with a
// label at its middle. The bow is worked out for a chord of the same length
// running from A to the right, then turned about A into the chord's direction.
// Parameter 0 is B and 180 is A: 0 to 180 runs over the bow on the left of the
// chord (seen from A towards B), 180 to 360 over the bow on its right.
#include <cmath>

#include "framework/figures/figures.hpp"
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"

namespace figures {

namespace {

// A and B kept in ZX11..ZY12, the half chord RR, the centre (ZX2, ZY2) of the
// unturned bow, and the chord's direction H.
void lay_chord(Figures& f) {
    f.ZX11 = f.ZX0;
    f.ZY11 = f.ZY0;
    f.ZX12 = f.ZX1;
    f.ZY12 = f.ZY1;
    f.CX = f.ZX1 - f.ZX0;
    f.CY = f.ZY1 - f.ZY0;
    f.RR = std::sqrt(f.CX * f.CX + f.CY * f.CY) / 2;
    f.ZX2 = f.ZX0 + f.RR;
    f.ZY2 = f.ZY0;
    f.POINT_ANGLE();
    f.H = f.HHP;
}

// The bow's point (ZX, ZY) for a parameter in degrees: the point of the
// unturned bow (ZX3, ZY3), turned about A by H. Leaves the unturned point in
// ZX1, ZY1, where its direction from A is taken.
void bow_point(Figures& f, float degrees) {
    const float theta = degrees * f.PI / 180;
    f.ZX3 = f.ZX2 + f.RR * std::cos(theta);
    f.ZY3 = f.ZY2 - f.TAKASA * std::sin(theta);
    f.R = std::sqrt((f.ZX3 - f.ZX0) * (f.ZX3 - f.ZX0) + (f.ZY3 - f.ZY0) * (f.ZY3 - f.ZY0));
    f.ZX1 = f.ZX3;
    f.ZY1 = f.ZY3;
    f.POINT_ANGLE();
    f.ZX = f.ZX0 + f.R * std::cos(f.H + f.HHP);
    f.ZY = f.ZY0 - f.R * std::sin(f.H + f.HHP);
}

}  // namespace

// The direction of (ZX1, ZY1) seen from (ZX0, ZY0): HHP in radians, HH in
// degrees, counter-clockwise from the right; a point on (ZX0, ZY0) gives PI.
void Figures::POINT_ANGLE() {
    PI = 3.14159f;
    if (ZY1 < ZY0) HHP = PI / 2 + std::atan((ZX1 - ZX0) / (ZY1 - ZY0));
    if (ZY1 > ZY0) HHP = 3 * PI / 2 + std::atan((ZX1 - ZX0) / (ZY1 - ZY0));
    if (ZY1 == ZY0) HHP = ZX1 > ZX0 ? 0.0f : PI;
    HH = HHP * 180 / PI;
}

// Dots of radius 0.5 in colour CCC2 every HABA degrees over the bow (HOUKOU
// above 0: the right-hand side; otherwise the left; NAKA > 0 covers only that
// many degrees from the bow's starting end), then the label AAA$ beyond the
// bow's middle. TAKASA is converted in place: above 0 and below 16 it is
// taken in units of 16 pixels, a negative value by its size. A step HABA of
// 0 or below cannot advance along the bow: no dots and no label are drawn.
void Figures::DOTTED_ARC() {
    if (TAKASA > 0 && TAKASA < 16) {
        TAKASA = TAKASA * 16;
    } else if (TAKASA < 0) {
        TAKASA = std::fabs(TAKASA);
    }
    lay_chord(*this);
    if (HOUKOU > 0 && NAKA > 0) {
        D1 = 180;
        D2 = 180 + NAKA;
    } else if (HOUKOU > 0) {
        D1 = 180;
        D2 = 360;
    } else if (HOUKOU < 0 && NAKA > 0) {
        D1 = 0;
        D2 = NAKA;
    } else {
        D1 = 0;
        D2 = 180;
    }
    if (!(HABA > 0)) {
        AAA_S = "";
        NAKA = 0;
        return;
    }
    II = D1;
    do {
        bow_point(*this, II);
        rt::CIRCLE(ZX, ZY, 0.5f, rt::CINT(CCC2), 0, 0, rt::CINT(CCC2));
        const float next = II + HABA;
        if (next == II) break;  // a step too small to move the count on
        II = next;
    } while (II <= D2);
    bow_point(*this, (D1 + D2) / 2);
    ZX2 = ZX12;
    ZY2 = ZY12;
    ZX1 = ZX11;
    ZY1 = ZY11;
    ZX0 = ZX;
    ZY0 = ZY;
    NAGASA = 0;
    ITI = HOUKOU;
    LABEL_ANGLE();
    AAA_S = "";
    NAKA = 0;
}

// The bow's point (ZX, ZY) for the parameter KAKUDO in degrees, TAKASA taken
// as it stands. Draws nothing; ZX1, ZY1 are left holding the unturned point.
void Figures::ARC_POINT() {
    lay_chord(*this);
    bow_point(*this, KAKUDO);
}

}  // namespace figures
