// Line geometry and the segment marks.
#include <gtest/gtest.h>

#include "support/geometry_fixture.hpp"

namespace {

using geometry_test::draw;
using geometry_test::GeometryFigures;
using geometry_test::ops_of;
using Kind = rt::DrawOp::Kind;

// Points A, B and C, D of the line routines.
void set_points(GeometryFigures& f, float ax, float ay, float bx, float by, float cx = 0,
                float cy = 0, float dx = 0, float dy = 0) {
    f.AX = ax, f.AY = ay, f.BX = bx, f.BY = by, f.CX = cx, f.CY = cy, f.DX = dx, f.DY = dy;
}

void expect_line(const rt::DrawOp& op, float x1, float y1, float x2, float y2) {
    EXPECT_NEAR(op.x1, x1, 1e-3);
    EXPECT_NEAR(op.y1, y1, 1e-3);
    EXPECT_NEAR(op.x2, x2, 1e-3);
    EXPECT_NEAR(op.y2, y2, 1e-3);
}

TEST(LineGeometry, PerpendicularFootOnSlopedAndAxisLines) {
    const auto ops = draw([](GeometryFigures& f) {
        set_points(f, 100, 100, 300, 300, 300, 100);
        f.PERPENDICULAR_FOOT();
        EXPECT_NEAR(f.EX, 200, 1e-3);
        EXPECT_NEAR(f.EY, 200, 1e-3);
        EXPECT_EQ(f.AA2, -1);
        EXPECT_EQ(f.BB2, 400);
        set_points(f, 200, 100, 200, 400, 350, 260);  // vertical
        f.PERPENDICULAR_FOOT();
        EXPECT_EQ(f.EX, 200);
        EXPECT_EQ(f.EY, 260);
        set_points(f, 100, 250, 400, 250, 150, 90);  // horizontal: slopes untouched
        f.PERPENDICULAR_FOOT();
        EXPECT_EQ(f.EX, 150);
        EXPECT_EQ(f.EY, 250);
        EXPECT_EQ(f.AA1, 1);
    });
    const auto dots = ops_of(ops, Kind::Circle);
    ASSERT_EQ(dots.size(), 3u);
    EXPECT_EQ(dots[0].r, 2);
    EXPECT_EQ(dots[0].fill, 15);
}

TEST(LineGeometry, IntersectionsParallelsAndGivenCoordinates) {
    draw([](GeometryFigures& f) {
        set_points(f, 100, 100, 300, 300, 100, 300, 300, 100);
        f.LINE_INTERSECTION();
        EXPECT_NEAR(f.AX2, 200, 1e-3);
        EXPECT_NEAR(f.AY2, 200, 1e-3);
        EXPECT_EQ(f.B2, 400);
        set_points(f, 100, 250, 400, 250, 300, 100, 300, 400);  // horizontal, vertical
        f.LINE_INTERSECTION();
        EXPECT_EQ(f.A2, 1000);
        EXPECT_EQ(f.AX2, 300);
        EXPECT_EQ(f.AY2, 250);
        f.AY2 = 8;
        set_points(f, 100, 100, 200, 200, 100, 200, 200, 300);  // parallel
        f.LINE_INTERSECTION();
        EXPECT_EQ(f.AX1, 10000);
        EXPECT_EQ(f.AY2, 8);
        set_points(f, 0, 0, 1, 1000, 5, 0, 5, 10);  // slope 1000 is not vertical
        f.LINE_INTERSECTION();
        EXPECT_EQ(f.AY2, 5000);

        set_points(f, 100, 100, 300, 300, -1, 250);
        f.LINE_POINT();
        EXPECT_EQ(f.X1, 250);
        set_points(f, 100, 100, 300, 300, 120, -1);
        f.LINE_POINT();
        EXPECT_EQ(f.Y1, 120);
        set_points(f, 100, 100, 300, 300, 130, 250);  // nothing sought: kept
        f.LINE_POINT();
        EXPECT_EQ(f.X1, 120);
        set_points(f, 200, 100, 200, 400, -1, 250);
        f.LINE_POINT();
        EXPECT_EQ(f.X1, 200);
        EXPECT_EQ(f.Y1, 250);
    });
}

TEST(SegmentMarks, ChevronsAndTicks) {
    const auto ops = draw([](GeometryFigures& f) {
        set_points(f, 100, 200, 300, 200);
        f.A = 1, f.B = 1, f.NAGASA = 10, f.HONSU = 2;
        f.SEGMENT_CHEVRONS();
        f.A = 1, f.B = 3, f.HONSU = 0;  // one chevron, a quarter of the way along
        f.SEGMENT_CHEVRONS();
        EXPECT_EQ(f.HONSU, 1);
        f.AIDA = 0, f.HONSU = 2, f.NAGASA = 6;
        f.EQUAL_TICKS();
        EXPECT_EQ(f.AIDA, 24);
        f.AIDA = 8, f.ITI = -12;  // centred on the midpoint
        f.EQUAL_TICKS();
        EXPECT_EQ(f.ITI, -12);
    });
    const auto lines = ops_of(ops, Kind::Line);
    ASSERT_EQ(lines.size(), 10u);
    expect_line(lines[0], 206, 205, 216, 200);
    expect_line(lines[1], 206, 195, 216, 200);
    expect_line(lines[3], 222, 195, 232, 200);
    expect_line(lines[4], 156, 205, 166, 200);
    expect_line(lines[6], 208, 194, 208, 206);
    expect_line(lines[7], 216, 194, 216, 206);
    EXPECT_NEAR(lines[8].x1, 196, 1e-3);
    EXPECT_NEAR(lines[9].x1, 204, 1e-3);
}

TEST(SegmentMarks, NothingWithoutALengthOrARatio) {
    const auto ops = draw([](GeometryFigures& f) {
        set_points(f, 150, 150, 150, 150);
        f.A = 1, f.B = 1, f.NAGASA = 10, f.HONSU = 2;
        f.SEGMENT_CHEVRONS();
        f.EQUAL_TICKS();
        set_points(f, 100, 200, 300, 200);
        f.A = 2, f.B = -2;
        f.SEGMENT_CHEVRONS();
    });
    EXPECT_TRUE(ops_of(ops, Kind::Line).empty());
}

}  // namespace
