// Fraction reduction with its class, sign and answer texts (and the gcd and
// lcm it leaves); the sum of two fractions with the texts of every step.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/cp932_text.hpp"
#include "support/headless_shell.hpp"

namespace {

using test_support::HeadlessShell;
using test_support::same_text;

constexpr float kUntouched = -77;  // a value the call must leave alone

void reduce(HeadlessShell& s, float ds, float db) {
    s.DS = ds;
    s.DB = db;
    s.REDUCE_FRACTION();
}

TEST(ReduceFraction, ClassSignResultGcdAndLcm) {
    struct Case {
        float ds, db, yak, yak1, ds_after, db_after, gcd, lcm;
    };
    const float U = kUntouched;
    const Case cases[] = {
        {6, 8, 2, 1, 3, 4, 2, 24},   {-6, 8, 2, -1, -3, 4, 2, 24}, {6, -8, 2, -1, -3, 4, 2, 24},
        {-6, -8, 2, 1, 3, 4, 2, 24}, {3, 4, 3, 1, 3, 4, 1, 12},    {-3, 4, 2, -1, -3, 4, 1, 12},
        {12, 18, 2, 1, 2, 3, 6, 36}, {4, 2, 1, 1, 2, 1, 2, 4},     {-4, 2, 1, -1, -2, 1, 2, 4},
        {0, 5, 1, 1, 0, 1, 5, 0},    {3, 1, 1, 1, 3, 1, U, U},     {-3, 1, 1, -1, -3, 1, U, U},
        {6, -1, 1, -1, -6, 1, 1, 6}, {3, 0, 0, 1, 3, 0, U, U},     {1.5f, 2, 2, 1, 3, 4, 0.5f, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ds << "/" << c.db);
        HeadlessShell s;
        s.X3 = s.X4 = kUntouched;
        reduce(s, c.ds, c.db);
        EXPECT_EQ(s.YAK, c.yak);
        EXPECT_EQ(s.YAK1, c.yak1);
        EXPECT_EQ(s.DS, c.ds_after);
        EXPECT_EQ(s.DB, c.db_after);
        EXPECT_EQ(s.E1, s.DS);
        EXPECT_EQ(s.E2, s.DB);
        EXPECT_EQ(s.X3, c.gcd);
        EXPECT_EQ(s.X4, c.lcm);
    }
}

TEST(ReduceFraction, AnswerTexts) {
    struct Case {
        float ds, db;
        const char *a1, *a2, *a21, *a3, *a31, *tkai1, *tkai2;
    };
    const Case cases[] = {
        {6, 8, "ﾀ6/8ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ6/8ﾀ=ﾀ3/4ﾀ", "+ﾀ6/8ﾀ=+ﾀ3/4ﾀ", "3/4", "+3/4"},
        {-6, 8, "ﾀ-6/8ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ-6/8ﾀ=-ﾀ3/4ﾀ", "ﾀ-6/8ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4"},
        {6, -8, "ﾀ6/-8ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ6/-8ﾀ=-ﾀ3/4ﾀ", "ﾀ6/-8ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4"},
        {-6, -8, "ﾀ-6/-8ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ-6/-8ﾀ=ﾀ3/4ﾀ", "+ﾀ-6/-8ﾀ=+ﾀ3/4ﾀ", "3/4", "+3/4"},
        {3, 4, "ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "3/4", "+3/4"},
        {-3, 4, "ﾀ-3/4ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ", "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4"},
        {4, 2, "ﾀ4/2ﾀ", "2", "+2", "ﾀ4/2ﾀ=2", "+ﾀ4/2ﾀ=+2", "2", "+2"},
        {-4, 2, "ﾀ-4/2ﾀ", "-2", "-2", "ﾀ-4/2ﾀ=-2", "ﾀ-4/2ﾀ=-2", "-2", "-2"},
        {0, 5, "ﾀ0/5ﾀ", "0", "+0", "ﾀ0/5ﾀ=0", "+ﾀ0/5ﾀ=+0", "0", "+0"},
        {0, -5, "ﾀ0/-5ﾀ", "0", "+0", "ﾀ0/-5ﾀ=0", "+ﾀ0/-5ﾀ=+0", "0", "+0"},
        {-3, 1, "ﾀ-3/1ﾀ", "-3", "-3", "ﾀ-3/1ﾀ=-3", "ﾀ-3/1ﾀ=-3", "-3", "-3"},
        {6, -1, "ﾀ6/-1ﾀ", "-6", "-6", "ﾀ6/-1ﾀ=-6", "ﾀ6/-1ﾀ=-6", "-6", "-6"},
        {1.5f, 2, "ﾀ1.5/2ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ1.5/2ﾀ=ﾀ3/4ﾀ", "+ﾀ1.5/2ﾀ=+ﾀ3/4ﾀ", "3/4", "+3/4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ds << "/" << c.db);
        HeadlessShell s;
        reduce(s, c.ds, c.db);
        EXPECT_TRUE(same_text(s.A1_S, c.a1));
        EXPECT_TRUE(same_text(s.A2_S, c.a2));
        EXPECT_TRUE(same_text(s.A21_S, c.a21));
        EXPECT_TRUE(same_text(s.A3_S, c.a3));
        EXPECT_TRUE(same_text(s.A31_S, c.a31));
        EXPECT_TRUE(same_text(s.TKAI1_S, c.tkai1));
        EXPECT_TRUE(same_text(s.TKAI2_S, c.tkai2));
        EXPECT_EQ(s.DS_S.find_first_of(" -"), std::string::npos) << "no blank, no sign";
    }
}

TEST(ReduceFraction, ZeroDenominatorLeavesNoStaleAnswer) {
    HeadlessShell s;
    reduce(s, 6, 8);
    s.X3 = s.LB8 = kUntouched;
    reduce(s, 3, 0);
    EXPECT_EQ(s.X3, kUntouched) << "no gcd step";
    EXPECT_EQ(s.LB8, kUntouched);
    EXPECT_TRUE(same_text(s.A1_S, "ﾀ3/0ﾀ"));
    EXPECT_EQ(s.DA1_S, "0");
    EXPECT_EQ(s.A2_S, "");
    EXPECT_EQ(s.A21_S, "");
    EXPECT_TRUE(same_text(s.A3_S, s.A1_S));
    EXPECT_EQ(s.TKAI1_S + s.TKAI2_S, "");
}

TEST(ReduceFraction, DecimalsWithoutExactBinaryFormEndOnATinyMeasure) {
    // As singles, 0.1 and 0.3 are 13421773 and 40265320 times 2^-27. The
    // remainder, formed at working precision, ends Euclid's loop on 2^-27.
    HeadlessShell s;
    reduce(s, 0.1f, 0.3f);
    EXPECT_EQ(s.X3, std::ldexp(1.0f, -27));
    EXPECT_EQ(s.DS, 13421773.0f);
    EXPECT_EQ(s.DB, 40265320.0f);
}

void add(HeadlessShell& s, float dsm1, float dbm1, float dsm2, float dbm2) {
    s.DSM1 = dsm1;
    s.DBM1 = dbm1;
    s.DSM2 = dsm2;
    s.DBM2 = dbm2;
    s.ADD_FRACTIONS();
}

TEST(AddFractions, CommonDenominatorAndStepTexts) {
    struct Case {
        float dsm1, dbm1, dsm2, dbm2, db, ds1, ds2, ds4;
        const char *a1, *a21, *a3, *a4, *a5;
    };
    const Case cases[] = {
        {1, 2, 1, 3, 6, 3, 2, 5, "ﾀ3/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ3+2/6ﾀ", "ﾀ5/6ﾀ", "ﾀ3/6ﾀ+ﾀ2/6ﾀ"},
        {-1, 2, 1, 3, 6, -3, 2, -1, "-ﾀ3/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ-3+2/6ﾀ", "-ﾀ1/6ﾀ", "-ﾀ3/6ﾀ+ﾀ2/6ﾀ"},
        {1, -2, 1, 3, 6, -3, 2, -1, "-ﾀ3/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ-3+2/6ﾀ", "-ﾀ1/6ﾀ", "-ﾀ3/6ﾀ+ﾀ2/6ﾀ"},
        {1, 2, -1, 3, 6, 3, -2, 1, "ﾀ3/6ﾀ", "-ﾀ2/6ﾀ", "ﾀ3-2/6ﾀ", "ﾀ1/6ﾀ", "ﾀ3/6ﾀ-ﾀ2/6ﾀ"},
        {1, 6, 1, 3, 6, 1, 2, 3, "ﾀ1/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ1+2/6ﾀ", "ﾀ3/6ﾀ", "ﾀ1/6ﾀ+ﾀ2/6ﾀ"},
        {2, 1, 1, 3, 3, 6, 1, 7, "ﾀ6/3ﾀ", "+ﾀ1/3ﾀ", "ﾀ6+1/3ﾀ", "ﾀ7/3ﾀ", "ﾀ6/3ﾀ+ﾀ1/3ﾀ"},
        {3, 1, -2, 1, 1, 3, -2, 1, "ﾀ3/1ﾀ", "-ﾀ2/1ﾀ", "ﾀ3-2/1ﾀ", "ﾀ1/1ﾀ", "ﾀ3/1ﾀ-ﾀ2/1ﾀ"},
        {5, 6, -5, 6, 6, 5, -5, 0, "ﾀ5/6ﾀ", "-ﾀ5/6ﾀ", "ﾀ5-5/6ﾀ", "-ﾀ0/6ﾀ", "ﾀ5/6ﾀ-ﾀ5/6ﾀ"},
        {0, 2, 1, 3, 6, 0, 2, 2, "-ﾀ0/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ0+2/6ﾀ", "ﾀ2/6ﾀ", "-ﾀ0/6ﾀ+ﾀ2/6ﾀ"},
        // negative denominators with a negative or a zero numerator
        {-1, -2, 1, 3, 6, 3, 2, 5, "ﾀ3/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ3+2/6ﾀ", "ﾀ5/6ﾀ", "ﾀ3/6ﾀ+ﾀ2/6ﾀ"},
        {0, -5, 1, 3, 15, 0, 5, 5, "-ﾀ0/15ﾀ", "+ﾀ5/15ﾀ", "ﾀ0+5/15ﾀ", "ﾀ5/15ﾀ", "-ﾀ0/15ﾀ+ﾀ5/15ﾀ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.dsm1 << "/" << c.dbm1 << " + " << c.dsm2 << "/" << c.dbm2);
        HeadlessShell s;
        add(s, c.dsm1, c.dbm1, c.dsm2, c.dbm2);
        EXPECT_EQ(s.DB, c.db);
        EXPECT_EQ(s.DS1, c.ds1);
        EXPECT_EQ(s.DS2, c.ds2);
        EXPECT_EQ(s.DS4, c.ds4);
        EXPECT_TRUE(s.DBM1 > 0 && s.DBM2 > 0);
        EXPECT_TRUE(same_text(s.A1_S, c.a1));
        EXPECT_TRUE(same_text(s.A21_S, c.a21));
        EXPECT_TRUE(same_text(s.A3_S, c.a3));
        EXPECT_TRUE(same_text(s.A4_S, c.a4));
        EXPECT_TRUE(same_text(s.A5_S, c.a5));
    }
}

TEST(AddFractions, SignedAndUnsignedForms) {
    HeadlessShell s;
    add(s, 1, 2, 1, 3);
    EXPECT_TRUE(same_text(s.A11_S + s.A2_S + s.A41_S, "+ﾀ3/6ﾀﾀ2/6ﾀ+ﾀ5/6ﾀ"));
    EXPECT_TRUE(same_text(s.B3_S + s.B4_S, "ﾀ3/6ﾀﾀ2/6ﾀ"));
    EXPECT_EQ(s.DS1_S + "|" + s.DS2_S + "|" + s.DS4_S + "|" + s.DS3_S, "3|+2|5|");
    add(s, -1, 2, 1, 3);
    EXPECT_EQ(s.DS1_S + "|" + s.DS3_S + "|" + s.B1_S, "-3|3|3");
    EXPECT_TRUE(same_text(s.B3_S, "ﾀ3/6ﾀ"));
    EXPECT_TRUE(same_text(s.A11_S + s.A41_S, "-ﾀ3/6ﾀ-ﾀ1/6ﾀ"));
}

TEST(AddFractions, ZeroDenominatorGivesEmptyResults) {
    for (int which = 1; which <= 2; ++which) {
        HeadlessShell s;
        add(s, 1, 2, 1, 3);
        add(s, 1, which == 1 ? 0 : 2, 1, which == 2 ? 0 : 3);
        EXPECT_EQ(s.DB, 0);
        EXPECT_EQ(s.DS4, 0);
        EXPECT_EQ(s.DB_S + s.DS1_S + s.DS2_S + s.DS4_S + s.A1_S + s.A11_S + s.A2_S + s.A21_S +
                      s.A3_S + s.A4_S + s.A41_S + s.A5_S + s.B3_S + s.B4_S,
                  "");
    }
}

}  // namespace
