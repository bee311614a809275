// Arrows and the slope triangle: shafts, heads, the ends left behind, and
// the run and rise labels.
#include <gtest/gtest.h>

#include "support/headless_figures.hpp"

namespace {

class ArrowsTest : public test_support::HeadlessFigures {
protected:
    void arrow(float x0, float y0, float x1, float y1, float muki, float ya = 0) {
        f.ZX0 = x0;
        f.ZY0 = y0;
        f.ZX = x1;
        f.ZY = y1;
        f.NAGASA = 16;
        f.MUKI = muki;
        f.YA = ya;
        f.CCC2 = 7;
        f.DRAW_ARROW();
    }
    void triangle(float x3, float y3, float x4, float y4, const std::string& labels) {
        f.GX3 = x3;
        f.GY3 = y3;
        f.GX4 = x4;
        f.GY4 = y4;
        f.SIZE = 30;
        f.HYOUJI_S = labels;
        f.SLOPE_TRIANGLE();
    }
};

TEST_F(ArrowsTest, HeadOnTheEndPointOrOnTheStart) {
    draw([&] { arrow(100, 200, 200, 200, 1); });
    ASSERT_EQ(lines().size(), 3u);
    expect_from_to(lines()[0], 100, 200, 200, 200);
    expect_from_to(lines()[1], 184, 208, 200, 200);
    expect_from_to(lines()[2], 184, 192, 200, 200);
    for (const auto& op : lines()) {
        EXPECT_EQ(op.colour, 7);
        EXPECT_EQ(op.width, 3);  // the width in force
    }
    // The ends come back exchanged: (ZX0, ZY0) holds the tip.
    EXPECT_FLOAT_EQ(f.ZX0, 200);
    EXPECT_FLOAT_EQ(f.ZX, 100);
    EXPECT_FLOAT_EQ(f.MUKI, 0);
    EXPECT_EQ(width_after, 3);

    draw([&] { arrow(100, 200, 200, 200, -1); });
    ASSERT_EQ(lines().size(), 3u);
    expect_from_to(lines()[1], 116, 192, 100, 200);
    expect_from_to(lines()[2], 116, 208, 100, 200);
    EXPECT_FLOAT_EQ(f.ZX0, 100);
    EXPECT_FLOAT_EQ(f.ZX, 200);

    draw([&] { arrow(300, 100, 300, 200, 1); });
    ASSERT_EQ(lines().size(), 3u);
    expect_from_to(lines()[1], 292, 184, 300, 200);
    expect_from_to(lines()[2], 308, 184, 300, 200);
}

TEST_F(ArrowsTest, SecondRunPutsAHeadOnEachEnd) {
    draw([&] { arrow(100, 200, 200, 200, -1, 2); });
    ASSERT_EQ(lines().size(), 6u);
    expect_from_to(lines()[1], 116, 192, 100, 200);
    expect_from_to(lines()[4], 184, 208, 200, 200);
    EXPECT_FLOAT_EQ(f.ZX0, 200);
    EXPECT_FLOAT_EQ(f.YA, 0);
    EXPECT_FLOAT_EQ(f.MUKI, 0);
}

TEST_F(ArrowsTest, ArrowOfNoLengthDrawsNothing) {
    draw([&] { arrow(150, 150, 150, 150, 1); });
    EXPECT_FALSE(error) << *error;
    EXPECT_TRUE(lines().empty());
    EXPECT_FLOAT_EQ(f.MUKI, 0);
}

TEST_F(ArrowsTest, SlopeTriangleArrowsAndLabels) {
    draw([&] { triangle(400, 300, 340, 360, "yn"); });
    ASSERT_FALSE(error) << *error;
    // Corners exchanged so that the first is on the left.
    EXPECT_FLOAT_EQ(f.GX3, 340);
    EXPECT_FLOAT_EQ(f.GY3, 360);
    EXPECT_FLOAT_EQ(f.GX4, 400);
    EXPECT_FLOAT_EQ(f.GY4, 300);
    ASSERT_EQ(lines().size(), 6u);
    expect_from_to(lines()[0], 340, 360, 400, 360);
    expect_from_to(lines()[1], 384, 368, 400, 360);
    expect_from_to(lines()[3], 400, 360, 400, 300);
    expect_from_to(lines()[4], 408, 316, 400, 300);
    EXPECT_EQ(lines()[0].colour, 7);
    EXPECT_EQ(lines()[3].colour, 3);
    for (const auto& op : lines()) EXPECT_EQ(op.width, 4);
    EXPECT_EQ(f.X_S, "2");
    EXPECT_EQ(f.Y_S, "2");
    ASSERT_EQ(text_run(), "2");
    expect_at(texts()[0], 356, 316);
    EXPECT_EQ(texts()[0].colour, 7);
    // Left for the scene's later lines and arrows.
    EXPECT_EQ(width_after, 4);
    EXPECT_FLOAT_EQ(f.CCC2, 3);
    EXPECT_FLOAT_EQ(f.NAGASA, 16);
    EXPECT_FLOAT_EQ(f.MUKI, 0);
    EXPECT_FLOAT_EQ(f.ZY0, 300);

    draw([&] { triangle(400, 300, 340, 360, "ny"); });
    ASSERT_EQ(text_run(), "2");
    expect_at(texts()[0], 400, 314);
    EXPECT_EQ(texts()[0].colour, 3);

    // Falling: the rise arrow points down and the run label stays below it.
    draw([&] { triangle(340, 300, 400, 360, "yn"); });
    EXPECT_EQ(f.Y_S, "-2");
    EXPECT_FLOAT_EQ(lines()[3].y2, 360);
    ASSERT_FALSE(texts().empty());
    EXPECT_FLOAT_EQ(texts()[0].y1, 300);
}

TEST_F(ArrowsTest, SlopeTextsOfFractionalAndZeroSteps) {
    draw([&] { triangle(100, 300, 115, 285, ""); });
    EXPECT_EQ(f.X_S, ".5");
    EXPECT_EQ(f.Y_S, "0.5");
    draw([&] { triangle(100, 300, 115, 315, "YY"); });
    EXPECT_EQ(f.Y_S, "-0.5");
    EXPECT_TRUE(texts().empty());  // only a lower-case y switches a label on
    draw([&] { triangle(100, 300, 130, 300, "yy"); });
    EXPECT_FALSE(error) << *error;
    EXPECT_EQ(f.X_S, "1");
    EXPECT_EQ(f.Y_S, "0");
    EXPECT_EQ(lines().size(), 3u);  // the run arrow alone: a rise of 0 has no arrow
    EXPECT_EQ(text_run(), "10");
}

}  // namespace
