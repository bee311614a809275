// Table cells: boxes, the pen left for the next cell, and where the text
// stands inside the box.
#include <gtest/gtest.h>

#include "support/headless_figures.hpp"

namespace {

class TableCellTest : public test_support::HeadlessFigures {
protected:
    // A cell's inputs as the lessons set them.
    void cell_at(float x, float y, float width, float height, const std::string& text) {
        f.X = x;
        f.Y = y;
        f.HABA = width;
        f.TATE = height;
        f.A_S = text;
        f.CCC1 = 0;
        f.CCC2 = 0;
        f.CCC3 = 13;
    }
};

TEST_F(TableCellTest, RowOfCellsSharesBordersAndAdvancesThePen) {
    draw([&] {
        cell_at(100, 200, 81, 50, "1");
        f.TABLE_CELL();
        f.A_S = "2";
        f.TABLE_CELL();
        f.A_S = "3";
        f.TABLE_CELL();
    });
    ASSERT_FALSE(error) << *error;
    EXPECT_FLOAT_EQ(f.X, 343);
    EXPECT_FLOAT_EQ(f.Y, 200);
    EXPECT_TRUE(f.AA_S.empty());
    const auto cells = boxes();
    ASSERT_EQ(cells.size(), 3u);
    const float lefts[] = {100, 181, 262};
    for (int i = 0; i < 3; ++i) {
        expect_from_to(cells[i], lefts[i], 200, lefts[i] + 81, 250);
        EXPECT_EQ(cells[i].colour, 0);
        EXPECT_EQ(cells[i].fill, 13);
        // The border shows the caller's width.
        EXPECT_EQ(cells[i].width, 3);
    }
    EXPECT_EQ(text_run(), "123");
    EXPECT_FLOAT_EQ(f.CCC4, 3);
    // Each text lies on its fill: drawn after its box.
    EXPECT_EQ(ops.back().kind, rt::DrawOp::Kind::Text);
}

TEST_F(TableCellTest, TextIsCentredButNeverLeftOfTheCell) {
    float narrow = 0, wide = 0;
    draw([&] {
        f.A_S = "12";
        f.MEASURE_TEXT();
        narrow = f.LLT;
        f.A_S = "12345678";
        f.MEASURE_TEXT();
        wide = f.LLT;
    });
    ASSERT_GT(narrow, 0);
    ASSERT_LT(narrow, 81);
    ASSERT_GT(wide, 60);

    draw([&] {
        cell_at(100, 200, 81, 50, "12");
        f.TABLE_CELL();
    });
    ASSERT_FALSE(texts().empty());
    EXPECT_FLOAT_EQ(texts().front().x1, 100 + (81 - narrow) / 2);  // not rounded

    draw([&] {
        cell_at(100, 200, 60, 50, "12345678");
        f.TABLE_CELL();
    });
    ASSERT_FALSE(texts().empty());
    EXPECT_FLOAT_EQ(texts().front().x1, 100);
    EXPECT_FLOAT_EQ(f.X, 160);
}

TEST_F(TableCellTest, TextOffsetFromTheTopDependsOnHeightAndFraction) {
    struct Case {
        float height;
        const char* text;
        float offset;
    };
    const Case cases[] = {
        {50, "12", 3},       {50, "ﾀ1/2ﾀ", 0}, {48, "12", 2},      {44, "12", 0},
        {45, "12", 0},       {45, "ﾀ1/2ﾀ", -3}, {60, "12", 8},      {60, "ﾀ1/2ﾀ", 5},
        {50, "ﾀ1/2", 0},  // an unclosed mark still counts as a fraction
    };
    for (const auto& c : cases) {
        draw([&] {
            cell_at(100, 200, 120, c.height, c.text);
            f.TABLE_CELL();
        });
        SCOPED_TRACE(std::string("height ") + std::to_string(c.height) + " text " + c.text);
        EXPECT_FLOAT_EQ(f.Y2, 200 + c.offset);
        EXPECT_FLOAT_EQ(f.Y, 200);
        if (std::string(c.text) == "12") {
            ASSERT_FALSE(texts().empty());
            EXPECT_FLOAT_EQ(texts().front().y1, 200 + c.offset);
        }
    }
}

TEST_F(TableCellTest, EmptyTextGivesTheBoxAloneAndTheColourThatStandsOut) {
    draw([&] {
        cell_at(100, 200, 81, 50, "");
        f.CCC3 = 3;
        f.TABLE_CELL();
    });
    EXPECT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(texts().empty());
    EXPECT_FLOAT_EQ(f.X, 181);
    EXPECT_FLOAT_EQ(f.CCC4, 5);  // on fill 3; 3 on any other (see the row above)
}

TEST_F(TableCellTest, TallBracketsAreMeasuredAndDrawnAlike) {
    float tall = 0;
    draw([&] {
        f.KAKKO = 1;
        f.A_S = "(-3)";
        f.MEASURE_TEXT();
        tall = f.LLT;
    });
    draw([&] {
        cell_at(100, 200, 200, 50, "(-3)");
        f.KAKKO = 1;
        f.TABLE_CELL();
    });
    EXPECT_FLOAT_EQ(f.KAKKO, 0);
    EXPECT_FLOAT_EQ(f.LT1, (200 - tall) / 2);
}

TEST_F(TableCellTest, RaisedCellMovesTheBoxAroundTheText) {
    draw([&] {
        cell_at(500, 300, 180, 50, "12");
        f.CCC2 = 3;
        f.CCC1 = 5;
        f.TABLE_CELL_RAISED();
    });
    ASSERT_EQ(boxes().size(), 1u);
    expect_from_to(boxes()[0], 500, 297, 680, 347);
    ASSERT_FALSE(texts().empty());
    EXPECT_FLOAT_EQ(texts().front().y1, 300);
    EXPECT_EQ(texts().front().colour, 5);
    EXPECT_FLOAT_EQ(f.X, 680);
    EXPECT_FLOAT_EQ(f.Y, 300);
}

TEST_F(TableCellTest, TwoLineCellPlacesEachTextByItsOwnFractionTest) {
    auto two_lines = [&](const char* upper, const char* lower) {
        draw([&] {
            cell_at(100, 200, 120, 100, "");
            f.A1_S = upper;
            f.A2_S = lower;
            f.TABLE_CELL_TWO_LINES();
        });
    };
    two_lines("12", "34");
    EXPECT_FLOAT_EQ(f.Y22, 203);
    EXPECT_FLOAT_EQ(f.Y4, 247);
    ASSERT_GE(texts().size(), 2u);
    EXPECT_FLOAT_EQ(texts().front().y1, 203);
    EXPECT_FLOAT_EQ(texts().back().y1, 247);
    EXPECT_EQ(boxes().size(), 1u);

    two_lines("ﾀ1/2ﾀ", "ﾀ3/4ﾀ");
    EXPECT_FLOAT_EQ(f.Y22, 200);
    EXPECT_FLOAT_EQ(f.Y4, 250);

    two_lines("12", "");
    EXPECT_FLOAT_EQ(f.Y22, 228);
    EXPECT_EQ(text_run(), "12");
    EXPECT_FLOAT_EQ(f.X, 220);
    EXPECT_FLOAT_EQ(f.Y, 200);
}

TEST_F(TableCellTest, CompactCellsUseTheCompactLineHeight) {
    draw([&] {
        cell_at(100, 200, 120, 50, "12");
        f.COMPACT_CELL();
    });
    ASSERT_FALSE(texts().empty());
    EXPECT_FLOAT_EQ(texts().front().y1, 212);
    // Compact digits advance 20 each: "12" is 40 wide, centred in 120.
    EXPECT_FLOAT_EQ(texts().front().x1, 140);
    EXPECT_FLOAT_EQ(f.X, 220);

    auto two_rows = [&](const char* upper, const char* lower) {
        draw([&] {
            cell_at(100, 200, 120, 100, "");
            f.A1_S = upper;
            f.A2_S = lower;
            f.COMPACT_CELL_2ROW();
        });
    };
    two_rows("12", "34");
    ASSERT_GE(texts().size(), 2u);
    EXPECT_FLOAT_EQ(texts().front().y1, 212);
    EXPECT_FLOAT_EQ(texts().back().y1, 242);
    two_rows("12", "");
    ASSERT_FALSE(texts().empty());
    EXPECT_FLOAT_EQ(texts().front().y1, 227);
}

TEST_F(TableCellTest, MeasureCompactKeepsThePenAndTheText) {
    draw([&] {
        f.X = 300;
        f.Y = 400;
        f.A_S = "12.5";
        f.MEASURE_COMPACT();
    });
    EXPECT_FLOAT_EQ(f.LLT, 68);  // three digits of 20 and a point of 8
    EXPECT_FLOAT_EQ(f.X, 300);
    EXPECT_FLOAT_EQ(f.Y, 400);
    EXPECT_EQ(f.A_S, "12.5");
    EXPECT_TRUE(texts().empty());
}

}  // namespace
