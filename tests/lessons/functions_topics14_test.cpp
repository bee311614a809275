// The scenes of lesson_functions topics 1 to 4: what each draws where, in
// which colour, at which key.
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/platform/text.hpp"
#include "functions_replay.hpp"

namespace {

using functions_replay::count_runs;
using functions_replay::find_run;
using functions_replay::Probe;
using functions_replay::replay_probe;
using functions_replay::replay_program;
using rt::DrawOp;

using lesson_replay::spaces;

// ---- pool -----------------------------------------------------------------------------

TEST(FunctionsPool, FillingRunsItsFramesWithoutReadingKeys) {
    auto r = replay_program("1{enter}1{enter}" + spaces(3));
    // The key that starts the filling, then 120 frames.
    const std::size_t start = r.key_op(4);
    const std::size_t next = r.key_op(5);
    ASSERT_LT(next, r.ops.size());
    const auto waits = r.of_kind(DrawOp::Kind::Wait, start, next);
    EXPECT_EQ(waits.size(), 120u);
    for (const auto& w : waits) EXPECT_EQ(w.n, 5);
    std::vector<float> levels;
    for (const auto& box : r.of_kind(DrawOp::Kind::Box, start, next))
        if (box.fill == 11) levels.push_back(600 - box.y2);
    ASSERT_EQ(levels.size(), 120u);
    EXPECT_EQ(levels.front(), 3);
    EXPECT_EQ(levels.back(), 360);
    // The plain filling shows neither scale nor clock (the only text is
    // the key wait's, in the bottom bar).
    for (const auto& text : r.of_kind(DrawOp::Kind::Text, start, next)) EXPECT_GE(text.y1, 657);
    // The question, then the answer, then the bar again.
    auto mark = find_run(r.runs, "①");
    ASSERT_TRUE(mark);
    EXPECT_EQ(mark->x, 40);
    EXPECT_EQ(mark->y, 80);
    auto answer = find_run(r.runs, "1時間で増える水の深さ、満水のときの水の深さ");
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->x, 76);
    EXPECT_EQ(answer->y, 130);
    EXPECT_EQ(answer->colour, 7);
    EXPECT_EQ(count_runs(r.runs, "①Ｐ１１５Ｑ　②Ｐ１１６Ｑ　③終了"), 2);
}

TEST(FunctionsPool, TimedFillingCountsSixMinutesAFrame) {
    auto r = replay_probe(" ", [](Probe& p) {
        p.POOL_AIM_AND_GEOMETRY();
        p.POOL_FILL_ANIMATION_TIMED();
    });
    std::vector<std::string> clock;
    for (const auto& run : r.runs)
        if (run.x == 900 && run.y == 450) clock.push_back(run.text);
    ASSERT_EQ(clock.size(), 121u);
    EXPECT_EQ(clock[0], "0時間0分");
    EXPECT_EQ(clock[1], "0時間6分");
    EXPECT_EQ(clock[9], "0時間54分");
    EXPECT_EQ(clock[10], "1時間0分");
    EXPECT_EQ(clock[120], "12時間0分");
    EXPECT_EQ(r.of_kind(DrawOp::Kind::Wait).size(), 120u);
    EXPECT_EQ(r.keys().size(), 1u);
}

