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
        {12, 2, 3, "2", "2!3ﾝ", "!12ﾝ=", "!3ﾝ"}, {72, 6, 2, "6", "6!2ﾝ", "!72ﾝ=", "!2ﾝ"},
        {5, 1, 5, "", "!5ﾝ", "", "!5ﾝ"},         {9, 3, 1, "3", "3ﾝ", "!9ﾝ=", "ﾝ"},
        {1, 1, 1, "1", "1ﾝ", "", "ﾝ"},           {360, 6, 10, "6", "6!10ﾝ", "!360ﾝ=", "!10ﾝ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        HeadlessShell s;
        s.R1B = c.given;
        s.SIMPLIFY_ROOT();
        EXPECT_EQ(s.R1A, c.coefficient);
        EXPECT_EQ(s.R1B, c.left);
        EXPECT_EQ(s.R1B1, c.given);
        EXPECT_EQ(s.R1I, 201);
        EXPECT_TRUE(same_text(s.R1A_S, c.r1a));
        EXPECT_TRUE(same_text(s.RAB_S, c.rab));
        EXPECT_TRUE(same_text(s.RABM_S, c.rabm));
        EXPECT_TRUE(same_text(s.R1B_S, c.r1b));
        EXPECT_EQ(s.A_S, s.R1B_S);
    }
}

TEST(SimplifyRoot, RemainingRootKeepsTheBlankOfTheNumberText) {
    HeadlessShell s;
    s.R1B = 12;
    s.SIMPLIFY_ROOT();
    EXPECT_EQ(s.R1A1_S, "! 3");
    s.R1B = 9;
    s.SIMPLIFY_ROOT();
    EXPECT_EQ(s.R1A1_S, "");
}

TEST(SimplifyRoot, SquareFactorsAbove200AreKept) {
    HeadlessShell s;
    s.R1B = 211.0f * 211.0f * 2;  // 211 is prime
    s.SIMPLIFY_ROOT();
    EXPECT_EQ(s.R1A, 1);
    EXPECT_EQ(s.R1B, 89042);
}

TEST(SimplifyRoot, ZeroNegativeAndSmallRadicandsReturn) {
    for (float given : {0.0f, -12.0f, 0.3f}) {
        SCOPED_TRACE(given);
        HeadlessShell s;
        s.R1B = given;
        s.SIMPLIFY_ROOT();
        EXPECT_EQ(s.R1A, 1);
        EXPECT_EQ(s.R1B, given);
        EXPECT_EQ(s.RABM_S, "");
    }
}

TEST(PrimeFactors, PowersOfThePrimesUpTo23) {
    HeadlessShell s;
    for (int q = 1; q <= 10; ++q) s.G_A(1, q) = s.G_A(2, q) = 55;  // polygon left-overs
    s.SOSU = 360;
    s.PRIME_FACTORS();
    EXPECT_EQ(s.Q, 3);
    const float primes[] = {2, 3, 5}, powers[] = {3, 2, 1};
    for (int q = 1; q <= 3; ++q) {
        EXPECT_EQ(s.G_A(1, q), primes[q - 1]) << q;
        EXPECT_EQ(s.G_A(2, q), powers[q - 1]) << q;
    }
    for (int q = 4; q <= 9; ++q) {
        EXPECT_EQ(s.G_A(1, q), 0) << q;
        EXPECT_EQ(s.G_A(2, q), 0) << q;
    }
    EXPECT_EQ(s.G_A(1, 10), 1);
    EXPECT_EQ(s.G_A(2, 10), 1);
    EXPECT_EQ(s.SOSU, 360);
    EXPECT_EQ(s.R_A(1), 2);
    EXPECT_EQ(s.R_A(10), 29);
    EXPECT_EQ(s.TJ, 11);
    EXPECT_EQ(s.P, 10);
}

TEST(PrimeFactors, RemainderSignAndOne) {
    HeadlessShell s;
    s.SOSU = 58;
    s.PRIME_FACTORS();
    EXPECT_EQ(s.Q, 1);
    EXPECT_EQ(s.G_A(1, 1), 2);
    EXPECT_EQ(s.G_A(2, 1), 1);
    EXPECT_EQ(s.G_A(1, 10), 29) << "29 is never tried";

    s.SOSU = -12;
    s.PRIME_FACTORS();
    EXPECT_EQ(s.SOSU, 12);
    EXPECT_EQ(s.Q, 2);
    EXPECT_EQ(s.G_A(1, 1), 2);
    EXPECT_EQ(s.G_A(2, 1), 2);
    EXPECT_EQ(s.G_A(1, 2), 3);
    EXPECT_EQ(s.G_A(2, 2), 1);

    // The last prime tried, 23, found with its square.
    s.SOSU = 2.0f * 23 * 23 * 31;
    s.PRIME_FACTORS();
    EXPECT_EQ(s.Q, 2);
    EXPECT_EQ(s.G_A(1, 2), 23);
    EXPECT_EQ(s.G_A(2, 2), 2);
    EXPECT_EQ(s.G_A(1, 10), 31);

    for (float n : {1.0f, 0.0f}) {
        s.SOSU = n;
        s.PRIME_FACTORS();  // 0 must return: it is divisible by 2 without end
        EXPECT_EQ(s.Q, 0) << n;
        for (int q = 1; q <= 9; ++q) EXPECT_EQ(s.G_A(1, q), 0) << n << " slot " << q;
        EXPECT_EQ(s.G_A(1, 10), n);
        EXPECT_EQ(s.SOSU, n);
    }
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
    EXPECT_EQ(s.II, 13);

    s.X_A(5) = 77;
    s.DY = -6;
    s.DIVISOR_PAIRS();
    EXPECT_EQ(s.DY, 6);
    EXPECT_EQ(s.P, 4);
    EXPECT_EQ(s.X_A(4), 6);
    EXPECT_EQ(s.Y_A(4), 1);
    EXPECT_EQ(s.X_A(5), 77) << "entries after P keep what they held";

    s.DY = 0;
    s.DIVISOR_PAIRS();
    EXPECT_EQ(s.P, 1);
    EXPECT_EQ(s.X_A(1), 1);
    EXPECT_EQ(s.Y_A(1), 0);
}

TEST(DivisorPairs, StoresOnlyThePairsThatFit) {
    HeadlessShell s;
    s.DY = 720720;  // 240 divisors
    s.DIVISOR_PAIRS();
    EXPECT_EQ(s.P, 50);
    EXPECT_EQ(s.X_A(50), 99) << "the 50th divisor of 720720";
    EXPECT_EQ(s.Y_A(50), 7280);
    EXPECT_EQ(s.KOSUU, 25);
}

}  // namespace
