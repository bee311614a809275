// lesson_inverse from its main menu: the menu's choices, the bars of the topic
// on negative values and of the graph topic, and what their scenes draw
// where, in which colour, at which key.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "framework/platform/numbers.hpp"
#include "lesson_replay.hpp"
#include "lessons/inverse/inverse_lesson.hpp"

namespace {

using lesson_replay::count_runs;
using lesson_replay::find_run;
using lesson_replay::Replay;
using Kind = rt::DrawOp::Kind;

Replay run(const std::string& keys, int seed = 1) {
    rt::SessionOptions options = lesson_replay::headless(keys);
    options.seed = seed;
    return lesson_replay::finish(
        shell::run_lesson(options, [] { return std::make_unique<lessons::InverseLesson>(); }));
}

using lesson_replay::spaces;

using lesson_replay::is_box;

int count_boxes(const Replay& r, float x1, float y1, float x2, float y2) {
    int n = 0;
    for (const auto& op : r.ops) n += is_box(op, x1, y1, x2, y2);
    return n;
}

// Main-menu passes: the panel drawn.
int menus_drawn(const Replay& r) {
    return count_boxes(r, 22, 10, 1342, 610);
}

// Sub-menu bars shown: texts starting at the bar's place.
int bars_drawn(const Replay& r) {
    int n = 0;
    for (const auto& op : r.ops) n += op.kind == Kind::Text && op.x1 == 16 && op.y1 == 666;
    return n;
}

// The ops of the scene: from its last opening erase on.
std::size_t scene_start(const Replay& r) {
    for (std::size_t i = r.ops.size(); i-- > 0;) {
        const auto& op = r.ops[i];
        if (op.kind == Kind::Box && op.x1 == 0 && op.y1 == 0 && op.x2 >= 1320 && op.y2 >= 1300 &&
            op.fill == 15)
            return i;
    }
    return 0;
}

using lesson_replay::glyphs_in;

// A minus sign (a short horizontal line) drawn after op `from` inside the rectangle.
bool minus_in(const Replay& r, std::size_t from, float x1, float y1, float x2, float y2) {
    for (std::size_t i = from; i < r.ops.size(); ++i) {
        const auto& op = r.ops[i];
        if (op.kind == Kind::Line && op.y1 == op.y2 && op.x2 - op.x1 < 30 && op.x1 >= x1 &&
            op.x2 <= x2 && op.y1 >= y1 && op.y1 <= y2)
            return true;
    }
    return false;
}

// The erases of the scene after its opening one, above the bottom bar.
std::vector<rt::DrawOp> scene_erases(const Replay& r) {
    std::vector<rt::DrawOp> erases;
    for (const auto& box : r.of_kind(Kind::Box, scene_start(r) + 1))
        if (box.colour == 15 && box.fill == 15 && box.y1 < 639) erases.push_back(box);
    return erases;
}

std::vector<rt::DrawOp> circles(const Replay& r, std::size_t from, std::size_t to, float radius) {
    std::vector<rt::DrawOp> found;
    for (const auto& op : r.of_kind(Kind::Circle, from, to))
        if (op.r == radius && op.y1 < 645) found.push_back(op);  // not the entry's cursor
    return found;
}

// ---- the main menu and the two bars ------------------------------------------------------

TEST(InverseMainMenu, QuitComesBeforeTheRangeAndOnlyWholeItemsChoose) {
    EXPECT_EQ(run("6{enter}1{enter}").keys().size(), 2u);
    EXPECT_EQ(run("12/2{enter}1{enter}").keys().size(), 5u);
    const Replay junk = run("0{enter}7{enter}{enter}1/0{enter}2.5{enter}-1{enter}");
    EXPECT_EQ(junk.result.outcome, rt::Outcome::Ended);
    EXPECT_EQ(menus_drawn(junk), 7);
    EXPECT_EQ(count_runs(junk.runs, "<めあて>"), 0);
    const Replay half = run("4/2{enter}");
    const auto aim = find_run(half.runs, "反比例のグラフをかき、特徴を調べよう。");
    ASSERT_TRUE(aim);
    EXPECT_EQ(aim->x, 76);
    EXPECT_EQ(aim->y, 305);
}

TEST(InverseTopicBars, JunkRedrawsOnlyTheBarAndTheLastChoiceReturns) {
    const Replay negative = run("1{enter}0{enter}8{enter}1/0{enter}2.5{enter}7{enter}");
    EXPECT_EQ(bars_drawn(negative), 5);
    EXPECT_EQ(menus_drawn(negative), 2);
    const Replay graph = run("2{enter}0{enter}9{enter}1/0{enter}8{enter}");
    EXPECT_EQ(bars_drawn(graph), 4);
    EXPECT_EQ(menus_drawn(graph), 2);
}

TEST(InverseTopicBars, GoalsPagesOnEntryOnly) {
    // Topic 1 clears the window itself and writes five lines; topic 2 writes
    // on the window the menu erased.
    const Replay negative = run("1{enter}3{enter}" + spaces(6));
    EXPECT_EQ(count_boxes(negative, 0, 0, 1760, 1800), 4);  // 2 of the menu, topic, scene
    for (const float y : {240, 305, 365, 430, 480})
        EXPECT_FALSE(glyphs_in(negative, 0, 40, y - 25, 800, y + 25).empty()) << y;
    EXPECT_EQ(count_runs(negative.runs, "<めあて>"), 1);
    EXPECT_EQ(bars_drawn(negative), 2);
    const Replay graph = run("2{enter}");
    EXPECT_EQ(count_boxes(graph, 0, 0, 1760, 1800), 2);
    EXPECT_EQ(bars_drawn(graph), 1);
}

// ---- key counts: the bar comes back after exactly the scene's keys -----------------------

TEST(InverseScenes, EachSceneTakesItsKeysThenShowsTheBar) {
    struct Scene {
        const char* enter;
        std::string keys;
    };
    const std::string find_a = spaces(5) + "1{enter}" + spaces(5) + "1{enter}";
    const std::vector<Scene> scenes = {
        {"1{enter}1{enter}", spaces(15)}, {"1{enter}2{enter}", spaces(15)},
        {"1{enter}3{enter}", spaces(6)},  {"1{enter}4{enter}", find_a},
        {"1{enter}6{enter}", spaces(9)},  {"2{enter}1{enter}", spaces(58)},
        {"2{enter}2{enter}", spaces(36)}, {"2{enter}3{enter}", spaces(14)},
        {"2{enter}4{enter}", spaces(44)}, {"2{enter}5{enter}", spaces(10)},
        {"2{enter}6{enter}", spaces(10)}, {"2{enter}7{enter}", spaces(1)},
    };
    for (const Scene& scene : scenes) {
        SCOPED_TRACE(scene.enter + std::to_string(scene.keys.size()));
        EXPECT_EQ(bars_drawn(run(scene.enter + scene.keys)), 2);
        const std::size_t last =
            scene.keys.back() == '}' ? scene.keys.rfind('{') : scene.keys.size() - 1;
        const std::string short_keys = scene.keys.substr(0, last);
        EXPECT_EQ(bars_drawn(run(scene.enter + short_keys)), 1);
    }
}

// ---- the topic on negative values ----------------------------------------------------------

TEST(InverseTables, SubstitutedCellsComeWithTheirLinesAndTheSignFollowsA) {
    // Scene 1: the cell of x = -4 shows -6 as soon as its line is written.
    EXPECT_EQ(glyphs_in(run("1{enter}1{enter}" + spaces(1)), 0, 160, 125, 250, 175, 3), "");
    const Replay first = run("1{enter}1{enter}" + spaces(2));
    const std::size_t from = scene_start(first);
    EXPECT_EQ(glyphs_in(first, from, 160, 125, 250, 175, 3), "6");
    EXPECT_TRUE(minus_in(first, from, 160, 125, 250, 175));
    // Scene 2, finished: positive values left of 0, negative ones right, xy = -24.
    const Replay second = run("1{enter}2{enter}" + spaces(15));
    const std::size_t start = scene_start(second);
    EXPECT_EQ(glyphs_in(second, start, 430, 125, 520, 175, 3), "24");  // x = -1
    EXPECT_FALSE(minus_in(second, start, 430, 125, 520, 175));
    EXPECT_EQ(glyphs_in(second, start, 610, 125, 700, 175, 3), "24");  // x = 1
    EXPECT_TRUE(minus_in(second, start, 610, 125, 700, 175));
    EXPECT_EQ(glyphs_in(second, start, 340, 125, 430, 175, 3), "12");  // x = -2
    const auto answer = find_run(second.runs, "どこも24", start);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->colour, 5);
    EXPECT_EQ(answer->y, 405);
    EXPECT_TRUE(minus_in(second, start, answer->x, 405, 1440, 450));
}

