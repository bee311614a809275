// Two layouts of the library: a left curly brace of a given height, and a
// two-row column calculation with its operator and rule.
#include <string>
#include <vector>

#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "shell.hpp"

namespace shell {

void Shell::DRAW_BRACE() {
    X1 = X + 35;  // the tips
    X2 = X1 - 12;
    X3 = X2;       // the two straight stretches
    X4 = X2 - 15;  // the middle point
    DR = static_cast<float>(rt::GET_DRAW_WIDTH());

    Y1 = Y + 5;
    Y7 = Y + HABA - 10;
    Y4 = (Y1 + Y7) / 2;
    Y2 = Y1 + 3;
    Y3 = Y4 - 7;
    Y5 = Y4 + 7;
    Y6 = Y7 - 3;

    rt::SET_DRAW_WIDTH(5);
    rt::POLYLINE({{X1, Y1}, {X2, Y2}, {X3, Y3}, {X4, Y4}, {X3, Y5}, {X3, Y6}, {X1, Y7}},
                 rt::CINT(CCC1));
    rt::SET_DRAW_WIDTH(rt::CINT(DR));
}

void Shell::COLUMN_CALC_LAYOUT() {
    X1 = X;
    Y1 = Y;
    DR = static_cast<float>(rt::GET_DRAW_WIDTH());

    A_S = A1_S;
    MEASURE_TEXT();
    LT1 = LLT;
    A_S = A2_S;
    MEASURE_TEXT();
    LT2 = LLT;
    LT = (LT1 > LT2) ? LT1 : LT2;

    // First operand.
    AA_S = A1_S;
    X = X1 + 54;
    Y = Y1;
    TEXT_OUT();

    // Operator and ")" at the left of the second row, 6 pixels lower than
    // the second operand.
    AA_S = ENZAN_S;
    X = X1;
    Y = Y1 + TAKASA + 6;
    TEXT_OUT();
    Y = Y1 + TAKASA + 6;
    AA_S = std::string(")");
    TEXT_OUT();

    // Second operand.
    AA_S = A2_S;
    X = X1 + 54;
    Y = Y1 + TAKASA;
    TEXT_OUT();

    // The rule under both rows, 30 pixels longer than the wider row.
    rt::SET_DRAW_WIDTH(3);
    rt::LINE(X1 + 27, Y1 + 2 * TAKASA, X1 + 27 + (LT + 30), Y1 + 2 * TAKASA, rt::CINT(CCC2));
    rt::SET_DRAW_WIDTH(rt::CINT(DR));

    // Writing goes on at the right end of the rule.
    XI2 = X1 + 57 + LT;
    YI1 = Y1 + TAKASA;
    XI3 = X1 + 54;
}

}  // namespace shell
