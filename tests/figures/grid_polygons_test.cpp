// Grid frames and polygons with labelled vertices.
#include <gtest/gtest.h>

#include "support/geometry_fixture.hpp"

namespace {

using geometry_test::draw;
using geometry_test::GeometryFigures;
using geometry_test::ops_of;
using geometry_test::visible_text;
using Kind = rt::DrawOp::Kind;

void set_frame(GeometryFigures& f, float colour, float yoko = 4) {
    f.GGX = 1000, f.GGY = 30, f.YOKO = yoko, f.TATE = 4, f.SIZE = 60, f.CCC2 = colour, f.CCC3 = 9;
}

// The rectangle (880, 100) - (1180, 280), its corners listed counter-clockwise
// on the screen.
const float kCorners[4][2] = {{880, 100}, {880, 280}, {1180, 280}, {1180, 100}};
void set_rectangle(GeometryFigures& f, const char* labels) {
    for (int i = 1; i <= 4; ++i) f.G_A(1, i) = kCorners[i - 1][0], f.G_A(2, i) = kCorners[i - 1][1];
    f.KAKU = 4, f.SIZE1 = 5, f.CCC2 = 0, f.CCC1 = 3, f.NAGASA = 10, f.AAA_S = labels;
}

TEST(DrawGrid, AFrameWithAndWithoutLines) {
    const auto ops = draw([](GeometryFigures& f) {
        set_frame(f, 15);
        f.DRAW_GRID();
        EXPECT_EQ(f.GX2, 1240);
        EXPECT_EQ(f.GY2, 270);
        EXPECT_EQ(f.GX0, 1000);
        EXPECT_EQ(f.GY0, 270);
        EXPECT_EQ(f.CCC3, 9);
        EXPECT_TRUE(rt::recorded_ops().empty());
        rt::SET_DRAW_WIDTH(7);
        set_frame(f, 0);
        f.DRAW_GRID();
        EXPECT_EQ(f.CCC3, 14);
        EXPECT_EQ(rt::GET_DRAW_WIDTH(), 7);
        set_frame(f, 2, 10);
        f.DRAW_GRID();
    });
    const auto lines = ops_of(ops, Kind::Line);
    ASSERT_EQ(lines.size(), 10u + 16u);
    for (int i = 0; i < 5; ++i) {
        const auto& v = lines[i];      // left to right
        const auto& h = lines[5 + i];  // bottom to top
        EXPECT_EQ(v.x1, 1000 + 60 * i);
        EXPECT_EQ(v.x2, v.x1);
        EXPECT_EQ(v.y2, 270);
        EXPECT_EQ(h.y1, 270 - 60 * i);
        EXPECT_EQ(h.x2, 1240);
        EXPECT_EQ(v.width, i == 0 ? 3 : 1);
        EXPECT_EQ(h.colour, i == 0 ? 14 : 0);
    }
    std::vector<float> thick;  // of the ten columns
    for (int i = 10; i < 21; ++i) {
        if (lines[i].width == 3) thick.push_back(lines[i].x1);
    }
    EXPECT_EQ(thick, (std::vector<float>{1000, 1300, 1600}));
}

TEST(DrawPolygon, OutlineAndLetteredVerticesWithTheWidthRestored) {
    const auto ops = draw([](GeometryFigures& f) {
        set_rectangle(f, "");
        f.DRAW_POLYGON();
        EXPECT_EQ(f.NAGASA, 10);
        EXPECT_EQ(rt::GET_DRAW_WIDTH(), 3);
        rt::SET_DRAW_WIDTH(2);
        set_rectangle(f, "A");
        f.DRAW_POLYGON();
        EXPECT_EQ(f.AAA_S, "");
        EXPECT_EQ(f.NAGASA, 0);
        EXPECT_EQ(rt::GET_DRAW_WIDTH(), 2);
    });
    const auto edges = ops_of(ops, Kind::Line);
    ASSERT_EQ(edges.size(), 8u);
    EXPECT_EQ(edges[3].x1, 1180);  // the last edge closes back to vertex 1
    EXPECT_EQ(edges[3].x2, 880);
    EXPECT_EQ(edges[3].width, 5);
    // Each letter is drawn wholly outside the rectangle, near its own corner.
    EXPECT_EQ(visible_text(ops), "ABCD");
    for (const auto& op : ops_of(ops, Kind::Text)) {
        const auto* corner = kCorners[op.text[0] - 'A'];
        const float right = op.x1 + op.size * op.h / 2;
        const float bottom = op.y1 + op.size * op.v;
        EXPECT_TRUE(right <= 880 || op.x1 >= 1180 || bottom <= 100 || op.y1 >= 280) << op.text;
        EXPECT_NEAR(op.x1, corner[0], 60) << op.text;
        EXPECT_NEAR(op.y1, corner[1], 60) << op.text;
        EXPECT_EQ(op.colour, 3);
    }
}

TEST(DrawPolygon, ListLabelsCountsAndLetterRuns) {
    const auto ops = draw([](GeometryFigures& f) {
        f.X_A_S(1) = "P", f.X_A_S(2) = "Q", f.X_A_S(3) = "R";
        set_rectangle(f, "1");
        f.KAKU = 3;
        f.DRAW_POLYGON();
        // Counts outside 2 to 10 are brought into it: nothing reads past G().
        set_rectangle(f, "");
        f.KAKU = 25;
        f.DRAW_POLYGON();
        EXPECT_EQ(f.KAKU, 10);
        set_rectangle(f, "Y");
        f.KAKU = 1;
        f.DRAW_POLYGON();
        EXPECT_EQ(f.KAKU, 2);
        for (const char* first : {"x", "9", "あ"}) {
            set_rectangle(f, first);
            f.DRAW_POLYGON();
        }
    });
    EXPECT_EQ(visible_text(ops), "PQRYZxyza9012ABCD");
    EXPECT_EQ(ops_of(ops, Kind::Line).size(), 3u + 10u + 2u + 12u);
}

}  // namespace