TEST(InverseSummary, TheTwoNotesComeTogetherAfterTheLastKey) {
    const Replay five = run("1{enter}3{enter}" + spaces(5));
    EXPECT_EQ(glyphs_in(five, scene_start(five), 0, 360, 1440, 460), "");
    const Replay six = run("1{enter}3{enter}" + spaces(6));
    const auto first = find_run(six.runs, "これらの性質は、変域が負の数でも成り立つ。");
    const auto second = find_run(six.runs, "また、比例定数が負の数でも成り立つ。");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->y, 380);
    EXPECT_EQ(second->y, 430);
    EXPECT_EQ(second->colour, 7);
}

// The find-a drills over several seeds: y is 2..5, bumped by 1 when it
// equals the last unbumped y (kept across problems and across both drills),
// x is 3..9, a = xy; every problem on a cleared page.
TEST(InverseFindADrill, NumbersFollowTheRulesOverSeeds) {
    for (int seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        // Another problem after 0, a zero denominator and an empty entry.
        const std::string again = spaces(5) + "0{enter}" + spaces(5) + "1/0{enter}" + spaces(5);
        const Replay r = run("1{enter}4{enter}" + again + "{enter}" + spaces(5) + "1{enter} " +
                                 spaces(4) + "{enter}" + spaces(4) + "1{enter}",
                             seed);
        rt::RANDOMIZE(seed);
        float last_y = 0;
        std::size_t at = 0;
        for (int problem = 1; problem <= 6; ++problem) {
            float y = rt::INT(4 * rt::RND() + 2);
            if (y == last_y) {
                y = y + 1;
            } else {
                last_y = y;
            }
            const float x = rt::INT(7 * rt::RND() + 3);
            const std::string xs = std::to_string(int(x)), ys = std::to_string(int(y));
            const std::string as = std::to_string(int(x * y));
            const auto line = find_run(r.runs,
                                       std::string(problem <= 4 ? "例1" : "例2") +
                                           "　yはxに反比例し、x=" + xs + "のときy=" + ys + "です。",
                                       at);
            ASSERT_TRUE(line) << "problem " << problem;
            const std::string product =
                problem <= 4 ? "a=" + xs + "×" + ys + "=" + as : xs + "×" + ys + "=";
            EXPECT_TRUE(find_run(r.runs, product, line->op_index)) << product;
            at = line->op_index + 1;
        }
        const auto close1 = find_run(r.runs, "y=xaとしてaを求める");
        const auto close2 = find_run(r.runs, "a=xyからaを求める");
        ASSERT_TRUE(close1 && close2);
        EXPECT_EQ(close1->y, 580);
        EXPECT_EQ(close2->y, 400);
        EXPECT_EQ(count_boxes(r, 0, 0, 1320, 1300), 6);  // a cleared page each
        EXPECT_EQ(bars_drawn(r), 2);
    }
}

