#include "framework/platform/numbers.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "framework/platform/errors.hpp"

namespace {

TEST(Val, ReadsTheLongestLeadingNumber) {
    EXPECT_EQ(rt::VAL(""), 0);
    EXPECT_EQ(rt::VAL("-"), 0);
    EXPECT_EQ(rt::VAL("."), 0);
    EXPECT_EQ(rt::VAL("1-2"), 1);
    EXPECT_EQ(rt::VAL("1..2"), 1);
    EXPECT_EQ(rt::VAL("/4"), 0);
    EXPECT_EQ(rt::VAL(" 12"), 12);
    EXPECT_FLOAT_EQ(rt::VAL("-.5"), -0.5f);
    EXPECT_FLOAT_EQ(rt::VAL("3.25cm"), 3.25f);
    EXPECT_FLOAT_EQ(rt::VAL("1E3"), 1000);
    EXPECT_EQ(rt::VAL("2E"), 2);
    EXPECT_EQ(rt::VAL("1e99"), 0);  // beyond a single: no value
}

TEST(Str, FormatsSinglesAsTheProgramsShowThem) {
    EXPECT_EQ(rt::STR(5), " 5");
    EXPECT_EQ(rt::STR(-3), "-3");
    EXPECT_EQ(rt::STR(0.5f), " .5");
    EXPECT_EQ(rt::STR(-0.5f), "-.5");
    EXPECT_EQ(rt::STR(0.7f), " .7");
    EXPECT_EQ(rt::STR(-0.0f), " 0");
    EXPECT_EQ(rt::STR(1.0f / 3.0f), " .3333333");
    EXPECT_EQ(rt::STR(2.5f), " 2.5");
    EXPECT_EQ(rt::STR(1200), " 1200");
    EXPECT_EQ(rt::STR(1234567), " 1234567");
    EXPECT_EQ(rt::STR(123456789.0f), " 1.234568E+08");
    EXPECT_EQ(rt::STR(0.1f * 3), " .3");
}

TEST(WholeNumbers, FloorRoundAndSign) {
    EXPECT_EQ(rt::INT(2.7f), 2);
    EXPECT_EQ(rt::INT(-2.5f), -3);
    EXPECT_EQ(rt::FIX(-2.5f), -2);
    EXPECT_EQ(rt::CINT(2.5f), 3);
    EXPECT_EQ(rt::CINT(-2.5f), -3);
    EXPECT_EQ(rt::CINT(7.4f), 7);
    EXPECT_THROW(rt::CINT(3e9f), rt::RuntimeError);
    EXPECT_THROW(rt::CINT(std::numeric_limits<float>::quiet_NaN()), rt::RuntimeError);
    EXPECT_EQ(rt::SGN(-4), -1);
    EXPECT_EQ(rt::SGN(0), 0);
}

TEST(CheckedArithmetic, ZeroDivisorIsARunTimeError) {
    EXPECT_FLOAT_EQ(rt::DIV(6, 4), 1.5f);
    try {
        rt::DIV(1, 0);
        FAIL() << "no error";
    } catch (const rt::RuntimeError& error) {
        EXPECT_EQ(error.code(), rt::kDivisionByZero);
        EXPECT_GT(error.line(), 0u);
    }
    EXPECT_EQ(rt::MOD(7, 3), 1);
    EXPECT_EQ(rt::MOD(-7, 3), -1);
    EXPECT_THROW(rt::MOD(7, 0.2f), rt::RuntimeError);  // 0.2 rounds to 0
}

TEST(Random, SameSeedSameSequenceInRange) {
    rt::RANDOMIZE(42);
    std::vector<float> first;
    for (int i = 0; i < 1000; ++i) first.push_back(rt::RND());
    rt::RANDOMIZE(42);
    for (int i = 0; i < 1000; ++i) EXPECT_EQ(rt::RND(), first[static_cast<std::size_t>(i)]);
    float low = 1, high = 0;
    for (float v : first) {
        low = std::min(low, v);
        high = std::max(high, v);
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
    }
    EXPECT_LT(low, 0.01f);
    EXPECT_GT(high, 0.99f);
    rt::RANDOMIZE(43);
    EXPECT_NE(rt::RND(), first[0]);
}

TEST(Clock, TheSourceCanBeReplaced) {
    rt::set_clock_source([] { return std::string("01:02:03"); });
    EXPECT_EQ(rt::TIME_S(), "01:02:03");
    rt::set_clock_source({});
    const std::string now = rt::TIME_S();
    ASSERT_EQ(now.size(), 8u);
    EXPECT_EQ(now[2], ':');
    EXPECT_EQ(now[5], ':');
}

TEST(Arrays, IndicesOutsideTheBoundsAreRunTimeErrors) {
    rt::Array<float, 50> xs;
    xs(0) = 1;
    xs(50) = 2;
    EXPECT_EQ(xs(49.6f), 2);  // an index rounds to the nearest whole number
    EXPECT_THROW(xs(51), rt::RuntimeError);
    EXPECT_THROW(xs(-1), rt::RuntimeError);
    rt::Array2<float, 2, 10> g;
    g(2, 10) = 5;
    EXPECT_EQ(g(2, 10), 5);
    EXPECT_THROW(g(3, 0), rt::RuntimeError);
}

}  // namespace

#include "framework/shell/counted_loop.hpp"

namespace {

TEST(CountedLoop, RunsOnceBeforeTheEndTestAndNeverSpins) {
    float i = 0;
    int passes = 0;
    shell::count_loop(i, 1, 0, [&] { ++passes; });
    EXPECT_EQ(passes, 1);
    EXPECT_EQ(i, 2);
    passes = 0;
    shell::count_loop(i, 1, 2.5f, [&] { ++passes; });
    EXPECT_EQ(passes, 2);
    // Beyond 2^24 a step of 1 does not move a single: the loop must end.
    passes = 0;
    shell::count_loop(i, 16777216.0f, 3e7f, [&] { ++passes; });
    EXPECT_EQ(passes, 1);
}

}  // namespace
