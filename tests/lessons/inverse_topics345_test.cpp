// Scene tests of lesson_inverse's items 3 to 5: table, formula and graph with
// its drill, the basic problems of page 143, and y=ax and y=a/x compared.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "lesson_replay.hpp"
#include "lessons/inverse/inverse_lesson.hpp"

namespace {

using lesson_replay::find_run;
using lesson_replay::Replay;
using Kind = rt::DrawOp::Kind;

Replay run(const std::string& keys, int seed = 1) {
    rt::SessionOptions options = lesson_replay::headless(keys);
    options.seed = seed;
    return lesson_replay::finish(
        shell::run_lesson(options, [] { return std::make_unique<lessons::InverseLesson>(); }));
}

std::string keys(int n) {
    return std::string(n, ' ');
}

// The ops of every box from (x1, y1) to (x2, y2), in order.
std::vector<std::size_t> boxes(const Replay& r, float x1, float y1, float x2, float y2) {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < r.ops.size(); ++i) {
        const auto& op = r.ops[i];
        if (op.kind == Kind::Box && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2)
            found.push_back(i);
    }
    return found;
}
std::size_t last_box(const Replay& r, float x1, float y1, float x2, float y2) {
    const auto found = boxes(r, x1, y1, x2, y2);
    return found.empty() ? 0 : found.back();
}

// The glyphs drawn after op `from` with their top left in the rectangle, in
// colour `colour` (-1: any), blanks left out; CP932 like the literals here.
std::string glyphs(const Replay& r, std::size_t from, float x1, float y1, float x2, float y2,
                   int colour = -1) {
    std::string text;
    for (std::size_t i = from; i < r.ops.size(); ++i) {
        const auto& op = r.ops[i];
        if (op.kind != Kind::Text || op.x1 < x1 || op.x1 >= x2 || op.y1 < y1 || op.y1 >= y2)
            continue;
        if (colour >= 0 && op.colour != colour) continue;
        for (char c : op.text)
            if (c != ' ') text += c;
    }
    return text;
}

// The x of the first glyph `text` drawn after op `from` at height y.
float glyph_x(const Replay& r, std::size_t from, const std::string& text, float y) {
    for (std::size_t i = from; i < r.ops.size(); ++i)
        if (r.ops[i].kind == Kind::Text && r.ops[i].text == text && r.ops[i].y1 == y)
            return r.ops[i].x1;
    return -1;
}

// Lines (minus signs, fraction bars, guides) after op `from` within the
// rectangle, in colour `colour`.
int lines_in(const Replay& r, std::size_t from, float x1, float y1, float x2, float y2, int colour,
             std::size_t to = SIZE_MAX) {
    int n = 0;
    for (std::size_t i = from; i < r.ops.size() && i < to; ++i) {
        const auto& op = r.ops[i];
        n += op.kind == Kind::Line && op.colour == colour && op.x1 >= x1 && op.x2 < x2 &&
             op.y1 >= y1 && op.y1 < y2;
    }
    return n;
}

bool bar_after(const Replay& r, std::size_t from) {
    return !glyphs(r, from, 0, 655, 40, 690).empty();
}

// ---- item 3 -------------------------------------------------------------------------

TEST(InverseTableFormulaGraph, AimsThenTheWholeTableBeforeTheFirstKey) {
    const Replay r = run("3{enter}1{enter}");
    EXPECT_TRUE(find_run(r.runs, "<めあて>"));
    const std::size_t page = last_box(r, 0, 0, 1320, 1300);
    int cells = 0;
    for (const auto& op : r.of_kind(Kind::Box, page))
        cells += op.y2 - op.y1 == 50 && (op.y1 == 100 || op.y1 == 150);
    EXPECT_EQ(cells, 24);
    EXPECT_EQ(glyphs(r, page, 516, 150, 606, 200), "×");
    EXPECT_EQ(glyphs(r, page, 606, 150, 696, 200), "12");
    EXPECT_EQ(glyphs(r, page, 426, 150, 516, 200), "12");
    EXPECT_EQ(lines_in(r, page, 426, 150, 516, 200, 0), 1);  // the minus of -12
    EXPECT_FALSE(find_run(r.runs, "<考え①>"));
}