TEST(FunctionsPool, DepthTableFillsHourByHour) {
    // Two steps, seven table steps, two questions, the timed filling and its
    // end, and the variable: fourteen keys.
    auto r = replay_program("1{enter}2{enter}" + spaces(14));
    ASSERT_EQ(r.keys().size(), 18u);
    // Header and depth rows: nine cells each, 81 wide, from x 40.
    for (int column = 0; column <= 8; ++column) {
        SCOPED_TRACE(column);
        EXPECT_TRUE(r.has_box(40 + 81 * column, 90, 121 + 81 * column, 140, 0, 13));
        EXPECT_TRUE(r.has_box(40 + 81 * column, 140, 121 + 81 * column, 190, 0, 13));
    }
    // The hours in the header cells, black on the header fill.
    const char* const hours[] = {"x", "0", "1", "2", "3", "4", "5", "6", "…"};
    for (int column = 0; column <= 8; ++column) {
        auto cell = std::find_if(r.runs.begin(), r.runs.end(), [&](const auto& run) {
            return run.text == hours[column] && run.colour == 0 && run.x > 40 + 81 * column &&
                   run.x < 121 + 81 * column && run.y > 60 && run.y < 140;
        });
        EXPECT_NE(cell, r.runs.end()) << hours[column];
    }
    std::vector<std::string> filled;
    for (const auto& run : r.runs)
        if (run.colour == 5 && run.y >= 140 && run.y < 190) filled.push_back(run.text);
    const std::vector<std::string> depths = {"0", "10", "20", "30", "40", "50", "60"};
    EXPECT_EQ(filled, depths);
    // After the seventh table step the pool shows 6 hours.
    const std::size_t seventh = r.key_op(12);
    std::string last_clock;
    for (const auto& run : r.runs)
        if (run.x == 900 && run.y == 450 && run.op_index < seventh) last_clock = run.text;
    EXPECT_EQ(last_clock, "6時間0分");
    auto twelve = find_run(r.runs, "  12時間後");
    ASSERT_TRUE(twelve);
    EXPECT_EQ(twelve->y, 468);
    EXPECT_EQ(twelve->colour, 5);
    // The definitions below the table, which stays.
    auto variable = find_run(r.runs, "1 変数");
    ASSERT_TRUE(variable);
    EXPECT_EQ(variable->y, 258);
    auto function = find_run(r.runs, "２　yはxの関数である");
    ASSERT_TRUE(function);
    EXPECT_EQ(function->x, 40);
    EXPECT_EQ(function->y, 378);
    auto only = find_run(r.runs, "ただ1つ");
    ASSERT_TRUE(only);
    EXPECT_EQ(only->y, 528);
    EXPECT_EQ(only->colour, 3);
    EXPECT_TRUE(r.has_box(0, 208, 1600, 2008, 15, 15));
    EXPECT_EQ(count_runs(r.runs, "①Ｐ１１５Ｑ　②Ｐ１１６Ｑ　③終了"), 2);
}

// ---- number lines and the slider ----------------------------------------------------------

TEST(FunctionsNumberLines, RaysPointTheirWayWithOpenOrFilledEnds) {
    auto r = replay_probe("", [](Probe& p) {
        rt::SET_DRAW_WIDTH(5);
        p.GX = 100;
        p.GY = 200;
        p.GX1_S = "0";
        p.GX2_S = ">";
        p.GX3_S = "";
        p.NUMBER_LINE_RAY();
        EXPECT_EQ(p.GY, 225);
        EXPECT_EQ(p.GX0, 160);
        p.GX = 100;
        p.GY = 300;
        p.GX1_S = "-2";
        p.GX2_S = "?";
        p.GX3_S = "=";
        p.NUMBER_LINE_RAY();
        EXPECT_EQ(p.GX0, 310);
    });
    EXPECT_TRUE(r.has_box(163, 224, 366, 226, 3, 3));
    EXPECT_TRUE(r.has_box(104, 324, 307, 326, 3, 3));
    const auto heads = r.of_kind(DrawOp::Kind::Polyline);
    ASSERT_EQ(heads.size(), 2u);
    EXPECT_EQ(heads[0].points[0].x, 370);
    EXPECT_EQ(heads[0].points[1].x, 350);
    EXPECT_EQ(heads[1].points[0].x, 100);
    EXPECT_EQ(heads[1].points[1].x, 120);
    const auto ends = r.of_kind(DrawOp::Kind::Circle);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(ends[0].x1, 160);
    EXPECT_EQ(ends[0].fill, rt::kNoFill);
    EXPECT_EQ(ends[1].x1, 310);
    EXPECT_EQ(ends[1].y1, 325);
    EXPECT_EQ(ends[1].fill, 3);
    auto zero = find_run(r.runs, "0");
    ASSERT_TRUE(zero);
    EXPECT_EQ(zero->x, 146);
    EXPECT_EQ(zero->y, 235);
    // "-2" starts 28 px left of its mark: its minus sign is a short line.
    auto minus = std::find_if(r.ops.begin(), r.ops.end(), [](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Line && op.colour == 0 && op.y1 > 335 && op.y1 < 360 &&
               op.x1 >= 282 && op.x1 < 296;
    });
    EXPECT_NE(minus, r.ops.end());
}

