// Whole-number routines: a square root taken apart into a coefficient and a
// remaining radicand with the texts of both forms, a number split into powers
// of the primes up to 23, and the divisor pairs of a number.
#include <cmath>
#include <cstdint>
#include <string>

#include "counted_loop.hpp"
#include "framework/platform/numbers.hpp"
#include "shell.hpp"

namespace shell {

namespace {

constexpr float kLastRootFactor = 200;  // square factors i*i with 2 <= i <= 200
constexpr int kPrimeSlots = 10;         // G(.,1..9) primes found, G(.,10) the rest
constexpr int kPairSlots = 50;          // X(1..50) and Y(1..50)

}  // namespace

void Shell::SIMPLIFY_ROOT() {
    R1A = 1;
    R1I = 2;
    R1B1 = R1B;
    // A radicand below 1 (0, negative, or a small fraction) has no square
    // factor to divide out; searching it would divide 0 by 4 for ever.
    if (!(R1B >= 1)) R1I = kLastRootFactor + 1;
    while (R1I != kLastRootFactor + 1) {
        if (rt::MOD(R1B, R1I * R1I) != 0) {
            R1I = R1I + 1;
        } else {
            R1A = R1A * R1I;
            R1B = R1B / (R1I * R1I);
            R1I = 2;  // search again from the smallest factor
        }
    }

    R1A1_S = (R1B == 1) ? std::string() : "!" + rt::STR(R1B);
    if (R1B == 1 && R1A == 1) {
        R1A_S = "1";
    } else if (R1A == 1) {
        R1A_S.clear();
    } else {
        R1A_S = rt::STR(R1A);
    }
    RAB_S = R1A_S + R1A1_S + "ﾝ";
    RABM_S = (R1B == R1B1) ? std::string() : "!" + rt::STR(R1B1) + "ﾝ=";
    R1B_S = R1A1_S + "ﾝ";

    // Every text but R1A1$ loses its blanks; A$ is left holding R1B$.
    auto strip_blanks = [&](std::string& text) {
        A_S = text;
        STRIP_SPACES();
        text = A_S;
    };
    strip_blanks(R1A_S);
    strip_blanks(RAB_S);
    strip_blanks(RABM_S);
    strip_blanks(R1B_S);
}

void Shell::PRIME_FACTORS() {
    count_loop(TJ, 1, kPrimeSlots, [&] {
        G_A(1, TJ) = 0;
        G_A(2, TJ) = 0;
    });
    const float primes[kPrimeSlots] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
    for (int i = 0; i < kPrimeSlots; ++i) R_A(i + 1) = primes[i];

    SOSU = std::fabs(SOSU);
    SOSU1 = SOSU;
    P = 1;
    Q = 1;
    // R(10) = 29 is never tried: the part left without factors up to 23
    // goes into slot 10.
    while (P != kPrimeSlots) {
        // A number below 1 (0 above all) has no prime factor: 0 would be
        // divisible by 2 for ever.
        if (SOSU >= 1 && rt::MOD(SOSU, R_A(P)) == 0) {
            G_A(1, Q) = R_A(P);
            G_A(2, Q) = G_A(2, Q) + 1;
            SOSU = SOSU / R_A(P);  // the same prime is tried again
        } else if (G_A(1, Q) != 0) {
            Q = Q + 1;
            P = P + 1;
        } else {
            P = P + 1;
        }
    }
    Q = Q - 1;
    G_A(1, kPrimeSlots) = SOSU;
    G_A(2, kPrimeSlots) = 1;
    SOSU = SOSU1;
}

void Shell::DIVISOR_PAIRS() {
    DY = std::fabs(DY);
    P = 0;
    // The candidate is counted with a whole number: a single stops growing
    // at 2^24 and would never pass a larger end value. An end value that is
    // not finite is taken as 0 (one pass). Only the pairs that fit in X()
    // and Y() are stored; the search ends when they are full.
    const double end = std::isfinite(DY) ? static_cast<double>(DY) : 0.0;
    std::int64_t candidate = 1;
    int found = 0;
    do {
        II = static_cast<float>(candidate);
        const float quotient = DY / II;
        if (quotient - rt::INT(quotient) == 0) {
            found = found + 1;
            P = static_cast<float>(found);
            X_A(P) = II;
            Y_A(P) = quotient;
        }
        candidate = candidate + 1;
    } while (static_cast<double>(candidate) <= end && found < kPairSlots);
    II = static_cast<float>(candidate);
    KOSUU = static_cast<float>(rt::CINT(P / 2));
}

}  // namespace shell
