// Line geometry and the segment marks.
#include <gtest/gtest.h>

#include "support/geometry_fixture.hpp"

namespace {

using geometry_test::draw;
using geometry_test::GeometryFigures;
using geometry_test::of_kind;
using Kind = rt::DrawOp::Kind;

void set_line(GeometryFigures& f, float ax, float ay, float bx, float by) {
    f.AX = ax;
    f.AY = ay;
    f.BX = bx;
    f.BY = by;
}

void expect_line(const rt::DrawOp& op, float x1, float y1, float x2, float y2) {
    EXPECT_NEAR(op.x1, x1, 1e-3);
    EXPECT_NEAR(op.y1, y1, 1e-3);
    EXPECT_NEAR(op.x2, x2, 1e-3);
    EXPECT_NEAR(op.y2, y2, 1e-3);
}

TEST(PerpendicularFoot, SlopedVerticalHorizontalAndDegenerateLines) {
    const auto ops = draw([](GeometryFigures& f) {
        set_line(f, 100, 100, 300, 300);
        f.CX = 300;
        f.CY = 100;
        f.PERPENDICULAR_FOOT();
        EXPECT_NEAR(f.EX, 200, 1e-3);
        EXPECT_NEAR(f.EY, 200, 1e-3);
        EXPECT_EQ(f.AA1, 1);
        EXPECT_EQ(f.BB1, 0);
        EXPECT_EQ(f.AA2, -1);
        EXPECT_EQ(f.BB2, 400);

        // Axis-parallel lines leave the slope values alone.
        set_line(f, 200, 100, 200, 400);
        f.CX = 350;
        f.CY = 260;
        f.PERPENDICULAR_FOOT();
        EXPECT_EQ(f.EX, 200);
        EXPECT_EQ(f.EY, 260);
        set_line(f, 100, 250, 400, 250);
        f.CX = 150;
        f.CY = 90;
        f.PERPENDICULAR_FOOT();
        EXPECT_EQ(f.EX, 150);
        EXPECT_EQ(f.EY, 250);
        EXPECT_EQ(f.AA1, 1);
        EXPECT_EQ(f.BB2, 400);

        set_line(f, 120, 130, 120, 130);  // two equal points: taken as vertical
        f.PERPENDICULAR_FOOT();
        EXPECT_EQ(f.EX, 120);
        EXPECT_EQ(f.EY, 90);
    });
    const auto dots = of_kind(ops, Kind::Circle);
    ASSERT_EQ(dots.size(), 4u);
    EXPECT_NEAR(dots[0].x1, 200, 1e-3);
    EXPECT_EQ(dots[0].r, 2);
    EXPECT_EQ(dots[0].colour, 15);
    EXPECT_EQ(dots[0].fill, 15);
}

TEST(LineIntersection, MeetingPointsAndParallels) {
    draw([](GeometryFigures& f) {
        auto meet = [&](float ax, float ay, float bx, float by, float cx, float cy, float dx, float dy) {
            set_line(f, ax, ay, bx, by);
            f.CX = cx;
            f.CY = cy;
            f.DX = dx;
            f.DY = dy;
            f.LINE_INTERSECTION();
        };
        meet(100, 100, 300, 300, 100, 300, 300, 100);
        EXPECT_NEAR(f.AX2, 200, 1e-3);
        EXPECT_NEAR(f.AY2, 200, 1e-3);
        EXPECT_EQ(f.A1, 1);
        EXPECT_EQ(f.B1, 0);
        EXPECT_EQ(f.A2, -1);
        EXPECT_EQ(f.B2, 400);

        meet(200, 100, 200, 400, 100, 100, 300, 300);  // AB vertical
        EXPECT_EQ(f.A1, 1000);
        EXPECT_EQ(f.AX2, 200);
        EXPECT_EQ(f.AY2, 200);

        meet(100, 250, 400, 250, 300, 100, 300, 400);  // horizontal and vertical
        EXPECT_EQ(f.A1, 0);
        EXPECT_EQ(f.B1, 250);
        EXPECT_EQ(f.A2, 1000);
        EXPECT_EQ(f.AX2, 300);
        EXPECT_EQ(f.AY2, 250);

        f.AX2 = 7;
        f.AY2 = 8;
        meet(100, 100, 200, 200, 100, 200, 200, 300);
        EXPECT_EQ(f.AX1, 10000);
        EXPECT_EQ(f.AY1, 10000);
        EXPECT_EQ(f.AX2, 7);
        EXPECT_EQ(f.AY2, 8);

        // A line of slope exactly 1000 is not taken for a vertical one.
        meet(0, 0, 1, 1000, 5, 0, 5, 10);
        EXPECT_EQ(f.AX2, 5);
        EXPECT_EQ(f.AY2, 5000);
    });
}

TEST(LinePoint, GivenXOrGivenY) {
    draw([](GeometryFigures& f) {
        set_line(f, 100, 100, 300, 300);
        f.CX = -1;
        f.CY = 250;
        f.LINE_POINT();
        EXPECT_EQ(f.X1, 250);
        EXPECT_EQ(f.Y1, 250);
        f.CX = 120;
        f.CY = -1;
        f.LINE_POINT();
        EXPECT_EQ(f.X1, 120);
        EXPECT_EQ(f.Y1, 120);
        f.CX = 120;
        f.CY = 250;  // nothing sought: the point stays
        f.LINE_POINT();
        EXPECT_EQ(f.X1, 120);
        EXPECT_EQ(f.Y1, 120);

        set_line(f, 200, 100, 200, 400);
        f.CX = -1;
        f.CY = 250;
        f.LINE_POINT();
        EXPECT_EQ(f.X1, 200);
        EXPECT_EQ(f.Y1, 250);
        set_line(f, 100, 250, 400, 250);
        f.CX = 300;
        f.CY = -1;
        f.LINE_POINT();
        EXPECT_EQ(f.X1, 300);
        EXPECT_EQ(f.Y1, 250);
    });
}

TEST(SegmentMarks, ChevronsPastTheDivisionPoint) {
    const auto ops = draw([](GeometryFigures& f) {
        set_line(f, 100, 200, 300, 200);
        f.A = 1;
        f.B = 1;
        f.NAGASA = 10;
        f.HONSU = 2;
        f.SEGMENT_CHEVRONS();
        f.HONSU = 0;  // one chevron, a quarter of the way along
        f.A = 1;
        f.B = 3;
        f.SEGMENT_CHEVRONS();
        EXPECT_EQ(f.HONSU, 1);
        EXPECT_EQ(f.NAGASA, 10);
    });
    const auto lines = of_kind(ops, Kind::Line);
    ASSERT_EQ(lines.size(), 6u);
    expect_line(lines[0], 206, 205, 216, 200);
    expect_line(lines[1], 206, 195, 216, 200);
    expect_line(lines[2], 222, 205, 232, 200);
    expect_line(lines[3], 222, 195, 232, 200);
    expect_line(lines[4], 156, 205, 166, 200);
}

TEST(SegmentMarks, TicksAcrossNearTheMidpoint) {
    const auto ops = draw([](GeometryFigures& f) {
        set_line(f, 100, 200, 300, 200);
        f.AIDA = 0;
        f.HONSU = 2;
        f.NAGASA = 6;
        f.EQUAL_TICKS();
        EXPECT_EQ(f.AIDA, 24);
        f.AIDA = 8;
        f.ITI = -12;  // centred on the midpoint
        f.EQUAL_TICKS();
        f.ITI = 0;
        f.AIDA = 31;  // too wide: 8
        f.HONSU = 0;  // still one tick
        f.EQUAL_TICKS();
        EXPECT_EQ(f.HONSU, 0);
        EXPECT_EQ(f.AIDA, 16);
    });
    const auto lines = of_kind(ops, Kind::Line);
    ASSERT_EQ(lines.size(), 5u);
    expect_line(lines[0], 208, 194, 208, 206);
    expect_line(lines[1], 216, 194, 216, 206);
    EXPECT_NEAR(lines[2].x1, 196, 1e-3);
    EXPECT_NEAR(lines[3].x1, 204, 1e-3);
    EXPECT_NEAR(lines[4].x1, 208, 1e-3);
}

TEST(SegmentMarks, NoMarksWithoutALengthOrARatio) {
    const auto ops = draw([](GeometryFigures& f) {
        set_line(f, 150, 150, 150, 150);
        f.A = 1;
        f.B = 1;
        f.NAGASA = 10;
        f.HONSU = 2;
        f.SEGMENT_CHEVRONS();
        f.EQUAL_TICKS();
        set_line(f, 100, 200, 300, 200);
        f.A = 2;
        f.B = -2;
        f.SEGMENT_CHEVRONS();
    });
    EXPECT_TRUE(of_kind(ops, Kind::Line).empty());
}

}  // namespace