TEST(FunctionsNumberLines, IntervalLabelsEndAtTheirMarks) {
    auto r = replay_probe("", [](Probe& p) {
        p.GX = 100;
        p.GY = 100;
        p.GX1_S = "0";
        p.GX11_S = "";
        p.GX2_S = "120";
        p.GX21_S = "=";
        p.NUMBER_LINE_INTERVAL();
    });
    EXPECT_TRUE(r.has_box(163, 124, 306, 126, 3, 3));
    EXPECT_TRUE(r.of_kind(DrawOp::Kind::Polyline).empty());
    auto right = find_run(r.runs, "120");
    ASSERT_TRUE(right);
    EXPECT_EQ(right->x, 268);
    const auto ends = r.of_kind(DrawOp::Kind::Circle);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(ends[0].fill, rt::kNoFill);
    EXPECT_EQ(ends[1].fill, 3);
}

struct SliderRun {
    float gx = 0;
    functions_replay::Replay replay;
};

SliderRun slide(const std::string& keys) {
    SliderRun out;
    out.replay = replay_probe(keys, [&](Probe& p) {
        p.GX0 = 680;
        p.GY0 = 150;
        p.GX = p.GX0 + 90;
        p.NUMBER_LINE_SLIDER_DRAW();
        p.NUMBER_LINE_SLIDER_KEYS();
        out.gx = p.GX;
    });
    return out;
}

std::vector<DrawOp> points_of(const functions_replay::Replay& r) {
    std::vector<DrawOp> points;
    for (const auto& c : r.of_kind(DrawOp::Kind::Circle))
        if (c.r == 10 && c.y1 == 150) points.push_back(c);
    return points;
}

TEST(FunctionsSlider, StaysWithinZeroToTenAndRedrawsOnEveryArrow) {
    auto down = slide("{left}{left}{left}{left}{enter}");
    EXPECT_EQ(down.gx, 680);
    auto points = points_of(down.replay);
    ASSERT_EQ(points.size(), 5u);  // the first drawing and one per arrow
    EXPECT_EQ(points[2].x1, 710);
    EXPECT_EQ(points[2].fill, 3);
    EXPECT_EQ(points[3].x1, 680);
    EXPECT_EQ(points[3].fill, rt::kNoFill);  // 0 is outside the domain
    EXPECT_EQ(points[4].x1, 680);

    std::string eight_rights;
    for (int i = 0; i < 8; ++i) eight_rights += "{right}";
    auto up = slide(eight_rights + "{enter}");
    EXPECT_EQ(up.gx, 980);
    points = points_of(up.replay);
    ASSERT_EQ(points.size(), 9u);
    EXPECT_EQ(points.back().x1, 980);
    EXPECT_EQ(points.back().fill, 3);
    // The "x" rides above the point.
    std::vector<float> x_labels;
    for (const auto& run : up.replay.runs)
        if (run.text == "x" && run.y < 150) x_labels.push_back(run.x);
    ASSERT_EQ(x_labels.size(), 9u);
    EXPECT_EQ(x_labels[1] - x_labels[0], 30);
    EXPECT_EQ(x_labels.back() - x_labels.front(), 210);  // from 3 to 10
}

