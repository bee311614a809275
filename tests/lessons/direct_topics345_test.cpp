// Scene tests of lesson_direct's topics on graphs of y=ax, on table, formula
// and graph, and on the basic problems, driven from the main menu with key
// scripts; the drill's rules through its number routine.
#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>
#include <string>

#include "framework/platform/numbers.hpp"
#include "lesson_replay.hpp"
#include "lessons/direct/direct_lesson.hpp"

namespace {

using Kind = rt::DrawOp::Kind;
using lesson_replay::Replay;

Replay run(const std::string& keys) {
    return lesson_replay::replay_program<lessons::DirectLesson>(keys);
}

using lesson_replay::spaces;

using lesson_replay::glyphs_in;

// Whether a minus sign (a short level line) stands in the rectangle after op `from`.
bool minus_in(const Replay& r, std::size_t from, float x1, float y1, float x2, float y2) {
    for (std::size_t i = from; i < r.ops.size(); ++i) {
        const auto& op = r.ops[i];
        if (op.kind == Kind::Line && op.y1 == op.y2 && op.x1 >= x1 && op.x2 <= x2 && op.y1 >= y1 &&
            op.y1 < y2 && op.x2 - op.x1 < 30)
            return true;
    }
    return false;
}

// How many times a bar was written after op `from` (the first glyph of a
// bar stands at the far left of the bottom line, left of every key box).
int bars_after(const Replay& r, std::size_t from) {
    int n = 0;
    for (std::size_t i = from; i < r.ops.size(); ++i) {
        const auto& op = r.ops[i];
        n += op.kind == Kind::Text && op.x1 < 20 && op.y1 >= 655 && op.y1 < 690;
    }
    return n;
}

// The points of colour 3 (the number field's dot is another colour).
int points_of_radius(const Replay& r, std::size_t from, float radius) {
    int n = 0;
    for (std::size_t i = from; i < r.ops.size(); ++i)
        n += r.ops[i].kind == Kind::Circle && r.ops[i].r == radius && r.ops[i].colour == 3;
    return n;
}

// ---- every scene: its keys, and the bar back under its picture -----------------------

struct SceneKeys {
    char topic;
    char choice;
    int keys;
};

TEST(DirectTopics345, EveryChoiceTakesItsKeysAndComesBackToItsBar) {
    const SceneKeys scenes[] = {{'3', '1', 61}, {'3', '2', 26}, {'3', '3', 8}, {'3', '4', 8},
                                {'3', '5', 0},  {'3', '6', 9},  {'3', '7', 6}, {'4', '1', 17},
                                {'4', '2', 14}, {'4', '4', 3},  {'5', '1', 2}, {'5', '2', 2},
                                {'5', '3', 5}};
    for (const auto& s : scenes) {
        const std::string choose = std::string(1, s.topic) + "{enter}" + s.choice + "{enter}";
        SCOPED_TRACE(choose);
        auto done = run(choose + spaces(s.keys));
        ASSERT_EQ(done.result.outcome, rt::Outcome::Ended);
        EXPECT_EQ(bars_after(done, done.key_op(3)), 1);
        if (s.keys == 0) continue;
        auto short_one = run(choose + spaces(s.keys - 1));
        EXPECT_EQ(bars_after(short_one, short_one.key_op(3)), 0);
    }
}

TEST(DirectTopics345, LastItemsReturnAndOnlyTopics3And4ShowTheirAimsAgain) {
    auto r = run("3{enter}8{enter}4{enter}5{enter}5{enter}4{enter}3{enter}");
    EXPECT_EQ(lesson_replay::count_runs(r.runs, "<めあて>"), 3);
    EXPECT_EQ(lesson_replay::count_runs(r.runs, "比例のグラフをかき、特徴を調べよう。"), 2);
    EXPECT_EQ(lesson_replay::count_runs(r.runs, "②　比例のグラフから式を求めよう。"), 1);
    EXPECT_EQ(lesson_replay::count_runs(r.runs, "7　終了"), 4);
}

// Fractions, decimals, zero denominators and numbers out of range only
// bring the bar back; the finished page above it stays as it was.
TEST(DirectTopics345, RejectedBarEntriesLeaveTheLastPageUntouched) {
    for (const char* scene : {"3{enter}5{enter}", "4{enter}4{enter}   ", "5{enter}2{enter}  "}) {
        SCOPED_TRACE(scene);
        auto r = run(std::string(scene) + "3/2{enter}2.5{enter}1/0{enter}0{enter}9{enter}");
        ASSERT_EQ(r.result.outcome, rt::Outcome::Ended);
        // The first key of the five entries: the page and its bar are done.
        const std::size_t end_of_scene = r.key_op(r.keys().size() - 16);
        EXPECT_EQ(bars_after(r, end_of_scene), 5);
        for (std::size_t i = end_of_scene; i < r.ops.size(); ++i) {
            const auto& op = r.ops[i];
            if (op.kind == Kind::Box && op.fill == 15) {
                EXPECT_GE(op.y1, 639) << "erase at op " << i;
            }
            EXPECT_NE(op.kind, Kind::Cls);
        }
    }
}

// ---- graphs of y=ax ----------------------------------------------------------------------

// Each figure of the summary: its line, the two words beside the axes, then
// the run and rise arrows, then the words on the arrows.
TEST(DirectGraphs, SummaryLabelsTheSidesBeforeTheArrowsAndTheArrowsAfter) {
    struct Figure {
        float gx0;
        const char* when;
        const char* slope_word;
        float slope_x;
        float run_x1, run_x2, run_y, rise_y, run_word_y;
    };
    const auto r = run("3{enter}5{enter}");
    const std::size_t page = r.key_op(2);
    for (const Figure& f : {Figure{194, "a", "右", 59, 234, 314, 410, 290, 410},
                            Figure{654, "a", "右", 664, 534, 614, 290, 410, 240}}) {
        SCOPED_TRACE(f.gx0);
        // "a>0のとき" at (GX0 - 135, 180) starts with its italic a, raised.
        const std::size_t when = lesson_replay::text_op(r, page, f.gx0 - 131, 158, f.when);
        const std::size_t slope = lesson_replay::text_op(r, page, f.slope_x, 280, f.slope_word);
        const std::size_t run_arrow =
            lesson_replay::line_op(r, page, f.run_x1, f.run_y, f.run_x2, f.run_y);
        const std::size_t rise_arrow =
            lesson_replay::line_op(r, page, f.run_x2, f.run_y, f.run_x2, f.rise_y);
        const std::size_t run_word =
            lesson_replay::text_op(r, page, (f.run_x1 + f.run_x2) / 2 - 14, f.run_word_y, "増");
        ASSERT_LT(run_word, r.ops.size());
        EXPECT_LT(when, slope);
        EXPECT_LT(slope, run_arrow);
        EXPECT_LT(run_arrow, rise_arrow);
        EXPECT_LT(rise_arrow, run_word);
    }
}

TEST(DirectGraphs, DenserPointsScene) {
    auto r = run("3{enter}1{enter}" + spaces(61));
    const std::size_t start = r.key_op(3);
    // The second table writes the half values next to 0 with their zero.
    EXPECT_EQ(glyphs_in(r, start, 426, 300, 516, 340), "0.5");
    EXPECT_TRUE(minus_in(r, start, 426, 310, 516, 360));
    EXPECT_EQ(glyphs_in(r, start, 98, 400, 188, 440), "0.5");
    EXPECT_FALSE(minus_in(r, start, 98, 410, 188, 460));
    // The given 6 under x=3 keeps colour 0; the other y cells fill in 5.
    EXPECT_EQ(glyphs_in(r, start, 562, 130, 620, 190, 0), "66");
    EXPECT_EQ(glyphs_in(r, start, 388, 130, 446, 190, 5), "0");
    // The large points, then the plane erased and the sets of small dots,
    // each exactly its count: 17, 16, 81 and 161.
    EXPECT_EQ(points_of_radius(r, start, 8), 1 + 9 + 8);
    EXPECT_EQ(points_of_radius(r, start, 4), 17 + 16 + 81 + 161);
    EXPECT_TRUE(r.has_box(756, 0, 756 + 1320, 1300, 15, 15));
    // The line's label, 150 px left of its upper end.
    int labels = 0;
    for (const auto& run : r.runs) {
        if (run.text != "y=2x" || run.colour != 3) continue;
        ++labels;
        EXPECT_NEAR(run.x, 1156 - 150, 2);
    }
    EXPECT_EQ(labels, 1);
}

TEST(DirectGraphs, TwinScenesLabelTheirTrianglesInTwoPasses) {
    // Rising triangles: run labels 44 above the run arrows; falling ones:
    // on them, and the rise labels keep their minus.
    struct Twin {
        char choice;
        float run_x[4], run_y[4], rise_x[4], rise_y[4];
        bool minus;
    };
    const Twin twins[] = {
        {'3',
         {838, 878, 918, 958},
         {436, 356, 276, 196},
         {872, 912, 952, 992},
         {424, 344, 264, 184},
         false},
        {'4',
         {878, 918, 958, 998},
         {160, 240, 320, 400},
         {912, 952, 992, 1032},
         {184, 264, 344, 424},
         true},
    };
    for (const auto& t : twins) {
        SCOPED_TRACE(t.choice);
        auto r = run(std::string("3{enter}") + t.choice + "{enter}" + spaces(8));
        const std::size_t unit_step = r.key_op(3 + 6);
        const std::size_t rise_step = r.key_op(3 + 7);
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(glyphs_in(r, unit_step, t.run_x[i] - 2, t.run_y[i] - 2, t.run_x[i] + 20,
                                t.run_y[i] + 2, 7),
                      "1");
            EXPECT_EQ(glyphs_in(r, unit_step, t.rise_x[i], t.rise_y[i] - 1, t.rise_x[i] + 40,
                                t.rise_y[i] + 12, 3),
                      "2");
            EXPECT_EQ(glyphs_in(r, unit_step, t.rise_x[i], t.rise_y[i] - 1, t.rise_x[i] + 40,
                                t.rise_y[i] + 12, 3),
                      glyphs_in(r, rise_step, t.rise_x[i], t.rise_y[i] - 1, t.rise_x[i] + 40,
                                t.rise_y[i] + 12, 3));
            EXPECT_EQ(minus_in(r, rise_step, t.rise_x[i], t.rise_y[i], t.rise_x[i] + 30,
                               t.rise_y[i] + 50),
                      t.minus);
        }
        // The closing arrow is the one line of width 10.
        int thick = 0;
        for (const auto& op : r.of_kind(Kind::Line, rise_step)) thick += op.width == 10;
        EXPECT_EQ(thick, 3);
    }
}