TEST(InverseTableFormulaGraph, ThreeIdeasTakeEightKeysAndTheSecondColumnFollowsTheLine) {
    const Replay seven = run("3{enter}1{enter}" + keys(7));
    EXPECT_FALSE(bar_after(seven, last_box(seven, 0, 0, 1320, 1300)));
    const Replay r = run("3{enter}1{enter}" + keys(8));
    const std::size_t page = last_box(r, 0, 0, 1320, 1300);
    EXPECT_TRUE(bar_after(r, page));
    // The second column starts 90 px right of where "…" ends, level with idea 1.
    const float pitch = glyph_x(r, page, "で", 270) - glyph_x(r, page, "ん", 270);
    EXPECT_EQ(glyphs(r, page, glyph_x(r, page, "…", 270) + pitch + 90, 210, 1440, 230, 7),
              "<考え②>");
    EXPECT_EQ(glyph_x(r, page, "比", 510), glyph_x(r, page, "…", 510) + pitch);
}

TEST(InverseTableFormulaGraph, ConstantPageColoursOnlyTheNumeratorAndMarksTheCurve) {
    const Replay formula = run("3{enter}2{enter}" + keys(4));
    const std::size_t page = last_box(formula, 0, 0, 1320, 1300);
    EXPECT_EQ(glyphs(formula, page, 336, 140, 426, 250, 5), "112");  // column x = 1 highlighted
    EXPECT_EQ(glyphs(formula, page, 80, 340, 300, 430, 5), "12");
    EXPECT_EQ(glyphs(formula, page, 80, 340, 300, 430, 0), "x");
    EXPECT_EQ(formula.of_kind(Kind::Line, page).back().colour, 0);  // its bar covers the first

    const Replay r = run("3{enter}2{enter}" + keys(8));
    const std::size_t p = last_box(r, 0, 0, 1320, 1300);
    EXPECT_EQ(glyphs(r, p, 906, 374, 907, 375, 3), "1");  // 14 px left of and 4 below F1
    EXPECT_EQ(glyphs(r, p, 822, 225, 870, 226, 5), "12");
    EXPECT_EQ(glyphs(r, p, 920, 225, 1120, 226), "(1,12)");
    EXPECT_EQ(lines_in(r, p, 880, 250, 921, 371, 7), 2);  // the guides
    EXPECT_TRUE(bar_after(r, p));
}

TEST(InverseTableFormulaGraph, Question1ShowsBothCurvesFirstAndEndsAfterThreeKeys) {
    const Replay first = run("3{enter}4{enter}");
    EXPECT_EQ(glyphs(first, 0, 1123.5f, 247.5f, 1200, 304.5f), "(1)(2)");  // at the right ends
    const Replay r = run("3{enter}4{enter}" + keys(3));
    const std::size_t page = last_box(r, 0, 0, 1320, 1300);
    EXPECT_EQ(glyphs(r, page, 121, 490, 700, 560, 5), "答　y=x3");
    EXPECT_EQ(lines_in(r, page, 121, 500, 700, 580, 5), 2);  // minus and fraction bar
    EXPECT_TRUE(bar_after(r, page));
}

// ---- the drill ------------------------------------------------------------------------

class DrillProbe : public lesson_replay::ProbeOf<lessons::InverseLesson> {
public:
    using InverseLesson::FMAESU;
    using InverseLesson::graph_drill_draw;
};

TEST(InverseGraphDrill, DrawsOnlyTheTwelveConstantsAndNeverTheLastOneAgain) {
    std::set<int> sizes;
    int repeats = 0;
    lesson_replay::replay_probe<DrillProbe>("", [&](DrillProbe& p) {
        float last = p.FMAESU;
        for (int i = 0; i < 3000; ++i) {
            p.graph_drill_draw();
            repeats += p.F_A(1) == last;
            EXPECT_TRUE(p.F_A(1) == p.T_A(1) * p.T_A(2) && p.FMAESU == p.F_A(1));
            last = p.F_A(1);
            sizes.insert(static_cast<int>(p.F_A(2)));
        }
    });
    EXPECT_EQ(repeats, 0);
    EXPECT_EQ(sizes, (std::set<int>{12, 14, 15, 16, 18, 20, 21, 24, 25, 28, 30, 35}));
}