// The find-y drill over several seeds: the problem's numbers in their order,
// x2 bumped off x1, and the unreduced step (a key and a colour-0 fraction on
// the line of y) exactly when a/x2 reduces.
TEST(InverseFindYDrill, ReducedStepOnlyWhenTheFractionReduces) {
    int reducing = 0;
    for (int seed = 1; seed <= 10; ++seed) {
        SCOPED_TRACE(seed);
        rt::RANDOMIZE(seed);
        float x1 = rt::INT(4 * rt::RND() + 2);
        const float y1 = rt::INT(8 * rt::RND() + 1);
        if (rt::INT(2 * rt::RND()) == 0) x1 = -x1;
        float x2 = rt::INT(8 * rt::RND() + 3);
        if (x2 == x1) x2 = x2 + 1;
        const int a = int(x1 * y1);
        const bool reduces = std::gcd(std::abs(a), int(x2)) > 1;
        reducing += reduces;
        const int keys = reduces ? 9 : 8;
        const Replay r = run("1{enter}5{enter}" + spaces(keys) + "1{enter} ", seed);
        EXPECT_EQ(bars_drawn(r), 2);
        const std::size_t page = scene_start(r);
        EXPECT_TRUE(find_run(r.runs,
                             "Q　yはxに反比例し、x=" + std::to_string(std::abs(int(x1))) +
                                 "のときy=" + std::to_string(int(y1)) + "です。",
                             page));
        EXPECT_TRUE(
            find_run(r.runs, "x=" + std::to_string(int(x2)) + "のときのyの値を求めなさい。", page));
        EXPECT_EQ(glyphs_in(r, page, 121, 435, 1440, 485, 0).empty(), !reduces);
        const auto hence = find_run(r.runs, "よって", page);
        ASSERT_TRUE(hence);
        EXPECT_EQ(minus_in(r, page, 121, 320, hence->x, 370), x1 < 0);  // x1 and a
        const auto pointer = find_run(r.runs, "教科書P137問1　をしなさい。", page);
        ASSERT_TRUE(pointer);
        EXPECT_EQ(pointer->x, 400);
        EXPECT_EQ(pointer->y, 580);
    }
    EXPECT_GT(reducing, 0);
    EXPECT_LT(reducing, 10);
}