// ---- table, formula and graph -------------------------------------------------------------

TEST(DirectTableFormulaGraph, ConstantSceneHighlightsColumnOneAndHangsTheFormulaFromTheArcs) {
    auto r = run("4{enter}2{enter}" + spaces(14));
    const std::size_t highlight = r.key_op(3 + 1);
    EXPECT_TRUE(r.has_box(276, 140, 336, 190, 3, 6));
    EXPECT_TRUE(r.has_box(276, 190, 336, 240, 3, 14));
    EXPECT_EQ(glyphs_in(r, highlight, 276, 140, 336, 190, 13), "1");
    EXPECT_EQ(glyphs_in(r, highlight, 276, 190, 336, 240, 5), "3");
    EXPECT_TRUE(minus_in(r, highlight, 276, 190, 336, 240));
    auto formula = lesson_replay::find_run(r.runs, "<式>");
    ASSERT_TRUE(formula);
    EXPECT_EQ(formula->x, 40);
    EXPECT_FLOAT_EQ(formula->y, 305);
    // The marker on the value point (1, -3).
    bool marker = false;
    for (const auto& op : r.of_kind(Kind::Circle))
        marker |= op.x1 == 840 && op.y1 == 490 && op.r == 8 && op.colour == 7;
    EXPECT_TRUE(marker);
}

