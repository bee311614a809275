// Fractions: reduction to lowest terms with the answer texts of the drills,
// the greatest common divisor and least common multiple, and the sum of two
// fractions over a common denominator with the texts of every step.
//
// The texts are in formula markup: "ﾀ" numerator "/" denominator "ﾀ" is a
// stacked fraction. A sign always stands before the opening "ﾀ", never inside.
#include <cmath>
#include <string>
#include <utility>

#include "framework/platform/numbers.hpp"
#include "framework/platform/text.hpp"
#include "shell.hpp"

namespace shell {

namespace {

std::string fraction_markup(const std::string& numerator, const std::string& denominator) {
    return "ﾀ" + numerator + "/" + denominator + "ﾀ";
}

// A fraction over the common denominator, with and without an explicit sign:
// a positive one is written plain and with "+", anything else with "-" in
// both forms (a zero numerator counts as not positive here).
void signed_fraction(bool positive, const std::string& fraction, std::string& plain,
                     std::string& with_sign) {
    if (positive) {
        plain = fraction;
        with_sign = "+" + fraction;
    } else {
        plain = "-" + fraction;
        with_sign = plain;
    }
}

// The remainder a - b*INT(a/b). The quotient, the product and the difference
// are formed in double precision, as the processor works; only the result is
// stored back as a single. Values that are not whole pass through unchanged
// in kind, so the loop of GCD_LCM finds a common measure of them too.
float remainder_of(float a, float b) {
    const double a_d = a;
    const double b_d = b;
    return static_cast<float>(a_d - b_d * std::floor(a_d / b_d));
}

}  // namespace

std::string Shell::stripped_text_of(float value) {
    A_S = rt::STR(value);
    STRIP_SPACES();
    return A_S;
}

void Shell::REDUCE_FRACTION() {
    DB1 = DB;
    DS1 = DS;
    YAK1 = (DS * DB < 0) ? -1.0f : 1.0f;

    if (DB == 0) {
        // No fraction: nothing is divided.
        E1 = DS;
        E2 = DB;
        YAK = 0;
    } else if (DB == 1) {
        // A whole number, whatever the numerator.
        E1 = DS;
        E2 = DB;
        YAK = 1;
    } else {
        DS = std::fabs(DS);
        DB = std::fabs(DB);
        GCD_LCM();
        E1 = YAK1 * DS / X3;
        E2 = DB / X3;
        if (E1 == 0 || E2 == 1) {
            YAK = 1;
        } else if (E2 == DB1 && YAK1 == 1) {
            YAK = 3;  // positive and already in lowest terms
        } else {
            YAK = 2;
        }
    }
    DS = E1;
    DB = E2;

    DS1_S = stripped_text_of(DS1);
    DA1_S = stripped_text_of(DB1);
    DB_S = stripped_text_of(DB);
    DS_S = stripped_text_of(DS);
    A1_S = fraction_markup(DS1_S, DA1_S);

    // The result's numerator is written without its sign; the sign goes
    // before the whole result.
    LEM = rt::KLEN(DS_S);
    A_S = rt::KLEFT(DS_S, 1);
    if (A_S == "-") DS_S = rt::KRIGHT(DS_S, LEM - 1);

    if (YAK == 0) {
        // No result: no answer of an earlier call may stand for this one.
        A2_S.clear();
        A21_S.clear();
    } else {
        std::string unsigned_result;
        if (YAK == 1) {
            unsigned_result = DS_S;
        } else if (YAK == 2) {
            unsigned_result = fraction_markup(DS_S, DB_S);
        } else {
            unsigned_result = fraction_markup(DS1_S, DA1_S);
        }
        if (YAK1 == -1) {
            A2_S = "-" + unsigned_result;
            A21_S = A2_S;
        } else {
            A2_S = unsigned_result;
            A21_S = "+" + unsigned_result;
        }
    }

    FDS1_S = std::string(YAK1 == 1 ? "+" : "");

    if (YAK == 3) {
        A3_S = A2_S;
        A31_S = A21_S;
    } else if (YAK == 0) {
        A3_S = A1_S;
        A31_S = FDS1_S + A1_S;
    } else {
        A3_S = A1_S + "=" + A2_S;
        A31_S = FDS1_S + A1_S + "=" + A21_S;
    }

    A_S = A2_S;
    STRIP_MARKUP();
    TKAI1_S = A_S;
    A_S = A21_S;
    STRIP_MARKUP();
    TKAI2_S = A_S;
}

void Shell::GCD_LCM() {
    X1 = DS;
    X2 = DB;
    LB8 = X1 * X2;
    // Euclid's algorithm. A value that is not finite (never produced by the
    // lessons) ends the loop instead of keeping it going for ever.
    while (X2 != 0 && std::isfinite(X2)) {
        X1 = remainder_of(X1, X2);
        std::swap(X1, X2);
    }
    X3 = X1;
    X4 = LB8 / X3;
}

void Shell::ADD_FRACTIONS() {
    // A negative denominator hands its sign to the numerator, so that the
    // sign of each fraction is that of its numerator alone.
    if (DBM1 < 0) {
        DSM1 = 0 - DSM1;
        DBM1 = 0 - DBM1;
    }
    if (DBM2 < 0) {
        DSM2 = 0 - DSM2;
        DBM2 = 0 - DBM2;
    }

    if (DBM1 == 0 || DBM2 == 0) {
        // No sum of a fraction without a denominator: every result is empty.
        DB = 0;
        DS1 = 0;
        DS2 = 0;
        DS4 = 0;
        for (std::string* text :
             {&DB_S, &B1_S, &B2_S, &DS1_S, &DS2_S, &DS3_S, &DS4_S, &A1_S, &A11_S, &A2_S, &A21_S,
              &A3_S, &A4_S, &A41_S, &A5_S, &B3_S, &B4_S, &A_S}) {
            text->clear();
        }
        return;
    }

    // Common denominator: the other denominator when one of them is 1,
    // otherwise their least common multiple.
    if (DBM1 == 1 && DBM2 == 1) {
        DB = 1;
        DS1 = DSM1;
        DS2 = DSM2;
    } else if (DBM1 == 1) {
        DB = DBM2;
        DS1 = DSM1 * DBM2;
        DS2 = DSM2;
    } else if (DBM2 == 1) {
        DB = DBM1;
        DS1 = DSM1;
        DS2 = DSM2 * DBM1;
    } else {
        DB = std::fabs(DBM2);
        DS = std::fabs(DBM1);
        REDUCE_FRACTION();  // for the gcd X3 and the lcm X4 of the denominators
        DB = X4;
        DS1 = DSM1 * DBM2 / X3;
        DS2 = DSM2 * DBM1 / X3;
    }
    DS4 = DS1 + DS2;

    DS1_S = stripped_text_of(std::fabs(DS1));
    B1_S = DS1_S;
    DB_S = stripped_text_of(DB);
    DS2_S = stripped_text_of(std::fabs(DS2));
    B2_S = DS2_S;
    DS4_S = stripped_text_of(std::fabs(DS4));

    signed_fraction(DSM1 > 0, fraction_markup(B1_S, DB_S), A1_S, A11_S);
    signed_fraction(DSM2 > 0, fraction_markup(B2_S, DB_S), A2_S, A21_S);

    if (DSM1 < 0) {
        DS3_S = DS1_S;
        DS1_S = "-" + DS1_S;
    }
    DS2_S = (DSM2 < 0 ? "-" : "+") + DS2_S;

    signed_fraction(DS4 > 0, fraction_markup(DS4_S, DB_S), A4_S, A41_S);
    A3_S = fraction_markup(DS1_S + DS2_S, DB_S);
    A5_S = A1_S + A21_S;
    B3_S = fraction_markup(B1_S, DB_S);
    B4_S = fraction_markup(B2_S, DB_S);
}

}  // namespace shell
