// Scene tests of lesson_applied's race and chapter problems A and B, driven
// from the main menu with key scripts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "lesson_replay.hpp"
#include "lessons/applied/applied_lesson.hpp"

namespace {

using Kind = rt::DrawOp::Kind;
using lesson_replay::Replay;

Replay run(const std::string& keys) {
    return lesson_replay::replay_program<lessons::AppliedLesson>(keys);
}

using lesson_replay::spaces;

// The filled dots of one radius and colour, in drawing order.
std::vector<rt::DrawOp> dots(const Replay& r, float radius, int colour, std::size_t from = 0) {
    std::vector<rt::DrawOp> found;
    for (const auto& op : r.of_kind(Kind::Circle, from))
        if (op.r == radius && op.colour == colour) found.push_back(op);
    return found;
}

const rt::DrawOp* text_op(const Replay& r, const std::string& text) {
    for (const auto& op : r.ops)
        if (op.kind == Kind::Text && op.text == text) return &op;
    return nullptr;
}

// Every scene takes its keys and comes back to its bar; wrong entries ask the
// bar again; each bar's last item returns to the main menu, whose item 6 ends
// the program and leaves the extra key untaken.
TEST(AppliedTopics345, WalkThroughEveryItemAndQuit) {
    const std::string script = "3{enter}3{enter}0{enter}1{enter}" + spaces(18) + "1{enter}" +
                               spaces(18) +
                               "2{enter}"
                               "4{enter}6{enter}1.5{enter}1{enter}" +
                               spaces(3) + "2{enter}3{enter} 4{enter}   8/2{enter}   5{enter}" +
                               "5{enter}4{enter}0{enter}1{enter}a{right}{left}{enter}21" +
                               spaces(3) + "2{enter}" + spaces(8) + "3{enter}6{enter}";
    std::vector<int> codes;
    ASSERT_FALSE(rt::parse_key_script(script + "9", codes).has_value());
    const Replay r = run(script + "9");
    EXPECT_EQ(r.result.outcome, rt::Outcome::Ended);
    EXPECT_EQ(r.keys().size(), codes.size() - 1);
}

TEST(AppliedTopics345, RaceGraphsStopOneUnitUnderTheTopWithTheirLabelsAbove) {
    const Replay r = run("3{enter}1{enter}" + spaces(18));
    // The value labels: 4 px under the x axis, y values 13 px above their
    // grid lines (half their height), ending at the y axis.
    const std::vector<std::vector<float>> labels = {
        {25, 859, 579},   {50, 984, 579},   {75, 1109, 579},  {2500, 656, 437},
        {5000, 656, 312}, {7500, 656, 187}, {10000, 630, 62},
    };
    for (const auto& l : labels) {
        const rt::DrawOp* op = text_op(r, std::to_string(int(l[0])));
        ASSERT_NE(op, nullptr) << l[0];
        EXPECT_FLOAT_EQ(op->x1, l[1]) << l[0];
        EXPECT_FLOAT_EQ(op->y1, l[2]) << l[0];
        EXPECT_FALSE(op->bold);
    }
    const rt::DrawOp* minutes = text_op(r, "(分)");
    ASSERT_NE(minutes, nullptr);
    EXPECT_FLOAT_EQ(minutes->x1, 1158);
    EXPECT_FLOAT_EQ(minutes->y1, 575);
    EXPECT_TRUE(minutes->bold);
    EXPECT_FLOAT_EQ(minutes->size, 26);

    // Both lines start at the origin and stop at 10000 m (y 75), not at the
    // top grid line (y 50); each label 119 px left of and 70 px over its end.
    const auto leader = dots(r, 1, 3, 0);
    ASSERT_EQ(leader.size(), 1852u + 4630u);
    const std::vector<std::pair<rt::DrawOp, std::string>> ends = {{leader[1851], "先頭の選手"},
                                                                  {leader.back(), "最後の選手"}};
    for (const auto& [end, label] : ends) {
        EXPECT_NEAR(end.y1, 75, 0.3);
        const auto run_of = lesson_replay::find_run(r.runs, label);
        ASSERT_TRUE(run_of);
        EXPECT_NEAR(run_of->x, end.x1 - 119, 0.01);
        EXPECT_LT(run_of->y, 50);
    }
    EXPECT_NEAR(leader[1851].x1, 926.6, 0.1);
    EXPECT_NEAR(leader.back().x1, 1176.6, 0.1);
    // The crossings of the 6000 m line lie on the grid lines of 20 and 50
    // minutes; the answer follows them.
    const auto crossings = dots(r, 7, 7);
    ASSERT_EQ(crossings.size(), 2u);
    EXPECT_FLOAT_EQ(crossings[0].x1, 860);
    EXPECT_FLOAT_EQ(crossings[1].x1, 1010);
    EXPECT_FLOAT_EQ(crossings[1].y1, 275);
    EXPECT_TRUE(lesson_replay::find_run(r.runs, "30(分後)"));
}

TEST(AppliedTopics345, ChapterAPagesPlacePointsBadgesAndTheRectangle) {
    const Replay one = run("4{enter}1{enter}" + spaces(3));
    EXPECT_TRUE(one.has_box(40, 90, 78, 134, 4, 3));
    EXPECT_TRUE(one.has_box(45, 230, 83, 274, 4, 3));
    EXPECT_TRUE(one.has_box(45, 320, 83, 364, 4, 3));
    const auto a = dots(one, 8, 3);
    ASSERT_EQ(a.size(), 2u);
    EXPECT_FLOAT_EQ(a[0].x1, 930);
    EXPECT_FLOAT_EQ(a[0].y1, 60);
    const auto b = lesson_replay::find_run(one.runs, "B(2,-4)");
    ASSERT_TRUE(b);
    EXPECT_FLOAT_EQ(b->x, 1020);
    EXPECT_FLOAT_EQ(b->y, 270);

    // Answer 6: the 360 by 120 rectangle, "ycm" above it, "xcm" left of it.
    const Replay six = run("4{enter}4{enter}" + spaces(3));
    float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
    for (const auto& op : six.of_kind(Kind::Line)) {
        // The sides, not the minus signs of the texts.
        if (op.colour != 0 || op.width != 5 ||
            std::abs(op.x2 - op.x1) + std::abs(op.y2 - op.y1) < 100)
            continue;
        left = std::min({left, op.x1, op.x2});
        right = std::max({right, op.x1, op.x2});
        top = std::min({top, op.y1, op.y2});
        bottom = std::max({bottom, op.y1, op.y2});
    }
    EXPECT_FLOAT_EQ(left, 800);
    EXPECT_FLOAT_EQ(right, 1160);
    EXPECT_FLOAT_EQ(top, 135);
    EXPECT_FLOAT_EQ(bottom, 255);
    // The marks' letters in colour 3: "y" over the top side, "x" left of the
    // left side.
    int y_above = 0, x_left = 0;
    for (const auto& op : six.of_kind(Kind::Text)) {
        if (op.colour != 3) continue;
        y_above += op.text == "y" && op.y1 < 135 && op.x1 > 800 && op.x1 < 1160;
        x_left += op.text == "x" && op.x1 < 800 && op.x1 > 600 && op.y1 > 135 && op.y1 < 255;
    }
    EXPECT_EQ(y_above, 1);
    EXPECT_EQ(x_left, 1);
    // The last key brings rows 4 to 8 at once, then the bar.
    EXPECT_TRUE(lesson_replay::find_run(six.runs, "比例でも反比例でもない。"));
}

TEST(AppliedTopics345, EveryKeyButOneMovesPAndTheFinalFigureStays) {
    // Eleven keys of every kind: P steps from B to C, then back to B.
    const Replay r = run("5{enter}1{enter}a{right}{left}{enter} 2x90.-1" + spaces(3));
    std::vector<float> xs;
    for (const auto& op : dots(r, 6, 3)) xs.push_back(op.x1);
    std::vector<float> expected;
    for (int i = 0; i <= 10; ++i) expected.push_back(880 + 30 * i);
    expected.push_back(880);
    expected.push_back(1120);
    EXPECT_EQ(xs, expected);
    // Between keys the figure is erased with its own box.
    EXPECT_TRUE(r.has_box(830, 50, 2110, 380, 15, 15));

    // Nothing erases the final figure while texts and plane are added.
    std::size_t at = 0;  // the final figure's P
    for (std::size_t i = 0; i < r.ops.size(); ++i)
        if (r.ops[i].kind == Kind::Circle && r.ops[i].r == 6) at = i;
    for (const auto& box : r.of_kind(Kind::Box, at))
        EXPECT_FALSE(box.fill == 15 && box.y1 < 380 && box.x2 > 830) << box.x1 << "," << box.y1;
    // The three arcs in colour 7; the dotted line of 38 dots inside the
    // plane at the width the figure left; the thick segment from the origin
    // to (440, 340).
    EXPECT_GT(dots(r, 0.5f, 7, at).size(), 60u);
    const auto line = dots(r, 1, 0, at);
    ASSERT_EQ(line.size(), 38u);
    EXPECT_EQ(line.front().width, 5);
    EXPECT_NEAR(line.front().x1, 240 - 0.8 * 40, 0.01);
    EXPECT_NEAR(line.back().x1, 240 + 6.6 * 40, 0.01);
    const auto segment = dots(r, 1, 3, at);
    ASSERT_EQ(segment.size(), 5001u);
    EXPECT_NEAR(segment.back().x1, 440, 0.01);
    EXPECT_NEAR(segment.back().y1, 340, 0.01);
    // "y=3x" twice: in the text, then 40 px under the segment's upper end.
    const lesson_replay::TextRun* label = nullptr;
    for (const auto& run : r.runs)
        if (run.text == "y=3x") label = &run;
    ASSERT_NE(label, nullptr);
    EXPECT_NEAR(label->x, 440, 0.01);
    EXPECT_NEAR(label->y, 380, 0.01);
}

TEST(AppliedTopics345, ProblemTwoDrawsPsLineToTheYAxisAfterItsFourthKey) {
    auto nine_at_y_axis = [](const Replay& r) {
        for (const auto& run : r.runs)
            if (run.text == "9" && run.x == 933 && run.y == 217 && run.colour == 7) return true;
        return false;
    };
    const Replay three = run("5{enter}2{enter}" + spaces(3));
    EXPECT_FALSE(nine_at_y_axis(three));
    const auto fifteen = lesson_replay::find_run(three.runs, "15");
    ASSERT_TRUE(fifteen);
    EXPECT_FLOAT_EQ(fifteen->x, 906);
    EXPECT_FLOAT_EQ(fifteen->y, 145);
    EXPECT_TRUE(nine_at_y_axis(run("5{enter}2{enter}" + spaces(4))));
}

}  // namespace
