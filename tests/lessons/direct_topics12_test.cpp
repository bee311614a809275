// Tests of lesson_direct's main menu and its topics on negative values and
// finding a, and on coordinates: scenes replayed from the main menu, drills
// and their generators run through a probe over several seeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "framework/platform/numbers.hpp"
#include "lesson_replay.hpp"
#include "lessons/direct/direct_lesson.hpp"

namespace {

using namespace lesson_replay;
using Kind = rt::DrawOp::Kind;

class Probe : public ProbeOf<lessons::DirectLesson> {
public:
    using DirectLesson::DRILL_COORDINATES;
    using DirectLesson::DRILL_FORMULA_FROM_PAIR;
    using DirectLesson::DRILL_VALUE_FROM_PAIR;
    using DirectLesson::FMAESU;
    using DirectLesson::GEN_RANDOM_POINT_OF_4;
    using DirectLesson::GEN_RANDOM_POINT_OF_8;
    using DirectLesson::MAESU;
};

Replay run(const std::string& keys) {
    return replay_program<lessons::DirectLesson>(keys);
}

using lesson_replay::spaces;

// Whether a bar text (at the left of the bottom line) was drawn after op `from`.
bool bar_after(const Replay& r, std::size_t from) {
    for (std::size_t i = from; i < r.ops.size(); ++i)
        if (r.ops[i].kind == Kind::Text && r.ops[i].y1 == 666 && r.ops[i].x1 < 40) return true;
    return false;
}

// A scene opened by `open` comes back to its bar after exactly `keys` keys.
void expect_scene_keys(const std::string& open, int keys) {
    const std::size_t opened = run(open).keys().size();
    const Replay before = run(open + spaces(keys - 1));
    EXPECT_FALSE(bar_after(before, before.key_op(opened - 1))) << open;
    const Replay after = run(open + spaces(keys));
    EXPECT_TRUE(bar_after(after, after.key_op(opened - 1))) << open;
}

// The number of bars drawn: each starts at (16, 666).
int bars(const Replay& r) {
    int n = 0;
    for (const auto& op : r.of_kind(Kind::Text)) n += op.x1 == 16 && op.y1 == 666;
    return n;
}

int count_of(const Replay& r, Kind kind, int colour, float radius, std::size_t from = 0) {
    int n = 0;
    for (const auto& op : r.of_kind(kind, from)) n += op.colour == colour && op.r == radius;
    return n;
}

TEST(DirectMenus, OnlyAWholeValueInRangeChooses) {
    // Main menu: "3/2" and 6 redraw it, "4/2" is item 2; a quotient of 7 ends the program.
    const Replay two = run("3/2{enter}6{enter}4/2{enter}");
    EXPECT_EQ(count_runs(two.runs, "7　終了"), 3);
    EXPECT_TRUE(find_run(two.runs, "点の位置を、xとyの値の組で表そう。"));
    EXPECT_EQ(run("14/2{enter}1{enter}").keys().size(), 5u);
    // Bars: 2.5 and 9 ask again, "4/2" runs scene 2; the aims page comes once; the
    // last item brings the main menu back.
    const Replay r = run("1{enter}5/2{enter}9{enter}4/2{enter}" + spaces(15) + "7{enter}");
    EXPECT_EQ(count_runs(r.runs, "<めあて>"), 1);
    auto aim = find_run(r.runs, "1組のx,yの値から、yをxの式で表そう。");
    ASSERT_TRUE(aim);
    EXPECT_TRUE(aim->x == 98 && aim->y == 470);
    EXPECT_EQ(bars(r), 4);
    EXPECT_TRUE(find_run(r.runs, "Qy=3x"));  // the scene of y=-3x
    EXPECT_EQ(count_runs(r.runs, "7　終了"), 2);
    const Replay c = run("2{enter}0{enter}5{enter}");
    EXPECT_EQ(bars(c), 2);
    EXPECT_EQ(count_runs(c.runs, "7　終了"), 2);
}

TEST(DirectScenes, EachComesBackToItsBarAfterItsKeys) {
    expect_scene_keys("1{enter}1{enter}", 15);
    expect_scene_keys("1{enter}2{enter}", 15);
    expect_scene_keys("1{enter}3{enter}", 6);
    expect_scene_keys("1{enter}6{enter}", 12);
    expect_scene_keys("2{enter}1{enter}", 18);
    expect_scene_keys("2{enter}2{enter}", 12);
    expect_scene_keys("2{enter}4{enter}", 3);
    // The drills' closing pointer comes after one more key than the entry of 1.
    expect_scene_keys("1{enter}5{enter}" + spaces(7) + "0{enter}" + spaces(7) + "1{enter}", 1);
    expect_scene_keys("2{enter}3{enter} 2{enter} 1{enter} 1{enter}", 1);
}

TEST(NegativeTables, CellWidthsAndTheCellUnderZero) {
    // y=5x: three wide cells, then narrow ones to 850; y=-3x: all wide to 1060.
    const Replay five = run("1{enter}1{enter}");
    EXPECT_TRUE(five.has_box(340, 75, 430, 125, 0, 15));
    EXPECT_TRUE(five.has_box(430, 125, 490, 175, 0, 15));
    EXPECT_TRUE(five.has_box(790, 125, 850, 175, 0, 15));
    const Replay minus3 = run("1{enter}2{enter}" + spaces(15));
    EXPECT_TRUE(minus3.has_box(430, 125, 520, 175, 0, 15));
    EXPECT_TRUE(minus3.has_box(970, 75, 1060, 125, 0, 15));
    // The cell under x = 0 at (520, 125) shows 0 (never "-0") in colour 3.
    for (const auto& op : minus3.of_kind(Kind::Text, minus3.key_op(9), minus3.key_op(10)))
        if (op.y1 > 125 && op.y1 < 175) {
            EXPECT_EQ(op.text, "0") << op.x1;
        }
    auto line1 = find_run(minus3.runs, "①xの値が2倍,3倍,…となると、");
    ASSERT_TRUE(line1);
    EXPECT_EQ(line1->y, 355);
    EXPECT_TRUE(find_run(minus3.runs, "どこも3"));
    // The summary's two notes, in the same step (the bar follows them, as counted above).
    const Replay summary = run("1{enter}3{enter}" + spaces(6));
    auto note = find_run(summary.runs, "また、比例定数が負の数でも成り立つ。");
    ASSERT_TRUE(note);
    EXPECT_EQ(note->colour, 7);
    EXPECT_EQ(note->y, 530);
    EXPECT_GT(note->op_index, summary.key_op(9));
}

TEST(ExerciseAnswers, ThreeColumnsIndentedFromTheirHeadings) {
    const Replay r = run("1{enter}6{enter}" + spaces(12));
    std::vector<float> headings, indents;
    for (const auto& run : r.runs) {
        if (run.text.find(as_run(")求める式を")) != std::string::npos && run.y == 80)
            headings.push_back(run.x);
        if (run.text == as_run("を代入すると") && run.y == 230) indents.push_back(run.x);
    }
    EXPECT_EQ(headings, (std::vector<float>{40, 440, 840}));
    EXPECT_EQ(indents, (std::vector<float>{67, 494, 894}));
}

// One drill pass per call, so the values of every pass can be read; the
// values kept across passes must survive the calls.
TEST(FormulaDrill, RangesAndTheRaiseOfARepeatedConstant) {
    for (int seed : {1, 7, 42}) {
        SCOPED_TRACE(seed);
        int raised = 0;
        std::string keys;
        for (int i = 0; i < 40; ++i) keys += spaces(5) + "1{enter}";
        replay_probe<Probe>(keys, [&](Probe& p) {
            rt::RANDOMIZE(seed);
            for (int pass = 0; pass < 40; ++pass) {
                const float kept = p.FMAESU;
                p.DRILL_FORMULA_FROM_PAIR();
                const float a = p.T_A(1);
                EXPECT_NE(a, kept);
                EXPECT_TRUE((a >= -5 && a <= -1) || (a >= 2 && a <= 6)) << a;
                EXPECT_TRUE(p.F_A(2) >= 3 && p.F_A(2) <= 9) << p.F_A(2);
                EXPECT_EQ(p.T_A(2), a * p.F_A(2));
                if (p.FMAESU == kept) {
                    EXPECT_EQ(a, kept + 1);
                    ++raised;
                } else {
                    EXPECT_EQ(p.FMAESU, a);
                }
            }
        });
        EXPECT_GT(raised, 0);
    }
}

TEST(ValueDrill, RangesAndBothResultsInLowestTerms) {
    for (int seed : {2, 9, 30}) {
        SCOPED_TRACE(seed);
        std::string keys;
        for (int i = 0; i < 30; ++i) keys += spaces(7) + "1{enter} ";
        replay_probe<Probe>(keys, [&](Probe& p) {
            rt::RANDOMIZE(seed);
            for (int pass = 0; pass < 30; ++pass) {
                p.DRILL_VALUE_FROM_PAIR();
                const float x = p.T_A(1), y = p.F_A(1), new_x = p.T_A(4);
                EXPECT_TRUE(x >= 2 && x <= 5 && y >= 3 && y <= 10 && y != x) << x << " " << y;
                EXPECT_TRUE(new_x >= 6 && new_x <= 12) << new_x;
                // a = F(2)/T(2) and the new y = DS/DB, each in lowest terms.
                EXPECT_EQ(std::gcd(int(p.F_A(2)), int(p.T_A(2))), 1);
                EXPECT_FLOAT_EQ(p.F_A(2) / p.T_A(2), y / x);
                EXPECT_EQ(std::gcd(int(p.DS), int(p.DB)), 1);
                EXPECT_FLOAT_EQ(p.DS / p.DB, y / x * new_x);
            }
        });
    }
}

TEST(PointGenerators, VariantsGiveTheirPointsAndDrill2NeverRepeatsButTheFirst) {
    replay_probe<Probe>("", [](Probe& p) {
        rt::RANDOMIZE(11);
        for (int i = 0; i < 300; ++i) {
            p.GEN_RANDOM_POINT_OF_8();
            ASSERT_TRUE(p.P >= 1 && p.P <= 5 && p.P1 >= 1 && p.P1 <= 5);
            const float variant = p.X, a = p.P, b = p.P1;
            const float xs[] = {a, -a, b, -b, -a, a, b, -b}, ys[] = {b, b, a, a, -b, -b, -a, -a};
            ASSERT_TRUE(variant >= 1 && variant <= 8);
            EXPECT_EQ(p.X_A(1), xs[int(variant) - 1]);
            EXPECT_EQ(p.Y_A(1), ys[int(variant) - 1]);
            EXPECT_EQ(p.X_S, "(" + rt::STR(p.X_A(1)).substr(p.X_A(1) > 0) + "," +
                                 rt::STR(p.Y_A(1)).substr(p.Y_A(1) > 0) + ")");
        }
        float quadrant = 0;
        int replaced = 0;
        for (int i = 0; i < 300; ++i) {
            const float kept = p.MAESU;
            p.GEN_RANDOM_POINT_OF_4();
            const float q = p.X_A(1) > 0 ? (p.Y_A(1) > 0 ? 1 : 4) : (p.Y_A(1) > 0 ? 2 : 3);
            EXPECT_EQ(q, p.X);
            EXPECT_TRUE(q == 1 || q != quadrant) << "quadrant " << q << " twice";
            // A repeated draw falls back to 1 and leaves MAESU as it was.
            if (p.MAESU == kept) {
                EXPECT_EQ(q, 1);
                replaced += kept != 1;
            } else {
                EXPECT_EQ(p.MAESU, q);
            }
            quadrant = q;
        }
        EXPECT_GT(replaced, 0);
    });
}

TEST(CoordinateDrills, TheMarkFallsOnAPlottedPointAndDrill2FollowsDrill1) {
    int four_only = 0;  // problems with P = P1: four points plotted
    for (int seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        const Replay r = replay_probe<Probe>(" 1{enter} 1{enter} ", [&](Probe& probe) {
            rt::RANDOMIZE(seed);
            probe.DRILL_COORDINATES();
        });
        // Four points when P = P1 (each as far from one axis as from the other), else eight.
        const auto dots = r.of_kind(Kind::Circle, 0, r.key_op(0));
        const int plotted = count_of(r, Kind::Circle, 3, 12);
        ASSERT_TRUE(plotted == 4 || plotted == 8) << plotted;
        for (const auto& dot : dots) {
            if (dot.r != 12) continue;
            EXPECT_EQ(std::fabs(dot.x1 - 704) == std::fabs(dot.y1 - 364), plotted == 4);
        }
        four_only += plotted == 4;
        // The answer after the first key, on a plotted point; drill 2 after the entry of 1.
        const auto mark = r.of_kind(Kind::Circle, r.key_op(0), r.key_op(1)).at(0);
        EXPECT_TRUE(mark.colour == 5 && mark.r == 15);
        EXPECT_TRUE(std::any_of(dots.begin(), dots.end(),
                                [&](auto& dot) { return dot.x1 == mark.x1 && dot.y1 == mark.y1; }));
        EXPECT_GT(find_run(r.runs, "次の点の座標をいいなさい。")->op_index, r.key_op(2));
        auto pointer = find_run(r.runs, "問2をしなさい。");
        ASSERT_TRUE(pointer);
        EXPECT_GT(pointer->op_index, r.key_op(4));
    }
    EXPECT_GT(four_only, 0);
}

TEST(CoordinateTerms, ThreePlanesOnOneOriginThenPAndItsFeet) {
    const Replay r = run("2{enter}2{enter}" + spaces(12));
    int axes = 0;
    for (const auto& line : r.of_kind(Kind::Line))
        if (line.width == 4 && line.colour == 0) {
            ++axes;
            EXPECT_TRUE((line.y1 == 330 && line.y2 == 330) || (line.x1 == 840 && line.x2 == 840));
        }
    EXPECT_EQ(axes, 6);
    for (const auto& [text, x, y] : {std::tuple{"3", 946, 334}, std::tuple{"6", 810, 66}}) {
        auto foot = find_run(r.runs, text);
        ASSERT_TRUE(foot) << text;
        EXPECT_EQ(foot->colour, 7);
        EXPECT_EQ(foot->x, x);
        EXPECT_EQ(foot->y, y);
    }
    auto label = find_run(r.runs, "P(3,6)");
    ASSERT_TRUE(label);
    EXPECT_EQ(label->x, 970);
    EXPECT_EQ(label->y, 50);
}

TEST(CoordinateAnswers, Exercise2PointsInColour5OnlyAfterTheThirdKey) {
    const Replay r = run("2{enter}4{enter}" + spaces(3));
    EXPECT_EQ(count_of(r, Kind::Circle, 3, 8), 6);
    EXPECT_EQ(count_of(r, Kind::Circle, 5, 8), 6);
    EXPECT_EQ(count_of(r, Kind::Circle, 5, 8, r.key_op(6)), 6);
}

TEST(GraphOfTwoX, OnlyTheGivenValueAtFirstAndItStaysBlack) {
    int filled = 0;
    for (const auto& op : run("2{enter}1{enter}").of_kind(Kind::Text))
        filled += op.y1 > 190 && op.y1 < 240 && op.x1 > 98 && op.x1 < 518;
    EXPECT_EQ(filled, 1);
    const Replay r = run("2{enter}1{enter}" + spaces(9));
    const auto six = r.of_kind(Kind::Text, r.key_op(8), r.key_op(9));
    ASSERT_FALSE(six.empty());
    EXPECT_EQ(six[0].colour, 0);
}

}  // namespace