TEST(InverseGraphDrill, PointSignsAndLoopAcrossSeeds) {
    bool negative_seen = false;
    for (int seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed);
        // Four problems: an empty entry and a zero denominator ask for new ones.
        const Replay r = run("3{enter}3{enter}" + keys(6) + "{enter}" + keys(6) + "1/0{enter}" +
                                 keys(6) + "2{enter}" + keys(6) + "1{enter}" + keys(2),
                             seed);
        // Each problem erases below the title; its ops run to the next erase.
        std::vector<std::size_t> starts = boxes(r, 40, 90, 2040, 1890);
        starts.push_back(r.ops.size());
        ASSERT_EQ(starts.size(), 5u);
        for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
            const std::size_t from = starts[k], to = starts[k + 1];
            const auto dots = r.of_kind(Kind::Circle, from, to);
            const auto point_a = std::find_if(
                dots.begin(), dots.end(), [](const auto& c) { return c.r == 8 && c.colour == 5; });
            ASSERT_NE(point_a, dots.end());
            // A minus sign in the point text, two in the product line and one
            // before the answer's fraction, exactly when A lies below the x-axis.
            const int minus = point_a->y1 > 340 ? 1 : 0;
            negative_seen |= minus == 1;
            EXPECT_EQ(lines_in(r, from, 180, 160, 420, 200, 3, to), minus);
            EXPECT_EQ(lines_in(r, from, 50, 355, 380, 400, 3, to), 2 * minus);
            EXPECT_EQ(lines_in(r, from, 380, 355, 700, 400, 5, to), 1 + minus);
        }
        EXPECT_EQ(glyphs(r, starts[starts.size() - 2], 40, 500, 724, 545),
                  "②x,yが整数になる点をさがし、代入する。");
        EXPECT_EQ(glyphs(r, 0, 44, 600, 45, 601, 7), "教");
        EXPECT_TRUE(bar_after(r, last_box(r, 40, 90, 2040, 1890)));
    }
    EXPECT_TRUE(negative_seen);
}

// ---- item 4 ---------------------------------------------------------------------------

TEST(InverseBasicProblems, BadgesPartTwoFromTheMeasuredLineAndTheBar) {
    const Replay one = run("4{enter}1{enter}");
    const std::size_t page = last_box(one, 0, 0, 1760, 1800);
    EXPECT_EQ(glyphs(one, page, 40, 90, 78, 134, 13), "1");
    EXPECT_EQ(glyphs(one, page, 98, 270, 700, 340, 5), "答　y=x24");
    EXPECT_FALSE(find_run(one.runs, "(2)"));
    const Replay r = run("4{enter}1{enter} ");
    const float pitch = glyph_x(r, page, "て", 160) - glyph_x(r, page, "し", 160);
    const float part2 = glyph_x(r, page, "て", 160) + pitch + 80;
    EXPECT_EQ(glyphs(r, page, part2, 110, part2 + 1, 111, 3), "(");
    EXPECT_EQ(glyphs(r, page, part2, 350, 1440, 400, 5), "6");
    const Replay two = run("4{enter}2{enter}");
    EXPECT_EQ(glyphs(two, last_box(two, 0, 0, 1760, 1800), 45, 90, 83, 134, 13), "2");

    // No review page: choice 3 leads back to the main menu like choice 4.
    const Replay back = run("4{enter}1{enter} 3{enter}");
    EXPECT_TRUE(
        find_run(back.runs, "番号を入力して下さい。入力", last_box(back, 0, 0, 1760, 1800)));
}

// ---- item 5 ---------------------------------------------------------------------------

