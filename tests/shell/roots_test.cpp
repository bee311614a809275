// Root simplification, prime factors and divisor pairs.
#include <gtest/gtest.h>

#include <string>

#include "support/cp932_text.hpp"
#include "support/headless_shell.hpp"

namespace {

using test_support::HeadlessShell;
using test_support::same_text;

TEST(SimplifyRoot, CoefficientRadicandAndTexts) {
    struct Case {
        float given, coefficient, left;
        const char *r1a, *rab, *rabm, *r1b;
    };
    const Case cases[] = {
        {12, 2, 3, "2", "2!3ﾝ", "!12ﾝ=", "!3ﾝ"},
        {72, 6, 2, "6", "6!2ﾝ", "!72ﾝ=", "!2ﾝ"},
        {5, 1, 5, "", "!5ﾝ", "", "!5ﾝ"},
        {9, 3, 1, "3", "3ﾝ", "!9ﾝ=", "ﾝ"},
        {1, 1, 1, "1", "1ﾝ", "", "ﾝ"},
        {360, 6, 10, "6", "6!10ﾝ", "!360ﾝ=", "!10ﾝ"},
        // a square factor above 200^2 stays (211 is prime)
        {89042, 1, 89042, "", "!89042ﾝ", "", "!89042ﾝ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        HeadlessShell s;
        s.R1B = c.given;
        s.SIMPLIFY_ROOT();
        EXPECT_EQ(s.R1A, c.coefficient);
        EXPECT_EQ(s.R1B, c.left);
        EXPECT_EQ(s.R1B1, c.given);
        EXPECT_TRUE(same_text(s.R1A_S, c.r1a));
        EXPECT_TRUE(same_text(s.RAB_S, c.rab));
        EXPECT_TRUE(same_text(s.RABM_S, c.rabm));
        EXPECT_TRUE(same_text(s.R1B_S, c.r1b));
    }
    HeadlessShell s;
    s.R1B = 12;
    s.SIMPLIFY_ROOT();
    EXPECT_EQ(s.R1A1_S, "! 3") << "the one text that keeps the blank of the number";
}

TEST(SimplifyRoot, ZeroNegativeAndSmallRadicandsReturn) {
    for (float given : {0.0f, -12.0f, 0.3f}) {
        HeadlessShell s;
        s.R1B = given;
        s.SIMPLIFY_ROOT();
        EXPECT_EQ(s.R1A, 1) << given;
        EXPECT_EQ(s.R1B, given);
    }
}

// The primes found and their exponents, "p^e" joined, then "rest".
std::string factors(float number, HeadlessShell& s) {
    s.SOSU = number;
    s.PRIME_FACTORS();
    std::string out;
    for (int q = 1; q <= 9; ++q) {
        if (s.G_A(1, q) != 0 || s.G_A(2, q) != 0) {
            out += std::to_string(int(s.G_A(1, q))) + "^" + std::to_string(int(s.G_A(2, q))) + " ";
        }
    }
    return out + "rest " + std::to_string(int(s.G_A(1, 10))) + "^" +
           std::to_string(int(s.G_A(2, 10)));
}

TEST(PrimeFactors, PowersOfThePrimesUpTo23) {
    HeadlessShell s;
    for (int q = 1; q <= 10; ++q) s.G_A(1, q) = s.G_A(2, q) = 55;  // polygon left-overs
    EXPECT_EQ(factors(360, s), "2^3 3^2 5^1 rest 1^1");
    EXPECT_EQ(s.Q, 3);
    EXPECT_EQ(s.SOSU, 360);
    EXPECT_EQ(s.R_A(10), 29);
    EXPECT_EQ(factors(58, s), "2^1 rest 29^1") << "29 is never tried";
    EXPECT_EQ(factors(-12, s), "2^2 3^1 rest 1^1");
    EXPECT_EQ(s.SOSU, 12);
    EXPECT_EQ(factors(2.0f * 23 * 23 * 31, s), "2^1 23^2 rest 31^1");
    EXPECT_EQ(s.Q, 2);
    EXPECT_EQ(factors(1, s), "rest 1^1");
    EXPECT_EQ(s.Q, 0);
    EXPECT_EQ(factors(0, s), "rest 0^1") << "0 would be divisible by 2 for ever";
    EXPECT_EQ(s.Q, 0);
}

TEST(DivisorPairs, PairsInOrder) {
    HeadlessShell s;
    s.DY = 12;
    s.DIVISOR_PAIRS();
    EXPECT_EQ(s.P, 6);
    const float xs[] = {1, 2, 3, 4, 6, 12};
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(s.X_A(i), xs[i - 1]) << i;
        EXPECT_EQ(s.Y_A(i), xs[6 - i]) << i;
    }
    EXPECT_EQ(s.KOSUU, 3);

    s.DY = -6;
    s.DIVISOR_PAIRS();
    EXPECT_EQ(s.DY, 6);
    EXPECT_EQ(s.P, 4);
    EXPECT_EQ(s.X_A(5), 6) << "entries after P keep what they held";

    s.DY = 0;
    s.DIVISOR_PAIRS();
    EXPECT_EQ(s.P, 1);
    EXPECT_EQ(s.Y_A(1), 0);

    s.DY = 720720;  // 240 divisors: only the first 50 pairs fit
    s.DIVISOR_PAIRS();
    EXPECT_EQ(s.P, 50);
    EXPECT_EQ(s.X_A(50), 99);
    EXPECT_EQ(s.Y_A(50), 7280);
    EXPECT_EQ(s.KOSUU, 25);
}

}  // namespace