// The second and third text columns start where the lines before them end.
TEST(DirectTableFormulaGraph, TextColumnsFollowTheDrawnWidths) {
    float first_line_end = 0;
    float answer_end = 0;
    struct Probe : lesson_replay::ProbeOf<lessons::DirectLesson> {};
    lesson_replay::replay_probe<Probe>("", [&](Probe& p) {
        p.X = 40;
        p.Y = 350;
        p.AA_S = "ﾀy/xﾀの値は一定だから…";
        p.TEXT_OUT();
        first_line_end = p.X;
        p.AA_S = "比例定数だから y=-3x";
        p.X = first_line_end + 30;
        p.TEXT_OUT();
        answer_end = p.X;
    });
    auto r = run("4{enter}1{enter}" + spaces(17));
    auto second = lesson_replay::find_run(r.runs, "<るいのさんの考え>");
    auto third = lesson_replay::find_run(r.runs, "<その他の考え>");
    ASSERT_TRUE(second && third);
    EXPECT_EQ(second->x, first_line_end + 30);
    EXPECT_EQ(third->x, answer_end + 30);
}

// A fraction with a zero denominator at the next-step prompt reads 0: a new
// problem follows, on the lower page erased under the title.
TEST(DirectTableFormulaGraph, DrillGoesOnAfterZeroDenominatorAndEndsOnOne) {
    auto r =
        run("4{enter}3{enter}" + spaces(6) + "1/0{enter}" + spaces(6) + "2/2{enter}" + spaces(2));
    ASSERT_EQ(r.result.outcome, rt::Outcome::Ended);
    int problems = 0;
    for (const auto& op : r.of_kind(Kind::Box))
        problems += op.x1 == 40 && op.y1 == 90 && op.fill == 15;
    EXPECT_EQ(problems, 2);
    EXPECT_TRUE(lesson_replay::find_run(r.runs, "教科書P133 問1 をしなさい。"));
    EXPECT_EQ(bars_after(r, r.key_op(3)), 1);
}