TEST(InverseFeatures, BlanksFillOnePerKeyAtTheirMeasuredPlaces) {
    const char* fills[] = {"y=ax", "原点", "直線", "y=xa", "双曲線"};  // a fraction draws x first
    std::string expected;
    for (int k = 0; k <= 5; ++k) {
        SCOPED_TRACE(k);
        if (k > 0) expected += fills[k - 1];
        const Replay r = run("5{enter}1{enter}" + keys(k));
        const std::size_t page = last_box(r, 0, 0, 1320, 1800);
        EXPECT_EQ(glyphs(r, page, 0, 50, 1440, 200, 5), expected);
        EXPECT_EQ(bar_after(r, page), k == 5);
    }
    const Replay r = run("5{enter}1{enter}" + keys(3));
    const std::size_t page = last_box(r, 0, 0, 1320, 1800);
    const float gap_start = glyph_x(r, page, "原", 140);
    const float pitch = glyph_x(r, page, "点", 140) - gap_start;
    EXPECT_EQ(glyph_x(r, page, "を", 140), gap_start + 72);
    EXPECT_EQ(glyph_x(r, page, "直", 140), glyph_x(r, page, "る", 140) + pitch);
    EXPECT_EQ(glyphs(r, page, 273, 420, 274, 421, 5), "1");  // no drop on the left plane
    EXPECT_EQ(glyphs(r, page, 945, 450, 946, 451, 5), "1");  // 4 px below on the right
}

TEST(InverseFeatures, ChangePagesLabelTheirRunArrowsAndFillInTwoKeys) {
    // The line's rise arrow runs at x rise_x from rise_from to rise_to; the
    // first curve pair's run arrow at y curve_run_y, its change arrow to
    // curve_change_to.
    struct Page {
        const char* choice;
        float left_x, left_y, right_y;
        const char *line_word, *curve_word;
        float rise_x, rise_from, rise_to, curve_run_y, curve_change_to;
    };
    for (const Page& p : {Page{"2", 260, 460, 240, "増加", "減少", 314, 460, 340, 465, 590},
                          Page{"3", 180, 290, 540, "減少", "増加", 234, 340, 460, 415, 290}}) {
        SCOPED_TRACE(p.choice);
        const std::string enter = std::string("5{enter}") + p.choice + "{enter}";
        const Replay one = run(enter + " ");
        const std::size_t page = last_box(one, 0, 0, 1320, 1800);
        EXPECT_EQ(glyphs(one, page, p.left_x, p.left_y, p.left_x + 1, p.left_y + 1, 5), "増");
        EXPECT_EQ(glyphs(one, page, 768, 415, 769, 416, 5), "増");
        EXPECT_EQ(glyphs(one, page, 978, p.right_y, 979, p.right_y + 1, 5), "増");
        EXPECT_EQ(glyphs(one, page, 0, 175, 1440, 200, 5), p.line_word);
        EXPECT_FALSE(bar_after(one, page));
        // The line's "増加" follows both its arrows (the last head stroke
        // right before it); the curve's stands between its two arrows.
        const std::size_t line_label = lesson_replay::text_op(one, page, p.left_x, p.left_y, "増");
        const std::size_t rise =
            lesson_replay::line_op(one, page, p.rise_x, p.rise_from, p.rise_x, p.rise_to);
        ASSERT_LT(rise, line_label);
        EXPECT_EQ(one.ops[line_label - 1].kind, Kind::Line);
        const std::size_t curve_label = lesson_replay::text_op(one, page, 768, 415, "増");
        const std::size_t run_arrow =
            lesson_replay::line_op(one, page, 707, p.curve_run_y, 857, p.curve_run_y);
        const std::size_t change =
            lesson_replay::line_op(one, page, 857, p.curve_run_y, 857, p.curve_change_to);
        EXPECT_LT(run_arrow, curve_label);
        EXPECT_LT(curve_label, change);
        EXPECT_LT(change, one.ops.size());
        const Replay two = run(enter + "  ");
        // Beside each change arrow, 16 px above its middle (half-pixel heights).
        const std::string first_char = std::string(p.curve_word).substr(0, 2);
        for (float x : {857.0f, 1067.0f}) {
            const std::string upper = glyphs(two, page, x, 336.5f, x + 1, 336.6f, 5);
            const std::string lower = glyphs(two, page, x, 511.5f, x + 1, 511.6f, 5);
            EXPECT_EQ(upper + lower, first_char) << x;
            EXPECT_EQ(upper.empty(), (x == 857) == (p.choice[0] == '2'));
        }
        EXPECT_TRUE(bar_after(two, page));
    }
}

}  // namespace
