// Fraction reduction with its class, sign and answer texts; the gcd and lcm;
// the sum of two fractions with the texts of every step.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/cp932_text.hpp"
#include "support/headless_shell.hpp"

namespace {

using test_support::HeadlessShell;
using test_support::same_text;

constexpr float kUntouched = -77;  // marks a value that a call must leave alone

struct Reduction {
    float ds, db;     // on entry
    float yak, yak1;  // class and sign
    float ds_after, db_after;
    float gcd, lcm;  // kUntouched when the gcd step does not run
};

TEST(ReduceFraction, ClassSignAndResult) {
    const Reduction cases[] = {
        {6, 8, 2, 1, 3, 4, 2, 24},
        {-6, 8, 2, -1, -3, 4, 2, 24},
        {6, -8, 2, -1, -3, 4, 2, 24},
        {-6, -8, 2, 1, 3, 4, 2, 24},
        {3, 4, 3, 1, 3, 4, 1, 12},
        {-3, 4, 2, -1, -3, 4, 1, 12},
        {12, 18, 2, 1, 2, 3, 6, 36},
        {4, 2, 1, 1, 2, 1, 2, 4},
        {-4, 2, 1, -1, -2, 1, 2, 4},
        {0, 5, 1, 1, 0, 1, 5, 0},
        {3, 1, 1, 1, 3, 1, kUntouched, kUntouched},
        {-3, 1, 1, -1, -3, 1, kUntouched, kUntouched},
        {6, -1, 1, -1, -6, 1, 1, 6},
        {3, 0, 0, 1, 3, 0, kUntouched, kUntouched},
        {1.5f, 2, 2, 1, 3, 4, 0.5f, 6},
    };
    for (const Reduction& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ds << "/" << c.db);
        HeadlessShell s;
        s.X3 = kUntouched;
        s.X4 = kUntouched;
        s.DS = c.ds;
        s.DB = c.db;
        s.REDUCE_FRACTION();
        EXPECT_EQ(s.YAK, c.yak);
        EXPECT_EQ(s.YAK1, c.yak1);
        EXPECT_EQ(s.DS, c.ds_after);
        EXPECT_EQ(s.DB, c.db_after);
        EXPECT_EQ(s.E1, s.DS);
        EXPECT_EQ(s.E2, s.DB);
        EXPECT_EQ(s.DS1, c.ds);
        EXPECT_EQ(s.DB1, c.db);
        EXPECT_EQ(s.X3, c.gcd);
        EXPECT_EQ(s.X4, c.lcm);
    }
}

struct ReductionTexts {
    float ds, db;
    const char *a1, *a2, *a21, *a3, *a31, *tkai1, *tkai2;
};