struct DrillProbe : lesson_replay::ProbeOf<lessons::DirectLesson> {
    using DirectLesson::pick_formula_from_graph_numbers;
    using Lesson::FMAESU;
};

TEST(DirectTableFormulaGraph, DrillNumbersFollowTheirRules) {
    for (int seed : {1, 7, 42}) {
        SCOPED_TRACE(seed);
        lesson_replay::replay_probe<DrillProbe>("", [&](DrillProbe& p) {
            rt::RANDOMIZE(seed);
            p.FMAESU = 3;  // as topic 1's drill may leave it
            float last = p.FMAESU;
            bool negative = false, positive = false;
            for (int i = 0; i < 200; ++i) {
                p.pick_formula_from_graph_numbers();
                const int n = static_cast<int>(p.T_A(1));
                const int d = static_cast<int>(p.T_A(2));
                ASSERT_EQ(p.T_A(1), n);
                ASSERT_GE(n, 1);
                ASSERT_LE(n, 5);
                ASSERT_GE(std::abs(d), 2);
                ASSERT_LE(std::abs(d), 9);
                ASSERT_EQ(std::gcd(n, std::abs(d)), 1);
                ASSERT_NE(n, last);
                ASSERT_EQ(p.FMAESU, n);
                last = n;
                const std::string x = std::to_string(d);
                ASSERT_EQ(p.T_A_S(2), x);
                ASSERT_EQ(p.T_A_S(12), d < 0 ? "(" + x + ")" : x);
                const std::string frac =
                    "ﾀ" + std::to_string(n) + "/" + std::to_string(std::abs(d)) + "ﾀ";
                ASSERT_EQ(p.T_A_S(3), d < 0 ? "-" + frac : frac);
                (d < 0 ? negative : positive) = true;
            }
            EXPECT_TRUE(negative && positive);
        });
    }
}

// ---- the basic problems --------------------------------------------------------------------

TEST(DirectBasicProblems, PagesOpenWithTheirFrameAndBadges) {
    auto r = run("5{enter}1{enter}  3{enter}" + spaces(5));
    EXPECT_TRUE(r.has_box(40, 30, 400, 78, 3, 13));
    EXPECT_TRUE(r.has_box(40, 90, 78, 134, 4, 3));
    EXPECT_TRUE(r.has_box(45, 250, 83, 294, 4, 3));
    EXPECT_TRUE(r.has_box(45, 90, 83, 134, 4, 3));
    // Badge 5 after four graphs, which leave HABA at 5000.
    EXPECT_TRUE(r.has_box(45, 150, 83, 194, 4, 3));
    auto header = lesson_replay::find_run(r.runs, "P134基本の問題");
    ASSERT_TRUE(header);
    EXPECT_EQ(header->colour, 0);
    // Part (2) of problem 2 stands 25 px above the line of (1).
    auto part2 = lesson_replay::find_run(r.runs, "(2)");
    ASSERT_TRUE(part2);
    EXPECT_EQ(part2->y, 225);
    EXPECT_EQ(part2->colour, 3);
}

}  // namespace