TEST(FunctionsSlider, OtherKeysOnlyBringThePromptBack) {
    auto r = slide("a5 {bs}{enter}");
    EXPECT_EQ(r.gx, 770);
    EXPECT_EQ(points_of(r.replay).size(), 1u);
    int prompts = 0;  // the message box's text, once per key
    for (const auto& run : r.replay.runs) prompts += run.x == 48 && run.y == 666 && run.colour == 9;
    EXPECT_EQ(prompts, 5);
}

TEST(FunctionsDomain, TheSliderStartsAtThreeAndTheAnswerIsFixed) {
    // Twice the scene, the point moved differently each time.
    const std::string scene_keys = spaces(7);
    auto r = replay_program("2{enter}2{enter}{left}{left}{enter}" + scene_keys +
                            "2{enter}{right}{enter}" + scene_keys);
    EXPECT_EQ(r.result.outcome, rt::Outcome::Ended);
    std::vector<float> first_points;
    for (const auto& c : r.of_kind(DrawOp::Kind::Circle))
        if (c.r == 10 && c.y1 == 150) first_points.push_back(c.x1);
    ASSERT_GE(first_points.size(), 5u);
    EXPECT_EQ(first_points[0], 770);
    EXPECT_EQ(first_points[3], 770);  // the second run starts at 3 again
    EXPECT_EQ(count_runs(r.runs, "0<x≦10"), 2);
    auto example = find_run(r.runs, "教科書P117 問1,2をやろう。");
    ASSERT_TRUE(example);
    EXPECT_EQ(example->x, 560);
    EXPECT_EQ(example->y, 590);
    auto last = find_run(r.runs, "⑤ 3≦y≦9");
    ASSERT_TRUE(last);
    EXPECT_EQ(last->x, 680);
    EXPECT_EQ(last->y, 510);
}

TEST(FunctionsDomain, ReviewPlacesOnlyTheFirstRayFortyPixelsOut) {
    auto r = replay_program("2{enter}1{enter}" + spaces(5));
    const auto lines = r.of_kind(DrawOp::Kind::Line);
    std::vector<DrawOp> axes;
    for (const auto& l : lines)
        if (l.colour == 0 && l.x2 - l.x1 == 270 && l.y1 == l.y2) axes.push_back(l);
    ASSERT_EQ(axes.size(), 5u);
    const float ys[] = {275, 345, 415, 485, 555};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(axes[i].y1, ys[i]);
    // Texts of equal width: "① x>0" and "② x<0" end at the same x.
    EXPECT_EQ(axes[0].x1 - axes[1].x1, 8);
}

// ---- two quantities ----------------------------------------------------------------------

TEST(FunctionsRelation, ArcsMarkTheSidesOfSquareAndRectangle) {
    auto r = replay_program("3{enter}1{enter}");
    std::vector<DrawOp> dots;
    for (const auto& c : r.of_kind(DrawOp::Kind::Circle))
        if (c.colour == 3 && c.r == 0.5f) dots.push_back(c);
    ASSERT_EQ(dots.size(), 74u);
    for (int i = 0; i < 37; ++i) {
        EXPECT_GE(dots[i].x1, 1000 - 0.01);
        EXPECT_LE(dots[i].x1, 1180 + 0.01);
        EXPECT_GE(dots[i].y1, 70 - 0.01);
        EXPECT_LE(dots[i].y1, 90 + 0.01);
    }
    EXPECT_NEAR(dots[18].y1, 70, 0.01);  // the apex above the top side
    for (int i = 37; i < 74; ++i) {
        EXPECT_GE(dots[i].x1, 980 - 0.01);
        EXPECT_LE(dots[i].x1, 1000 + 0.01);
        EXPECT_GE(dots[i].y1, 300 - 0.01);
        EXPECT_LE(dots[i].y1, 420 + 0.01);
    }
    EXPECT_NEAR(dots[55].x1, 980, 0.01);
    // No grid shows: the only lines are the eight sides, in width 5.
    std::vector<DrawOp> sides;
    for (const auto& l : r.of_kind(DrawOp::Kind::Line))
        if (l.x1 >= 1000) sides.push_back(l);
    ASSERT_EQ(sides.size(), 8u);
    for (const auto& s : sides) {
        EXPECT_EQ(s.width, 5);
        EXPECT_EQ(s.colour, 0);
    }
    auto solution = find_run(r.runs, "<解答>");
    ASSERT_TRUE(solution);
    EXPECT_EQ(solution->x, 40);
    EXPECT_EQ(solution->y, 180);
}

