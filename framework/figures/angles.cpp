// Angles given by a vertex (ZX0, ZY0) and one point on each ray (ZX1, ZY1)
// and (ZX2, ZY2): their directions and bisector, their size in degrees, a
// label pushed out along the bisector, and the marks drawn at the vertex.
//
// Directions are radians counted counter-clockwise on the screen from the
// direction to the right; going r in direction t from (x, y) reaches
// (x + r cos t, y - r sin t). The arithmetic uses PI = 3.14159, while the
// arc tangent, sine and cosine work with the true value.
#include <cmath>
#include <utility>

#include "framework/figures/figures.hpp"
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "framework/platform/text.hpp"

namespace figures {

namespace {

// The direction of a ray from its screen offset (dy positive downwards); a
// ray point on the vertex counts as a ray to the left.
float ray_direction(float pi, float dx, float dy) {
    if (dy > 0) return pi * 3 / 2 + std::atan(dx / dy);
    if (dy < 0) return pi / 2 + std::atan(dx / dy);
    return dx > 0 ? 0.0f : pi;
}

}  // namespace

// HH3, HH4: the directions of the first and the second ray; HH1, HH2: the
// same as fractions of a turn clockwise from the right, in (0, 1], the form
// the arc operation takes; HH5: the bisector of the angle swept
// counter-clockwise from the first ray to the second. ITI = -1 exchanges the
// rays, taking the angle on the other side.
void Figures::RAY_ANGLES() {
    PI = 3.14159f;
    HHP = ray_direction(PI, ZX1 - ZX0, ZY1 - ZY0);
    HH1 = 1 - HHP / (2 * PI);
    HH3 = HHP;
    HHP = ray_direction(PI, ZX2 - ZX0, ZY2 - ZY0);
    HH2 = 1 - HHP / (2 * PI);
    HH4 = HHP;
    if (ITI == -1) {
        std::swap(HH1, HH2);
        std::swap(HH3, HH4);
    }
    HH5 = (HH3 + HH4) / 2;
    // A sweep that passes the direction 0 has its bisector on the far side.
    if (HH3 > HH4) HH5 = HH5 + PI;
}

// The angle swept counter-clockwise from the first ray to the second: HH in
// degrees, HH5 in radians, KAKUDO$ the degrees to one decimal as text.
void Figures::ANGLE_DEGREES() {
    RAY_ANGLES();
    if (HH3 > HH4) HH4 = HH4 + 2 * PI;
    HH5 = HH4 - HH3;
    HH = HH5 * 180 / PI;
    A_S = rt::STR(static_cast<float>(rt::CINT(10 * HH)) / 10);
    STRIP_SPACES();
    KAKUDO_S = A_S;
}

// Writes AAA$ beside the vertex, on the angle's bisector NAGASA pixels out,
// placed so that the text's box lies on the bisector's side of that point and
// does not cover the vertex; AAAX, AAAY shift it last. MU_DO = 1 draws it as
// compact text. The one-shot inputs ITI, AAA$, AAAX, AAAY, NAGASA and MU_DO
// are consumed.
void Figures::LABEL_ANGLE() {
    A_S = AAA_S;
    const float kakko = KAKKO;  // measuring must not use up a tall ")"
    MEASURE_TEXT();
    KAKKO = kakko;
    RAY_ANGLES();
    N1 = rt::KINSTR(AAA_S, "ﾀ");
    DY = N1 > 0 ? 40 : 22;  // half the height of a box with or without a fraction
    float px = ZX0;
    float py = ZY0;
    if (NAGASA != 0) {
        px = ZX0 + NAGASA * std::cos(HH5);
        py = ZY0 - NAGASA * std::sin(HH5);
    }
    X = px + LLT * (std::cos(HH5) / 2 - 0.5f) + AAAX;
    Y = py - 2 * DY * (std::sin(HH5) / 2 + 0.5f) + AAAY;
    AA_S = AAA_S;
    if (MU_DO == 1) {
        PRINT_COMPACT();
    } else {
        TEXT_OUT();
    }
    ITI = 0;
    AAA_S = "";
    AAAX = 0;
    AAAY = 0;
    NAGASA = 0;
    MU_DO = 0;
}

// One to six concentric arcs across the angle (HONSU; above 6 counts as 1),
// 8 pixels apart inside the radius NAGASA, or for HONSU <= 0 a filled sector
// of radius NAGASA; then the label on the bisector at NAGASA. The arc runs
// clockwise from the second ray to the first, covering the angle swept
// counter-clockwise from the first ray to the second. An arc or sector whose
// radius is not positive is left out.
void Figures::ANGLE_ARC_MARK() {
    RAY_ANGLES();
    if (HONSU > 6) HONSU = 1;
    if (HONSU > 0) {
        NAGASA1 = NAGASA;
        const float last = HONSU;
        II = 1;
        do {
            NAGASA1 = NAGASA1 - 8;
            if (NAGASA1 > 0) rt::CIRCLE(ZX0, ZY0, NAGASA1, rt::CINT(CCC3), HH2, HH1);
            II = II + 1;
        } while (II <= last);
    } else if (NAGASA > 0) {
        rt::CIRCLE(ZX0, ZY0, NAGASA, rt::CINT(CCC2), HH2, HH1, rt::CINT(CCC3));
    }
    LABEL_ANGLE();
    ITI = 0;
    AAA_S = "";
}

// The right-angle mark: the two sides of the parallelogram on the vertex and
// the points NAGASA out on each ray that do not lie on the rays, P3 -> P5 ->
// P4 in colour CCC2 (a square when the rays are perpendicular).
void Figures::RIGHT_ANGLE_MARK() {
    RAY_ANGLES();
    ZX3 = ZX0 + NAGASA * std::cos(HH3);
    ZY3 = ZY0 - NAGASA * std::sin(HH3);
    ZX4 = ZX0 + NAGASA * std::cos(HH4);
    ZY4 = ZY0 - NAGASA * std::sin(HH4);
    ZX5 = ZX3 + NAGASA * std::cos(HH4);
    ZY5 = ZY3 - NAGASA * std::sin(HH4);
    rt::POLYLINE({{ZX3, ZY3}, {ZX5, ZY5}, {ZX4, ZY4}}, rt::CINT(CCC2));
}

}  // namespace figures