TEST(ReduceFraction, AnswerTexts) {
    const ReductionTexts cases[] = {
        {6, 8, "ﾀ6/8ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ6/8ﾀ=ﾀ3/4ﾀ", "+ﾀ6/8ﾀ=+ﾀ3/4ﾀ", "3/4", "+3/4"},
        {-6, 8, "ﾀ-6/8ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ-6/8ﾀ=-ﾀ3/4ﾀ", "ﾀ-6/8ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4"},
        {6, -8, "ﾀ6/-8ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ6/-8ﾀ=-ﾀ3/4ﾀ", "ﾀ6/-8ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4"},
        {-6, -8, "ﾀ-6/-8ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ-6/-8ﾀ=ﾀ3/4ﾀ", "+ﾀ-6/-8ﾀ=+ﾀ3/4ﾀ", "3/4", "+3/4"},
        {3, 4, "ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "3/4", "+3/4"},
        {-3, 4, "ﾀ-3/4ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ", "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4"},
        {4, 2, "ﾀ4/2ﾀ", "2", "+2", "ﾀ4/2ﾀ=2", "+ﾀ4/2ﾀ=+2", "2", "+2"},
        {-4, 2, "ﾀ-4/2ﾀ", "-2", "-2", "ﾀ-4/2ﾀ=-2", "ﾀ-4/2ﾀ=-2", "-2", "-2"},
        {0, 5, "ﾀ0/5ﾀ", "0", "+0", "ﾀ0/5ﾀ=0", "+ﾀ0/5ﾀ=+0", "0", "+0"},
        {-3, 1, "ﾀ-3/1ﾀ", "-3", "-3", "ﾀ-3/1ﾀ=-3", "ﾀ-3/1ﾀ=-3", "-3", "-3"},
        {6, -1, "ﾀ6/-1ﾀ", "-6", "-6", "ﾀ6/-1ﾀ=-6", "ﾀ6/-1ﾀ=-6", "-6", "-6"},
        {0, -5, "ﾀ0/-5ﾀ", "0", "+0", "ﾀ0/-5ﾀ=0", "+ﾀ0/-5ﾀ=+0", "0", "+0"},
        {1.5f, 2, "ﾀ1.5/2ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ1.5/2ﾀ=ﾀ3/4ﾀ", "+ﾀ1.5/2ﾀ=+ﾀ3/4ﾀ", "3/4", "+3/4"},
    };
    for (const ReductionTexts& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ds << "/" << c.db);
        HeadlessShell s;
        s.DS = c.ds;
        s.DB = c.db;
        s.REDUCE_FRACTION();
        EXPECT_TRUE(same_text(s.A1_S, c.a1));
        EXPECT_TRUE(same_text(s.A2_S, c.a2));
        EXPECT_TRUE(same_text(s.A21_S, c.a21));
        EXPECT_TRUE(same_text(s.A3_S, c.a3));
        EXPECT_TRUE(same_text(s.A31_S, c.a31));
        EXPECT_TRUE(same_text(s.TKAI1_S, c.tkai1));
        EXPECT_TRUE(same_text(s.TKAI2_S, c.tkai2));
        EXPECT_TRUE(same_text(s.A_S, c.tkai2));
        // The number texts never hold a blank, and the result's texts no sign.
        for (const std::string* t : {&s.DS1_S, &s.DA1_S, &s.DB_S, &s.DS_S}) {
            EXPECT_EQ(t->find(' '), std::string::npos) << rt::to_utf8(*t);
        }
        EXPECT_EQ(s.DS_S.find('-'), std::string::npos);
        EXPECT_EQ(s.FDS1_S, s.YAK1 == 1 ? "+" : "");
    }
}

TEST(ReduceFraction, ZeroDenominatorLeavesNoStaleAnswer) {
    HeadlessShell s;
    s.DS = 6;
    s.DB = 8;
    s.REDUCE_FRACTION();
    ASSERT_TRUE(same_text(s.A2_S, "ﾀ3/4ﾀ"));
    s.X3 = kUntouched;
    s.LB8 = kUntouched;

    s.DS = 3;
    s.DB = 0;
    s.REDUCE_FRACTION();
    EXPECT_EQ(s.YAK, 0);
    EXPECT_EQ(s.YAK1, 1);
    EXPECT_EQ(s.DS, 3);
    EXPECT_EQ(s.DB, 0);
    EXPECT_EQ(s.X3, kUntouched);
    EXPECT_EQ(s.LB8, kUntouched);
    EXPECT_TRUE(same_text(s.A1_S, "ﾀ3/0ﾀ"));
    EXPECT_EQ(s.DA1_S, "0");
    EXPECT_EQ(s.DS_S, "3");
    EXPECT_EQ(s.A2_S, "");
    EXPECT_EQ(s.A21_S, "");
    EXPECT_TRUE(same_text(s.A3_S, s.A1_S));
    EXPECT_EQ(s.TKAI1_S, "");
    EXPECT_EQ(s.TKAI2_S, "");
}

TEST(ReduceFraction, DecimalsWithoutExactBinaryFormEndOnATinyMeasure) {
    // 0.1 and 0.3 as singles are 13421773 and 40265320 times 2^-27; the
    // remainder, formed at working precision, ends the loop on 2^-27 itself.
    HeadlessShell s;
    s.DS = 0.1f;
    s.DB = 0.3f;
    s.REDUCE_FRACTION();
    EXPECT_EQ(s.X3, std::ldexp(1.0f, -27));
    EXPECT_EQ(s.DS, 13421773.0f);
    EXPECT_EQ(s.DB, 40265320.0f);
    EXPECT_EQ(s.YAK, 2);
}

