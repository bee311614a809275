// Ray directions, angle sizes, labels on the bisector and the angle marks.
#include <gtest/gtest.h>

#include "support/geometry_fixture.hpp"

namespace {

using geometry_test::draw;
using geometry_test::GeometryFigures;
using geometry_test::ops_of;
using Kind = rt::DrawOp::Kind;

constexpr float kPi = 3.14159f;

// The vertex at (500, 400) and one point on each ray, given as offsets.
void set_rays(GeometryFigures& f, float dx1, float dy1, float dx2, float dy2, float iti = 0) {
    f.ZX0 = 500, f.ZY0 = 400, f.ZX1 = 500 + dx1, f.ZY1 = 400 + dy1;
    f.ZX2 = 500 + dx2, f.ZY2 = 400 + dy2, f.ITI = iti;
}

TEST(RayAngles, DirectionsTurnFractionsAndDegrees) {
    draw([](GeometryFigures& f) {
        const float rays[][4] = {{10, 0, 0, 1},
                                 {0, -10, kPi / 2, 0.75f},
                                 {-10, 0, kPi, 0.5f},
                                 {0, 10, 3 * kPi / 2, 0.25f},
                                 {0, 0, kPi, 0.5f}};  // a ray point on the vertex
        for (const auto& r : rays) {
            set_rays(f, r[0], r[1], r[0], r[1]);
            f.RAY_ANGLES();
            EXPECT_NEAR(f.HH3, r[2], 1e-5) << r[0] << "," << r[1];
            EXPECT_NEAR(f.HH1, r[3], 1e-5) << r[0] << "," << r[1];
        }
        auto degrees = [&](float dx1, float dy1, float dx2, float dy2, float iti) {
            set_rays(f, dx1, dy1, dx2, dy2, iti);
            f.ANGLE_DEGREES();
            return f.KAKUDO_S;
        };
        EXPECT_EQ(degrees(10, 0, 0, -10, 0), "90");  // a right angle
        EXPECT_NEAR(f.HH5, kPi / 2, 1e-5);
        EXPECT_EQ(degrees(10, 0, 0, -10, -1), "270");
        EXPECT_EQ(f.ITI, -1);
        EXPECT_EQ(degrees(0, -10, 10, 0, 0), "270");  // sweeping past the direction 0
        EXPECT_EQ(degrees(10, 0, 10, -10, 0), "45");
        EXPECT_EQ(degrees(10, 0, 20, 0, 0), "0");
        EXPECT_EQ(
            degrees(10, 0, 100 * std::cos(100 * kPi / 540), -100 * std::sin(100 * kPi / 540), 0),
            "33.3");
    });
}

TEST(LabelAngle, PushedOutAlongTheBisector) {
    const auto ops = draw([](GeometryFigures& f) {
        // The pen of the label: TEXT_OUT leaves X at the pen plus the width.
        auto expect_pen = [&](const char* label, float dx1, float dy1, float dx2, float dy2,
                              float x, float y) {
            set_rays(f, dx1, dy1, dx2, dy2, f.ITI);
            f.AAA_S = label;
            f.LABEL_ANGLE();
            EXPECT_NEAR(f.X - f.LLT, x, 1e-3) << dx1 << "," << dy1 << " " << dx2 << "," << dy2;
            EXPECT_NEAR(f.Y, y, 1e-3) << dx1 << "," << dy1 << " " << dx2 << "," << dy2;
        };
        expect_pen("A", 10, 10, 10, -10, 500, 378);  // bisector right
        const float w = f.LLT;
        expect_pen("A", 10, 0, -10, 0, 500 - w / 2, 356);  // up
        expect_pen("A", 0, -10, 0, 10, 500 - w, 378);      // left
        expect_pen("A", -10, 0, 10, 0, 500 - w / 2, 400);  // down
        f.NAGASA = 30;
        expect_pen("A", 10, 10, 10, -10, 530, 378);
        f.AAAX = 5, f.AAAY = -7, f.ITI = -1;  // the other side: the bisector points left
        expect_pen("A", 10, 10, 10, -10, 500 - w + 5, 371);
        EXPECT_EQ(f.ITI, 0);
        EXPECT_EQ(f.AAAX, 0);
        EXPECT_EQ(f.NAGASA, 0);
        EXPECT_EQ(f.AAA_S, "");
        set_rays(f, 10, 0, -10, 0);
        f.AAA_S = "ﾀ1/2ﾀ";  // a stacked fraction: a box 80 high
        f.LABEL_ANGLE();
        EXPECT_NEAR(f.Y, 320, 1e-3);
        const auto before_empty = rt::recorded_ops().size();
        f.NAGASA = 20;  // an empty label draws nothing but still moves the pen
        f.LABEL_ANGLE();
        EXPECT_NEAR(f.Y, 336, 1e-3);
        EXPECT_EQ(rt::recorded_ops().size(), before_empty);
    });
    EXPECT_FALSE(ops_of(ops, Kind::Text).empty());
}

TEST(AngleMarks, ArcsSectorsRightAngles) {
    const auto ops = draw([](GeometryFigures& f) {
        auto mark = [&](float honsu, float nagasa, float iti) {
            set_rays(f, 10, 0, 0, -10, iti);  // right, then up
            f.HONSU = honsu, f.NAGASA = nagasa, f.CCC2 = 2, f.CCC3 = 6;
            f.ANGLE_ARC_MARK();
        };
        mark(2, 40, 0);  // radii 32 and 24
        mark(7, 40, 0);  // counts as one arc
        EXPECT_EQ(f.HONSU, 1);
        mark(2.5f, 40, 0);  // two arcs
        mark(0, 40, 0);     // a sector
        mark(2, 40, -1);    // the other three quarters
        mark(3, 12, 0);     // radii 4, -4, -12: only the first is drawn
        mark(-3, 0, 0);     // a sector of radius 0 is left out
        EXPECT_EQ(f.NAGASA, 0);
        set_rays(f, 10, 0, 0, -10);
        f.NAGASA = 20, f.CCC2 = 5;
        f.RIGHT_ANGLE_MARK();
        f.ITI = -1;
        f.RIGHT_ANGLE_MARK();
        EXPECT_EQ(f.NAGASA, 20);
    });
    const auto arcs = ops_of(ops, Kind::Circle);
    ASSERT_EQ(arcs.size(), 9u);
    const float radii[] = {32, 24, 32, 32, 24, 40, 32, 24, 4};
    for (size_t i = 0; i < arcs.size(); ++i) EXPECT_EQ(arcs[i].r, radii[i]) << i;
    EXPECT_NEAR(arcs[0].start, 0.75f, 1e-5);
    EXPECT_NEAR(arcs[0].end, 1, 1e-5);
    EXPECT_EQ(arcs[0].colour, 6);
    EXPECT_EQ(arcs[5].colour, 2);  // the sector: border CCC2, fill CCC3
    EXPECT_EQ(arcs[5].fill, 6);
    EXPECT_NEAR(arcs[6].start, 1, 1e-5);
    EXPECT_NEAR(arcs[6].end, 0.75f, 1e-5);

    const auto marks = ops_of(ops, Kind::Polyline);
    ASSERT_EQ(marks.size(), 2u);
    const rt::Point corners[] = {{520, 400}, {520, 380}, {500, 380}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(marks[0].points[i].x, corners[i].x, 1e-3);
        EXPECT_NEAR(marks[0].points[i].y, corners[i].y, 1e-3);
        EXPECT_NEAR(marks[1].points[2 - i].x, corners[i].x, 1e-3);  // reversed
        EXPECT_NEAR(marks[1].points[2 - i].y, corners[i].y, 1e-3);
    }
}

}  // namespace
