// Points and graphs: where the dots fall, how many there are, where the
// labels go, and what every call resets.
#include <gtest/gtest.h>

#include <cmath>

#include "support/headless_figures.hpp"

namespace {

class PointsGraphsTest : public test_support::HeadlessFigures {
protected:
    // The plane of the lessons: corner (100, 60), -7..7 both ways, 30 a step,
    // origin at (310, 270).
    void plane(float x1 = -7, float x2 = 7, float y1 = -7, float y2 = 7, float scale = 1) {
        f.GGX = 100;
        f.GGY = 60;
        f.AA1 = x1;
        f.AA2 = x2;
        f.BB1 = y1;
        f.BB2 = y2;
        f.SIZE = 30;
        f.BAIX = scale;
        f.BAIY = scale;
        f.CCC2 = 0;
        f.DRAW_AXES();
        rt::clear_recorded_ops();
    }
    void graph(float kind, float a, float b, const std::string& label = "") {
        f.IROIRO = kind;
        f.AA = a;
        f.BB = b;
        f.CCC3 = 4;
        f.AAA_S = label;
    }
    void expect_resets() const {
        EXPECT_FLOAT_EQ(f.BAIX, 1);
        EXPECT_FLOAT_EQ(f.BAIY, 1);
        EXPECT_FLOAT_EQ(f.KASANARIX, 0);
        EXPECT_FLOAT_EQ(f.KASANARIY, 0);
    }
};

TEST_F(PointsGraphsTest, PointWithItsLabel) {
    draw([&] {
        plane();
        f.XG = 2;
        f.YG = 3;
        f.R = 5;
        f.CCC3 = 4;
        f.AAA_S = "A";
        f.KASANARIX = 10;
        f.KASANARIY = -30;
        f.PLOT_POINT();
    });
    ASSERT_EQ(circles().size(), 1u);
    const auto dot = circles()[0];
    expect_at(dot, 370, 180);
    EXPECT_FLOAT_EQ(dot.r, 5);
    EXPECT_EQ(dot.colour, 4);
    EXPECT_EQ(dot.fill, 4);
    EXPECT_FLOAT_EQ(f.GX, 370);
    EXPECT_FLOAT_EQ(f.GY, 180);
    ASSERT_EQ(text_run(), "A");
    expect_at(texts()[0], 360, 110);
    EXPECT_EQ(texts()[0].colour, 4);
    EXPECT_FLOAT_EQ(f.CCC1, 4);
    EXPECT_FLOAT_EQ(f.Y, 110);
    EXPECT_GT(f.X, 360);
    EXPECT_EQ(f.AAA_S, "A");  // kept for the next point
    EXPECT_TRUE(f.AA_S.empty());
    expect_resets();
}

TEST_F(PointsGraphsTest, PointScalesAndPlacesOutsideThePlane) {
    draw([&] {
        plane();
        // A scale of 0 counts as 1; the label is optional.
        f.BAIX = 0;
        f.BAIY = 2;
        f.XG = 20;
        f.YG = 4;
        f.R = 3;
        f.AAA_S = "";
        f.PLOT_POINT();
    });
    ASSERT_EQ(circles().size(), 1u);
    expect_at(circles()[0], 310 + 600, 270 - 60);  // right of the plane, drawn all the same
    EXPECT_TRUE(texts().empty());
    expect_resets();
}

TEST_F(PointsGraphsTest, HyperbolaDotsFirstLastAndCount) {
    draw([&] {
        rt::SET_DRAW_WIDTH(6);
        plane();
        graph(1, 6, 0, "y=6/x");
        f.KASANARIX = 5;
        f.KASANARIY = -40;
        f.PLOT_GRAPH();
    });
    ASSERT_FALSE(error) << *error;
    const auto dots = circles();
    // x = -7 + 0.0028 k; the dots with |y| > 7 (|x| < 6/7) are dropped:
    // k = 0..2193 and 2807..5000.
    ASSERT_EQ(dots.size(), 4388u);
    EXPECT_FLOAT_EQ(dots.front().x1, 100);
    EXPECT_NEAR(dots.front().y1, 270 + 30 * 6 / 7.0, 1e-3);
    EXPECT_NEAR(dots.back().x1, 520, 1e-2);
    EXPECT_NEAR(dots.back().y1, 270 - 30 * 6 / 7.0, 1e-2);
    for (const auto& d : dots) {
        ASSERT_FLOAT_EQ(d.r, 1);
        ASSERT_EQ(d.fill, 4);
        ASSERT_GE(d.y1, 60);
        ASSERT_LE(d.y1, 480);
    }
    // The label goes on from the last dot, shifted.
    ASSERT_FALSE(texts().empty());
    expect_at(texts()[0], dots.back().x1 + 5, dots.back().y1 - 40);
    EXPECT_EQ(texts()[0].colour, 4);
    EXPECT_FLOAT_EQ(f.HABA, 5000);
    EXPECT_FLOAT_EQ(f.II, 5001);
    EXPECT_FLOAT_EQ(f.CCC1, 4);
    EXPECT_EQ(width_after, 6);
    expect_resets();
}

TEST_F(PointsGraphsTest, HyperbolaFromZeroStartsJustRightOfIt) {
    draw([&] {
        plane(0, 10, 0, 10);
        graph(1, 6, 0);
        f.PLOT_GRAPH();
    });
    EXPECT_FLOAT_EQ(f.X1, 0.002f);
    EXPECT_FLOAT_EQ(f.Y1, 3000);
    EXPECT_FLOAT_EQ(f.P1, 0.002f);
    // The 5001st point lies at x = 10.002, one start shift past the range.
    EXPECT_NEAR(f.GX, 100 + 30 * 10.002, 0.05);
    ASSERT_FALSE(circles().empty());
    EXPECT_GT(circles().front().x1, 100 + 30 * 0.6 - 0.1);  // y = 6/x <= 10 from x = 0.6
}

TEST_F(PointsGraphsTest, StraightLineMayStartAtZeroAndSkipsNothing) {
    draw([&] {
        plane(0, 5, 0, 12);
        graph(3, 2, 0);
        f.PLOT_GRAPH();
    });
    ASSERT_EQ(circles().size(), 5001u);
    expect_at(circles().front(), f.GX0, f.GY0);
    // x = 5 up to the drift of 5000 single-precision steps.
    EXPECT_NEAR(circles().back().x1, f.GX0 + 150, 0.05);
    EXPECT_NEAR(circles().back().y1, f.GY0 - 300, 0.05);
}

TEST_F(PointsGraphsTest, ScaledLineKeepsOnlyDotsWithinThePlaneHeight) {
    draw([&] {
        plane(-6, 6, -8, 8, 0.5);  // -12..12 by -16..16 grid steps
        graph(3, 2, 0);
        f.BAIX = 0.5;
        f.BAIY = 0.5;
        f.PLOT_GRAPH();
    });
    // x runs over -12..12 in values; y = 2x stays within -8..8 for -4 <= x <= 4.
    const auto dots = circles();
    ASSERT_FALSE(dots.empty());
    // One x step (0.0048) is 0.29 pixels across and 0.58 up.
    EXPECT_NEAR(dots.front().x1, f.GX0 - 240, 0.3);
    EXPECT_NEAR(dots.front().y1, f.GY2, 0.6);
    EXPECT_NEAR(dots.back().x1, f.GX0 + 240, 0.3);
    EXPECT_NEAR(dots.back().y1, f.GY1, 0.6);
    EXPECT_NEAR(static_cast<double>(dots.size()), 5000.0 / 3 + 1, 2);
    expect_resets();
}

TEST_F(PointsGraphsTest, EquationKindBecomesALineOrAVerticalLine) {
    draw([&] {
        plane();
        graph(4, 2, 0, "L");
        f.CC = 6;
        f.PLOT_GRAPH();
    });
    ASSERT_EQ(lines().size(), 1u);
    expect_from_to(lines()[0], 400, 480, 400, 60);  // bottom edge to top edge
    EXPECT_EQ(lines()[0].width, 5);
    EXPECT_EQ(lines()[0].colour, 4);
    EXPECT_TRUE(circles().empty());
    ASSERT_FALSE(texts().empty());
    expect_at(texts()[0], 410, 60);
    EXPECT_FLOAT_EQ(f.CC, 3);
    EXPECT_FLOAT_EQ(f.IROIRO, 4);
    EXPECT_EQ(width_after, 3);
    EXPECT_FLOAT_EQ(f.HABA, 5000);

    draw([&] {
        plane();
        graph(4, 1, 2);
        f.CC = 4;
        f.PLOT_GRAPH();
    });
    EXPECT_FLOAT_EQ(f.AA, -0.5);
    EXPECT_FLOAT_EQ(f.BB, 2);
    EXPECT_FLOAT_EQ(f.IROIRO, 3);
    ASSERT_EQ(circles().size(), 5001u);
    EXPECT_FLOAT_EQ(circles().front().y1, 270 - 30 * 5.5f);  // x = -7, y = 5.5
}

TEST_F(PointsGraphsTest, EquationWithoutUnknownsDrawsNothing) {
    draw([&] {
        plane();
        graph(4, 0, 0, "?");
        f.CC = 5;
        f.KASANARIX = 7;
        f.BAIX = 3;
        f.PLOT_GRAPH();
    });
    EXPECT_FALSE(error) << *error;
    EXPECT_TRUE(ops.empty());
    EXPECT_EQ(width_after, 3);
    EXPECT_FLOAT_EQ(f.HABA, 5000);
    expect_resets();
}

TEST_F(PointsGraphsTest, GraphOutsideThePlaneLabelsAtTheCallersPen) {
    draw([&] {
        plane();
        graph(3, 0, 100, "L");
        f.X = 600;
        f.Y = 500;
        f.KASANARIX = 4;
        f.PLOT_GRAPH();
    });
    EXPECT_TRUE(circles().empty());
    ASSERT_EQ(text_run(), "L");
    expect_at(texts()[0], 604, 500);
}

}  // namespace