TEST(GcdLcm, EuclidOnSingles) {
    HeadlessShell s;
    s.DS = 12;
    s.DB = 18;
    s.GCD_LCM();
    EXPECT_EQ(s.X3, 6);
    EXPECT_EQ(s.X4, 36);
    EXPECT_EQ(s.LB8, 216);
    EXPECT_EQ(s.X1, 6);
    EXPECT_EQ(s.X2, 0);

    s.DS = 2.5f;  // common measure of non-whole numbers
    s.DB = 1.5f;
    s.GCD_LCM();
    EXPECT_EQ(s.X3, 0.5f);
    EXPECT_EQ(s.X4, 7.5f);
}

struct Sum {
    float dsm1, dbm1, dsm2, dbm2;
    float db, ds1, ds2, ds4;
    const char *a1, *a21, *a3, *a4, *a5;
};

TEST(AddFractions, CommonDenominatorAndStepTexts) {
    const Sum cases[] = {
        {1, 2, 1, 3, 6, 3, 2, 5, "ﾀ3/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ3+2/6ﾀ", "ﾀ5/6ﾀ", "ﾀ3/6ﾀ+ﾀ2/6ﾀ"},
        {-1, 2, 1, 3, 6, -3, 2, -1, "-ﾀ3/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ-3+2/6ﾀ", "-ﾀ1/6ﾀ", "-ﾀ3/6ﾀ+ﾀ2/6ﾀ"},
        {1, -2, 1, 3, 6, -3, 2, -1, "-ﾀ3/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ-3+2/6ﾀ", "-ﾀ1/6ﾀ", "-ﾀ3/6ﾀ+ﾀ2/6ﾀ"},
        {1, 2, -1, 3, 6, 3, -2, 1, "ﾀ3/6ﾀ", "-ﾀ2/6ﾀ", "ﾀ3-2/6ﾀ", "ﾀ1/6ﾀ", "ﾀ3/6ﾀ-ﾀ2/6ﾀ"},
        {1, 6, 1, 3, 6, 1, 2, 3, "ﾀ1/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ1+2/6ﾀ", "ﾀ3/6ﾀ", "ﾀ1/6ﾀ+ﾀ2/6ﾀ"},
        {1, 4, 1, 4, 4, 1, 1, 2, "ﾀ1/4ﾀ", "+ﾀ1/4ﾀ", "ﾀ1+1/4ﾀ", "ﾀ2/4ﾀ", "ﾀ1/4ﾀ+ﾀ1/4ﾀ"},
        {2, 1, 1, 3, 3, 6, 1, 7, "ﾀ6/3ﾀ", "+ﾀ1/3ﾀ", "ﾀ6+1/3ﾀ", "ﾀ7/3ﾀ", "ﾀ6/3ﾀ+ﾀ1/3ﾀ"},
        {3, 1, -2, 1, 1, 3, -2, 1, "ﾀ3/1ﾀ", "-ﾀ2/1ﾀ", "ﾀ3-2/1ﾀ", "ﾀ1/1ﾀ", "ﾀ3/1ﾀ-ﾀ2/1ﾀ"},
        {5, 6, -5, 6, 6, 5, -5, 0, "ﾀ5/6ﾀ", "-ﾀ5/6ﾀ", "ﾀ5-5/6ﾀ", "-ﾀ0/6ﾀ", "ﾀ5/6ﾀ-ﾀ5/6ﾀ"},
        {0, 2, 1, 3, 6, 0, 2, 2, "-ﾀ0/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ0+2/6ﾀ", "ﾀ2/6ﾀ", "-ﾀ0/6ﾀ+ﾀ2/6ﾀ"},
        // both signs negative, and a zero over a negative denominator
        {-1, -2, 1, 3, 6, 3, 2, 5, "ﾀ3/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ3+2/6ﾀ", "ﾀ5/6ﾀ", "ﾀ3/6ﾀ+ﾀ2/6ﾀ"},
        {0, -5, 1, 3, 15, 0, 5, 5, "-ﾀ0/15ﾀ", "+ﾀ5/15ﾀ", "ﾀ0+5/15ﾀ", "ﾀ5/15ﾀ", "-ﾀ0/15ﾀ+ﾀ5/15ﾀ"},
    };
    for (const Sum& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.dsm1 << "/" << c.dbm1 << " + " << c.dsm2 << "/" << c.dbm2);
        HeadlessShell s;
        s.DSM1 = c.dsm1;
        s.DBM1 = c.dbm1;
        s.DSM2 = c.dsm2;
        s.DBM2 = c.dbm2;
        s.ADD_FRACTIONS();
        EXPECT_EQ(s.DB, c.db);
        EXPECT_EQ(s.DS1, c.ds1);
        EXPECT_EQ(s.DS2, c.ds2);
        EXPECT_EQ(s.DS4, c.ds4);
        EXPECT_GT(s.DBM1, 0);
        EXPECT_GT(s.DBM2, 0);
        if (s.DSM1 == 0) {
            EXPECT_FALSE(std::signbit(s.DSM1)) << "a zero numerator stays +0";
        }
        EXPECT_TRUE(same_text(s.A1_S, c.a1));
        EXPECT_TRUE(same_text(s.A21_S, c.a21));
        EXPECT_TRUE(same_text(s.A3_S, c.a3));
        EXPECT_TRUE(same_text(s.A4_S, c.a4));
        EXPECT_TRUE(same_text(s.A5_S, c.a5));
        EXPECT_EQ(s.A_S, s.DS4_S);
    }
}

