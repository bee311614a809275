// Dotted bows over a chord, the direction of a point and one point of a bow.
#include <gtest/gtest.h>

#include "support/geometry_fixture.hpp"

namespace {

using geometry_test::draw;
using geometry_test::GeometryFigures;
using geometry_test::ops_of;
using Kind = rt::DrawOp::Kind;

// A chord and the bow's settings; returns the dots one DOTTED_ARC draws.
std::vector<rt::DrawOp> arc(GeometryFigures& f, float x0, float y0, float x1, float y1,
                            float houkou, float takasa, float haba, const char* label = "",
                            float naka = 0) {
    f.ZX0 = x0, f.ZY0 = y0, f.ZX1 = x1, f.ZY1 = y1, f.HOUKOU = houkou, f.TAKASA = takasa;
    f.HABA = haba, f.AAA_S = label, f.NAKA = naka, f.CCC1 = 3, f.CCC2 = 3;
    rt::clear_recorded_ops();
    f.DOTTED_ARC();
    return ops_of(rt::recorded_ops(), Kind::Circle);
}

void expect_at(const rt::DrawOp& op, float x, float y) {
    EXPECT_NEAR(op.x1, x, 1e-2);
    EXPECT_NEAR(op.y1, y, 1e-2);
}

TEST(DottedArc, TheSidesOfTheSquareAndTheRectangle) {
    draw([](GeometryFigures& f) {
        auto dots = arc(f, 1000, 90, 1180, 90, -1, 20, 5, "xcm");
        ASSERT_EQ(dots.size(), 37u);
        expect_at(dots[0], 1180, 90);
        expect_at(dots[18], 1090, 70);
        expect_at(dots[36], 1000, 90);
        EXPECT_EQ(dots[0].r, 0.5f);
        EXPECT_EQ(dots[0].fill, 3);
        EXPECT_EQ(f.TAKASA, 20);
        EXPECT_EQ(f.AAA_S, "");
        EXPECT_NEAR(f.ZY0, 70, 1e-2);  // the middle of the bow
        EXPECT_EQ(f.ZX1, 1000);        // A
        EXPECT_EQ(f.ZX2, 1180);        // B
        // The label stands centred above the apex, its box 44 high.
        EXPECT_NEAR(f.Y, 26, 1e-2);
        EXPECT_NEAR(f.X - f.LLT / 2, 1090, 1e-2);
        EXPECT_FALSE(ops_of(rt::recorded_ops(), Kind::Text).empty());

        dots = arc(f, 1000, 300, 1000, 420, 1, 20, 5, "xcm");
        ASSERT_EQ(dots.size(), 37u);
        expect_at(dots[0], 1000, 300);
        expect_at(dots[18], 980, 360);
        expect_at(dots[36], 1000, 420);
        EXPECT_NEAR(f.X, 980, 1e-2);  // the label ends at the apex
        EXPECT_NEAR(f.Y, 338, 1e-2);
    });
}

TEST(DottedArc, HeightsStepsAndPartialSweeps) {
    draw([](GeometryFigures& f) {
        const float heights[][2] = {{1, 16}, {15, 240}, {-15, 15}, {16, 16}, {0, 0}};
        for (const auto& h : heights) {
            const auto dots = arc(f, 1000, 90, 1180, 90, -1, h[0], 5);
            EXPECT_EQ(f.TAKASA, h[1]) << h[0];
            EXPECT_NEAR(dots[18].y1, 90 - h[1], 1e-2) << h[0];
        }
        EXPECT_EQ(arc(f, 1000, 90, 1180, 90, -1, 20, 10).size(), 19u);
        const auto part = arc(f, 1000, 90, 1180, 90, 1, 20, 5, "", 90);  // A to the apex below
        ASSERT_EQ(part.size(), 19u);
        expect_at(part.front(), 1000, 90);
        expect_at(part.back(), 1090, 110);
        EXPECT_EQ(f.NAKA, 0);
        EXPECT_EQ(arc(f, 1000, 90, 1180, 90, 0, 20, 5, "", 90).size(), 37u);  // no side: whole
    });
}

TEST(DottedArc, AStepThatCannotAdvanceEnds) {
    draw([](GeometryFigures& f) {
        for (float haba : {0.0f, -5.0f}) {
            const auto dots = arc(f, 1000, 90, 1180, 90, -1, 20, haba, "xcm", 30);
            EXPECT_TRUE(dots.empty());
            EXPECT_TRUE(ops_of(rt::recorded_ops(), Kind::Text, false).empty());
            EXPECT_EQ(f.AAA_S, "");
            EXPECT_EQ(f.NAKA, 0);
        }
        EXPECT_EQ(arc(f, 1000, 90, 1180, 90, 1, 20, 1e-6f).size(), 1u);  // too small to move on
    });
}

TEST(DottedArc, PointAngleAndArcPoint) {
    draw([](GeometryFigures& f) {
        const float cases[][3] = {{10, 0, 0},   {0, -10, 90}, {-10, -10, 135}, {-10, 0, 180},
                                  {0, 10, 270}, {0, 0, 180},  {10, 10, 315}};
        for (const auto& c : cases) {
            f.ZX0 = 0, f.ZY0 = 0, f.ZX1 = c[0], f.ZY1 = c[1];
            f.POINT_ANGLE();
            EXPECT_NEAR(f.HH, c[2], 1e-3) << c[0] << "," << c[1];
        }
        f.ZX0 = 1000, f.ZY0 = 90, f.ZX1 = 1180, f.ZY1 = 90, f.TAKASA = 1, f.KAKUDO = 90;
        f.ARC_POINT();  // TAKASA taken as it stands: 1 pixel
        EXPECT_NEAR(f.ZX, 1090, 1e-2);
        EXPECT_NEAR(f.ZY, 89, 1e-2);
        EXPECT_EQ(f.TAKASA, 1);
        f.ZX0 = 1000, f.ZY0 = 300, f.ZX1 = 1000, f.ZY1 = 420, f.TAKASA = 20, f.KAKUDO = 270;
        f.ARC_POINT();  // turned a quarter down
        EXPECT_NEAR(f.ZX, 980, 1e-2);
        EXPECT_NEAR(f.ZY, 360, 1e-2);
        EXPECT_TRUE(rt::recorded_ops().empty());
    });
}

}  // namespace
