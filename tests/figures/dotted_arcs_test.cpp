// Dotted bows over a chord, the direction of a point and one point of a bow.
#include <gtest/gtest.h>

#include "support/geometry_fixture.hpp"

namespace {

using geometry_test::draw;
using geometry_test::GeometryFigures;
using geometry_test::of_kind;
using Kind = rt::DrawOp::Kind;

void set_chord(GeometryFigures& f, float x0, float y0, float x1, float y1) {
    f.ZX0 = x0;
    f.ZY0 = y0;
    f.ZX1 = x1;
    f.ZY1 = y1;
}

void expect_at(const rt::DrawOp& op, float x, float y) {
    EXPECT_NEAR(op.x1, x, 1e-2);
    EXPECT_NEAR(op.y1, y, 1e-2);
}

TEST(DottedArc, TheSquaresSideMark) {
    float label_x = 0;
    float label_width = 0;
    const auto ops = draw([&](GeometryFigures& f) {
        set_chord(f, 1000, 90, 1180, 90);
        f.HOUKOU = -1;
        f.TAKASA = 20;
        f.HABA = 5;
        f.CCC2 = 3;
        f.CCC1 = 3;
        f.AAA_S = "xcm";
        f.DOTTED_ARC();
        EXPECT_EQ(f.TAKASA, 20);
        EXPECT_EQ(f.AAA_S, "");
        EXPECT_EQ(f.NAKA, 0);
        EXPECT_EQ(f.ITI, 0);
        EXPECT_NEAR(f.ZX0, 1090, 1e-2);  // the middle of the bow
        EXPECT_NEAR(f.ZY0, 70, 1e-2);
        EXPECT_EQ(f.ZX1, 1000);  // A
        EXPECT_EQ(f.ZX2, 1180);  // B
        // The label stands centred above the apex, its box 44 high.
        EXPECT_NEAR(f.Y, 26, 1e-2);
        label_x = f.X - f.LLT;
        label_width = f.LLT;
    });
    const auto dots = of_kind(ops, Kind::Circle);
    ASSERT_EQ(dots.size(), 37u);
    expect_at(dots[0], 1180, 90);
    expect_at(dots[18], 1090, 70);
    expect_at(dots[36], 1000, 90);
    for (const auto& dot : dots) {
        EXPECT_EQ(dot.r, 0.5f);
        EXPECT_EQ(dot.colour, 3);
        EXPECT_EQ(dot.fill, 3);
        EXPECT_LE(dot.y1, 90.01f);  // all on the upper side of the chord
    }
    EXPECT_NEAR(label_x, 1090 - label_width / 2, 1e-2);
    EXPECT_FALSE(of_kind(ops, Kind::Text).empty());
}

TEST(DottedArc, TheRectanglesLeftSideMark) {
    const auto ops = draw([](GeometryFigures& f) {
        set_chord(f, 1000, 300, 1000, 420);
        f.HOUKOU = 1;
        f.TAKASA = 20;
        f.HABA = 5;
        f.AAA_S = "xcm";
        f.DOTTED_ARC();
        EXPECT_NEAR(f.X, 980, 1e-2);  // the label ends at the apex
        EXPECT_NEAR(f.Y, 338, 1e-2);
    });
    const auto dots = of_kind(ops, Kind::Circle);
    ASSERT_EQ(dots.size(), 37u);
    expect_at(dots[0], 1000, 300);
    expect_at(dots[18], 980, 360);
    expect_at(dots[36], 1000, 420);
}

TEST(DottedArc, HeightStepAndPartialSweep) {
    draw([](GeometryFigures& f) {
        auto arc = [&](float takasa, float haba, float houkou, float naka) {
            set_chord(f, 1000, 90, 1180, 90);
            f.TAKASA = takasa;
            f.HABA = haba;
            f.HOUKOU = houkou;
            f.NAKA = naka;
            rt::clear_recorded_ops();
            f.DOTTED_ARC();
            return of_kind(rt::recorded_ops(), Kind::Circle);
        };
        const float heights[][2] = {{1, 16}, {15, 240}, {-15, 15}, {16, 16}, {0.5f, 8}};
        for (const auto& h : heights) {
            const auto dots = arc(h[0], 5, -1, 0);
            EXPECT_EQ(f.TAKASA, h[1]) << h[0];
            EXPECT_NEAR(dots[18].y1, 90 - h[1], 1e-2) << h[0];
        }
        for (const auto& dot : arc(0, 5, -1, 0)) EXPECT_NEAR(dot.y1, 90, 1e-3);
        EXPECT_EQ(arc(20, 10, -1, 0).size(), 19u);

        const auto part = arc(20, 5, 1, 90);  // from A to the apex below
        ASSERT_EQ(part.size(), 19u);
        expect_at(part.front(), 1000, 90);
        expect_at(part.back(), 1090, 110);
        EXPECT_EQ(f.NAKA, 0);
        EXPECT_NEAR(f.ZX0, 1090 - 90 * std::cos(45 * 3.14159f / 180), 1e-2);  // middle at 225

        EXPECT_EQ(arc(20, 5, 0, 90).size(), 37u);  // no partial sweep without a side
    });
}

TEST(DottedArc, AStepThatCannotAdvanceDrawsNoDots) {
    const auto ops = draw([](GeometryFigures& f) {
        for (float haba : {0.0f, -5.0f}) {
            set_chord(f, 1000, 90, 1180, 90);
            f.TAKASA = 20;
            f.HABA = haba;
            f.HOUKOU = -1;
            f.AAA_S = "xcm";
            f.NAKA = 30;
            f.DOTTED_ARC();
            EXPECT_EQ(f.AAA_S, "");
            EXPECT_EQ(f.NAKA, 0);
        }
        // A step too small to change the count ends after the first dot.
        set_chord(f, 1000, 90, 1180, 90);
        f.HABA = 1e-6f;
        f.HOUKOU = 1;
        f.DOTTED_ARC();
    });
    EXPECT_EQ(of_kind(ops, Kind::Circle).size(), 1u);
    EXPECT_TRUE(of_kind(ops, Kind::Text).empty());
}

TEST(PointAngle, DirectionsInDegrees) {
    draw([](GeometryFigures& f) {
        const float cases[][3] = {{10, 0, 0},      {0, -10, 90}, {-10, -10, 135},
                                  {-10, 0, 180},   {0, 10, 270}, {0, 0, 180},
                                  {10, 10, 315}};
        for (const auto& c : cases) {
            set_chord(f, 0, 0, c[0], c[1]);
            f.POINT_ANGLE();
            EXPECT_NEAR(f.HH, c[2], 1e-3) << c[0] << "," << c[1];
        }
    });
}

TEST(ArcPoint, OnePointOfTheBowUnconverted) {
    const auto ops = draw([](GeometryFigures& f) {
        set_chord(f, 1000, 90, 1180, 90);
        f.TAKASA = 1;  // taken as it stands: 1 pixel
        f.KAKUDO = 90;
        f.ARC_POINT();
        EXPECT_NEAR(f.ZX, 1090, 1e-2);
        EXPECT_NEAR(f.ZY, 89, 1e-2);
        EXPECT_EQ(f.ZX0, 1000);
        EXPECT_NEAR(f.ZX1, 1090, 1e-2);  // the unturned point
        EXPECT_EQ(f.ZX2, 1090);          // the unturned centre
        EXPECT_EQ(f.TAKASA, 1);

        set_chord(f, 1000, 300, 1000, 420);  // turned a quarter down
        f.TAKASA = 20;
        f.KAKUDO = 270;
        f.ARC_POINT();
        EXPECT_NEAR(f.ZX, 980, 1e-2);
        EXPECT_NEAR(f.ZY, 360, 1e-2);
    });
    EXPECT_TRUE(ops.empty());
}

}  // namespace