TEST(AddFractions, SignedAndUnsignedForms) {
    HeadlessShell s;
    s.DSM1 = 1;
    s.DBM1 = 2;
    s.DSM2 = 1;
    s.DBM2 = 3;
    s.ADD_FRACTIONS();
    EXPECT_TRUE(same_text(s.A11_S, "+ﾀ3/6ﾀ"));
    EXPECT_TRUE(same_text(s.A2_S, "ﾀ2/6ﾀ"));
    EXPECT_TRUE(same_text(s.A41_S, "+ﾀ5/6ﾀ"));
    EXPECT_TRUE(same_text(s.B3_S, "ﾀ3/6ﾀ"));
    EXPECT_TRUE(same_text(s.B4_S, "ﾀ2/6ﾀ"));
    EXPECT_EQ(s.DS1_S, "3");
    EXPECT_EQ(s.DS2_S, "+2");
    EXPECT_EQ(s.DS4_S, "5");
    EXPECT_EQ(s.DS3_S, "");

    s.DSM1 = -1;
    s.DBM1 = 2;
    s.ADD_FRACTIONS();
    EXPECT_EQ(s.DS1_S, "-3");
    EXPECT_EQ(s.DS3_S, "3");
    EXPECT_EQ(s.B1_S, "3");
    EXPECT_TRUE(same_text(s.B3_S, "ﾀ3/6ﾀ"));
    EXPECT_TRUE(same_text(s.A11_S, "-ﾀ3/6ﾀ"));
    EXPECT_TRUE(same_text(s.A41_S, "-ﾀ1/6ﾀ"));
}

TEST(AddFractions, ZeroDenominatorGivesEmptyResults) {
    for (int which = 1; which <= 2; ++which) {
        HeadlessShell s;
        s.DSM1 = 1;
        s.DBM1 = 2;
        s.DSM2 = 1;
        s.DBM2 = 3;
        s.ADD_FRACTIONS();
        ASSERT_FALSE(s.A5_S.empty());
        (which == 1 ? s.DBM1 : s.DBM2) = 0;
        s.ADD_FRACTIONS();
        EXPECT_EQ(s.DB, 0);
        EXPECT_EQ(s.DS4, 0);
        for (const std::string* t :
             {&s.DB_S, &s.DS1_S, &s.DS2_S, &s.DS4_S, &s.A1_S, &s.A11_S, &s.A2_S, &s.A21_S, &s.A3_S,
              &s.A4_S, &s.A41_S, &s.A5_S, &s.B3_S, &s.B4_S}) {
            EXPECT_EQ(*t, "") << rt::to_utf8(*t);
        }
    }
}

}  // namespace
