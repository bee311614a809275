// Ray directions, angle sizes, labels on the bisector and the angle marks.
#include <gtest/gtest.h>

#include "framework/platform/text.hpp"
#include "support/geometry_fixture.hpp"

namespace {

using geometry_test::draw;
using geometry_test::GeometryFigures;
using geometry_test::of_kind;
using Kind = rt::DrawOp::Kind;

constexpr float kPi = 3.14159f;

// The vertex at (500, 400) and one point on each ray, given as offsets.
void set_rays(GeometryFigures& f, float dx1, float dy1, float dx2, float dy2) {
    f.ZX0 = 500;
    f.ZY0 = 400;
    f.ZX1 = 500 + dx1;
    f.ZY1 = 400 + dy1;
    f.ZX2 = 500 + dx2;
    f.ZY2 = 400 + dy2;
}

TEST(RayAngles, DirectionsAsRadiansAndTurnFractions) {
    draw([](GeometryFigures& f) {
        struct Case {
            float dx, dy, radians, fraction;
        };
        const Case cases[] = {{10, 0, 0, 1},
                              {0, -10, kPi / 2, 0.75f},
                              {-10, 0, kPi, 0.5f},
                              {0, 10, 3 * kPi / 2, 0.25f},
                              {0, 0, kPi, 0.5f}};  // a ray point on the vertex
        for (const Case& c : cases) {
            set_rays(f, c.dx, c.dy, c.dx, c.dy);
            f.RAY_ANGLES();
            EXPECT_NEAR(f.HH3, c.radians, 1e-5) << c.dx << "," << c.dy;
            EXPECT_NEAR(f.HH1, c.fraction, 1e-5) << c.dx << "," << c.dy;
        }
        EXPECT_EQ(f.PI, kPi);

        set_rays(f, 10, 0, 0, -10);  // right, then up
        f.RAY_ANGLES();
        EXPECT_NEAR(f.HH5, kPi / 4, 1e-5);
        f.ITI = -1;
        f.RAY_ANGLES();
        EXPECT_NEAR(f.HH5, 5 * kPi / 4, 1e-5);
        EXPECT_NEAR(f.HH1, 0.75f, 1e-5);
        EXPECT_EQ(f.ITI, -1);
    });
}

TEST(AngleDegrees, SizesOfSweptAngles) {
    draw([](GeometryFigures& f) {
        auto degrees = [&](float dx1, float dy1, float dx2, float dy2, float iti) {
            set_rays(f, dx1, dy1, dx2, dy2);
            f.ITI = iti;
            f.ANGLE_DEGREES();
            return f.KAKUDO_S;
        };
        EXPECT_EQ(degrees(10, 0, 0, -10, 0), "90");  // a right angle
        EXPECT_NEAR(f.HH, 90, 1e-3);
        EXPECT_NEAR(f.HH5, kPi / 2, 1e-5);
        EXPECT_EQ(degrees(10, 0, 0, -10, -1), "270");
        EXPECT_EQ(f.ITI, -1);
        EXPECT_EQ(degrees(0, -10, 10, 0, 0), "270");  // sweeping past the direction 0
        EXPECT_EQ(degrees(10, 0, 10, -10, 0), "45");
        EXPECT_NEAR(f.HH2, 0.875f, 1e-5);
        EXPECT_EQ(degrees(10, 0, 20, 0, 0), "0");
        EXPECT_EQ(degrees(10, 0, 100 * std::cos(kPi / 6), -50, 0), "30");
        EXPECT_EQ(degrees(10, 0, std::cos(100 * kPi / 540), -std::sin(100 * kPi / 540), 0), "33.3");
    });
}

TEST(LabelAngle, PushedOutAlongTheBisector) {
    draw([](GeometryFigures& f) {
        // The pen of the label: TEXT_OUT leaves X at the pen plus the width.
        auto pen_for = [&](const std::string& label, float dx1, float dy1, float dx2, float dy2) {
            set_rays(f, dx1, dy1, dx2, dy2);
            f.AAA_S = label;
            f.LABEL_ANGLE();
            return rt::Point{f.X - f.LLT, f.Y};
        };
        auto expect_pen = [](rt::Point pen, float x, float y) {
            EXPECT_NEAR(pen.x, x, 1e-3);
            EXPECT_NEAR(pen.y, y, 1e-3);
        };
        expect_pen(pen_for("A", 10, 10, 10, -10), 500, 378);  // bisector right
        const float width = f.LLT;
        EXPECT_GT(width, 0);
        expect_pen(pen_for("A", 10, 0, -10, 0), 500 - width / 2, 356);  // up
        expect_pen(pen_for("A", 0, -10, 0, 10), 500 - width, 378);       // left
        expect_pen(pen_for("A", -10, 0, 10, 0), 500 - width / 2, 400);  // down
        EXPECT_EQ(f.DY, 22);

        f.NAGASA = 30;
        expect_pen(pen_for("A", 10, 10, 10, -10), 530, 378);
        EXPECT_EQ(f.NAGASA, 0);

        f.AAAX = 5;
        f.AAAY = -7;
        f.ITI = -1;  // the other side: the bisector points left
        expect_pen(pen_for("A", 10, 10, 10, -10), 500 - width + 5, 371);
        EXPECT_EQ(f.ITI, 0);
        EXPECT_EQ(f.AAAX, 0);
        EXPECT_EQ(f.AAAY, 0);
        EXPECT_EQ(f.AAA_S, "");

        // A stacked fraction makes the box 80 high.
        const rt::Point fraction_pen = pen_for("ﾀ1/2ﾀ", 10, 0, -10, 0);
        expect_pen(fraction_pen, 500 - f.LLT / 2, 320);
        EXPECT_EQ(f.DY, 40);
    });
}

TEST(LabelAngle, AnEmptyLabelDrawsNothing) {
    const auto ops = draw([](GeometryFigures& f) {
        set_rays(f, 10, 0, -10, 0);
        f.NAGASA = 20;
        f.LABEL_ANGLE();
        EXPECT_NEAR(f.Y, 336, 1e-3);
        EXPECT_EQ(f.NAGASA, 0);
    });
    EXPECT_TRUE(of_kind(ops, Kind::Text).empty());
}

TEST(AngleArcMark, ArcsSectorsAndTheirSide) {
    const auto ops = draw([](GeometryFigures& f) {
        auto mark = [&](float honsu, float nagasa, float iti) {
            set_rays(f, 10, 0, 0, -10);  // right, then up
            f.HONSU = honsu;
            f.NAGASA = nagasa;
            f.ITI = iti;
            f.CCC2 = 2;
            f.CCC3 = 6;
            f.ANGLE_ARC_MARK();
        };
        mark(2, 40, 0);    // radii 32 and 24
        mark(7, 40, 0);    // counts as one arc
        EXPECT_EQ(f.HONSU, 1);
        mark(2.5f, 40, 0);  // two arcs
        mark(0, 40, 0);     // a sector
        mark(2, 40, -1);    // the other three quarters
        mark(3, 12, 0);     // radii 4, -4, -12: only the first is drawn
        mark(-3, 0, 0);     // a sector of radius 0 is left out
        EXPECT_EQ(f.NAGASA, 0);
        EXPECT_EQ(f.ITI, 0);
    });
    const auto arcs = of_kind(ops, Kind::Circle);
    ASSERT_EQ(arcs.size(), 9u);
    const float radii[] = {32, 24, 32, 32, 24, 40, 32, 24, 4};
    for (size_t i = 0; i < arcs.size(); ++i) {
        EXPECT_EQ(arcs[i].r, radii[i]) << i;
        EXPECT_EQ(arcs[i].x1, 500);
        EXPECT_EQ(arcs[i].y1, 400);
    }
    EXPECT_NEAR(arcs[0].start, 0.75f, 1e-5);
    EXPECT_NEAR(arcs[0].end, 1, 1e-5);
    EXPECT_EQ(arcs[0].colour, 6);
    EXPECT_EQ(arcs[0].fill, rt::kNoFill);
    EXPECT_EQ(arcs[5].colour, 2);  // the sector: border CCC2, fill CCC3
    EXPECT_EQ(arcs[5].fill, 6);
    EXPECT_NEAR(arcs[6].start, 1, 1e-5);
    EXPECT_NEAR(arcs[6].end, 0.75f, 1e-5);
}

TEST(RightAngleMark, SidesAwayFromTheRays) {
    const auto ops = draw([](GeometryFigures& f) {
        set_rays(f, 10, 0, 0, -10);
        f.NAGASA = 20;
        f.CCC2 = 5;
        f.RIGHT_ANGLE_MARK();
        f.ITI = -1;
        f.RIGHT_ANGLE_MARK();
        EXPECT_EQ(f.NAGASA, 20);
        EXPECT_EQ(f.ITI, -1);
    });
    const auto marks = of_kind(ops, Kind::Polyline);
    ASSERT_EQ(marks.size(), 2u);
    const rt::Point expected[] = {{520, 400}, {520, 380}, {500, 380}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(marks[0].points[i].x, expected[i].x, 1e-3);
        EXPECT_NEAR(marks[0].points[i].y, expected[i].y, 1e-3);
        EXPECT_NEAR(marks[1].points[2 - i].x, expected[i].x, 1e-3);
        EXPECT_NEAR(marks[1].points[2 - i].y, expected[i].y, 1e-3);
    }
    EXPECT_EQ(marks[0].colour, 5);
    EXPECT_EQ(marks[0].fill, rt::kNoFill);
}

}  // namespace
