// Grid frames and polygons with labelled vertices.
#include <gtest/gtest.h>

#include "support/geometry_fixture.hpp"

namespace {

using geometry_test::draw;
using geometry_test::GeometryFigures;
using geometry_test::of_kind;
using Kind = rt::DrawOp::Kind;

void set_frame(GeometryFigures& f, float colour) {
    f.GGX = 1000;
    f.GGY = 30;
    f.YOKO = 4;
    f.TATE = 4;
    f.SIZE = 60;
    f.CCC2 = colour;
    f.CCC3 = 9;
}

// The rectangle (880, 100) - (1180, 280), its corners listed counter-clockwise
// on the screen.
void set_rectangle(GeometryFigures& f) {
    const float corners[4][2] = {{880, 100}, {880, 280}, {1180, 280}, {1180, 100}};
    for (int i = 1; i <= 4; ++i) {
        f.G_A(1, i) = corners[i - 1][0];
        f.G_A(2, i) = corners[i - 1][1];
    }
    f.KAKU = 4;
    f.SIZE1 = 5;
    f.CCC2 = 0;
}

TEST(DrawGrid, AFrameWithoutLines) {
    const auto ops = draw([](GeometryFigures& f) {
        set_frame(f, 15);
        f.DRAW_GRID();
        EXPECT_EQ(f.GX1, 1000);
        EXPECT_EQ(f.GY1, 30);
        EXPECT_EQ(f.GX2, 1240);
        EXPECT_EQ(f.GY2, 270);
        EXPECT_EQ(f.GX0, 1000);
        EXPECT_EQ(f.GY0, 270);
        EXPECT_EQ(f.CCC3, 9);
    });
    EXPECT_TRUE(ops.empty());
}

TEST(DrawGrid, AFrameWithLinesThickEveryFifth) {
    const auto ops = draw([](GeometryFigures& f) {
        rt::SET_DRAW_WIDTH(7);
        set_frame(f, 0);
        f.DRAW_GRID();
        EXPECT_EQ(f.CCC3, 14);
        EXPECT_EQ(f.GY0, 270);
        EXPECT_EQ(rt::GET_DRAW_WIDTH(), 7);
    });
    const auto lines = of_kind(ops, Kind::Line);
    ASSERT_EQ(lines.size(), 10u);
    for (int i = 0; i < 5; ++i) {
        const auto& v = lines[i];
        EXPECT_EQ(v.x1, 1000 + 60 * i);
        EXPECT_EQ(v.x2, v.x1);
        EXPECT_EQ(v.y1, 30);
        EXPECT_EQ(v.y2, 270);
        const auto& h = lines[5 + i];
        EXPECT_EQ(h.y1, 270 - 60 * i);  // bottom to top
        EXPECT_EQ(h.y2, h.y1);
        EXPECT_EQ(h.x1, 1000);
        EXPECT_EQ(h.x2, 1240);
        const bool thick = i == 0;
        EXPECT_EQ(v.width, thick ? 3 : 1);
        EXPECT_EQ(v.colour, thick ? 14 : 0);
        EXPECT_EQ(h.width, thick ? 3 : 1);
        EXPECT_EQ(h.colour, thick ? 14 : 0);
    }
}

TEST(DrawGrid, TenColumnsHaveThreeThickLines) {
    const auto ops = draw([](GeometryFigures& f) {
        set_frame(f, 2);
        f.YOKO = 10;
        f.TATE = 1;
        f.DRAW_GRID();
    });
    const auto lines = of_kind(ops, Kind::Line);
    ASSERT_EQ(lines.size(), 13u);
    std::vector<float> thick;
    for (int i = 0; i < 11; ++i) {
        if (lines[i].width == 3) thick.push_back(lines[i].x1);
    }
    EXPECT_EQ(thick, (std::vector<float>{1000, 1300, 1600}));
}

TEST(DrawPolygon, ClosedOutlineWithoutLabels) {
    const auto ops = draw([](GeometryFigures& f) {
        set_rectangle(f);
        f.NAGASA = 10;
        f.DRAW_POLYGON();
        EXPECT_EQ(f.NAGASA, 10);
        EXPECT_EQ(rt::GET_DRAW_WIDTH(), 3);
    });
    const auto edges = of_kind(ops, Kind::Line);
    ASSERT_EQ(edges.size(), 4u);
    EXPECT_EQ(edges[3].x1, 1180);  // the last edge closes back to vertex 1
    EXPECT_EQ(edges[3].x2, 880);
    EXPECT_EQ(edges[3].y2, 100);
    for (const auto& e : edges) {
        EXPECT_EQ(e.width, 5);
        EXPECT_EQ(e.colour, 0);
    }
    EXPECT_TRUE(of_kind(ops, Kind::Text).empty());
}

TEST(DrawPolygon, LetteredVerticesOutsideWithTheWidthRestored) {
    const auto ops = draw([](GeometryFigures& f) {
        rt::SET_DRAW_WIDTH(2);
        set_rectangle(f);
        f.AAA_S = "A";
        f.NAGASA = 10;
        f.CCC1 = 3;
        f.DRAW_POLYGON();
        EXPECT_EQ(f.AAA_S, "");
        EXPECT_EQ(f.NAGASA, 0);
        EXPECT_EQ(f.ITI, 0);
        EXPECT_EQ(rt::GET_DRAW_WIDTH(), 2);
    });
    // Each letter is drawn wholly outside the rectangle, near its own corner.
    const std::string letters = "ABCD";
    const float corners[4][2] = {{880, 100}, {880, 280}, {1180, 280}, {1180, 100}};
    int seen = 0;
    for (const auto& op : of_kind(ops, Kind::Text)) {
        if (op.y1 >= 900) continue;  // measuring below the page
        const auto at = letters.find(op.text);
        ASSERT_NE(at, std::string::npos) << op.text;
        ++seen;
        const float right = op.x1 + op.size * op.h / 2;
        const float bottom = op.y1 + op.size * op.v;
        EXPECT_TRUE(right <= 880 || op.x1 >= 1180 || bottom <= 100 || op.y1 >= 280) << op.text;
        EXPECT_NEAR(op.x1, corners[at][0], 60) << op.text;
        EXPECT_NEAR(op.y1, corners[at][1], 60) << op.text;
        EXPECT_EQ(op.colour, 3);
    }
    EXPECT_EQ(seen, 4);
}

TEST(DrawPolygon, ListLabelsAndOutOfRangeCounts) {
    const auto ops = draw([](GeometryFigures& f) {
        f.X_A_S(1) = "P";
        f.X_A_S(2) = "Q";
        f.X_A_S(3) = "R";
        set_rectangle(f);
        f.KAKU = 3;
        f.AAA_S = "1";
        f.DRAW_POLYGON();
        // Counts outside 2 to 10 are brought into it: no reading past G().
        set_rectangle(f);
        f.KAKU = 25;
        f.DRAW_POLYGON();
        EXPECT_EQ(f.KAKU, 10);
        f.KAKU = 1;
        f.DRAW_POLYGON();
        EXPECT_EQ(f.KAKU, 2);
    });
    std::string labels;
    for (const auto& op : of_kind(ops, Kind::Text)) {
        if (op.y1 < 900) labels += op.text;
    }
    EXPECT_EQ(labels, "PQR");
    EXPECT_EQ(of_kind(ops, Kind::Line).size(), 3u + 10u + 2u);
}

TEST(DrawPolygon, LettersStayWithinTheirRun) {
    const auto ops = draw([](GeometryFigures& f) {
        for (const char* first : {"Y", "x", "9", "あ", "}"}) {
            set_rectangle(f);
            f.AAA_S = first;
            f.DRAW_POLYGON();
        }
    });
    std::string labels;
    for (const auto& op : of_kind(ops, Kind::Text)) {
        if (op.y1 < 900) labels += op.text;
    }
    EXPECT_EQ(labels, "YZABxyza9012ABCDABCD");
}

}  // namespace
