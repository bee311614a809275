// The brace polyline and the two-row column calculation, read back from the
// drawing record of a headless session.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/platform/screen.hpp"
#include "framework/platform/session.hpp"
#include "support/headless_shell.hpp"

namespace {

using test_support::HeadlessShell;
using Kind = rt::DrawOp::Kind;

// What `body` drew in the visible area (measuring draws below it), run
// headless without a canvas at draw width 2; a run-time error fails the test.
std::vector<rt::DrawOp> drawn_by(const std::function<void()>& body, int* width_after = nullptr) {
    rt::SessionOptions options;
    options.headless = true;
    options.record = true;
    options.rasterise = false;
    std::vector<rt::DrawOp> ops;
    rt::run_session(
        options,
        [&] {
            rt::SET_DRAW_WIDTH(2);
            rt::clear_recorded_ops();
            body();
            if (width_after) *width_after = rt::GET_DRAW_WIDTH();
            for (const rt::DrawOp& op : rt::recorded_ops()) {
                const float y = op.points.empty() ? op.y1 : op.points.front().y;
                if (y < rt::kScreenHeight) ops.push_back(op);
            }
        },
        [](const rt::RuntimeError& error) { ADD_FAILURE() << error.what(); });
    return ops;
}

const rt::DrawOp* find(const std::vector<rt::DrawOp>& ops, Kind kind,
                       const std::string& text = "") {
    for (auto it = ops.rbegin(); it != ops.rend(); ++it) {  // the last one drawn
        if (it->kind == kind && (text.empty() || it->text == text)) return &*it;
    }
    return nullptr;
}

TEST(DrawBrace, SevenPointPolylineAtWidthFive) {
    HeadlessShell s;
    int width_after = 0;
    const auto ops = drawn_by(
        [&] {
            s.X = 0;
            s.Y = 0;
            s.HABA = 100;
            s.CCC1 = 4;
            s.DRAW_BRACE();
        },
        &width_after);
    ASSERT_EQ(ops.size(), 1u);
    const std::vector<rt::Point> expected = {{35, 5},     {23, 8},  {23, 40.5f}, {8, 47.5f},
                                             {23, 54.5f}, {23, 87}, {35, 90}};
    ASSERT_EQ(ops[0].points.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(ops[0].points[i].x, expected[i].x) << "point " << i + 1;
        EXPECT_EQ(ops[0].points[i].y, expected[i].y) << "point " << i + 1;
    }
    EXPECT_EQ(ops[0].kind, Kind::Polyline);
    EXPECT_EQ(ops[0].colour, 4);
    EXPECT_EQ(ops[0].fill, rt::kNoFill);
    EXPECT_EQ(ops[0].width, 5);
    EXPECT_EQ(width_after, 2);
    EXPECT_EQ(s.X + s.Y, 0);
}

float measured(const std::string& text) {
    HeadlessShell s;
    drawn_by([&] {
        s.A_S = text;
        s.MEASURE_TEXT();
    });
    return s.LLT;
}

// Lays out first over second with the operator at (100, 200), rows 50 apart.
std::vector<rt::DrawOp> lay_out(HeadlessShell& s, const std::string& first,
                                const std::string& second, const std::string& op,
                                int* width_after) {
    return drawn_by(
        [&] {
            s.X = 100;
            s.Y = 200;
            s.TAKASA = 50;
            s.A1_S = first;
            s.A2_S = second;
            s.ENZAN_S = op;
            s.CCC1 = 3;
            s.CCC2 = 5;
            s.COLUMN_CALC_LAYOUT();
        },
        width_after);
}

TEST(ColumnCalcLayout, RowsOperatorAndRule) {
    const float wide = measured("12345"), narrow = measured("67"), plus = measured("+");
    ASSERT_GT(wide, narrow);
    HeadlessShell s;
    int width_after = 0;
    const auto ops = lay_out(s, "12345", "67", "+", &width_after);

    const rt::DrawOp* rule = find(ops, Kind::Line);  // the operator may be drawn with lines
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->x1, 127);
    EXPECT_EQ(rule->x2, 157 + wide);
    EXPECT_EQ(rule->y1, 300);
    EXPECT_EQ(rule->y2, 300);
    EXPECT_EQ(rule->colour, 5);
    EXPECT_EQ(rule->width, 3);
    EXPECT_EQ(width_after, 2);
    EXPECT_EQ(s.XI2, rule->x2) << "writing goes on at the right end of the rule";
    EXPECT_EQ(s.YI1, 250);
    EXPECT_EQ(s.XI3, 154);

    const rt::DrawOp* first = find(ops, Kind::Text, "1");
    const rt::DrawOp* paren = find(ops, Kind::Text, ")");
    const rt::DrawOp* second = find(ops, Kind::Text, "6");
    ASSERT_TRUE(first && paren && second);
    EXPECT_EQ(first->x1, 154);
    EXPECT_EQ(first->y1, 200);
    EXPECT_EQ(first->colour, 3);
    EXPECT_EQ(paren->x1, 100 + plus) << "\")\" where the operator ended";
    EXPECT_EQ(paren->y1, 256) << "6 pixels lower than the second row";
    EXPECT_EQ(second->x1, 154);
    EXPECT_EQ(second->y1, 250);
    EXPECT_EQ(s.X, 154 + narrow) << "the pen is left after the second row";
}

TEST(ColumnCalcLayout, WiderSecondRowSetsTheRule) {
    const float second = measured("2345678");
    ASSERT_GT(second, measured("1"));
    HeadlessShell s;
    const auto ops = lay_out(s, "1", "2345678", "", nullptr);
    const rt::DrawOp* rule = find(ops, Kind::Line);
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->x2, 157 + second);
    const rt::DrawOp* paren = find(ops, Kind::Text, ")");
    ASSERT_NE(paren, nullptr);
    EXPECT_EQ(paren->x1, 100) << "with no operator \")\" stands at the left end";
}

}  // namespace
