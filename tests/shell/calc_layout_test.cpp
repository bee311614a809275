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

// Runs `body` headless without a canvas and returns what it drew; a run-time
// error fails the test.
std::vector<rt::DrawOp> drawn_by(const std::function<void()>& body) {
    rt::SessionOptions options;
    options.headless = true;
    options.record = true;
    options.rasterise = false;
    std::vector<rt::DrawOp> ops;
    rt::run_session(
        options,
        [&] {
            rt::clear_recorded_ops();
            body();
            ops = rt::recorded_ops();
        },
        [](const rt::RuntimeError& error) { ADD_FAILURE() << error.what(); });
    return ops;
}

// The operations of one kind drawn in the visible area (measuring draws
// below it).
std::vector<rt::DrawOp> of_kind(const std::vector<rt::DrawOp>& ops, rt::DrawOp::Kind kind) {
    std::vector<rt::DrawOp> found;
    for (const rt::DrawOp& op : ops) {
        const float y = op.points.empty() ? op.y1 : op.points.front().y;
        if (op.kind == kind && y < rt::kScreenHeight) found.push_back(op);
    }
    return found;
}

TEST(DrawBrace, SevenPointPolylineAtWidthFive) {
    HeadlessShell s;
    int width_after = 0;
    const auto ops = drawn_by([&] {
        rt::SET_DRAW_WIDTH(2);
        s.X = 0;
        s.Y = 0;
        s.HABA = 100;
        s.CCC1 = 4;
        s.DRAW_BRACE();
        width_after = rt::GET_DRAW_WIDTH();
    });
    const auto lines = of_kind(ops, rt::DrawOp::Kind::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    const std::vector<std::pair<float, float>> expected = {
        {35, 5}, {23, 8}, {23, 40.5f}, {8, 47.5f}, {23, 54.5f}, {23, 87}, {35, 90}};
    ASSERT_EQ(lines[0].points.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(lines[0].points[i].x, expected[i].first) << "point " << i + 1;
        EXPECT_EQ(lines[0].points[i].y, expected[i].second) << "point " << i + 1;
    }
    EXPECT_EQ(lines[0].colour, 4);
    EXPECT_EQ(lines[0].fill, rt::kNoFill);
    EXPECT_EQ(lines[0].width, 5);
    EXPECT_EQ(width_after, 2);
    EXPECT_EQ(s.X, 0);
    EXPECT_EQ(s.Y, 0);
}

TEST(DrawBrace, FollowsItsBox) {
    HeadlessShell s;
    const auto ops = drawn_by([&] {
        s.X = 300;
        s.Y = 120;
        s.HABA = 61;
        s.DRAW_BRACE();
    });
    const auto lines = of_kind(ops, rt::DrawOp::Kind::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    const auto& p = lines[0].points;
    ASSERT_EQ(p.size(), 7u);
    EXPECT_EQ(p[0].x, 335);
    EXPECT_EQ(p[3].x, 308);
    EXPECT_EQ(p[3].y, 120 + (61 - 5) / 2.0f);
    EXPECT_EQ(p[6].y, 120 + 61 - 10);
}

// Widths of texts as MEASURE_TEXT gives them.
float measured(const std::string& text) {
    HeadlessShell s;
    float width = 0;
    drawn_by([&] {
        s.A_S = text;
        s.MEASURE_TEXT();
        width = s.LLT;
    });
    return width;
}

struct Layout {
    HeadlessShell shell;
    std::vector<rt::DrawOp> ops;
    int width_after = 0;
};

void lay_out(Layout& run, const std::string& first, const std::string& second,
             const std::string& op) {
    HeadlessShell& s = run.shell;
    run.ops = drawn_by([&] {
        rt::SET_DRAW_WIDTH(2);
        s.X = 100;
        s.Y = 200;
        s.TAKASA = 50;
        s.A1_S = first;
        s.A2_S = second;
        s.ENZAN_S = op;
        s.CCC1 = 3;
        s.CCC2 = 5;
        s.COLUMN_CALC_LAYOUT();
        run.width_after = rt::GET_DRAW_WIDTH();
    });
}

// The text operation that drew `text`, or nullptr.
const rt::DrawOp* text_op(const std::vector<rt::DrawOp>& ops, const std::string& text) {
    for (const rt::DrawOp& op : ops) {
        if (op.kind == rt::DrawOp::Kind::Text && op.text == text) return &op;
    }
    return nullptr;
}

TEST(ColumnCalcLayout, RowsOperatorAndRule) {
    const float wide = measured("12345");
    const float narrow = measured("67");
    const float operator_width = measured("+");
    ASSERT_GT(wide, narrow);
    Layout run;
    lay_out(run, "12345", "67", "+");
    const HeadlessShell& s = run.shell;

    // The rule is the last line drawn (the operator may be drawn with lines).
    const auto lines = of_kind(run.ops, rt::DrawOp::Kind::Line);
    ASSERT_FALSE(lines.empty());
    const rt::DrawOp& rule = lines.back();
    EXPECT_EQ(rule.x1, 127);
    EXPECT_EQ(rule.y1, 300);
    EXPECT_EQ(rule.x2, 157 + wide);
    EXPECT_EQ(rule.y2, 300);
    EXPECT_EQ(rule.colour, 5);
    EXPECT_EQ(rule.width, 3);
    EXPECT_EQ(run.width_after, 2);

    EXPECT_EQ(s.XI2, rule.x2) << "writing goes on at the right end of the rule";
    EXPECT_EQ(s.YI1, 250);
    EXPECT_EQ(s.XI3, 154);
    EXPECT_EQ(s.AA_S, "");

    const auto texts = of_kind(run.ops, rt::DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 8u);  // 5 + ")" + 2
    EXPECT_EQ(texts.front().x1, 154);
    EXPECT_EQ(texts.front().y1, 200);
    EXPECT_EQ(texts.front().colour, 3);
    const rt::DrawOp* paren = text_op(texts, ")");
    ASSERT_NE(paren, nullptr);
    EXPECT_EQ(paren->x1, 100 + operator_width) << "\")\" where the operator ended";
    EXPECT_EQ(paren->y1, 256) << "6 pixels lower than the second row";
    const rt::DrawOp* second_row = text_op(texts, "6");
    ASSERT_NE(second_row, nullptr);
    EXPECT_EQ(second_row->x1, 154);
    EXPECT_EQ(second_row->y1, 250);
    EXPECT_EQ(s.X, 154 + narrow) << "the pen is left after the second row";
}

TEST(ColumnCalcLayout, WiderSecondRowSetsTheRule) {
    const float first = measured("1");
    const float second = measured("2345678");
    ASSERT_GT(second, first);
    Layout run;
    lay_out(run, "1", "2345678", "");
    const auto lines = of_kind(run.ops, rt::DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x2, 157 + second);
    EXPECT_EQ(run.shell.LT, second);

    // With no operator, ")" stands at the left end of the layout.
    const rt::DrawOp* paren = text_op(run.ops, ")");
    ASSERT_NE(paren, nullptr);
    EXPECT_EQ(paren->x1, 100);
    EXPECT_EQ(paren->y1, 256);
}

}  // namespace
