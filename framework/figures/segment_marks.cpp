// Marks on a segment from A = (AX, AY) to B = (BX, BY): chevrons pointing
// from A towards B past a division point, and the short ticks across the
// segment that show equal lengths. Both are laid out on the unit vector
// u = (DX, DY) from A to B and the unit vector v = (DY, -DX) across it, and
// draw plain lines in colour CCC2 in the width in force.
#include <cmath>

#include "framework/figures/figures.hpp"
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"

namespace figures {

namespace {

// CX, CY = B - A, D its length, (DX, DY) the unit vector from A to B. False
// for a segment of length 0, which has no direction to lay marks out on.
bool segment_direction(Figures& f) {
    f.CX = f.BX - f.AX;
    f.CY = f.BY - f.AY;
    f.D = std::sqrt(f.CX * f.CX + f.CY * f.CY);
    if (f.D == 0) return false;
    f.DX = f.CX / f.D;
    f.DY = f.CY / f.D;
    return true;
}

}  // namespace

// HONSU chevrons (1 to 6; out of range or 0 gives 1), each NAGASA long and
// NAGASA wide, the k-th with its tip 16k pixels beyond the point that divides
// AB in the ratio A : B. A segment of length 0 or a ratio A + B = 0 has no
// place for them: nothing is drawn.
void Figures::SEGMENT_CHEVRONS() {
    if (!segment_direction(*this)) return;
    if (A + B == 0) return;
    BX1 = AX + CX * A / (A + B);
    BY1 = AY + CY * A / (A + B);
    EX = BX1 - NAGASA * DX;
    EY = BY1 - NAGASA * DY;
    AX1 = EX - NAGASA / 2 * DY;
    AY1 = EY + NAGASA / 2 * DX;
    AX2 = EX + NAGASA / 2 * DY;
    AY2 = EY - NAGASA / 2 * DX;
    if (HONSU <= 0 || HONSU > 6) HONSU = 1;
    const float last = HONSU;
    II = 1;
    do {
        BX1 = BX1 + 16 * DX;
        BY1 = BY1 + 16 * DY;
        AX1 = AX1 + 16 * DX;
        AY1 = AY1 + 16 * DY;
        AX2 = AX2 + 16 * DX;
        AY2 = AY2 + 16 * DY;
        rt::LINE(AX1, AY1, BX1, BY1, rt::CINT(CCC2));
        rt::LINE(AX2, AY2, BX1, BY1, rt::CINT(CCC2));
        II = II + 1;
    } while (II <= last);
}

// HONSU ticks (1 to 6; 0 also gives one) across AB, 2 NAGASA long, the k-th
// AIDA * k pixels beyond the midpoint moved ITI pixels towards B. AIDA of 0
// or above 30 spaces them 8 apart; it is left at (passes + 1) * spacing. A
// segment of length 0 has no direction to cross: nothing is drawn.
void Figures::EQUAL_TICKS() {
    if (AIDA == 0 || AIDA > 30) AIDA = 8;
    if (!segment_direction(*this)) return;
    EX = (AX + BX) / 2 + ITI * DX;
    EY = (AY + BY) / 2 + ITI * DY;
    if (HONSU < 0 || HONSU > 6) HONSU = 1;
    AIDA1 = AIDA;
    const float last = HONSU;
    II = 1;
    do {
        const float mx = EX + AIDA * DX;
        const float my = EY + AIDA * DY;
        AX1 = mx + NAGASA * DY;
        AY1 = my - NAGASA * DX;
        AX2 = mx - NAGASA * DY;
        AY2 = my + NAGASA * DX;
        rt::LINE(AX1, AY1, AX2, AY2, rt::CINT(CCC2));
        AIDA = AIDA + AIDA1;
        II = II + 1;
    } while (II <= last);
}

}  // namespace figures