TEST(FunctionsRelation, TheGivenTwelveTurnsToAnAnswerAtTheSecondKey) {
    auto r = replay_program("3{enter}3{enter}" + spaces(7));
    std::vector<std::pair<std::string, int>> twelves;
    for (const auto& run : r.runs)
        if (run.text == "12" && run.y >= 140 && run.y < 190) twelves.push_back({run.text, run.colour});
    ASSERT_EQ(twelves.size(), 2u);
    EXPECT_EQ(twelves[0].second, 0);
    EXPECT_EQ(twelves[1].second, 5);
    auto second = std::find_if(r.runs.begin(), r.runs.end(),
                               [](const auto& run) { return run.text == "12" && run.colour == 5; });
    ASSERT_NE(second, r.runs.end());
    EXPECT_GT(second->op_index, r.key_op(5));  // drawn after the second key of the scene
    EXPECT_LT(second->op_index, r.key_op(6));
    auto three = find_run(r.runs, "(3)");
    ASSERT_TRUE(three);
    EXPECT_EQ(three->x, 76);
    EXPECT_EQ(three->y, 400);
    auto last = find_run(r.runs, "1時間に15cm ずつたまるように調整すればよい。");
    ASSERT_TRUE(last);
    EXPECT_EQ(last->x, 184);
    EXPECT_EQ(last->y, 450);
}

// ---- shredder ------------------------------------------------------------------------------

TEST(FunctionsShredder, TheYWorkingStandsBesideTheXWorking) {
    float x_line_end = 0;
    auto r = replay_probe(spaces(12), [&](Probe& p) {
        p.SHREDDER_SCENE();
        p.A_S = "x:800=100:400";
        p.MEASURE_TEXT();
        x_line_end = 76 + p.LLT;
    });
    EXPECT_EQ(r.keys().size(), 12u);
    ASSERT_GT(x_line_end, 76);
    const float column = x_line_end + 60;
    struct Line {
        const char* text;
        float y;
        int colour;
    };
    for (const Line& line : {Line{"y:600=100:400", 380, 0}, Line{"400y=600×100", 430, 0},
                             Line{"y=150", 560, 3}}) {
        SCOPED_TRACE(line.text);
        auto run = find_run(r.runs, line.text);
        ASSERT_TRUE(run);
        EXPECT_FLOAT_EQ(run->x, column);
        EXPECT_EQ(run->y, line.y);
        EXPECT_EQ(run->colour, line.colour);
    }
    auto answer = find_run(r.runs, "およそ Aが200枚, Bが150枚");
    ASSERT_TRUE(answer);
    EXPECT_FLOAT_EQ(answer->x, column - 50);
    EXPECT_EQ(answer->y, 610);
    EXPECT_EQ(answer->colour, 5);
    // The data table: header over both columns, labels and header filled.
    EXPECT_TRUE(r.has_box(880, 280, 1126, 330, 0, 13));
    EXPECT_TRUE(r.has_box(880, 430, 1000, 480, 0, 13));
    EXPECT_TRUE(r.has_box(1000, 430, 1126, 480, 0, 15));
    auto weight = find_run(r.runs, "400g");
    ASSERT_TRUE(weight);
    EXPECT_EQ(weight->colour, 3);
    EXPECT_EQ(weight->y, 433);
}

}  // namespace