// ---- the graph topic --------------------------------------------------------------------------

TEST(InverseGraphPositive, PointsOnePerKeyAndThePlaneErasedAloneForTheCurve) {
    // Keys 1 .. 15 reveal the y row, 16 the point series; x = 0's key draws nothing.
    const Replay before = run("2{enter}1{enter}" + spaces(21));
    EXPECT_EQ(circles(before, 0, before.ops.size(), 4).size(), 6u);
    EXPECT_EQ(circles(run("2{enter}1{enter}" + spaces(22)), 0, SIZE_MAX, 4).size(), 6u);
    const Replay one = run("2{enter}1{enter}" + spaces(23));
    const auto points = circles(one, 0, one.ops.size(), 4);
    ASSERT_EQ(points.size(), 7u);
    EXPECT_EQ(points.back().x1, 1040);
    EXPECT_EQ(points.back().y1, 250);

    const Replay r = run("2{enter}1{enter}" + spaces(58));
    // The sixty points come together after one key.
    EXPECT_EQ(circles(r, r.key_op(3 + 56), r.key_op(3 + 57), 2).size(), 60u);
    // The only erase after the opening one is the plane's box: the tables
    // and the texts on the left stay.
    const auto erases = scene_erases(r);
    ASSERT_EQ(erases.size(), 1u);
    EXPECT_TRUE(is_box(erases[0], 800, 220, 1220, 640));
    const std::size_t erase_at = r.key_op(3 + 57);
    EXPECT_TRUE(circles(r, erase_at, SIZE_MAX, 4).empty());
    EXPECT_TRUE(circles(r, erase_at, SIZE_MAX, 2).empty());
    EXPECT_GT(circles(r, erase_at, SIZE_MAX, 1).size(), 1000u);
    EXPECT_TRUE(find_run(r.runs, "グラフはなめらかな2つの曲線になる。"));
}

TEST(InverseGraphNegative, ComparisonPageBesideTheUntouchedPlane) {
    const Replay r = run("2{enter}2{enter}" + spaces(36));
    // The left and the top erased after the 29th key, then the page beside the plane.
    const auto erases = scene_erases(r);
    ASSERT_EQ(erases.size(), 2u);
    EXPECT_TRUE(is_box(erases[0], 0, 0, 1900, 200));
    EXPECT_TRUE(is_box(erases[1], 0, 0, 795, 1000));
    const auto heading = find_run(r.runs, "どちらにもいえること", r.key_op(3 + 29));
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->y, 270);
    const auto last = find_run(r.runs, "本当に交わらないの?調べてみよう", heading->op_index);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->x, 80);
    EXPECT_EQ(last->y, 490);
}

// A window's own tick text: magnified twice across, not the axis names or
// the origin mark of the plane.
bool is_tick(const rt::DrawOp& text) {
    return text.h == 2 && text.size == 26 && text.text != "0" && text.text != "x" &&
           text.text != "y";
}

// The tick texts of the window drawn between two keys, as text@x.
std::string ticks_between(const Replay& r, std::size_t from, std::size_t to) {
    std::string ticks;
    for (const auto& text : r.of_kind(Kind::Text, from, to))
        if (is_tick(text)) ticks += text.text + "@" + std::to_string(int(text.x1)) + " ";
    return ticks;
}

TEST(InverseNearAxes, WindowsChangeUnderTheStandingPlane) {
    const Replay r = run("2{enter}3{enter}" + spaces(14));
    EXPECT_EQ(count_boxes(r, 720, 350, 1180, 890), 2);
    EXPECT_EQ(count_boxes(r, 720, 350, 1270, 890), 2);
    EXPECT_EQ(count_boxes(r, 720, 0, 2040, 1300), 1);
    // Window 1: its ticks with the point after the y tick's first 0, and its
    // point of x = 100; window 4 has the point after the x tick's.
    EXPECT_EQ(ticks_between(r, r.key_op(5), r.key_op(6)), "100@991 005@802 .@820 ");
    EXPECT_EQ(ticks_between(r, r.key_op(11), r.key_op(12)), "05@1004 .@1022 50@828 ");
    const auto points = circles(r, r.key_op(5), r.key_op(6), 8);
    ASSERT_EQ(points.size(), 9u);
    EXPECT_EQ(points[4].x1, 1030);
    EXPECT_FLOAT_EQ(points[4].y1, 410);
}

TEST(InverseGraphQ1, TableRoundedToTenthsPointsExact) {
    const Replay r = run("2{enter}4{enter}" + spaces(44));
    const std::size_t from = scene_start(r);
    EXPECT_EQ(glyphs_in(r, from, 1014, 140, 1084, 190, 5), "0.7");  // x = 6
    EXPECT_EQ(glyphs_in(r, from, 94, 140, 184, 190, 5), "0.7");     // x = -6
    EXPECT_TRUE(minus_in(r, from, 94, 140, 184, 190));
    EXPECT_EQ(glyphs_in(r, from, 874, 140, 944, 190, 5), "1");  // x = 4
    const auto points = circles(r, from, SIZE_MAX, 4);
    ASSERT_EQ(points.size(), 24u);
    EXPECT_EQ(points[11].x1, 1190);
    EXPECT_FLOAT_EQ(points[11].y1, 430 - 30 * (4.0f / 6));
}

TEST(InverseChange, OverallArrowsAtTheTrianglesWidth) {
    struct Case {
        const char* choice;
        float across_label_y, down_label_y;
        const char* down_label;
    };
    for (const Case& c : {Case{"5", 190, 299, "減少"}, Case{"6", 600, 509, "増加"}}) {
        SCOPED_TRACE(c.choice);
        const Replay r = run("2{enter}" + std::string(c.choice) + "{enter}" + spaces(10));
        const std::size_t from = r.key_op(3 + 4), to = r.key_op(3 + 5);
        const auto lines = r.of_kind(Kind::Line, from, to);
        ASSERT_EQ(lines.size(), 6u);
        for (const auto& line : lines) {
            EXPECT_EQ(line.width, 4);
            EXPECT_EQ(line.colour, 5);
        }
        const auto across = find_run(r.runs, "増加", from);
        ASSERT_TRUE(across);
        const auto down = find_run(r.runs, c.down_label, across->op_index + 1);
        ASSERT_TRUE(down);
        EXPECT_EQ(across->x, 1101);
        EXPECT_EQ(across->y, c.across_label_y);
        EXPECT_EQ(down->x, 1118);
        EXPECT_EQ(down->y, c.down_label_y);
    }
}

TEST(InverseHyperbolaSummary, EightArrowsTogetherAfterTheOneKey) {
    const Replay r = run("2{enter}7{enter} ");
    const std::size_t key = r.key_op(4);
    int early = 0, arrows = 0;
    for (std::size_t i = scene_start(r); i < r.ops.size(); ++i) {
        if (r.ops[i].kind != Kind::Line || r.ops[i].colour != 5) continue;
        ++(i > key ? arrows : early);
        EXPECT_EQ(r.ops[i].width, 5);
    }
    EXPECT_EQ(early, 0);
    EXPECT_EQ(arrows, 24);
    EXPECT_EQ(count_runs(r.runs, "増加"), 6);
    EXPECT_EQ(count_runs(r.runs, "減少"), 2);
    EXPECT_TRUE(find_run(r.runs, "a>0のとき"));
}

}  // namespace
